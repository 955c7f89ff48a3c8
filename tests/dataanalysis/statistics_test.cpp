#include "dataanalysis/statistics.h"
#include <gtest/gtest.h>
#include <cmath>
#include <vector>

using namespace dataanalysis;

namespace {

// Two passes in long double: the mean first, then the squared distances
// from it; a computation independent of the one-pass updates under test.
double TwoPassDeviation(const std::vector<double>& values)
{
    long double sum = 0;
    for (const double v : values) sum += v;
    const long double mean = sum / values.size();
    long double squares = 0;
    for (const double v : values) squares += (v - mean) * (v - mean);
    return double(std::sqrt(squares / values.size()));
}

struct Case {
    const char* name;
    std::vector<double> values;
};

class StatisticsCase : public ::testing::TestWithParam<Case> {};

} // namespace

TEST_P(StatisticsCase, AgreesWithTwoPassComputation)
{
    const std::vector<double>& values = GetParam().values;
    const SeriesStatistics stats = ComputeStatistics(values);
    long double sum = 0;
    for (const double v : values) sum += v;
    EXPECT_EQ(stats.count, int(values.size()));
    EXPECT_NEAR(stats.mean, double(sum / values.size()), 1e-9 * std::max(1.0, std::abs(stats.mean)));
    EXPECT_EQ(stats.min, *std::min_element(values.begin(), values.end()));
    EXPECT_EQ(stats.max, *std::max_element(values.begin(), values.end()));
    ASSERT_FALSE(std::isnan(stats.deviation));
    EXPECT_NEAR(stats.deviation, TwoPassDeviation(values), 1e-9 * std::max(1.0, TwoPassDeviation(values)));
}

INSTANTIATE_TEST_SUITE_P(
    Series, StatisticsCase,
    ::testing::Values(Case{"ZeroOneOne", {0, 1, 1}},
                      Case{"SameValueThrice", {414, 414, 414}},
                      Case{"SameTenths", {0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1}},
                      Case{"LargeOffset", {1e9 + 4, 1e9 + 7, 1e9 + 13, 1e9 + 16}},
                      Case{"Temperatures", {-3.5, -1, 0, 2.25, 4, -7.75, 1}},
                      Case{"OneValue", {42}},
                      Case{"Marks", {5, 4, 4, 3, 5, 2, 4, 5, 3, 4}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Statistics, TextbookFormulaWouldFailWhereOnePassHolds)
{
    // sqrt(mean of squares - square of mean) is below zero in doubles here.
    const std::vector<double> values{414, 414, 414};
    double squares = 0, sum = 0;
    for (const double v : values) squares += v * v, sum += v;
    const double naive = squares / 3 - (sum / 3) * (sum / 3);
    const SeriesStatistics stats = ComputeStatistics(values);
    EXPECT_EQ(stats.deviation, 0.0) << "naive variance " << naive;
}

TEST(Statistics, OneValueHasDeviationZeroAndEmptySeriesShowsDash)
{
    const std::vector<double> one{2.5};
    const SeriesStatistics single = ComputeStatistics(one);
    EXPECT_EQ(FormatStatistic(single, single.deviation), QStringLiteral("0,000"));
    EXPECT_EQ(FormatStatistic(single, single.mean), QStringLiteral("2,500"));

    const SeriesStatistics none = ComputeStatistics({});
    EXPECT_EQ(none.count, 0);
    EXPECT_EQ(FormatStatistic(none, none.mean), QStringLiteral("—"));
}
