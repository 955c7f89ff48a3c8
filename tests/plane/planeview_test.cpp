#include "plane/planetools.h"
#include "plane/planeview.h"
#include <gtest/gtest.h>
#include <cmath>
#include <limits>

using namespace plane;

TEST(PlaneView, CentrePixelIsTheWorldCentre)
{
    PlaneView view(401, 300);
    EXPECT_EQ(view.ToWorldX(200), 0);
    EXPECT_EQ(view.ToWorldY(150), 0);
    EXPECT_DOUBLE_EQ(view.PickTolerance(), 0.25);
    EXPECT_EQ(view.ToScreenX(1), 240);
    EXPECT_EQ(view.ToScreenY(1), 110); // y grows upward
    ASSERT_TRUE(view.SetCenter(2, -1));
    EXPECT_EQ(view.ToScreenX(2), 200);
    EXPECT_DOUBLE_EQ(view.ToWorldY(110), 0);
    // Far-away rows stop at ±10000 pixels; columns at the integer range.
    EXPECT_EQ(view.ToScreenY(-1e6), 10000);
    EXPECT_EQ(view.ToScreenY(1e6), -10000);
    EXPECT_EQ(view.ToScreenX(1e300), 2147483647);
}

TEST(PlaneView, GridStepFollowsTheScale)
{
    PlaneView view(400, 300);
    const std::pair<double, double> cases[] = {{40, 1}, {2, 10}, {1000, 0.1}, {4, 10}, {0.4, 100}, {1e6, 1e-4}};
    for (auto [scale, step] : cases) {
        ASSERT_TRUE(view.SetScale(scale));
        EXPECT_DOUBLE_EQ(view.GridStep(), step) << scale;
        EXPECT_DOUBLE_EQ(view.PickTolerance(), 10 / scale);
        // Grid lines are never closer than a few pixels, whatever the scale.
        EXPECT_GE(view.GridStep() * view.Scale(), 4) << scale;
    }
}

TEST(PlaneView, ScaleAndCentreStayWithinSaneBounds)
{
    PlaneView view(400, 300);
    for (double bad : {0.0, -1.0, std::nan(""), HUGE_VAL, -HUGE_VAL}) {
        EXPECT_FALSE(view.SetScale(bad)) << bad;
        EXPECT_EQ(view.Scale(), 40);
    }
    ASSERT_TRUE(view.SetScale(1e-9));
    EXPECT_EQ(view.Scale(), PlaneView::kMinScale);
    ASSERT_TRUE(view.SetScale(1e300));
    EXPECT_EQ(view.Scale(), PlaneView::kMaxScale);
    EXPECT_FALSE(view.SetCenter(std::nan(""), 0));
    EXPECT_FALSE(view.SetCenter(0, HUGE_VAL));
    EXPECT_EQ(view.CenterX(), 0);
    ASSERT_TRUE(view.SetCenter(1e300, -1e300));
    EXPECT_EQ(view.CenterX(), PlaneView::kMaxCentre);
    EXPECT_EQ(view.CenterY(), -PlaneView::kMaxCentre);
}

TEST(PlaneTools, TableKnowsEveryPlaneTool)
{
    ASSERT_TRUE(FindTool(kToolVector));
    EXPECT_EQ(FindTool(kToolVector)->hint, QStringLiteral("Щелкните мышью сначала в начале вектора, а потом в его конце"));
    EXPECT_EQ(FindTool(kToolEraser)->cursor, base::kCursorDelete);
    EXPECT_EQ(FindTool(kToolSegmentFixed)->hint, FindTool(kToolSegment)->hint);
    EXPECT_EQ(FindTool(14), nullptr);
    EXPECT_TRUE(ToolSnaps(kToolPolygonOutline));
    EXPECT_FALSE(ToolSnaps(kToolHand));
    EXPECT_FALSE(ToolSnaps(kToolDistance));
    EXPECT_TRUE(IsTwoClickTool(kToolCircleFixed));
    EXPECT_FALSE(IsTwoClickTool(kToolPolygonFilled));
}
