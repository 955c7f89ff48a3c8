// The main window's bottom strip in a strip narrower than it was drawn for.
#include "shell/bottomstrip.h"
#include "shell/mainlayout.h"
#include <QPainter>
#include <gtest/gtest.h>

namespace {

namespace B = shell::bottomstrip;
namespace L = shell::mainlayout;

TEST(BottomStrip, ButtonsShrinkTogetherToStayWholeInANarrowStrip)
{
    const std::array<QRect, 3> drawn = B::DrawnPlaces();
    const int fullWidth = drawn.back().right() + 1 + drawn.front().left();
    // Strip widths: as drawn, a maximised window, the 800-pixel window,
    // a 640-pixel screen (640 less the left panel), and narrower than any.
    for (const int width : {fullWidth, 2000, 630, 470, 420, 100}) {
        const std::array<QRect, 3> places = B::Places(width);
        if (width >= fullWidth) {
            EXPECT_EQ(places, drawn) << width;
            continue;
        }
        const double scale = double(places[0].width()) / drawn[0].width();
        for (size_t i = 0; i < places.size(); ++i) {
            // Each keeps its proportions, centred in the strip's height.
            EXPECT_NEAR(places[i].height(), drawn[i].height() * scale, 1.0) << width;
            EXPECT_NEAR(places[i].width(), drawn[i].width() * scale, 1.0) << width;
            EXPECT_NEAR(places[i].center().y(), L::kBottomHeight / 2.0, 1.0) << width;
            if (i > 0) {
                EXPECT_EQ(places[i].left() - places[i - 1].right(), drawn[i].left() - drawn[i - 1].right()) << width;
            }
        }
        if (scale > 0.5) {
            EXPECT_LE(places.back().right() + 1 + drawn.front().left(), width) << width; // the search button whole
        } else {
            EXPECT_DOUBLE_EQ(scale, 0.5) << width; // no smaller than half: captions must still read
        }
    }
}

TEST(BottomStrip, FittedPictureHasTheButtonsUnderTheirPlaces)
{
    // A drawn strip: paper in grey, each button a block of its own colour.
    QImage drawn(L::kStripWidth, L::kBottomHeight, QImage::Format_RGB32);
    drawn.fill(Qt::lightGray);
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue};
    {
        QPainter p(&drawn);
        for (size_t i = 0; i < 3; ++i) p.fillRect(B::DrawnPlaces()[i], colours[i]);
    }
    EXPECT_EQ(B::FitPicture(drawn, 800), drawn); // wide enough: as drawn

    const int width = 470;
    const QImage fitted = B::FitPicture(drawn, width);
    ASSERT_EQ(fitted.size(), QSize(width, L::kBottomHeight));
    const std::array<QRect, 3> places = B::Places(width);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(fitted.pixelColor(places[i].center()), colours[i]) << i;
        // Just outside a button, paper: the drawn buttons do not show through.
        EXPECT_EQ(fitted.pixelColor(places[i].right() + 3, places[i].center().y()), QColor(Qt::lightGray)) << i;
    }
    EXPECT_EQ(fitted.pixelColor(width - 2, 2), QColor(Qt::lightGray));
}

} // namespace
