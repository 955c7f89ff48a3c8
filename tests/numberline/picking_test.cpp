#include "numberline/picking.h"
#include <gtest/gtest.h>

using namespace numberline;

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 300;

LineView View(double scale = 40)
{
    LineView view(kWidth, kHeight);
    view.SetScale(scale);
    return view;
}

} // namespace

TEST(Picking, ClickFormulaTexts)
{
    const struct { double x; int parts; bool divisions; const char* text; double value; } cases[] = {
        {0.70, 3, true, "[drob[2][3]]", 2.0 / 3},
        {0.70, 1, true, "[1]", 1},
        {-0.3, 3, true, "[drob[-1][3]]", -1.0 / 3},
        {1.9, 4, true, "[drob[8][4]]", 2},
        {2.35, 3, false, "[2,35]", 2.35},
        {-0.5, 3, false, "[-0,5]", -0.5},
        {std::nan(""), 3, false, "[0]", std::nan("")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClickFormulaText(c.x, c.parts, c.divisions), QString::fromLatin1(c.text)) << c.x;
        if (!std::isnan(c.value)) EXPECT_NEAR(ClickValue(c.x, c.parts, c.divisions), c.value, 1e-12) << c.x;
    }
    EXPECT_TRUE(ClickFormulaText(1e300, 999, true).startsWith("[drob[")) << "far clicks still give an integer index";
}

TEST(Picking, DroppedPointsSnapToTheLineTheValueOrADivision)
{
    const LineView view = View();
    const struct { double x, liftPixels; bool divisions; double x2; double y2; } cases[] = {
        {0.9, 0, true, 1, 0},                      // nearest third
        {0.9, 30, true, 1, 0},                     // close enough to the line
        {0.9, 50, true, 0.9, 50 / 40.0},           // stays lifted
        {0.9, -39, true, 1, 0},                    // below the line too
        {2.0 / 3 + 1.5 / 40, 10, true, 2.0 / 3, 0}, // within two pixels: its value
        {0.9, 0, false, 0.9, 0},                   // no divisions: where it was dropped
    };
    for (const auto& c : cases) {
        NumberLineScene scene;
        TPoint& point = scene.AddPoint("[drob[2][3]]");
        point.X = c.x;
        point.Y = c.liftPixels / LineView::kPixelsPerUnitY;
        DropPoint(point, view, 3, c.divisions);
        EXPECT_NEAR(point.X, c.x2, 1e-12) << c.x << ' ' << c.liftPixels;
        EXPECT_NEAR(point.Y, c.y2, 1e-12) << c.x << ' ' << c.liftPixels;
    }
}

TEST(Picking, ADraggedThirdSnapsToOneTurnsRedAndTheWandPutsItBack)
{
    const LineView view = View();
    NumberLineScene scene;
    TPoint& point = scene.AddPoint("[drob[2][3]]");
    point.X = 0.9;
    DropPoint(point, view, 3, true);
    EXPECT_EQ(point.X, 1);
    EXPECT_FALSE(point.AtExactValue(view.Scale()));
    point.PutAtExact();
    EXPECT_TRUE(point.AtExactValue(view.Scale()));
}

TEST(Picking, PointsArePickedInPixelsInBothDirections)
{
    // At a large scale a world-unit tolerance would be a fraction of a pixel
    // across the line; in pixels it is the same in both directions.
    for (double scale : {4.0, 40.0, 4000.0}) {
        const LineView view = View(scale);
        NumberLineScene scene;
        TPoint& point = scene.AddPoint("[1]");
        const int column = view.ToScreenX(1), row = view.ToScreenY(0);
        EXPECT_EQ(FindHotPoint(scene, view, column + 8, row), &point) << scale;
        EXPECT_EQ(FindHotPoint(scene, view, column, row - 8), &point) << scale;
        EXPECT_EQ(FindHotPoint(scene, view, column + 6, row + 6), &point) << scale;
        EXPECT_EQ(FindHotPoint(scene, view, column + 12, row), nullptr) << scale;
        EXPECT_EQ(FindHotPoint(scene, view, column, row - 12), nullptr) << scale;
        point.Visible = false;
        EXPECT_EQ(FindHotPoint(scene, view, column, row), nullptr) << "erased points are not picked";
    }
}

TEST(Picking, TheNearestPointWins)
{
    const LineView view = View();
    NumberLineScene scene;
    scene.AddPoint("[0]");
    TPoint& near = scene.AddPoint("[drob[1][10]]");
    EXPECT_EQ(FindHotPoint(scene, view, view.ToScreenX(0.09), view.LineRow()), &near);
}

TEST(Picking, FiguresMeasureToTheirDrawnLine)
{
    const LineView view = View();
    NumberLineScene scene;
    TPoint& a = scene.AddPoint("[-2]");
    TPoint& b = scene.AddPoint("[3]");
    TSegment& segment = scene.AddSegment(a, b, 0);
    TPoint& c = scene.AddPoint("[5]");
    TLuch& ray = scene.AddRay(c, true, 0);
    const int row = view.LineRow();
    const struct { const TFigure* figure; double x; int dy; double distance; } cases[] = {
        {&segment, 0, 0, 0}, {&segment, 0, -7, 7}, {&segment, -3, 0, 40}, {&segment, 4, 3, 40 * std::sqrt(1 + 9.0 / 1600)},
        {&ray, 9, 5, 5}, {&ray, 4, 0, 40}, {&ray, 5, -9, 9},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(c.figure->DistanceTo(view, view.ToScreenX(c.x), row + c.dy), c.distance, 1e-9) << c.x << ' ' << c.dy;
    EXPECT_EQ(FindHotFigure(scene, view, view.ToScreenX(1), row + 4), &segment);
    EXPECT_EQ(FindHotFigure(scene, view, view.ToScreenX(8), row - 4), &ray);
    EXPECT_EQ(FindHotFigure(scene, view, view.ToScreenX(4), row - 20), nullptr);
}

TEST(Picking, ShiftingAFigureMovesItsPointsByPixels)
{
    const LineView view = View();
    NumberLineScene scene;
    TPoint& a = scene.AddPoint("[-2]");
    TPoint& b = scene.AddPoint("[3]");
    TSegment& segment = scene.AddSegment(a, b, 0);
    segment.ShiftBy(view, 20);
    EXPECT_DOUBLE_EQ(a.X, -1.5);
    EXPECT_DOUBLE_EQ(b.X, 3.5);
    EXPECT_DOUBLE_EQ(*a.Exact(), -2) << "dragging changes only the place";
}
