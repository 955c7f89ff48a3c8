#include "numberline/namelayout.h"
#include <algorithm>

namespace numberline {

namespace {

int Overlaps(const QRect& box, const std::vector<QRect>& boxes)
{
    return int(std::count_if(boxes.begin(), boxes.end(), [&box](const QRect& other) { return box.intersects(other); }));
}

QRect PlaceOne(const NameRequest& name, const std::vector<QRect>& occupied)
{
    const QRect first(name.dot + kNameOffset, name.size);
    QRect best = first;
    int fewest = -1;
    for (int row = 0; row < kNameRows; ++row) {
        const QRect box = first.translated(0, row * (name.size.height() + kNameRowGap));
        const int overlaps = Overlaps(box, occupied);
        if (overlaps == 0) return box;
        if (fewest < 0 || overlaps < fewest) {
            fewest = overlaps;
            best = box;
        }
    }
    return best;
}

} // namespace

std::vector<QRect> LayOutNames(const std::vector<NameRequest>& names, const std::vector<QRect>& taken)
{
    std::vector<QRect> occupied = taken;
    occupied.reserve(taken.size() + names.size());
    std::vector<QRect> boxes;
    boxes.reserve(names.size());
    for (const NameRequest& name : names) {
        boxes.push_back(PlaceOne(name, occupied));
        occupied.push_back(boxes.back());
    }
    return boxes;
}

} // namespace numberline
