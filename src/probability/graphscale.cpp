#include "probability/graphscale.h"
#include "base/numfmt.h"
#include <algorithm>
#include <cmath>

namespace probability {
namespace {

constexpr int kLevels = 10;
constexpr int kAboveLine = 3;  // a label's top lies this far above its line
constexpr int kLabelGap = 1;   // free pixels between two labels
// Every label, every second, every fifth, the top one alone: each a divisor
// of ten, so the top label "1" always stays.
constexpr int kSteps[] = {1, 2, 5, 10};

QString LevelText(int tenths) { return base::FormatReal(tenths / 10.0L); }

// The labels of every step-th level, bottom to top.
std::vector<GraphScaleLabel> LabelsEvery(int step, const std::vector<int>& lineY, int height, int axisX,
                                         const std::function<QSize(const QString&)>& measure)
{
    std::vector<GraphScaleLabel> labels;
    for (int tenths = step; tenths <= kLevels; tenths += step) {
        const QString text = LevelText(tenths);
        const QSize size = measure(text);
        // Kept inside the picture: the top label would otherwise lose its upper part.
        const int top = std::clamp(lineY[size_t(tenths - 1)] - kAboveLine, 0, std::max(0, height - size.height()));
        const int left = std::max(0, axisX - size.width());
        labels.push_back({tenths, text, QRect(QPoint(left, top), size)});
    }
    return labels;
}

bool ApartFromEachOther(const std::vector<GraphScaleLabel>& labels)
{
    for (size_t i = 1; i < labels.size(); ++i)
        if (labels[i].box.bottom() + kLabelGap >= labels[i - 1].box.top()) return false;
    return true;
}

} // namespace

GraphScale LayOutGraphScale(int height, int axisX, const std::function<QSize(const QString&)>& measure)
{
    GraphScale scale;
    const int bottom = height - 1;
    for (int tenths = 1; tenths <= kLevels; ++tenths)
        scale.lineY.push_back(int(std::nearbyint(bottom - tenths / double(kLevels) * bottom)));
    for (const int step : kSteps) {
        scale.labels = LabelsEvery(step, scale.lineY, height, axisX, measure);
        if (ApartFromEachOther(scale.labels)) break;
    }
    return scale;
}

} // namespace probability
