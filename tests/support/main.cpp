// Test programs share this main: a QApplication (offscreen) exists for the
// whole run so widget tests can create windows.
#include "ui/headless.h"

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
    // behaves the same.
    ui::PrepareHeadlessRun();
    SetDefault("ORINDO_SOURCE_DIR", ORINDO_DEFAULT_SOURCE_DIR);
    SetDefault("ORINDO_PROGRAM_DIR", ORINDO_DEFAULT_PROGRAM_DIR);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
