// Tools such as the course checker run the judging code under a plain
// QCoreApplication: the hourglass must then stay out of the GUI altogether.
#include "ui/waitcursor.h"
#include <QCoreApplication>
#include <gtest/gtest.h>

TEST(WaitCursorWithoutGui, NothingIsShownUnderACoreApplication)
{
    EXPECT_FALSE(ui::HasGuiApplication());
    ui::WaitCursor wait;
    bool shown = false;
    wait.WithNormalCursor([&] { shown = true; });
    wait.Release();
    EXPECT_TRUE(shown);
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
