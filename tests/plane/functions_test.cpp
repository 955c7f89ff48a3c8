#include "plane/functions.h"
#include "plane/functionlist.h"
#include "base/random.h"
#include "formulas/compiler.h"
#include "plane/scene.h"
#include <gtest/gtest.h>
#include <cmath>

using namespace plane;

namespace {

constexpr base::Bgr kColour = base::colour::kRed;

struct FormulaCase {
    const char* name;
    const char* text;
    double x;
    std::optional<double> expected;
};

class FormulaValueCase : public testing::TestWithParam<FormulaCase> {};

TEST_P(FormulaValueCase, IsTheNumberOrNothing)
{
    const FormulaCase& c = GetParam();
    PlaneScene scene;
    scene.SetParam(ParameterSlot(u'k'), 2);
    TFunctionFormula f(QString::fromUtf8(c.text), scene, kColour);
    const FunctionValue value = f.Value(c.x);
    ASSERT_EQ(value.has_value(), c.expected.has_value()) << c.text;
    if (value) {
        EXPECT_NEAR(*value, *c.expected, 1e-12);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, FormulaValueCase,
    testing::Values(FormulaCase{"square", "[x*x]", 3, 9.0},
                    FormulaCase{"parameter_from_scene", "[k*x+b]", 3, 7.0},  // b keeps its start value 1
                    FormulaCase{"fraction", "[drob[1][x]]", 4, 0.25},
                    FormulaCase{"pole", "[drob[1][x]]", 0, std::nullopt},
                    FormulaCase{"root_outside_domain", "[sqrt[][x]]", -1, std::nullopt},
                    FormulaCase{"logarithm_outside_domain", "[ln(x)]", 0, std::nullopt},
                    FormulaCase{"the_marker_number_is_a_value", "[9797]", 5, 9797.0},
                    FormulaCase{"overflow", "[powr[10][x]]", 400, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FunctionFormula, ProblemsMakeItInvalid)
{
    PlaneScene scene;
    EXPECT_TRUE(TFunctionFormula(QStringLiteral("[a*x]"), scene, kColour).Valid());
    for (const char* text : {"", "[x+]", "[ab*x]", "[intg[0][1][x][x]]"}) {
        TFunctionFormula f(QString::fromUtf8(text), scene, kColour);
        EXPECT_FALSE(f.Valid()) << text;
        EXPECT_FALSE(f.Problem().isEmpty()) << text;
        EXPECT_TRUE(SampleGraph(f, PlaneView(100, 100)).Pieces.empty()) << text;
    }
}

// A compiler that evaluates every function as x·100 + its index, so that a
// value shows which evaluator made it.
class FakeCompiler : public formulas::TFormulaCompiler {
public:
    int AddFunction(const QString& expression, const QStringList& variables) override
    {
        expressions.append(expression);
        return int(expressions.size()) - 1;
    }
    void SetFunction(const QString& expression, int index, const QStringList&) override { expressions[index] = expression; }
    void RemoveFunction(int) override {}
    void Build() override {}
    bool IsBuilt(int) const override { return true; }
    long double CallFunction(int index, std::span<const long double> values) override { return values[0] * 100 + index; }
    std::optional<long double> TryCallFunction(int index, std::span<const long double> values) const noexcept override
    {
        return values[0] * 100 + index;
    }
    std::optional<double> TryCallFunction(int index, std::span<const double> values) const noexcept override
    {
        return values[0] * 100 + index;
    }
    QStringList expressions;
};

class CompiledFormula : public testing::Test {
protected:
    void SetUp() override { formulas::SetCompiler(&compiler); }
    void TearDown() override { formulas::SetCompiler(nullptr); }
    FakeCompiler compiler;
};

TEST_F(CompiledFormula, GraphsAreEvaluatedByTheRunsCompiler)
{
    PlaneScene scene;
    FunctionList list;
    TFunction* first = list.AddFormula(QStringLiteral("[k*x]"), scene, kColour);
    list.AddFormula(QStringLiteral("[x+]"), scene, kColour);  // not valid: never registered
    TFunction* second = list.AddFormula(QStringLiteral("[x*x]"), scene, kColour);
    EXPECT_EQ(compiler.expressions, (QStringList{"k*x", "x*x"}));
    EXPECT_DOUBLE_EQ(first->Value(2).value_or(NAN), 200);
    EXPECT_DOUBLE_EQ(second->Value(2).value_or(NAN), 201);
}

TEST(FunctionFormula, RelationSetsThePrefix)
{
    PlaneScene scene;
    TFunctionFormula f(QStringLiteral("[x]"), scene, kColour);
    EXPECT_EQ(f.Formula().PrefixText(), QStringLiteral("y = "));
    EXPECT_TRUE(f.SetRelation(u'<'));
    EXPECT_EQ(f.Formula().PrefixText(), QStringLiteral("y < "));
    EXPECT_FALSE(f.SetRelation(u'!'));
    EXPECT_EQ(f.Relation(), u'<');
}

// --- graphs through points and by coefficients -----------------------------

TEST(FunctionArray, KeepsPointsSortedAndTheDomainOnThem)
{
    FunctionList list;
    TFunctionArray* line = list.AddArray(AlgebraKind::FunctionArrayLine, kColour);
    EXPECT_FALSE(line->Valid());  // no points: no value anywhere
    EXPECT_FALSE(line->Value(0).has_value());
    line->AddPoint(2, 4);
    line->AddPoint(-1, 0);
    line->AddPoint(2, 6);  // after the point with the same x
    EXPECT_FALSE(line->AddPoint(NAN, 1));
    EXPECT_FALSE(line->AddPoint(1, INFINITY));
    EXPECT_EQ(line->Samples(), (std::vector<Sample>{{-1, 0}, {2, 4}, {2, 6}}));
    EXPECT_EQ(line->XMin(), -1);
    EXPECT_EQ(line->XMax(), 2);
    EXPECT_EQ(line->Formula().Text(), QStringLiteral("[...]"));
    EXPECT_TRUE(line->Valid());
}

TEST(FunctionArray, RefusesPointsBeyondItsCapacity)
{
    FunctionList list;
    TFunctionArray* line = list.AddArray(AlgebraKind::FunctionArrayLine, kColour);
    for (int i = 0; i < TFunctionArray::kMaxSamples; ++i) ASSERT_TRUE(line->AddPoint(i, i));
    EXPECT_FALSE(line->AddPoint(-1, 0));
}

TEST(FunctionArray, PointsThatCannotBeFittedSayWhy)
{
    FunctionList list;
    TFunctionArray* polynom = list.AddArray(AlgebraKind::FunctionArrayPolynom, kColour);
    polynom->AddPoint(1, 0);
    polynom->AddPoint(1, 5);
    TFunctionArray* mnk = list.AddArray(AlgebraKind::FunctionArrayMNK, kColour);
    mnk->AddPoint(1, 0);
    mnk->AddPoint(1, 5);
    for (TFunctionArray* f : {polynom, mnk}) {
        EXPECT_FALSE(f->Valid());
        EXPECT_FALSE(f->Problem().isEmpty());
        EXPECT_FALSE(f->Value(1).has_value());
    }
    mnk->AddPoint(3, 5);
    ASSERT_TRUE(mnk->Valid());
    // Through the mean (5/3; 10/3) with slope Sxy / Sxx = (30/9) / (24/9).
    EXPECT_NEAR(mnk->Value(3).value_or(NAN), 10.0 / 3 + 1.25 * 4 / 3, 1e-12);
}

TEST(FunctionArray, FreehandPointsAreAtLeastAStepApart)
{
    FunctionList list;
    TFunctionArray* line = list.AddArray(AlgebraKind::FunctionArrayLine, kColour);
    for (double x : {0.0, 0.1, 0.2, 0.25, 0.5, 0.3, -1.0, 0.71, 0.9, 2.0}) AddFreehandPoint(*line, x, x * x);
    std::vector<double> xs;
    for (const Sample& s : line->Samples()) xs.push_back(s.x);
    EXPECT_EQ(xs, (std::vector<double>{0, 0.25, 0.5, 0.71, 2}));
}

TEST(FunctionKoeffPolynom, EvaluatesItsCoefficients)
{
    FunctionList list;
    TFunctionKoeffPolynom* f = list.AddKoeffPolynom({1, 0, -1}, kColour);
    EXPECT_DOUBLE_EQ(f->Value(2).value_or(NAN), -3);
    EXPECT_EQ(list.AddKoeffPolynom({1, NAN}, kColour), nullptr);
    EXPECT_EQ(list.Count(), 1);
}

TEST(FunctionKoeffPolynom, AgreesWithTheSameFormulaAndWithCForRandomCoefficients)
{
    base::SetRandomSeed(2024);
    PlaneScene scene;
    auto decimal = [](double v) { return QString::number(v, 'f', 3).replace(u'.', u','); };
    for (int trial = 0; trial < 30; ++trial) {
        std::vector<double> a(4);
        for (double& c : a) c = std::round((base::RandomReal() * 20 - 10) * 1000) / 1000;
        FunctionList list;
        TFunction* byCoefficients = list.AddKoeffPolynom(a, kColour);
        TFunction* byFormula = list.AddFormula(QStringLiteral("[(%1)+(%2)*x+(%3)*x*x+(%4)*x*x*x]")
                                                   .arg(decimal(a[0]), decimal(a[1]), decimal(a[2]), decimal(a[3])),
                                               scene, kColour);
        ASSERT_TRUE(byFormula->Valid()) << byFormula->Problem().toStdString();
        for (int k = 0; k < 5; ++k) {
            const double x = base::RandomReal() * 10 - 5;
            const double expected = a[0] + a[1] * x + a[2] * x * x + a[3] * x * x * x;
            EXPECT_NEAR(byCoefficients->Value(x).value_or(NAN), expected, 1e-9);
            EXPECT_NEAR(byFormula->Value(x).value_or(NAN), expected, 1e-9);
        }
    }
}

// --- derived graphs ---------------------------------------------------------

struct DerivedCase {
    DerivedType type;
    double param;
    double x;
    double expected;
};

class DerivedValueCase : public testing::TestWithParam<DerivedCase> {};

TEST_P(DerivedValueCase, TransformsItsSource)
{
    const DerivedCase& c = GetParam();
    PlaneScene scene;
    FunctionList list;
    TFunction* source = list.AddFormula(QStringLiteral("[x*x+x]"), scene, kColour);
    TDerivative* derived = list.AddDerivative(*source, c.type, c.param, kColour);
    ASSERT_NE(derived, nullptr);
    EXPECT_NEAR(derived->Value(c.x).value_or(NAN), c.expected, 1e-6) << DerivedTypeCaption(c.type).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Types, DerivedValueCase,
                         testing::Values(DerivedCase{DerivedType::ShiftY, 2, 1, 4},
                                         DerivedCase{DerivedType::ShiftX, 2, 3, 2},
                                         DerivedCase{DerivedType::StretchY, 3, 1, 6},
                                         DerivedCase{DerivedType::StretchX, 2, 1, 6},
                                         DerivedCase{DerivedType::ReflectY, 1, 1, 0},
                                         DerivedCase{DerivedType::ReflectX, 1, 1, -2},
                                         DerivedCase{DerivedType::AbsValue, 1, -0.5, 0.25},
                                         DerivedCase{DerivedType::AbsArgument, 1, -2, 6},
                                         DerivedCase{DerivedType::Derivative, 1, 1, 3}));

struct DomainCase {
    DerivedType type;
    double param;
    double xMin, xMax;  // of the source
    double expectedMin, expectedMax;
};

class DerivedDomainCase : public testing::TestWithParam<DomainCase> {};

TEST_P(DerivedDomainCase, FollowsTheTransformation)
{
    const DomainCase& c = GetParam();
    PlaneScene scene;
    FunctionList list;
    TFunction* source = list.AddFormula(QStringLiteral("[x]"), scene, kColour);
    source->SetDomain(c.xMin, c.xMax);
    TDerivative* derived = list.AddDerivative(*source, c.type, c.param, kColour);
    EXPECT_DOUBLE_EQ(derived->XMin(), c.expectedMin);
    EXPECT_DOUBLE_EQ(derived->XMax(), c.expectedMax);
}

INSTANTIATE_TEST_SUITE_P(
    Types, DerivedDomainCase,
    testing::Values(DomainCase{DerivedType::ShiftX, 2, 0, 1, 2, 3}, DomainCase{DerivedType::ShiftY, 2, 0, 1, 0, 1},
                    DomainCase{DerivedType::StretchX, 2, 0, 1, 0, 0.5},
                    DomainCase{DerivedType::StretchX, -2, 0, 1, -0.5, 0},
                    DomainCase{DerivedType::StretchX, 0, 0, 1, -kUnrestricted, kUnrestricted},
                    DomainCase{DerivedType::ReflectY, 1, 0, 1, -1, 0},
                    DomainCase{DerivedType::AbsArgument, 1, -kUnrestricted, kUnrestricted, -kUnrestricted, kUnrestricted},
                    DomainCase{DerivedType::AbsArgument, 1, 1, 3, -3, 3},
                    // an unrestricted end stays unrestricted when shifted
                    DomainCase{DerivedType::ShiftX, 5, -kUnrestricted, 1, -kUnrestricted, 6}));

TEST(Derivative, FollowsItsSourceAndItsGaps)
{
    PlaneScene scene;
    FunctionList list;
    TFunction* root = list.AddFormula(QStringLiteral("[k*][sqrt[][x]]"), scene, kColour);
    TDerivative* shifted = list.AddDerivative(*root, DerivedType::ShiftY, 1, kColour);
    ASSERT_TRUE(shifted->Value(4).has_value());
    EXPECT_DOUBLE_EQ(shifted->Value(4).value_or(NAN), 3);
    EXPECT_FALSE(shifted->Value(-1).has_value());
    const uint64_t before = shifted->ChainRevision();
    list.SetParameter(scene, QStringLiteral("k"), QStringLiteral("3"));
    EXPECT_DOUBLE_EQ(shifted->Value(4).value_or(NAN), 7);
    EXPECT_GT(shifted->ChainRevision(), before);
    // The derivative needs the source on both sides of x.
    TDerivative* slope = list.AddDerivative(*root, DerivedType::Derivative, 1, kColour);
    EXPECT_FALSE(slope->Value(0).has_value());
    EXPECT_EQ(slope->Formula().Text(), QStringLiteral("[(][k*][sqrt[][x]][)']"));
}

TEST(Derivative, LongChainsEvaluateWithoutRecursion)
{
    PlaneScene scene;
    FunctionList list;
    TFunction* f = list.AddFormula(QStringLiteral("[x]"), scene, kColour);
    constexpr int kChain = 20000;
    for (int i = 0; i < kChain; ++i) f = list.AddDerivative(*f, DerivedType::ShiftY, 1, kColour);
    EXPECT_DOUBLE_EQ(f->Value(0.5).value_or(NAN), kChain + 0.5);
    list.Delete(list.At(0));
    EXPECT_EQ(list.Count(), 0);
}

TEST(Derivative, NestedDerivativesGiveUpInsteadOfExplodingTheWork)
{
    PlaneScene scene;
    FunctionList list;
    TFunction* f = list.AddFormula(QStringLiteral("[x*x*x]"), scene, kColour);
    TFunction* second = list.AddDerivative(*list.AddDerivative(*f, DerivedType::Derivative, 1, kColour),
                                           DerivedType::Derivative, 1, kColour);
    EXPECT_NEAR(second->Value(2).value_or(NAN), 12, 1e-3);
    for (int i = 0; i < 8; ++i) f = list.AddDerivative(*f, DerivedType::Derivative, 1, kColour);
    EXPECT_TRUE(f->Value(0).has_value());
    for (int i = 0; i < 40; ++i) f = list.AddDerivative(*f, DerivedType::Derivative, 1, kColour);
    EXPECT_FALSE(f->Value(0).has_value());
}

// --- sampling ---------------------------------------------------------------

PlaneView View(int width = 400, int height = 300, double scale = 40)
{
    PlaneView view(width, height);
    view.SetScale(scale);
    return view;
}

// The pixel position of a world x, not rounded to a column.
double ExactColumn(const PlaneView& view, double x) { return (x - view.CenterX()) * view.Scale() + view.Width() / 2.0; }

// True when some drawn segment runs from one side of world x to the other.
bool JoinedAcross(const GraphLines& lines, const PlaneView& view, double x)
{
    const double column = ExactColumn(view, x);
    for (const QPolygon& piece : lines.Pieces)
        for (qsizetype i = 1; i < piece.size(); ++i)
            if (piece[i - 1].x() < column && piece[i].x() > column) return true;
    return false;
}

TEST(SampleGraph, LeavesGapsAtPolesAndAsymptotes)
{
    PlaneScene scene;
    TFunctionFormula hyperbola(QStringLiteral("[drob[1][x]]"), scene, kColour);
    PlaneView view = View();
    EXPECT_FALSE(JoinedAcross(SampleGraph(hyperbola, view), view, 0));
    view.SetCenter(0.0123, 0);  // no column hits the pole itself
    EXPECT_FALSE(JoinedAcross(SampleGraph(hyperbola, view), view, 0));

    TFunctionFormula tangent(QStringLiteral("[tg(x)]"), scene, kColour);
    for (double scale : {2.0, 40.0, 400.0, 5000.0}) {
        PlaneView around = View(400, 300, scale);
        around.SetCenter(M_PI / 2 + 0.001, 0);
        const GraphLines lines = SampleGraph(tangent, around);
        EXPECT_FALSE(JoinedAcross(lines, around, M_PI / 2)) << scale;
        EXPECT_GE(lines.Pieces.size(), 2u) << scale;
    }
}

TEST(SampleGraph, JoinsSteepAndStepGraphs)
{
    PlaneScene scene;
    const PlaneView view = View();
    TFunctionFormula steep(QStringLiteral("[1000*x]"), scene, kColour);
    const GraphLines lines = SampleGraph(steep, view);
    ASSERT_EQ(lines.Pieces.size(), 1u);
    EXPECT_EQ(lines.Pieces[0].size(), view.Width() + 1);
    TFunctionFormula parabola(QStringLiteral("[x*x]"), scene, kColour);
    EXPECT_EQ(SampleGraph(parabola, view).Pieces.size(), 1u);
}

TEST(SampleGraph, DrawsOnlyOverTheDomainAndWhereThereAreValues)
{
    PlaneScene scene;
    const PlaneView view = View();
    TFunctionFormula root(QStringLiteral("[sqrt[][x]]"), scene, kColour);
    GraphLines lines = SampleGraph(root, view);
    ASSERT_EQ(lines.Pieces.size(), 1u);
    EXPECT_EQ(lines.Pieces[0].front().x(), view.ToScreenX(0) + 1);  // the root of 0 is outside its domain
    EXPECT_EQ(lines.Pieces[0].back().x(), view.Width());

    TFunctionFormula line(QStringLiteral("[x]"), scene, kColour);
    line.SetDomain(-1, 2);
    lines = SampleGraph(line, view);
    ASSERT_EQ(lines.Pieces.size(), 1u);
    EXPECT_EQ(lines.Pieces[0].front(), QPoint(view.ToScreenX(-1), view.ToScreenY(-1)));
    EXPECT_EQ(lines.Pieces[0].back(), QPoint(view.ToScreenX(2), view.ToScreenY(2)));

    line.SetDomain(3, 2);  // reversed: nothing
    EXPECT_TRUE(SampleGraph(line, view).Pieces.empty());
}

TEST(FunctionGraph, IsSampledAgainOnlyAfterAChange)
{
    PlaneScene scene;
    FunctionList list;
    TFunction* f = list.AddFormula(QStringLiteral("[k*x]"), scene, kColour);
    TFunction* derived = list.AddDerivative(*f, DerivedType::ShiftY, 1, kColour);
    PlaneView view = View();
    const QPoint before = derived->Graph(view).Pieces.at(0).front();
    EXPECT_EQ(derived->Graph(view).Pieces.at(0).front(), before);
    list.SetParameter(scene, QStringLiteral("k"), QStringLiteral("2"));
    EXPECT_NE(derived->Graph(view).Pieces.at(0).front(), before);
    view.SetCenter(0, 1);
    EXPECT_EQ(derived->Graph(view).Pieces.at(0).front().y(), view.ToScreenY(2 * view.ToWorldX(0) + 1));
}

// --- domain editing ---------------------------------------------------------

TEST(NoValueMarker, StandsForNothingOnlyAtTheBoundary)
{
    EXPECT_EQ(ValueOrMarker(std::nullopt), kNoValueMarker);
    EXPECT_EQ(ValueOrMarker(2.5), 2.5);
}

} // namespace
