// Test programs share this main: a QApplication (offscreen, set by CTest)
// exists for the whole run so widget tests can create windows.
#include <QApplication>
#include <gtest/gtest.h>

namespace {
void Default(const char* name, const char* value)
{
    if (qEnvironmentVariableIsEmpty(name)) qputenv(name, value);
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    Default("QT_QPA_PLATFORM", "offscreen");
    Default("QTWEBENGINE_DISABLE_SANDBOX", "1");
    Default("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox --disable-logging");
    Default("QT_LOGGING_RULES", "*.debug=false");
    Default("ORINDO_SOURCE_DIR", ORINDO_DEFAULT_SOURCE_DIR);
    Default("ORINDO_PROGRAM_DIR", ORINDO_DEFAULT_PROGRAM_DIR);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
