#include "plane/planepainter.h"
#include "plane/functionlist.h"
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <cmath>

using namespace plane;
using geometry::Vec2;

namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 100;

QImage Render(PlaneScene& scene, const PlaneView& view, const PaintOptions& options)
{
    QImage image(view.Width(), view.Height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PlanePainter(painter, view, options).Paint(scene);
    return image;
}

QColor At(const QImage& image, QPoint pixel) { return image.pixelColor(pixel); }
QColor Bgr(base::Bgr bgr) { return base::BgrColor(bgr); }

PaintOptions Planimetry()
{
    PaintOptions options;
    options.AxesVisible = false;
    return options;
}

} // namespace

TEST(PlanePainter, GridValuesAreThinnedAndBounded)
{
    EXPECT_EQ(GridValues(-2.5, 2.5, 1, 1, 100), (std::vector<double>{-2, -1, 0, 1, 2}));
    EXPECT_EQ(GridValues(-2.5, 2.5, 1, 2, 100), (std::vector<double>{-2, 0, 2}));
    EXPECT_EQ(GridValues(-0.35, 0.35, 0.1, 1, 100).size(), 7u);
    EXPECT_EQ(GridValues(-0.35, 0.35, 0.1, 1, 100)[3], 0); // not 1e-17
    // However far out the view and however fine the step, the count is bounded.
    EXPECT_LE(GridValues(-1e12, 1e12, 1e-4, 1, 500).size(), 500u);
    EXPECT_TRUE(GridValues(0, 1, 0, 1, 10).empty());
    EXPECT_TRUE(GridValues(NAN, 1, 1, 1, 10).empty());
    EXPECT_EQ(GridThinning(10), 1);
    EXPECT_EQ(GridThinning(4.5), 5);
    EXPECT_EQ(TickThinning(30), 2);
}

TEST(PlanePainter, PlanimetryGridHasThirtyPixelsPerUnitAndNoAxes)
{
    PlaneScene scene;
    PlaneView view(kWidth, kHeight);
    view.SetScale(30);
    const QImage image = Render(scene, view, Planimetry());
    const QColor grid = Bgr(colour::kGrid);
    EXPECT_EQ(At(image, {100, 10}), grid); // x = 0: a grid line, not a black axis
    EXPECT_EQ(At(image, {130, 10}), grid);
    EXPECT_EQ(At(image, {115, 10}), QColor(Qt::white));
    EXPECT_EQ(At(image, {10, 80}), grid); // y = −1

    PaintOptions axes;
    EXPECT_EQ(At(Render(scene, view, axes), {100, 10}), QColor(Qt::black));
    // Zoomed far out, lines stay at least a few pixels apart.
    view.SetScale(PlaneView::kMinScale);
    const QImage far = Render(scene, view, Planimetry());
    int lines = 0;
    for (int x = 0; x < kWidth; ++x) lines += At(far, {x, 45}) == grid;
    EXPECT_LE(lines, kWidth / 4);
}

TEST(PlanePainter, PointsInTheirColoursAndOnlyWhenThere)
{
    PlaneScene scene;
    PlaneView view(kWidth, kHeight);
    TPoint* free = scene.AddPoint({-2, 0});
    TPoint* a = scene.AddPoint({0, -1});
    TPoint* b = scene.AddPoint({0, 1});
    TLine* vertical = scene.AddLine(a, b);
    TLine* horizontal = scene.AddLine(scene.AddPoint({-1, 0.5}), scene.AddPoint({1, 0.5}));
    TPoint* meet = scene.AddPointOn({0, 0.5}, vertical, horizontal);
    TPoint* hidden = scene.AddPoint({1, -1});
    hidden->Visible = false;
    PaintOptions options = Planimetry();
    options.GridVisible = false;
    QImage image = Render(scene, view, options);
    EXPECT_EQ(At(image, {20, 50}), Bgr(colour::kFreePoint));
    EXPECT_EQ(At(image, {100, 30}), QColor(Qt::black)); // an intersection point is black
    EXPECT_EQ(At(image, {140, 90}), QColor(Qt::white));
    options.HotPoint = free;
    options.ShowHidden = true;
    image = Render(scene, view, options);
    EXPECT_EQ(At(image, {20, 50}), Bgr(colour::kHot));
    EXPECT_EQ(At(image, {140, 90}), Bgr(colour::kFreePoint));
    // The lines part: the point is not there and leaves no disk behind.
    scene.MovePoint(b, {2, -1});
    scene.MovePoint(a, {-2, -1});
    ASSERT_FALSE(meet->Exists());
    image = Render(scene, view, options);
    EXPECT_EQ(At(image, {100, 30}), Bgr(base::colour::kBlack)); // the horizontal line itself
    EXPECT_EQ(At(image, {98, 28}), QColor(Qt::white));
}

TEST(PlanePainter, LinesRaysSegmentsAndPolygons)
{
    PlaneScene scene;
    PlaneView view(kWidth, kHeight);
    scene.DrawColor = base::colour::kRed;
    scene.AddLine(scene.AddPoint({0, 1}), scene.AddPoint({0.1, 1})); // y = 1 across the control
    scene.AddSegment(scene.AddPoint({-1, -1}), scene.AddPoint({1, -1}));
    scene.AddLuch(scene.AddPoint({1, 0}), scene.AddPoint({2, 0}));
    scene.AddLine(scene.AddPoint({0, 100}), scene.AddPoint({1, 100})); // far above the view
    TPoint* same = scene.AddPoint({-1, 0.5});
    scene.AddLine(same, scene.AddPoint({-1, 0.5})); // coincident points: no line
    TPolygon* square = scene.AddPolygon({{-2, -0.5}, {-1.5, -0.5}, {-1.5, 0}, {-2, 0}});
    square->Color = base::colour::kBlue;
    PaintOptions options = Planimetry();
    options.GridVisible = false;
    const QImage image = Render(scene, view, options);
    const QColor red = Bgr(base::colour::kRed);
    EXPECT_EQ(At(image, {0, 10}), red);
    EXPECT_EQ(At(image, {199, 10}), red);
    EXPECT_EQ(At(image, {100, 90}), red);
    EXPECT_EQ(At(image, {50, 90}), QColor(Qt::white)); // beyond the segment's end
    EXPECT_EQ(At(image, {199, 50}), red);
    EXPECT_EQ(At(image, {120, 50}), QColor(Qt::white)); // behind the ray's start
    EXPECT_EQ(At(image, {30, 60}), Bgr(base::colour::kBlue));
}

TEST(PlanePainter, PolygonReachingFarOutGetsGridLinesOnlyWhereItIsSeen)
{
    // A square a billion units across around the view: its box spans the
    // whole integer range of pixel columns. It is filled and ruled inside the
    // control, and painting it does not draw (or allocate) a line for every
    // grid step of that box.
    PlaneScene scene;
    PlaneView view(kWidth, kHeight);
    constexpr double far = 1e9;
    TPolygon* square = scene.AddPolygon({{-far, -far}, {far, -far}, {far, far}, {-far, far}});
    ASSERT_NE(square, nullptr);
    square->Color = base::colour::kBlue;
    const QImage image = Render(scene, view, Planimetry());
    const QColor blue = Bgr(base::colour::kBlue);
    const QColor rule = Bgr(colour::kPolygonOutline);
    // The grid lines x = 2 (pixel column 180) and y = 1 (pixel row 10).
    EXPECT_EQ(At(image, {180, 30}), rule);
    EXPECT_EQ(At(image, {150, 10}), rule);
    EXPECT_EQ(At(image, {165, 25}), blue);
    EXPECT_EQ(At(image, {5, 95}), blue);
}

TEST(PlanePainter, LabelsAndMeasureTexts)
{
    PlaneScene scene;
    TPoint* point = scene.AddPoint({1, -2.5});
    EXPECT_EQ(PointLabel(*point, false), QString());
    EXPECT_EQ(PointLabel(*point, true), QStringLiteral("(1,00;-2,50)"));
    point->SetName(QStringLiteral("(A)"));
    EXPECT_EQ(PointLabel(*point, true), QStringLiteral("(A)")); // a name in brackets is kept
    point->SetName(QStringLiteral("(3,00;4,00)"));
    EXPECT_EQ(PointLabel(*point, true), QStringLiteral("(1,00;-2,50)")); // an old coordinate label follows the point
    EXPECT_EQ(DistanceText(std::sqrt(5.0)), QStringLiteral("      2.24"));
    EXPECT_EQ(AngleText(89.6), QStringLiteral("90"));
}

namespace {

PaintOptions GraphsOnly(FunctionList& list)
{
    PaintOptions options;
    options.GridVisible = false;
    options.AxesVisible = false;
    options.Functions = &list;
    return options;
}

int CountPixels(const QImage& image, const QColor& colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) ++count;
    return count;
}

TEST(FunctionPainter, DrawsEachGraphInItsColourAndTheHotOneHighlighted)
{
    PlaneScene scene;
    FunctionList list;
    list.AddFormula(QStringLiteral("[1]"), scene, base::colour::kRed);
    TFunction* low = list.AddFormula(QStringLiteral("[-1]"), scene, base::colour::kBlue);
    list.AddFormula(QStringLiteral("[x+]"), scene, base::colour::kBlack);  // not valid: not drawn
    const PlaneView view(200, 100);
    PaintOptions options = GraphsOnly(list);
    options.HotFunction = low;
    const QImage image = Render(scene, view, options);
    const QColor red = base::BgrColor(base::colour::kRed);
    const QColor hot = base::BgrColor(base::colour::plane::kHot);
    for (int column : {0, 100, 199}) {
        EXPECT_EQ(image.pixelColor(column, view.ToScreenY(1)), red) << column;
        EXPECT_EQ(image.pixelColor(column, view.ToScreenY(-1)), hot) << column;
    }
    EXPECT_EQ(CountPixels(image, red), view.Width());
    EXPECT_EQ(CountPixels(image, base::BgrColor(base::colour::kBlack)), 0);
    EXPECT_EQ(CountPixels(image, base::BgrColor(base::colour::kBlue)), 0);
}

TEST(FunctionPainter, LeavesTheGapOfAPoleEmpty)
{
    PlaneScene scene;
    FunctionList list;
    list.AddFormula(QStringLiteral("[drob[1][x]]"), scene, base::colour::kRed);
    const PlaneView view(200, 100);
    const QImage image = Render(scene, view, GraphsOnly(list));
    const QColor red = base::BgrColor(base::colour::kRed);
    for (int row = 0; row < view.Height(); ++row) EXPECT_NE(image.pixelColor(view.ToScreenX(0), row), red) << row;
    EXPECT_GT(CountPixels(image, red), 0);
}

} // namespace
