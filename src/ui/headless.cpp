#include "ui/headless.h"
#include "ui/htmlscheme.h"
#include <QCoreApplication>

namespace ui {

namespace {
void SetDefault(const char* name, const QByteArray& value)
{
    if (qEnvironmentVariableIsEmpty(name)) qputenv(name, value);
}
} // namespace

void PrepareHeadlessRun()
{
    SetDefault("QT_QPA_PLATFORM", "offscreen");
    SetDefault("QTWEBENGINE_DISABLE_SANDBOX", "1");
    SetDefault("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox --disable-logging");
    SetDefault("QT_LOGGING_RULES", "*.debug=false;qt.webenginecontext=false");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    RegisterHtmlSchemes();
}

} // namespace ui
