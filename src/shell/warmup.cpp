#include "shell/warmup.h"
#include "ui/htmlscheme.h"
#include <QPointer>
#include <QWebEnginePage>
#include <QWebEngineProfile>

namespace shell {
namespace {
QPointer<QWebEnginePage>& WarmUpPage()
{
    static QPointer<QWebEnginePage> page;
    return page;
}
} // namespace

void WarmUpHtmlEngine(QObject* owner)
{
    if (WarmUpPage()) return;
    QWebEngineProfile* profile = QWebEngineProfile::defaultProfile();
    ui::InstallProgramScheme(profile);
    WarmUpPage() = new QWebEnginePage(profile, owner);
    WarmUpPage()->setHtml(QStringLiteral("<html><body></body></html>"));
}

void EndHtmlWarmUp()
{
    if (WarmUpPage()) WarmUpPage()->deleteLater();
}

} // namespace shell
