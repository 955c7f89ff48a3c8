#include "ui/waitcursor.h"
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {
bool HourglassShown() { return QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor; }
} // namespace

TEST(WaitCursor, HourglassForTheLifeOfTheObjectAndNormalCursorForAMessage)
{
    ASSERT_TRUE(ui::HasGuiApplication());
    {
        ui::WaitCursor wait;
        EXPECT_TRUE(HourglassShown());
        bool hourglassDuringMessage = true;
        wait.WithNormalCursor([&] { hourglassDuringMessage = HourglassShown(); });
        EXPECT_FALSE(hourglassDuringMessage);
        EXPECT_TRUE(HourglassShown());
        wait.Release();
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        // A released hourglass does not come back after a message.
        wait.WithNormalCursor([] {});
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
