#include "numberline/linepainter.h"
#include "base/colours.h"
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace numberline;

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 200;

QImage Render(NumberLineScene& scene, const LineView& view, const PaintOptions& options = {})
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PlainFormulaArt art;
    LinePainter(painter, view, art, options).Paint(scene);
    return image;
}

QColor Colour(base::Bgr bgr) { return base::BgrColor(bgr); }

// How many pixels of a colour lie in a box around a pixel.
int CountAround(const QImage& image, QPoint centre, int radius, const QColor& colour)
{
    int count = 0;
    for (int y = centre.y() - radius; y <= centre.y() + radius; ++y)
        for (int x = centre.x() - radius; x <= centre.x() + radius; ++x)
            if (image.valid(x, y) && image.pixelColor(x, y) == colour) ++count;
    return count;
}

} // namespace

TEST(LinePainter, PointFillTellsHotOffValueIncludedAndExcluded)
{
    NumberLineScene scene;
    TPoint& point = scene.AddPoint("[1]");
    EXPECT_EQ(PointFill(point, false, 40), base::colour::kBlack);
    point.Included = false;
    EXPECT_EQ(PointFill(point, false, 40), base::colour::kWhite);
    EXPECT_EQ(PointFill(point, true, 40), base::colour::numberline::kHot);
    point.X = 1.5;
    EXPECT_EQ(PointFill(point, false, 40), base::colour::numberline::kOffValue);
}

TEST(LinePainter, DrawsPointsInTheirVerdictColourAndNothingForPointsWithoutValue)
{
    LineView view(kWidth, kHeight);
    NumberLineScene scene;
    TPoint& good = scene.AddPoint("[-2]");
    TPoint& moved = scene.AddPoint("[drob[2][3]]");
    moved.X = 2;
    scene.AddPoint("[drob[1][0]]");
    const QImage image = Render(scene, view);
    const QPoint goodAt(view.ToScreenX(good.X), view.LineRow());
    const QPoint movedAt(view.ToScreenX(moved.X), view.LineRow());
    EXPECT_GT(CountAround(image, goodAt, 2, Colour(base::colour::kBlack)), 10);
    EXPECT_EQ(CountAround(image, goodAt, 3, Colour(base::colour::numberline::kOffValue)), 0);
    EXPECT_GT(CountAround(image, movedAt, 2, Colour(base::colour::numberline::kOffValue)), 10);
    // No dot at zero, where a point without value would have been made up.
    EXPECT_EQ(CountAround(image, QPoint(view.ToScreenX(0) + 3, view.LineRow() - 2), 1, Colour(base::colour::kBlack)), 0);
}

TEST(LinePainter, RaysRunToTheEdgeOnTheirSideAndSegmentsBetweenTheirEnds)
{
    LineView view(kWidth, kHeight);
    NumberLineScene scene;
    TPoint& origin = scene.AddPoint("[1]");
    scene.AddRay(origin, true, base::colour::kBlue);
    TPoint& a = scene.AddPoint("[-4]");
    TPoint& b = scene.AddPoint("[-2]");
    scene.AddSegment(a, b, base::colour::kRed);
    const QImage image = Render(scene, view);
    const int row = view.LineRow() + 2; // below the axis, within the wide pen
    EXPECT_EQ(image.pixelColor(kWidth - 1, row), Colour(base::colour::kBlue));
    EXPECT_NE(image.pixelColor(view.ToScreenX(0), row), Colour(base::colour::kBlue));
    EXPECT_EQ(image.pixelColor(view.ToScreenX(-3), row), Colour(base::colour::kRed));
    EXPECT_NE(image.pixelColor(view.ToScreenX(-5), row), Colour(base::colour::kRed));
}

TEST(LinePainter, DivisionsAreDrawnInNavyAboveTheLine)
{
    LineView view(kWidth, kHeight);
    view.SetScale(120);
    NumberLineScene scene;
    scene.SetParts(3);
    const QColor navy = Colour(base::colour::numberline::kDivision);
    EXPECT_EQ(Render(scene, view).pixelColor(view.ToScreenX(1.0 / 3), view.LineRow() - 4), navy);
    scene.ShowDivisions = false;
    EXPECT_NE(Render(scene, view).pixelColor(view.ToScreenX(1.0 / 3), view.LineRow() - 4), navy);
}

TEST(LinePainter, ThePictureWithoutTheMovingPointPlusThePointIsTheWholePicture)
{
    LineView view(kWidth, kHeight);
    NumberLineScene scene;
    scene.AddPoint("[-3]");
    TPoint& a = scene.AddPoint("[-1]");
    scene.AddRay(a, false, base::colour::kRed);
    TPoint& moving = scene.AddPoint("[drob[1][2]]");
    scene.AddRay(moving, true, base::colour::kBlue);
    moving.X = 2;
    moving.Y = 0.5;
    const QImage whole = Render(scene, view);

    PaintOptions options;
    options.Moving = &moving;
    QImage layered = Render(scene, view, options);
    EXPECT_NE(layered, whole) << "the moving point and its ray are left out";
    QPainter painter(&layered);
    PlainFormulaArt art;
    LinePainter(painter, view, art, options).PaintMoving(scene, moving);
    painter.end();
    EXPECT_EQ(layered, whole);
}

TEST(LinePainter, NamesOfPointsOnLabelledTicksStandBelowTheLabels)
{
    LineView view(kWidth, kHeight);
    NumberLineScene scene;
    for (const char* formula : {"[1]", "[1]", "[drob[1][3]]", "[-2]"}) scene.AddPoint(formula).SetName("Точка");
    scene.Points()[3]->Y = 2; // lifted: its name stays with it
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    PlainFormulaArt art;
    const PaintOptions options;
    LinePainter line(painter, view, art, options);
    const std::vector<TickLabel> labels = line.TickLabels(scene);
    ASSERT_FALSE(labels.empty());
    const std::vector<NameBox> names = line.NameBoxes(scene, labels);
    ASSERT_EQ(names.size(), 4u);
    for (size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(names[i].first, scene.Points()[i].get());
        for (const TickLabel& label : labels) EXPECT_FALSE(names[i].second.intersects(label.box)) << i << ' ' << label.text.toStdString();
        for (size_t j = 0; j < i; ++j) EXPECT_FALSE(names[i].second.intersects(names[j].second)) << j << ' ' << i;
    }
    EXPECT_LT(names[3].second.top(), view.LineRow()) << "the lifted point's name is not pushed down to the line";
}
