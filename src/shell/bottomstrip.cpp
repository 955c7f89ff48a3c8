#include "shell/bottomstrip.h"
#include "shell/mainlayout.h"
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace shell::bottomstrip {
namespace L = mainlayout;

namespace {

// Below this the captions would no longer read; narrower strips cut the last button.
constexpr double kSmallestScale = 0.5;

int Scaled(int length, double scale) { return int(std::lround(length * scale)); }

} // namespace

std::array<QRect, 3> DrawnPlaces() { return {L::kBtTable, L::kBtMethod, L::kBtSearch}; }

std::array<QRect, 3> Places(int stripWidth)
{
    const std::array<QRect, 3> drawn = DrawnPlaces();
    // The strip keeps the left margin on the right as well.
    const int margin = drawn.front().left();
    const int needed = drawn.back().right() + 1 + margin;
    if (stripWidth >= needed) return drawn;
    int buttons = 0;
    for (const QRect& place : drawn) buttons += place.width();
    const int gaps = needed - buttons; // the margins and the gaps between buttons stay
    const double scale = std::max(kSmallestScale, double(stripWidth - gaps) / buttons);
    std::array<QRect, 3> places;
    int x = margin;
    for (size_t i = 0; i < drawn.size(); ++i) {
        if (i > 0) x += drawn[i].left() - (drawn[i - 1].right() + 1);
        const QSize size(Scaled(drawn[i].width(), scale), Scaled(drawn[i].height(), scale));
        places[i] = QRect(QPoint(x, (L::kBottomHeight - size.height()) / 2), size);
        x += size.width();
    }
    return places;
}

QImage FitPicture(const QImage& drawn, int width)
{
    const std::array<QRect, 3> places = Places(width);
    if (drawn.isNull() || places == DrawnPlaces()) return drawn;
    QImage fitted(width, drawn.height(), QImage::Format_RGB32);
    QPainter painter(&fitted);
    // The drawn strip's paper beyond its buttons, where its pattern repeats.
    painter.drawImage(QPoint(0, 0), drawn, QRect(L::kBottomPaperFrom, 0, width, drawn.height()));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const std::array<QRect, 3> sources = DrawnPlaces();
    for (size_t i = 0; i < places.size(); ++i) painter.drawImage(places[i], drawn, sources[i]);
    return fitted;
}

} // namespace shell::bottomstrip
