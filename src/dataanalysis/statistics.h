#pragma once
#include <QString>
#include <optional>
#include <span>

// The characteristics of a data series shown in "Ряды данных и их характеристики:".
namespace dataanalysis {

struct SeriesStatistics {
    int count = 0;        // numbers the series holds
    double mean = 0;
    double min = 0;
    double max = 0;
    // Population standard deviation (divided by count). A series of one
    // number has deviation 0.
    double deviation = 0;
};

// Computed in one pass with Welford's updates: the textbook form
// sqrt(mean of squares - square of mean) loses every digit when the numbers
// are large against their spread, and can go below zero under the root
// (NaN) for series such as 0, 1, 1 or 414, 414, 414.
SeriesStatistics ComputeStatistics(std::span<const double> values);

// A statistic as the window shows it: three decimals, decimal comma; "—"
// when the series holds no number.
QString FormatStatistic(const SeriesStatistics& stats, double value);

} // namespace dataanalysis
