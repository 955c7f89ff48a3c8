#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

// Where the names of points go: below each point's dot, and where that place
// is taken by a tick label or by a name placed before, one row lower, so
// that names and tick labels do not cover each other.
namespace numberline {

// Where a point's name stands when nothing is in the way, from the point's pixel.
inline constexpr QPoint kNameOffset{-5, 15};
// A name tries this many rows below its first place before it gives up.
inline constexpr int kNameRows = 6;
// Space kept between a name and the row above it.
inline constexpr int kNameRowGap = 1;

struct NameRequest {
    QPoint dot;  // the point's pixel
    QSize size;  // the name's text
};

// The box of every name, in the order asked. taken: boxes no name may cover
// (the tick labels). A name finds the first of kNameRows rows below its dot
// that covers neither a taken box nor a name placed before it; when every row
// is covered it takes the row that covers the fewest.
std::vector<QRect> LayOutNames(const std::vector<NameRequest>& names, const std::vector<QRect>& taken);

} // namespace numberline
