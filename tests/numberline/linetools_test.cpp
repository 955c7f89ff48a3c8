#include "numberline/linetools.h"
#include <gtest/gtest.h>

using namespace numberline;

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 300;

struct Fixture {
    NumberLineScene scene;
    LineView view{kWidth, kHeight};
    LineTools tools{scene, view};

    Fixture() { scene.SetParts(3); }
    QPoint At(double x, double liftPixels = 0) const
    {
        return QPoint(view.ToScreenX(x), view.LineRow() - int(liftPixels));
    }
    // A click as the control sends it: the mouse arrives, goes down and up.
    LineTools::PressResult Click(QPoint pixel)
    {
        tools.Move(pixel, false);
        const auto result = tools.Press(pixel);
        tools.Release();
        return result;
    }
    void Drag(QPoint from, QPoint to)
    {
        tools.Move(from, false);
        tools.Press(from);
        tools.Move(to, true);
        tools.Release();
    }
};

} // namespace

TEST(LineTools, ThePointToolMakesDivisionFormulasAndMovesThePointerOntoThem)
{
    Fixture f;
    f.tools.SetTool(base::kToolPoint);
    const auto result = f.Click(f.At(0.70));
    ASSERT_EQ(f.scene.Points().size(), 1u);
    const TPoint& point = *f.scene.Points()[0];
    EXPECT_EQ(point.FormulaText(), "[drob[2][3]]");
    EXPECT_NEAR(point.X, 2.0 / 3, 1e-12);
    ASSERT_TRUE(result.MovePointerTo.has_value());
    EXPECT_EQ(*result.MovePointerTo, f.At(2.0 / 3));
    f.Click(f.At(2.0 / 3));
    EXPECT_EQ(f.scene.Points().size(), 1u) << "a click on a point makes no second one";
}

TEST(LineTools, TheRaysSecondClickOnlyChoosesTheDirection)
{
    for (const bool right : {true, false}) {
        Fixture f;
        f.tools.SetTool(base::kToolRay);
        f.tools.DrawColor = base::colour::kBlue;
        f.Click(f.At(1));
        EXPECT_EQ(f.tools.DragState(), DragState::SecondClick);
        EXPECT_TRUE(f.tools.RubberBand().has_value());
        f.Click(f.At(right ? 3 : -2));
        EXPECT_EQ(f.tools.DragState(), DragState::Idle);
        ASSERT_EQ(f.scene.Points().size(), 1u);
        ASSERT_EQ(f.scene.Figures().size(), 1u);
        const auto& ray = static_cast<const TLuch&>(*f.scene.Figures()[0]);
        EXPECT_EQ(ray.ToRight, right);
        EXPECT_EQ(ray.P1, f.scene.Points()[0].get());
        EXPECT_EQ(ray.Color, base::colour::kBlue);
    }
}

TEST(LineTools, TheSegmentToolJoinsNewOrExistingPoints)
{
    Fixture f;
    f.tools.SetTool(base::kToolPoint);
    f.Click(f.At(3));
    f.tools.SetTool(base::kToolSegment);
    f.Click(f.At(-2));
    f.Click(f.At(3)); // onto the existing point
    ASSERT_EQ(f.scene.Points().size(), 2u);
    ASSERT_EQ(f.scene.Figures().size(), 1u);
    const auto& segment = static_cast<const TSegment&>(*f.scene.Figures()[0]);
    EXPECT_EQ(segment.P1->FormulaText(), "[drob[-6][3]]");
    EXPECT_EQ(segment.P2, f.scene.Points()[0].get());
}

TEST(LineTools, DraggingAPointSnapsItAndTheWandPutsItBack)
{
    Fixture f;
    f.tools.SetTool(base::kToolPoint);
    f.Click(f.At(2.0 / 3));
    TPoint& point = *f.scene.Points()[0];
    f.tools.SetTool(base::kToolHand);
    f.tools.Move(f.At(2.0 / 3), false);
    f.tools.Press(f.At(2.0 / 3));
    EXPECT_EQ(f.tools.DraggedPoint(), &point);
    f.tools.Release();
    EXPECT_EQ(f.tools.DraggedPoint(), nullptr);
    f.Drag(f.At(2.0 / 3), f.At(0.9));
    EXPECT_DOUBLE_EQ(point.X, 1);
    EXPECT_FALSE(point.AtExactValue(f.view.Scale()));
    f.tools.SetTool(kToolMagicWand);
    f.Click(f.At(1));
    EXPECT_NEAR(point.X, 2.0 / 3, 1e-12);
    EXPECT_TRUE(point.AtExactValue(f.view.Scale()));

    f.tools.SetTool(base::kToolHand);
    f.Drag(f.At(2.0 / 3), f.At(2.0 / 3, 50));
    EXPECT_DOUBLE_EQ(point.Y, 50 / LineView::kPixelsPerUnitY) << "50 pixels up it stays lifted";
    f.Drag(f.At(2.0 / 3, 50), f.At(2.0 / 3, 30));
    EXPECT_EQ(point.Y, 0) << "30 pixels up it drops onto the line";
    EXPECT_TRUE(point.AtExactValue(f.view.Scale()));
}

TEST(LineTools, TheHandPansEmptySpaceAndShiftsFigures)
{
    Fixture f;
    f.tools.SetTool(base::kToolHand);
    f.Drag(f.At(0), f.At(0) + QPoint(80, 0));
    EXPECT_DOUBLE_EQ(f.view.CenterX(), -2);
    EXPECT_EQ(f.tools.DragState(), DragState::Idle);

    TPoint& a = f.scene.AddPoint("[-1]");
    TPoint& b = f.scene.AddPoint("[1]");
    f.scene.AddSegment(a, b, 0);
    f.Drag(f.At(0) + QPoint(0, 2), f.At(0) + QPoint(40, 2));
    EXPECT_DOUBLE_EQ(a.X, 0);
    EXPECT_DOUBLE_EQ(b.X, 2);
    EXPECT_DOUBLE_EQ(f.view.CenterX(), -2) << "grabbing a figure does not pan";
}

TEST(LineTools, RecolourIncludeAndEraseActOnWhatIsUnderTheMouse)
{
    Fixture f;
    TPoint& a = f.scene.AddPoint("[-1]");
    TPoint& b = f.scene.AddPoint("[1]");
    TSegment& segment = f.scene.AddSegment(a, b, 0);
    f.tools.DrawColor = base::colour::kRed;
    f.tools.SetTool(base::kToolRecolour);
    f.Click(f.At(0));
    EXPECT_EQ(segment.Color, base::colour::kRed);
    f.tools.SetTool(kToolInclude);
    f.Click(f.At(-1));
    EXPECT_FALSE(a.Included);
    f.Click(f.At(-1));
    EXPECT_TRUE(a.Included);
    f.tools.SetTool(base::kToolEraser);
    f.Click(f.At(0));
    EXPECT_FALSE(segment.Visible);
    EXPECT_TRUE(a.Visible);
    f.Click(f.At(1));
    EXPECT_FALSE(b.Visible);
    EXPECT_EQ(f.scene.Points().size(), 2u) << "erased objects keep their place";
    f.Click(f.At(5));
    EXPECT_TRUE(a.Visible) << "a click on nothing erases nothing";
}

TEST(LineTools, EveryToolHasItsCursorAndHint)
{
    const struct { int tool; base::CursorId cursor; bool hint; } cases[] = {
        {base::kToolHand, base::kCursorDefault, true}, {base::kToolPoint, base::kCursorPen, true},
        {base::kToolRay, base::kCursorPen, true},      {base::kToolSegment, base::kCursorPen, true},
        {base::kToolRecolour, base::kCursorPaint, true}, {base::kToolNamePoint, base::kCursorName, true},
        {kToolCoordinates, base::kCursorDefault, true}, {kToolMagicWand, base::kCursorDefault, false},
        {kToolInclude, base::kCursorDefault, false},   {base::kToolEraser, base::kCursorDelete, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToolCursor(c.tool), c.cursor) << c.tool;
        EXPECT_EQ(!ToolHint(c.tool).isEmpty(), c.hint) << c.tool;
    }
}
