#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>

namespace coordlinelab {

// Where the points table opens, in screen coordinates: beside the lab's
// right edge when the screen has room there, else beside its left edge,
// else over the lab's right part (a lab that fills the screen). The top is
// wanted (the row of the line), and the table always stays on the screen,
// its top-left corner first when it is larger than the screen.
//   lab: the lab's frame; table: the table's frame size; screen: the free
//   area of the lab's screen.
QPoint PlaceTable(const QRect& lab, const QSize& table, const QRect& screen, int wantedTop);

} // namespace coordlinelab
