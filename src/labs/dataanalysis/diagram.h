#pragma once
#include "dataanalysis/datalab.h"

class QChart;

namespace dataanalysislab {

// Shows the lab's series on chart in the lab's kind: lines over the point
// numbers, bars side by side, or one pie per series in a row. Points without
// a number are left out of lines and pies and are 0 in bars. The labels of
// the current series (or of the first labelled one) name the points; pie
// slices show their label and value.
void ShowDiagram(QChart& chart, const dataanalysis::DataLab& lab);

// The chart's look: background 236 grey, no legend, no title, no animation.
void PrepareChart(QChart& chart);

} // namespace dataanalysislab
