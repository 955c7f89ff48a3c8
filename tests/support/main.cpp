// Test programs share this main: a QApplication (offscreen) exists for the
// whole run so widget tests can create windows.
#include "ui/htmlscheme.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {
void SetDefault(const char* name, const QByteArray& value)
{
    if (qEnvironmentVariableIsEmpty(name)) qputenv(name, value);
}
} // namespace

int main(int argc, char** argv)
{
    // Set here rather than by CTest, so that a test program started by hand
    // behaves the same. The web engine refuses to start as root with its
    // sandbox, and there is no GPU offscreen.
    SetDefault("QT_QPA_PLATFORM", "offscreen");
    SetDefault("QTWEBENGINE_DISABLE_SANDBOX", "1");
    SetDefault("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox --disable-logging");
    SetDefault("QT_LOGGING_RULES", "*.debug=false;qt.webenginecontext.info=false");
    SetDefault("ORINDO_SOURCE_DIR", ORINDO_DEFAULT_SOURCE_DIR);
    SetDefault("ORINDO_PROGRAM_DIR", ORINDO_DEFAULT_PROGRAM_DIR);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    ui::RegisterHtmlSchemes(); // before the application object, as the web engine requires
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
