#include "plane/equations.h"
#include "plane/scene.h"
#include <gtest/gtest.h>
#include <cmath>
#include <numbers>

using namespace plane;

namespace {

constexpr double kPi = std::numbers::pi;

struct EntryCase {
    const char* name;
    const char* text;
    bool added;
};

class EquationEntryCase : public testing::TestWithParam<EntryCase> {};

TEST_P(EquationEntryCase, AddsOnlyEquationsThatParse)
{
    const EntryCase& c = GetParam();
    PlaneScene scene;
    FunctionList list;
    const EquationEntry entry = EnterEquation(list, scene, QString::fromUtf8(c.text), base::colour::kRed);
    EXPECT_EQ(entry.Added != nullptr, c.added);
    EXPECT_EQ(list.Count(), c.added ? 1 : 0);
    EXPECT_EQ(entry.Problem.isEmpty(), c.added) << entry.Problem.toStdString();
    if (c.added) {
        EXPECT_EQ(entry.Added->Formula().SuffixText(), QStringLiteral(" = 0"));
        EXPECT_EQ(entry.Added->Color, base::colour::kRed);
    }
}

INSTANTIATE_TEST_SUITE_P(Equations, EquationEntryCase,
                         testing::Values(EntryCase{"circle", "[x*x+y*y-9]", true},
                                         EntryCase{"with_parameter", "[x*x+y*y-r]", true},
                                         EntryCase{"empty", "", false},
                                         EntryCase{"blank", "  ", false},
                                         EntryCase{"syntax", "[x+*y]", false},
                                         EntryCase{"long_name", "[x*ab]", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Equations, SignMenuItems)
{
    EXPECT_EQ(RelationOfSignItem(0), TAlgebra::kEqual);
    EXPECT_EQ(RelationOfSignItem(1), TAlgebra::kLess);
    EXPECT_EQ(RelationOfSignItem(2), TAlgebra::kGreater);
    EXPECT_EQ(RelationOfSignItem(3), std::nullopt);
    EXPECT_EQ(RelationOfSignItem(-1), std::nullopt);
}

TEST(Trigonometry, DraggingAroundTheCircleRunsOnOverSeveralTurnsAndBack)
{
    double angle = 0;
    constexpr int kSteps = 72;
    // Two turns counter-clockwise from (1, 0), then two back.
    for (int step = 1; step <= 2 * kSteps; ++step) {
        const double expected = 2 * kPi * step / kSteps;
        angle = AngleOfCirclePoint(CirclePointAt(expected), angle);
        ASSERT_NEAR(angle, expected, 1e-9) << step;
    }
    EXPECT_NEAR(angle, 4 * kPi, 1e-9);
    for (int step = 2 * kSteps - 1; step >= -kSteps; --step) {
        const double expected = 2 * kPi * step / kSteps;
        angle = AngleOfCirclePoint(CirclePointAt(expected), angle);
        ASSERT_NEAR(angle, expected, 1e-9) << step;
    }
    EXPECT_NEAR(angle, -2 * kPi, 1e-9);
}

TEST(Trigonometry, AnglesOfCirclePoints)
{
    EXPECT_NEAR(AngleOfCirclePoint({0, 1}, 0), kPi / 2, 1e-12);
    EXPECT_NEAR(AngleOfCirclePoint({0, -1}, 0), -kPi / 2, 1e-12);
    EXPECT_NEAR(AngleOfCirclePoint({-1, 0}, 0.1), kPi, 1e-12);
    // A point off the circle (dragged freely) takes the angle of its x, clamped.
    EXPECT_NEAR(AngleOfCirclePoint({5, 0.1}, 0), 0, 1e-12);
    EXPECT_NEAR(AngleOfCirclePoint({-5, 0.1}, 0.1), kPi, 1e-12);
    // Near the previous value of several turns.
    EXPECT_NEAR(AngleOfCirclePoint({0, 1}, 13), 4 * kPi + kPi / 2, 1e-12);
    EXPECT_TRUE(std::isfinite(AngleOfCirclePoint({0, 1}, NAN)));
    const geometry::Vec2 top = CirclePointAt(kPi / 2);
    EXPECT_NEAR(top.x, 0, 1e-12);
    EXPECT_NEAR(top.y, 1, 1e-12);
}

TEST(Trigonometry, CircleScaleFollowsThePlaneWidth)
{
    EXPECT_EQ(CircleScaleForWidth(400), 180);
    EXPECT_EQ(CircleScaleForWidth(325), 142);
    EXPECT_EQ(CircleScaleForWidth(41), std::nullopt);
    EXPECT_EQ(CircleScaleForWidth(0), std::nullopt);
}

} // namespace
