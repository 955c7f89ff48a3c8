#include "labs/coordline/tableplacement.h"
#include <algorithm>

namespace coordlinelab {

namespace {

// Between the lab and the table beside it, and between the table over the
// lab and the lab's edge, so that the table's frame never hides the lab's.
constexpr int kGap = 8;

// start, moved back so that [start, start + length) ends inside [low, high),
// but never before low.
int KeepInside(int start, int length, int low, int high)
{
    return std::max(low, std::min(start, high - length));
}

} // namespace

QPoint PlaceTable(const QRect& lab, const QSize& table, const QRect& screen, int wantedTop)
{
    const int screenRight = screen.x() + screen.width();
    const int labRight = lab.x() + lab.width();
    int left = 0;
    if (labRight + kGap + table.width() <= screenRight)
        left = labRight + kGap;
    else if (lab.x() - kGap - table.width() >= screen.x())
        left = lab.x() - kGap - table.width();
    else
        left = std::min(labRight, screenRight) - kGap - table.width();
    return {KeepInside(left, table.width(), screen.x(), screenRight),
            KeepInside(wantedTop, table.height(), screen.y(), screen.y() + screen.height())};
}

} // namespace coordlinelab
