#include "numberline/lineview.h"
#include "numberline/scene.h"
#include <gtest/gtest.h>
#include <cmath>
#include <limits>

using namespace numberline;

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 300;

LineView ViewAt(double scale, double centre = 0)
{
    LineView view(kWidth, kHeight);
    view.SetScale(scale);
    view.SetCenter(centre);
    return view;
}

} // namespace

TEST(LineView, RefusesScalesWithoutMeaningAndClampsExtremes)
{
    LineView view(kWidth, kHeight);
    for (double bad : {0.0, -5.0, std::nan(""), std::numeric_limits<double>::infinity()}) {
        EXPECT_FALSE(view.SetScale(bad)) << bad;
        EXPECT_EQ(view.Scale(), LineView::kInitialScale);
    }
    EXPECT_TRUE(view.SetScale(1e300));
    EXPECT_EQ(view.Scale(), LineView::kMaxScale);
    EXPECT_TRUE(view.SetScale(1e-300));
    EXPECT_EQ(view.Scale(), LineView::kMinScale);
    EXPECT_FALSE(view.SetCenter(std::nan("")));
    EXPECT_TRUE(view.SetCenter(1e300));
    EXPECT_EQ(view.CenterX(), LineView::kMaxCentre);
}

TEST(LineView, StepIsTheTruncatedPowerOfTenOfFortyOverScale)
{
    const struct { double scale, step; } cases[] = {
        {40, 1}, {30, 1}, {400, 0.1}, {4000, 0.01}, {4, 10}, {2, 10}, {0.4, 100}, {100, 1},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(ViewAt(c.scale).Step(), c.step) << c.scale;
}

TEST(LineView, MapsBothWaysAndClampsFarPixels)
{
    const LineView view = ViewAt(40, 2);
    EXPECT_EQ(view.ToScreenX(2), kWidth / 2);
    EXPECT_EQ(view.ToScreenX(3), kWidth / 2 + 40);
    EXPECT_DOUBLE_EQ(view.ToWorldX(kWidth / 2 - 80), 0);
    EXPECT_EQ(view.ToScreenY(1), kHeight / 2 - 40);
    EXPECT_DOUBLE_EQ(view.ToWorldY(kHeight / 2 + 20), -0.5);
    EXPECT_EQ(view.ToScreenX(1e300), int(LineView::kMaxColumn));
    EXPECT_EQ(view.ToScreenX(-1e300), -int(LineView::kMaxColumn));
    EXPECT_EQ(view.ToScreenY(1e300), -int(LineView::kMaxRow));
}

TEST(LineView, LabelsEveryStepOnlyWhenStepsAreWideEnough)
{
    const struct { double pixels; int every; } cases[] = {{40, 1}, {39.9, 2}, {20, 2}, {19, 5}, {10, 5}, {9.9, 10}};
    for (const auto& c : cases) EXPECT_EQ(LabelInterval(c.pixels), c.every) << c.pixels;
}

TEST(LineView, AtScaleThirtyOnlyEverySecondIntegerIsLabelled)
{
    const auto ticks = LabelledTicks(ViewAt(30), true);
    ASSERT_GT(ticks.size(), 5u);
    for (const Tick& tick : ticks) EXPECT_EQ(std::fmod(tick.value, 2), 0) << tick.value;
}

TEST(LineView, TenthsAreLabelledAtScaleFourHundredOnlyWithDecimalLabels)
{
    const LineView view = ViewAt(400);
    const auto decimal = LabelledTicks(view, true);
    ASSERT_GE(decimal.size(), 3u);
    EXPECT_NEAR(decimal[1].value - decimal[0].value, 0.1, 1e-12);
    bool hasTenth = false;
    for (const Tick& tick : decimal) hasTenth = hasTenth || std::abs(tick.value - 0.1) < 1e-12;
    EXPECT_TRUE(hasTenth);
    for (const Tick& tick : LabelledTicks(view, false)) EXPECT_EQ(tick.value, std::round(tick.value));
}

TEST(LineView, FarAndExtremeViewsDrawABoundedNumberOfDistinctTicks)
{
    const struct { double scale, centre; } cases[] = {
        {40, 1e300}, {40, -1e300}, {1e-300, 0}, {1e300, 1e300}, {LineView::kMinScale, LineView::kMaxCentre},
        {LineView::kMaxScale, LineView::kMaxCentre},
    };
    for (const auto& c : cases) {
        const LineView view = ViewAt(c.scale, c.centre);
        const auto ticks = LabelledTicks(view, true);
        EXPECT_LE(ticks.size(), size_t(LineView::kMaxTicks));
        EXPECT_FALSE(ticks.empty()) << c.scale << ' ' << c.centre;
        for (size_t i = 1; i < ticks.size(); ++i) EXPECT_GT(ticks[i].value, ticks[i - 1].value);
        EXPECT_LE(DivisionTicks(view, NumberLineScene::kMaxParts).size(), size_t(LineView::kMaxTicks));
    }
}

TEST(LineView, DivisionsSplitTheUnitSegmentWhenEveryStepIsLabelled)
{
    const auto thirds = DivisionTicks(ViewAt(120), 3);
    ASSERT_FALSE(thirds.empty());
    for (const Tick& tick : thirds) {
        EXPECT_NEAR(tick.value * 3, std::round(tick.value * 3), 1e-9);
        EXPECT_EQ(tick.column, ViewAt(120).ToScreenX(tick.value));
    }
    EXPECT_EQ(thirds[1].column - thirds[0].column, 40);
    EXPECT_TRUE(DivisionTicks(ViewAt(30), 3).empty()) << "steps too narrow to label each";
    EXPECT_TRUE(DivisionTicks(ViewAt(40), 999).empty()) << "marks would run together";
}

TEST(Scene, PartsAreKeptWithinBounds)
{
    NumberLineScene scene;
    for (int parts : {0, -4, 1'000'000'000}) {
        scene.SetParts(parts);
        EXPECT_GE(scene.Parts(), 1);
        EXPECT_LE(scene.Parts(), NumberLineScene::kMaxParts);
    }
}
