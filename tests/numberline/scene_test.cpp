#include "numberline/lineview.h"
#include "numberline/picking.h"
#include "numberline/scene.h"
#include <gtest/gtest.h>

using namespace numberline;

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 300;
constexpr double kScale = 40;

} // namespace

TEST(Scene, PointsTakeTheValueOfTheirFormula)
{
    const struct { const char* formula; double value; } cases[] = {
        {"[drob[2][3]]", 2.0 / 3}, {"[drob[-1][3]]", -1.0 / 3}, {"[2,35]", 2.35}, {"[-4]", -4}, {"[a+1]", 2}, {"[a-1]", 0},
    };
    for (const auto& c : cases) {
        NumberLineScene scene;
        const TPoint& point = scene.AddPoint(QString::fromUtf8(c.formula));
        ASSERT_TRUE(point.Exact().has_value()) << c.formula;
        EXPECT_NEAR(*point.Exact(), c.value, 1e-12) << c.formula;
        EXPECT_EQ(point.X, *point.Exact());
        EXPECT_EQ(point.Y, 0);
        EXPECT_TRUE(point.Included && point.Visible);
        EXPECT_TRUE(point.AtExactValue(kScale));
    }
}

TEST(Scene, AFormulaWithoutValueGivesAPointWithoutPlace)
{
    NumberLineScene scene;
    for (const char* formula : {"[drob[1][0]]", "[]", "[drob[1][a-1]]"}) {
        TPoint& point = scene.AddPoint(QString::fromLatin1(formula));
        EXPECT_FALSE(point.Exact().has_value()) << formula;
        EXPECT_FALSE(point.Placed());
        EXPECT_FALSE(point.AtExactValue(kScale));
        EXPECT_FALSE(point.PutAtExact());
    }
    const LineView view(kWidth, kHeight);
    EXPECT_EQ(FindHotPoint(scene, view, kWidth / 2, kHeight / 2), nullptr) << "nothing stands at a made-up 0";
}

TEST(Scene, ParametersMovePointsThatUseThem)
{
    NumberLineScene scene;
    TPoint& plus = scene.AddPoint("[a+1]");
    TPoint& fraction = scene.AddPoint("[drob[1][a-1]]");
    TPoint& other = scene.AddPoint("[b]");
    plus.Y = 2; // lifted: a parameter moves it along, never down
    EXPECT_TRUE(scene.SetParameter(u"a", 1.3));
    EXPECT_NEAR(plus.X, 2.3, 1e-12);
    EXPECT_NEAR(*plus.Exact(), 2.3, 1e-12);
    EXPECT_EQ(plus.Y, 2);
    ASSERT_TRUE(fraction.Exact().has_value()) << "a value appears once the divisor is no longer 0";
    EXPECT_NEAR(fraction.X, 1 / 0.3, 1e-9);
    EXPECT_EQ(other.X, 1);

    const double before = fraction.X;
    EXPECT_TRUE(scene.SetParameter(u"a", 1)); // 1 / 0: the point keeps its place and value
    EXPECT_EQ(fraction.X, before);
    EXPECT_NEAR(plus.X, 2, 1e-12);

    EXPECT_FALSE(scene.SetParameter(u"A", 2));
    EXPECT_FALSE(scene.SetParameter(u"ab", 2));
    EXPECT_FALSE(scene.SetParameter(u"a", std::nan("")));
    EXPECT_EQ(scene.Parameter(0), 1);
    scene.AddPoint("[a]");
    EXPECT_TRUE(scene.SetParameter(u"a", 5));
    EXPECT_EQ(scene.AddPoint("[a*2]").X, 10) << "a new point takes the scene's parameters";
}

TEST(Scene, APointIsAtItsValueOnlyOnTheLineWithinTwoPixels)
{
    NumberLineScene scene;
    TPoint& point = scene.AddPoint("[drob[2][3]]");
    const struct { double dx, y; bool at; } cases[] = {
        {0, 0, true}, {1.9 / kScale, 0, true}, {-1.9 / kScale, 0, true}, {2.5 / kScale, 0, false}, {0.3, 0, false}, {0, 1.25, true}, {0.3, 1.25, false},
    };
    for (const auto& c : cases) {
        point.X = *point.Exact() + c.dx;
        point.Y = c.y;
        EXPECT_EQ(point.AtExactValue(kScale), c.at) << c.dx << ' ' << c.y;
    }
    EXPECT_TRUE(point.PutAtExact());
    EXPECT_TRUE(point.AtExactValue(kScale));
}

TEST(Scene, FiguresBecomeTheFigureOfTheirPointsAndClearForgetsEverything)
{
    NumberLineScene scene;
    TPoint& a = scene.AddPoint("[-2]");
    TPoint& b = scene.AddPoint("[3]");
    TSegment& segment = scene.AddSegment(a, b, 0x1234567);
    EXPECT_EQ(segment.Color, 0x234567u);
    EXPECT_EQ(a.Figure, &segment);
    TLuch& ray = scene.AddRay(b, true, base::colour::kBlack);
    EXPECT_EQ(b.Figure, &ray);
    EXPECT_EQ(scene.PointIndex(&b), 1);
    scene.SetParameter(u"q", 3);
    scene.Clear();
    EXPECT_TRUE(scene.Points().empty());
    EXPECT_TRUE(scene.Figures().empty());
    EXPECT_EQ(scene.Parameter(16), 1);
}

TEST(Scene, NamesStayOneLine)
{
    NumberLineScene scene;
    TPoint& point = scene.AddPoint("[1]");
    point.SetName("A\r\nB  C");
    EXPECT_EQ(point.Name(), "A  B  C");
}
