#include "dataanalysis/statistics.h"
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace dataanalysis {

namespace {
constexpr int kShownDecimals = 3;
const QString kNoValue = QStringLiteral("—");
}

SeriesStatistics ComputeStatistics(std::span<const double> values)
{
    SeriesStatistics stats;
    double squaredSpread = 0; // sum of squared distances from the running mean
    for (const double value : values) {
        ++stats.count;
        if (stats.count == 1) {
            stats.min = stats.max = stats.mean = value;
            continue;
        }
        stats.min = std::min(stats.min, value);
        stats.max = std::max(stats.max, value);
        const double delta = value - stats.mean;
        stats.mean += delta / stats.count;
        squaredSpread += delta * (value - stats.mean);
    }
    if (stats.count > 1) stats.deviation = std::sqrt(std::max(0.0, squaredSpread / stats.count));
    return stats;
}

QString FormatStatistic(const SeriesStatistics& stats, double value)
{
    if (stats.count == 0) return kNoValue;
    QString text = QString::number(value, 'f', kShownDecimals);
    text.replace(u'.', u',');
    return text;
}

} // namespace dataanalysis
