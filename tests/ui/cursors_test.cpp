#include "ui/cursors.h"
#include <QImage>
#include <QPixmap>
#include <QSet>
#include <gtest/gtest.h>

TEST(NumberedCursors, EveryAssignedNumberHasItsOwnPicture)
{
    QSet<QByteArray> pictures;
    for (int number = base::kFirstNumberedCursor; number <= base::kLastNumberedCursor; ++number) {
        const std::optional<QCursor> cursor = ui::NumberedCursor(number);
        if (number == 18) {
            EXPECT_FALSE(cursor) << "18 is not assigned";
            continue;
        }
        ASSERT_TRUE(cursor) << number;
        const QImage image = cursor->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(32, 32)) << number;
        EXPECT_TRUE(QRect(0, 0, 32, 32).contains(cursor->hotSpot())) << number;

        // Black outlines on white, on a transparent ground.
        int dark = 0, light = 0, clear = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.alpha() < 20) ++clear;
                else if (c.alpha() > 200 && c.lightness() < 60) ++dark;
                else if (c.alpha() > 200 && c.lightness() > 200) ++light;
            }
        EXPECT_GT(dark, 20) << number;
        EXPECT_GE(light, 3) << number;
        EXPECT_GT(clear, 200) << number;
        pictures.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    EXPECT_EQ(pictures.size(), 17); // no two numbers share a picture
    for (int number : {0, 10, 29, -1}) EXPECT_FALSE(ui::NumberedCursor(number)) << number;
}
