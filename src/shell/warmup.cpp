#include "shell/warmup.h"
#include "ui/htmlscheme.h"
#include <QWebEnginePage>
#include <QWebEngineProfile>

namespace shell {

void WarmUpHtmlEngine(QObject* owner)
{
    QWebEngineProfile* profile = QWebEngineProfile::defaultProfile();
    ui::InstallProgramScheme(profile);
    auto* page = new QWebEnginePage(profile, owner);
    page->setHtml(QStringLiteral("<html><body></body></html>"));
}

} // namespace shell
