#include "plane/regions.h"
#include "base/random.h"
#include "formulas/compiler.h"
#include "plane/scene.h"
#include <gtest/gtest.h>
#include <cmath>
#include <limits>

using namespace plane;

namespace {

constexpr base::Bgr kColour = base::colour::kRed;

PlaneView View(int width = 120, int height = 90, double scale = 10)
{
    PlaneView view(width, height);
    view.SetScale(scale);
    return view;
}

// The pixel (column, row) as the picture samples it.
geometry::Vec2 At(const PlaneView& view, int column, int row) { return view.ToWorld(column, row); }

int InsideCount(const RegionPicture& picture)
{
    int count = 0;
    for (uint8_t inside : picture.Inside) count += inside;
    return count;
}

int CurveCount(const RegionPicture& picture)
{
    int count = 0;
    for (uint32_t colour : picture.Curve) count += colour != RegionPicture::kNoCurve;
    return count;
}

// Every pixel against a direct evaluation of every inequality at it.
void ExpectShadingMatchesDirectComputation(FunctionList& list, const PlaneView& view, const RegionPicture& picture)
{
    ASSERT_EQ(picture.Columns, view.Width());
    ASSERT_EQ(picture.Rows, view.Height());
    for (int column = 0; column < picture.Columns; ++column)
        for (int row = 0; row < picture.Rows; ++row) {
            const geometry::Vec2 p = At(view, column, row);
            bool expected = HasInequalities(list);
            for (int i = 0; i < list.Count(); ++i) {
                TAlgebra& object = *list.At(i);
                if (object.Relation() == TAlgebra::kEqual) continue;
                double left = NAN, right = 0;
                if (object.Kind() == AlgebraKind::Equation) {
                    if (auto v = static_cast<TEquation&>(object).Value(p.x, p.y)) left = *v;
                } else {
                    left = p.y;
                    if (auto v = static_cast<TFunction&>(object).Value(p.x)) right = *v;
                    else right = NAN;
                }
                const bool holds = object.Relation() == TAlgebra::kLess ? left < right : left > right;
                expected = expected && holds;
            }
            ASSERT_EQ(picture.IsInside(column, row), expected) << "pixel " << column << ", " << row;
            // Shaded pixels are silver unless a curve lies over them.
            if (picture.CurveAt(column, row) == RegionPicture::kNoCurve) {
                ASSERT_EQ(picture.Image.pixel(column, row),
                          expected ? base::BgrColor(base::colour::plane::kShading).rgba() : 0u);
            }
        }
}

// Random polynomials of degree 2 in x and y, with random signs and relations.
QString RandomQuadratic()
{
    auto coefficient = [] { return QString::number(base::RandomInt(9) - 4); };
    return QStringLiteral("[%1*x*x+%2*y*y+%3*x*y+%4*x+%5*y+%6]")
        .arg(coefficient(), coefficient(), coefficient(), coefficient(), coefficient(), coefficient());
}

TEST(Regions, ShadingOfRandomSystemsMatchesADirectComputationPerPixel)
{
    base::SetRandomSeed(20261210);
    const PlaneView view = View(80, 60, 8);
    for (int round = 0; round < 12; ++round) {
        PlaneScene scene;
        FunctionList list;
        const int count = 1 + base::RandomInt(3);
        for (int i = 0; i < count; ++i) {
            TEquation* equation = list.AddEquation(RandomQuadratic(), scene, kColour);
            equation->SetRelation(base::RandomInt(2) == 0 ? TAlgebra::kLess : TAlgebra::kGreater);
        }
        if (base::RandomInt(2) == 0) list.AddFormula(QStringLiteral("[x*x*x-2*x]"), scene, kColour)->SetRelation(TAlgebra::kLess);
        SCOPED_TRACE(list.At(0)->Formula().Text().toStdString());
        ExpectShadingMatchesDirectComputation(list, view, BuildRegions(list, view));
    }
}

TEST(Regions, DiscAndOutsideOfACircle)
{
    PlaneScene scene;
    FunctionList list;
    TEquation* circle = list.AddEquation(QStringLiteral("[x*x+y*y-9]"), scene, kColour);
    const PlaneView view = View();
    // "= 0": the curve only; every curve pixel lies within a pixel of radius 3.
    RegionPicture picture = BuildRegions(list, view);
    EXPECT_EQ(InsideCount(picture), 0);
    ASSERT_GT(CurveCount(picture), 100);
    for (int column = 0; column < picture.Columns; ++column)
        for (int row = 0; row < picture.Rows; ++row)
            if (picture.CurveAt(column, row) != RegionPicture::kNoCurve) {
                const geometry::Vec2 p = At(view, column, row);
                EXPECT_NEAR(std::hypot(p.x, p.y), 3, 1.5 / view.Scale());
                EXPECT_EQ(picture.CurveAt(column, row), kColour);
                EXPECT_EQ(picture.Image.pixel(column, row), base::BgrColor(kColour).rgba());
            }
    circle->SetRelation(TAlgebra::kLess);
    picture = BuildRegions(list, view);
    // The disc of radius 3 at 10 pixels per unit: about π·30² pixels.
    EXPECT_NEAR(InsideCount(picture), M_PI * 900, 60);
    ExpectShadingMatchesDirectComputation(list, view, picture);
    circle->SetRelation(TAlgebra::kGreater);
    picture = BuildRegions(list, view);
    EXPECT_NEAR(InsideCount(picture), 120 * 90 - M_PI * 900, 60);
}

TEST(Regions, TwoInequalitiesShadeOnlyTheirIntersection)
{
    PlaneScene scene;
    FunctionList list;
    list.AddFormula(QStringLiteral("[x]"), scene, kColour)->SetRelation(TAlgebra::kGreater);
    list.AddFormula(QStringLiteral("[2]"), scene, kColour)->SetRelation(TAlgebra::kLess);
    const PlaneView view = View();
    const RegionPicture picture = BuildRegions(list, view);
    for (int column = 0; column < picture.Columns; ++column)
        for (int row = 0; row < picture.Rows; ++row) {
            const geometry::Vec2 p = At(view, column, row);
            ASSERT_EQ(picture.IsInside(column, row), p.y > p.x && p.y < 2);
        }
    EXPECT_EQ(CurveCount(picture), 0); // graphs are drawn by the graph painter
}

// Points without a value are neither inside nor outside.
struct NoValueCase {
    const char* name;
    const char* text;
    bool graph;       // y ⋈ f(x) instead of F(x, y) ⋈ 0
    QChar relation;
    int minInside;    // at least this many pixels shaded (0: exactly none)
};

class RegionsWithoutValues : public testing::TestWithParam<NoValueCase> {};

TEST_P(RegionsWithoutValues, AreNeverShaded)
{
    const NoValueCase& c = GetParam();
    PlaneScene scene;
    FunctionList list;
    TAlgebra* object = c.graph ? static_cast<TAlgebra*>(list.AddFormula(QString::fromUtf8(c.text), scene, kColour))
                               : list.AddEquation(QString::fromUtf8(c.text), scene, kColour);
    object->SetRelation(c.relation);
    const PlaneView view = View();
    const RegionPicture picture = BuildRegions(list, view);
    if (c.minInside == 0) EXPECT_EQ(InsideCount(picture), 0);
    else EXPECT_GE(InsideCount(picture), c.minInside);
    for (int column = 0; column < picture.Columns; ++column)
        for (int row = 0; row < picture.Rows; ++row)
            if (At(view, column, row).x < 0) {
                ASSERT_FALSE(picture.IsInside(column, row)) << column << ", " << row;
            }
    ExpectShadingMatchesDirectComputation(list, view, picture);
}

INSTANTIATE_TEST_SUITE_P(
    Regions, RegionsWithoutValues,
    testing::Values(NoValueCase{"below_root_graph", "[sqrt[][x]]", true, u'>', 1000},
                    NoValueCase{"above_root_graph", "[sqrt[][x]]", true, u'<', 1000},
                    NoValueCase{"root_equation_less", "[y-][sqrt[][x]]", false, u'<', 1000},
                    NoValueCase{"root_equation_greater", "[y-][sqrt[][x]]", false, u'>', 1000},
                    // No value anywhere: nothing, not everything, is shaded.
                    NoValueCase{"nowhere_greater", "[sqrt[][-1-x*x-y*y]]", false, u'>', 0},
                    NoValueCase{"nowhere_less", "[sqrt[][-1-x*x-y*y]]", false, u'<', 0},
                    NoValueCase{"not_parsed", "[x+*]", false, u'>', 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Regions, CurveScanSkipsPolesAndEdgesOfTheDomain)
{
    PlaneScene scene;
    FunctionList list;
    const PlaneView view = View();
    // 1/x changes sign across x = 0 by a jump, not through zero.
    list.AddEquation(QStringLiteral("[drob[1][x]]"), scene, kColour);
    EXPECT_EQ(CurveCount(BuildRegions(list, view)), 0);
    list.Clear();
    // F = x: the curve is the one column where x = 0.
    list.AddEquation(QStringLiteral("[x]"), scene, kColour);
    const RegionPicture line = BuildRegions(list, view);
    EXPECT_EQ(CurveCount(line), view.Height());
    list.Clear();
    // The root meets no-value points with values near zero at x = 0: no step
    // is drawn into the half plane without values.
    list.AddEquation(QStringLiteral("[sqrt[][x]]"), scene, kColour);
    const RegionPicture root = BuildRegions(list, view);
    for (int column = 0; column < root.Columns; ++column)
        for (int row = 0; row < root.Rows; ++row)
            if (root.CurveAt(column, row) != RegionPicture::kNoCurve) {
                EXPECT_GE(At(view, column, row).x, 0);
            }
}

TEST(Regions, CurveStepRule)
{
    EXPECT_TRUE(IsCurveStep(-1, 2));
    EXPECT_TRUE(IsCurveStep(0, 5));
    EXPECT_FALSE(IsCurveStep(1, 2));
    EXPECT_FALSE(IsCurveStep(-20, 20)); // across a pole
    EXPECT_FALSE(IsCurveStep(NAN, 0));
    EXPECT_FALSE(IsCurveStep(0, NAN));
}

TEST(Regions, RowsBuiltInSlicesGiveTheSamePicture)
{
    PlaneScene scene;
    FunctionList list;
    list.AddEquation(QStringLiteral("[x*x+y*y-9]"), scene, kColour)->SetRelation(TAlgebra::kLess);
    list.AddEquation(QStringLiteral("[y-x]"), scene, base::colour::kBlue)->SetRelation(TAlgebra::kGreater);
    const PlaneView view = View();
    const RegionPicture whole = BuildRegions(list, view);
    RegionBuilder builder(list, view);
    while (!builder.Done()) builder.RunRows(7);
    EXPECT_EQ(builder.Picture().Inside, whole.Inside);
    EXPECT_EQ(builder.Picture().Curve, whole.Curve);
    EXPECT_EQ(builder.Picture().Image, whole.Image);
}

TEST(Regions, CoarsePictureSamplesEveryStepPixels)
{
    PlaneScene scene;
    FunctionList list;
    list.AddEquation(QStringLiteral("[x*x+y*y-9]"), scene, kColour)->SetRelation(TAlgebra::kLess);
    const PlaneView view = View(121, 90);
    const RegionPicture coarse = BuildRegions(list, view, 4);
    EXPECT_EQ(coarse.Columns, 31);
    EXPECT_EQ(coarse.Rows, 23);
    for (int column = 0; column < coarse.Columns; ++column)
        for (int row = 0; row < coarse.Rows; ++row) {
            const geometry::Vec2 p = At(view, column * 4, row * 4);
            ASSERT_EQ(coarse.IsInside(column, row), p.x * p.x + p.y * p.y < 9);
        }
    EXPECT_DOUBLE_EQ(coarse.Left, view.ToWorldX(0));
    EXPECT_DOUBLE_EQ(coarse.Top, view.ToWorldY(0));
}

TEST(Regions, EmptyViewAndEmptyListBuildNothing)
{
    PlaneScene scene;
    FunctionList list;
    EXPECT_FALSE(HasRegionLayer(list));
    EXPECT_EQ(InsideCount(BuildRegions(list, View())), 0);
    list.AddEquation(QStringLiteral("[x]"), scene, kColour)->SetRelation(TAlgebra::kLess);
    const RegionPicture none = BuildRegions(list, PlaneView(0, 0));
    EXPECT_EQ(none.Columns, 0);
    EXPECT_TRUE(none.Inside.empty());
}

TEST(Regions, PaintToolTakesTheSideOfTheClick)
{
    PlaneScene scene;
    FunctionList list;
    TEquation* circle = list.AddEquation(QStringLiteral("[x*x+y*y-4]"), scene, kColour);
    TFunction* line = list.AddFormula(QStringLiteral("[x]"), scene, kColour);
    TEquation* root = list.AddEquation(QStringLiteral("[sqrt[][x]]"), scene, kColour);
    EXPECT_TRUE(SignRegionsAt(list, 0, 1));
    EXPECT_EQ(circle->Relation(), TAlgebra::kLess);
    EXPECT_EQ(line->Relation(), TAlgebra::kGreater);
    // No value at the click: no side, no shading from it.
    EXPECT_EQ(root->Relation(), TAlgebra::kEqual);
    EXPECT_FALSE(SignRegionsAt(list, 0, 1));
    SignRegionsAt(list, 3, 0);
    EXPECT_EQ(circle->Relation(), TAlgebra::kGreater);
    EXPECT_EQ(line->Relation(), TAlgebra::kLess);
    EXPECT_EQ(root->Relation(), TAlgebra::kGreater);
    // On the curve itself: "=".
    SignRegionsAt(list, 2, 0);
    EXPECT_EQ(circle->Relation(), TAlgebra::kEqual);
    // The region shaded after a click contains the click.
    SignRegionsAt(list, 0.5, 1);
    EXPECT_TRUE(HoldsAt(*circle, 0.5, 1));
    EXPECT_TRUE(HoldsAt(*line, 0.5, 1));
    EXPECT_TRUE(DropShading(list));
    EXPECT_FALSE(HasInequalities(list));
    EXPECT_FALSE(DropShading(list));
}


// Where two curves cross, the later equation's colour is on top, whichever
// way the grid is walked.
TEST(Regions, LaterEquationsCurveLiesOnTopWhereCurvesMeet)
{
    PlaneScene scene;
    FunctionList list;
    list.AddEquation(QStringLiteral("[y-x]"), scene, base::colour::kRed);
    list.AddEquation(QStringLiteral("[y+x]"), scene, base::colour::kBlue);
    const PlaneView view = View();
    const RegionPicture picture = BuildRegions(list, view);
    int red = 0, blue = 0;
    for (uint32_t colour : picture.Curve) {
        red += colour == base::colour::kRed;
        blue += colour == base::colour::kBlue;
    }
    EXPECT_GT(red, 50);
    EXPECT_GT(blue, 50);
    // The origin's pixel is on both lines (both values are 0 there).
    const int c = view.Width() / 2, r = view.Height() / 2;
    ASSERT_EQ(At(view, c, r).x, 0);
    ASSERT_EQ(At(view, c, r).y, 0);
    EXPECT_EQ(picture.CurveAt(c, r), base::colour::kBlue);
    EXPECT_EQ(picture.Image.pixel(c, r), base::BgrColor(base::colour::kBlue).rgba());
}

// A compiled stand-in for x² + y² − 9 that counts how it is called and
// has no value right of x = 5, and an infinite one on the line x = −5.
class RowCountingCompiler : public formulas::TFormulaCompiler {
public:
    static double Circle(double x, double y)
    {
        if (x > 5) return kNoValue;
        if (x == -5) return std::numeric_limits<double>::infinity();
        return x * x + y * y - 9;
    }
    int AddFunction(const QString&, const QStringList&) override { return 0; }
    void SetFunction(const QString&, int, const QStringList&) override {}
    void RemoveFunction(int) override {}
    void Build() override {}
    bool IsBuilt(int) const override { return true; }
    long double CallFunction(int, std::span<const long double> v) override { return Circle(double(v[0]), double(v[1])); }
    std::optional<long double> TryCallFunction(int, std::span<const long double> v) const noexcept override
    {
        ++pointCalls;
        return Circle(double(v[0]), double(v[1]));
    }
    std::optional<double> TryCallFunction(int, std::span<const double> v) const noexcept override
    {
        ++pointCalls;
        return Circle(v[0], v[1]);
    }
    void TryCallRow(int, std::span<const double> values, int column, std::span<const double> columnValues,
                    std::span<double> results) const noexcept override
    {
        ++rowCalls;
        rowLengths.push_back(int(columnValues.size()));
        for (size_t i = 0; i < columnValues.size(); ++i)
            results[i] = column == 0 ? Circle(columnValues[i], values[1]) : kNoValue;
    }
    mutable int pointCalls = 0;
    mutable int rowCalls = 0;
    mutable std::vector<int> rowLengths;
};

TEST(Regions, CompiledEquationsAreEvaluatedOneCallPerGridRow)
{
    RowCountingCompiler compiler;
    formulas::SetCompiler(&compiler);
    PlaneScene scene;
    FunctionList list;
    list.AddEquation(QStringLiteral("[x*x+y*y-9]"), scene, kColour)->SetRelation(TAlgebra::kLess);
    const PlaneView view = View(121, 90);
    compiler.pointCalls = 0;
    const RegionPicture picture = BuildRegions(list, view, 2);
    formulas::SetCompiler(nullptr);
    EXPECT_EQ(compiler.pointCalls, 0);
    EXPECT_EQ(compiler.rowCalls, picture.Rows);
    EXPECT_EQ(compiler.rowLengths, std::vector<int>(size_t(picture.Rows), picture.Columns));
    int inside = 0;
    for (int column = 0; column < picture.Columns; ++column)
        for (int row = 0; row < picture.Rows; ++row) {
            const geometry::Vec2 p = At(view, column * 2, row * 2);
            const double v = RowCountingCompiler::Circle(p.x, p.y);
            ASSERT_EQ(picture.IsInside(column, row), v < 0) << column << ", " << row;
            inside += v < 0;
            // No value and an infinite value never make a curve.
            if (p.x > 5 || p.x == -5) {
                ASSERT_EQ(picture.CurveAt(column, row), RegionPicture::kNoCurve);
            }
        }
    EXPECT_GT(inside, 100);
}

} // namespace
