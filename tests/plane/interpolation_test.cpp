#include "plane/interpolation.h"
#include "base/random.h"
#include <gtest/gtest.h>
#include <cmath>
#include <limits>

using namespace plane;

namespace {

constexpr double kHuge = std::numeric_limits<double>::max();

// The Lagrange form term by term, as a check of the barycentric one.
double LagrangeDirect(const std::vector<Sample>& points, double x)
{
    double sum = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        double term = points[i].y;
        for (size_t j = 0; j < points.size(); ++j)
            if (j != i) term *= (x - points[j].x) / (points[i].x - points[j].x);
        sum += term;
    }
    return sum;
}

struct ValueCase {
    const char* name;
    std::vector<Sample> points;
    double x;
    std::optional<double> expected;
};

class BrokenLineCase : public testing::TestWithParam<ValueCase> {};

TEST_P(BrokenLineCase, GivesTheValueOrNothing)
{
    const ValueCase& c = GetParam();
    const std::optional<double> value = BrokenLineValue(c.points, c.x);
    ASSERT_EQ(value.has_value(), c.expected.has_value());
    if (value) {
        EXPECT_DOUBLE_EQ(*value, *c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Points, BrokenLineCase,
    testing::Values(ValueCase{"between", {{0, 0}, {2, 4}}, 1, 2.0},
                    ValueCase{"left_of_first_is_first", {{0, 0}, {2, 4}}, -1, 0.0},
                    ValueCase{"right_of_last_is_last", {{0, 0}, {2, 4}}, 5, 4.0},
                    ValueCase{"on_a_point", {{0, 0}, {1, 7}, {2, 4}}, 1, 7.0},
                    ValueCase{"one_point_is_constant", {{3, 5}}, -100, 5.0},
                    ValueCase{"no_points", {}, 0, std::nullopt},
                    ValueCase{"overflow_between_huge_values", {{0, -kHuge}, {1, kHuge}}, 0.75, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

class InterpolationCase : public testing::TestWithParam<ValueCase> {};

TEST_P(InterpolationCase, GivesTheValueOrNothing)
{
    const ValueCase& c = GetParam();
    const std::optional<double> value = InterpolationPolynomial(c.points).Value(c.x);
    ASSERT_EQ(value.has_value(), c.expected.has_value());
    if (value) {
        EXPECT_NEAR(*value, *c.expected, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Points, InterpolationCase,
    testing::Values(ValueCase{"parabola_extrapolated", {{0, 1}, {1, 3}, {2, 7}}, 3, 13.0},
                    ValueCase{"at_a_node", {{0, 1}, {1, 3}, {2, 7}}, 1, 3.0},
                    ValueCase{"order_does_not_matter", {{2, 7}, {0, 1}, {1, 3}}, -1, 1.0},
                    ValueCase{"one_point_is_constant", {{4, -2}}, 10, -2.0},
                    ValueCase{"repeated_x", {{0, 1}, {1, 3}, {1, 5}}, 0.5, std::nullopt},
                    ValueCase{"no_points", {}, 0, std::nullopt},
                    ValueCase{"huge_values", {{0, kHuge}, {1, -kHuge}}, 0.5, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InterpolationPolynomial, NamesItsProblem)
{
    EXPECT_EQ(InterpolationPolynomial(std::vector<Sample>{{1, 0}, {1, 2}}).Problem(), FitProblem::RepeatedX);
    EXPECT_EQ(InterpolationPolynomial({}).Problem(), FitProblem::NoPoints);
    EXPECT_EQ(InterpolationPolynomial(std::vector<Sample>{{0, 0}, {1, 2}}).Problem(), FitProblem::None);
    EXPECT_FALSE(FitProblemText(FitProblem::RepeatedX).isEmpty());
}

TEST(InterpolationPolynomial, AgreesWithTheLagrangeFormForRandomPoints)
{
    base::SetRandomSeed(17);
    for (int trial = 0; trial < 50; ++trial) {
        std::vector<Sample> points;
        const int n = 1 + base::RandomInt(8);
        for (int i = 0; i < n; ++i) points.push_back({i + base::RandomReal() * 0.9, base::RandomReal() * 20 - 10});
        const InterpolationPolynomial polynomial(points);
        for (int k = 0; k < 10; ++k) {
            const double x = base::RandomReal() * 10 - 2;
            const double expected = LagrangeDirect(points, x);
            ASSERT_NEAR(polynomial.Value(x).value_or(NAN), expected, 1e-7 * std::max(1.0, std::abs(expected)));
        }
    }
}

TEST(InterpolationPolynomial, ManyPointsStayFinite)
{
    // The products of the Lagrange denominators overflow for this many points.
    std::vector<Sample> points;
    for (int i = 0; i < 400; ++i) points.push_back({std::cos(M_PI * (i + 0.5) / 400) * 1000, double(i % 3)});
    const InterpolationPolynomial polynomial(points);
    ASSERT_EQ(polynomial.Problem(), FitProblem::None);
    EXPECT_DOUBLE_EQ(polynomial.Value(points[7].x).value_or(NAN), points[7].y);
    ASSERT_TRUE(polynomial.Value(1.5).has_value());
}

struct FitCase {
    const char* name;
    std::vector<Sample> points;
    int degree;
    std::vector<double> expected;  // empty: refused
    FitProblem problem;
};

class LeastSquaresCase : public testing::TestWithParam<FitCase> {};

TEST_P(LeastSquaresCase, FitsOrRefuses)
{
    const FitCase& c = GetParam();
    const PolynomialFit fit = LeastSquaresPolynomial(c.points, c.degree);
    EXPECT_EQ(fit.Problem, c.problem);
    ASSERT_EQ(fit.Coefficients.size(), c.expected.size());
    for (size_t i = 0; i < c.expected.size(); ++i) EXPECT_NEAR(fit.Coefficients[i], c.expected[i], 1e-9) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Points, LeastSquaresCase,
    testing::Values(FitCase{"line_through_collinear", {{0, 0}, {1, 1}, {2, 2}}, 1, {0, 1}, FitProblem::None},
                    // mean x 1.5, mean y 2.5, Sxy = 6, Sxx = 5: slope 1.2, a0 = 2.5 − 1.2·1.5
                    FitCase{"line_through_scatter", {{0, 1}, {1, 2}, {2, 2}, {3, 5}}, 1, {0.7, 1.2}, FitProblem::None},
                    FitCase{"parabola_exact", {{-1, 2}, {0, 1}, {1, 2}, {2, 5}}, 2, {1, 0, 1}, FitProblem::None},
                    FitCase{"far_from_zero", {{1e6, 3}, {1e6 + 1, 5}, {1e6 + 2, 7}}, 1, {3 - 2e6, 2}, FitProblem::None},
                    FitCase{"all_x_equal", {{1, 0}, {1, 5}}, 1, {}, FitProblem::TooFewPoints},
                    FitCase{"fewer_points_than_degree", {{0, 0}, {1, 1}}, 2, {}, FitProblem::TooFewPoints},
                    FitCase{"no_points", {}, 1, {}, FitProblem::NoPoints},
                    FitCase{"huge_values", {{0, kHuge}, {1, -kHuge}, {2, kHuge}}, 1, {}, FitProblem::Overflow}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LeastSquaresPolynomial, TheLineAgreesWithMeansAndMomentsForRandomPoints)
{
    base::SetRandomSeed(99);
    for (int trial = 0; trial < 50; ++trial) {
        std::vector<Sample> points;
        const int n = 2 + base::RandomInt(10);
        for (int i = 0; i < n; ++i) points.push_back({base::RandomReal() * 10 - 5, base::RandomReal() * 10 - 5});
        double mx = 0, my = 0, sxx = 0, sxy = 0;
        for (const Sample& p : points) mx += p.x / n, my += p.y / n;
        for (const Sample& p : points) sxx += (p.x - mx) * (p.x - mx) / n, sxy += (p.x - mx) * (p.y - my) / n;
        const PolynomialFit fit = LeastSquaresPolynomial(points, 1);
        ASSERT_EQ(fit.Problem, FitProblem::None);
        const double x = base::RandomReal() * 20 - 10;
        EXPECT_NEAR(PolynomialValue(fit.Coefficients, x).value_or(NAN), my + sxy / sxx * (x - mx), 1e-9);
    }
}

TEST(PolynomialValue, UsesHornerAndRefusesOverflow)
{
    const std::vector<double> oneMinusSquare{1, 0, -1};
    EXPECT_DOUBLE_EQ(PolynomialValue(oneMinusSquare, 3).value_or(NAN), -8);
    EXPECT_DOUBLE_EQ(PolynomialValue(oneMinusSquare, 0).value_or(NAN), 1);
    EXPECT_DOUBLE_EQ(PolynomialValue({}, 5).value_or(NAN), 0);
    EXPECT_FALSE(PolynomialValue(std::vector<double>{0, 0, 1}, 1e200).has_value());
}

} // namespace
