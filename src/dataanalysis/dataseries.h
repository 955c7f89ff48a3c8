#pragma once
#include "dataanalysis/cellrange.h"
#include <QString>

namespace dataanalysis {

// The diagram kinds, numbered as the lab's files and kind buttons number them.
enum class ChartKind { Line = 0, Bar = 1, Pie = 2 };
constexpr int kChartKindCount = 3;
// More series than a diagram can show readably.
constexpr int kMaxSeries = 64;

// A data series: point i takes the number of cell i of the data range and
// the text of cell i of the label range (both counted row by row).
struct DataSeries {
    CellRange data;
    CellRange labels = kNoRange;
    ChartKind kind = ChartKind::Line;
    QString title;
    friend bool operator==(const DataSeries&, const DataSeries&) = default;
};

} // namespace dataanalysis
