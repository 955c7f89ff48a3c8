#pragma once
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

// The scale of the frequency graph: a dotted line at every tenth from 0,1 to
// 1 and, beside them, as many of the labels "0,1" ... "1" as the picture's
// height leaves room for. A low graph would otherwise stack ten labels on
// top of each other; it shows every second, every fifth or only the top one.
namespace probability {

struct GraphScaleLabel {
    int tenths = 0;  // 1 ... 10: the level the label names
    QString text;    // "0,1" ... "1"
    QRect box;       // where the text goes, inside the picture
};

struct GraphScale {
    std::vector<int> lineY;               // y of the lines at 0,1 ... 1, in that order
    std::vector<GraphScaleLabel> labels;  // bottom to top; the top one ("1") is always there
};

// Lays out the scale of a graph picture of the given height. measure gives
// the size a text takes in the picture's font; labels end left of the axis
// at axisX when they are narrow enough, and never overlap each other.
GraphScale LayOutGraphScale(int height, int axisX, const std::function<QSize(const QString&)>& measure);

} // namespace probability
