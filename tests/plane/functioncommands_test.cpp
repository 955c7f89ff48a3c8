// The function graphs lab's commands and the function list's grids without a
// window: graphs through the plane's points, derived graphs with their
// parameter typed by the pupil, polynomials by coefficients, the rows and
// parameter columns of the list, and formulas compiled in one build when a
// scene is read.
#include "plane/functioncommands.h"
#include "plane/functionlistgrids.h"
#include "plane/planerecords.h"
#include "plane/scene.h"
#include "formulas/compiler.h"
#include "formulas/formula.h"
#include <gtest/gtest.h>
#include <cmath>

using namespace plane;

namespace {

constexpr base::Bgr kColour = base::colour::kBlue;

double At(TFunction* f, double x) { return f->Value(x).value_or(NAN); }

TEST(GraphThroughPoints, NeedsTwoVisiblePointsAndTakesThemInTheScenesOrder)
{
    PlaneScene scene;
    FunctionList list;
    scene.AddPoint({2, 4});
    scene.AddPoint({5, 5})->Visible = false; // hidden points do not count
    CommandOutcome outcome = AddGraphThroughPoints(scene, list, AlgebraKind::FunctionArrayLine, kColour);
    EXPECT_EQ(outcome.Created, nullptr);
    EXPECT_EQ(outcome.Note, kNeedTwoPointsNote);
    EXPECT_EQ(list.Count(), 0);

    scene.AddPoint({0, 0});
    outcome = AddGraphThroughPoints(scene, list, AlgebraKind::FunctionArrayLine, kColour);
    ASSERT_NE(outcome.Created, nullptr);
    EXPECT_TRUE(outcome.Note.isEmpty());
    EXPECT_EQ(outcome.Created->Color, kColour);
    auto* line = static_cast<TFunctionArray*>(outcome.Created);
    ASSERT_EQ(line->Samples().size(), 2u);
    EXPECT_EQ(line->XMin(), 0);
    EXPECT_EQ(line->XMax(), 2);
    EXPECT_DOUBLE_EQ(At(line, 1), 2);
    EXPECT_DOUBLE_EQ(At(line, -1), 0);
    EXPECT_DOUBLE_EQ(At(line, 5), 4);
}

TEST(GraphThroughPoints, EveryKindFitsThePoints)
{
    struct Case {
        AlgebraKind kind;
        std::vector<geometry::Vec2> points;
        double x, expected;
    };
    const Case cases[] = {
        {AlgebraKind::FunctionArrayPolynom, {{0, 1}, {1, 3}, {2, 7}}, 3, 13},
        {AlgebraKind::FunctionArrayMNK, {{0, 0}, {1, 1}, {2, 2}}, 5, 5},
        {AlgebraKind::FunctionArrayMNK, {{0, 1}, {2, 1}, {1, 4}}, 7, 2},
        {AlgebraKind::FunctionArrayLine, {{3, 3}, {1, 1}}, 2, 2},
    };
    for (const Case& c : cases) {
        PlaneScene scene;
        FunctionList list;
        for (geometry::Vec2 p : c.points) scene.AddPoint(p);
        TFunction* f = AddGraphThroughPoints(scene, list, c.kind, kColour).Created;
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->Kind(), c.kind);
        EXPECT_NEAR(At(f, c.x), c.expected, 1e-12) << int(c.kind);
    }
    PlaneScene scene;
    FunctionList list;
    scene.AddPoint({1, 0});
    scene.AddPoint({1, 5});
    EXPECT_EQ(AddGraphThroughPoints(scene, list, AlgebraKind::Equation, kColour).Created, nullptr);
}

TEST(DerivedGraph, SourceIsTheSelectedGraphAndNeverAnEquation)
{
    PlaneScene scene;
    FunctionList list;
    EXPECT_EQ(ChooseSource(list, 0).Note, kNeedGraphNote);
    TFunction* parabola = list.AddFormula(QStringLiteral("[powr[x][2]]"), scene, kColour);
    list.AddEquation(QStringLiteral("[x*x+y*y-4]"), scene, kColour);
    EXPECT_EQ(ChooseSource(list, 0).Graph, parabola);
    EXPECT_EQ(ChooseSource(list, 1).Graph, nullptr);
    EXPECT_EQ(ChooseSource(list, 1).Note, kNeedFunctionNote);
    // No row chosen: the last one, as the list selects it after a refresh.
    EXPECT_EQ(ChooseSource(list, -1).Note, kNeedFunctionNote);
    EXPECT_EQ(ChooseSource(list, 7).Note, kNeedFunctionNote);
}

TEST(DerivedGraph, TheTypedParameterIsReadWithTheDecimalComma)
{
    PlaneScene scene;
    FunctionList list;
    TFunction* parabola = list.AddFormula(QStringLiteral("[powr[x][2]]"), scene, kColour);
    CommandOutcome shifted = AddDerivedGraph(list, *parabola, DerivedType::ShiftX, QStringLiteral("1,5"), kColour);
    ASSERT_NE(shifted.Created, nullptr);
    EXPECT_DOUBLE_EQ(At(shifted.Created, 1.5), 0);
    EXPECT_DOUBLE_EQ(At(shifted.Created, 3.5), 4);

    for (const char* text : {"abc", "", "1.5.5", "inf", "1e999"}) {
        const CommandOutcome refused = AddDerivedGraph(list, *parabola, DerivedType::StretchY, QString::fromUtf8(text), kColour);
        EXPECT_EQ(refused.Created, nullptr) << text;
        EXPECT_EQ(refused.Note, kNeedNumberNote) << text;
    }
    EXPECT_EQ(list.Count(), 2);

    // Transformations without a question ignore the text and take 1.
    CommandOutcome slope = AddDerivedGraph(list, *parabola, DerivedType::Derivative, QStringLiteral("abc"), kColour);
    ASSERT_NE(slope.Created, nullptr);
    EXPECT_NEAR(At(slope.Created, 1), 2, 1e-6);
    EXPECT_EQ(static_cast<TDerivative*>(slope.Created)->Param(), 1);
}

TEST(DerivedGraph, OnlyShiftsAndStretchesAskForTheirParameter)
{
    struct Case {
        DerivedType type;
        const char* defaultText; // nullptr: no question
    };
    const Case cases[] = {
        {DerivedType::ShiftY, "1"},     {DerivedType::ShiftX, "1"},      {DerivedType::StretchY, "2"},
        {DerivedType::StretchX, "2"},   {DerivedType::ReflectY, nullptr}, {DerivedType::ReflectX, nullptr},
        {DerivedType::AbsValue, nullptr}, {DerivedType::AbsArgument, nullptr}, {DerivedType::Derivative, nullptr},
    };
    for (const Case& c : cases) {
        const auto question = DerivedParameterQuestion(c.type);
        ASSERT_EQ(question.has_value(), c.defaultText != nullptr) << int(c.type);
        if (question) {
            EXPECT_EQ(question->Default, QString::fromUtf8(c.defaultText));
            EXPECT_TRUE(question->Prompt.endsWith(QStringLiteral(": ")));
        }
    }
    EXPECT_EQ(DerivedParameterQuestion(DerivedType::ShiftX)->Prompt, QStringLiteral("Сдвиг по оси Ox на: "));
}

TEST(PolynomialByCoefficients, ReadsNumbersSeparatedBySemicolons)
{
    struct Case {
        const char* text;
        std::optional<std::vector<double>> expected;
    };
    const Case cases[] = {
        {"1; 0; -1", std::vector<double>{1, 0, -1}},
        {" 1,5 ;2", std::vector<double>{1.5, 2}},
        {"7", std::vector<double>{7}},
        {"", std::nullopt},
        {"1;;2", std::nullopt},
        {"1; a", std::nullopt},
        {"1;1e999", std::nullopt},
        {"1 2", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseCoefficients(QString::fromUtf8(c.text)), c.expected) << c.text;
    EXPECT_EQ(CoefficientsText({1, 0, -1.5}), QStringLiteral("1; 0; -1,5"));
    EXPECT_EQ(ParseCoefficients(CoefficientsText({0.1, -3, 2.25})), (std::vector<double>{0.1, -3, 2.25}));

    FunctionList list;
    TFunction* f = AddPolynomialByCoefficients(list, QStringLiteral("1; 0; -1"), kColour).Created;
    ASSERT_NE(f, nullptr);
    EXPECT_DOUBLE_EQ(At(f, 3), -8);
    EXPECT_EQ(AddPolynomialByCoefficients(list, QStringLiteral("x"), kColour).Note, kNeedCoefficientsNote);
    EXPECT_EQ(list.Count(), 1);
}

TEST(FunctionListGrids, RowsShowEachObjectOrWhyItCannotBeDrawn)
{
    PlaneScene scene;
    FunctionList list;
    list.AddFormula(QStringLiteral("[k*x]"), scene, base::colour::kRed);
    list.AddFormula(QStringLiteral("[ab*x]"), scene, kColour);
    TFunctionArray* twins = list.AddArray(AlgebraKind::FunctionArrayPolynom, kColour);
    twins->AddPoint(1, 0);
    twins->AddPoint(1, 5);
    const std::vector<FunctionRow> rows = FunctionRows(list);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].Object, list.At(0));
    EXPECT_EQ(rows[0].Colour, base::colour::kRed);
    EXPECT_TRUE(rows[0].ProblemText.isEmpty());
    // A multi-letter parameter and points with one x each say why.
    EXPECT_TRUE(rows[1].ProblemText.startsWith(kInvalidFormulaText + u'\n')) << rows[1].ProblemText.toStdString();
    EXPECT_TRUE(rows[1].ProblemText.contains(QStringLiteral("«ab»")));
    EXPECT_TRUE(rows[2].ProblemText.startsWith(kInvalidFormulaText + u'\n'));
    EXPECT_GT(rows[2].ProblemText.size(), kInvalidFormulaText.size() + 1);
}

TEST(FunctionListGrids, ParameterColumnsFollowTheRowsAndTheScene)
{
    PlaneScene scene;
    FunctionList list;
    list.AddFormula(QStringLiteral("[k*x]"), scene, kColour);
    list.AddFormula(QStringLiteral("[k*x+b]"), scene, kColour);
    list.AddFormula(QStringLiteral("[ab*x]"), scene, kColour);
    ASSERT_TRUE(list.SetParameter(scene, QStringLiteral("b"), QStringLiteral("-0,25")).Done);
    const std::vector<ParameterColumn> columns = ParameterColumns(list, scene);
    ASSERT_EQ(columns.size(), 2u); // "ab" is no parameter of the scene
    EXPECT_EQ(columns[0].Name, QStringLiteral("k"));
    EXPECT_EQ(columns[0].Value, QStringLiteral("1"));
    EXPECT_EQ(columns[1].Name, QStringLiteral("b"));
    EXPECT_EQ(columns[1].Value, QStringLiteral("-0,25"));
    EXPECT_TRUE(ParameterColumns(FunctionList(), scene).empty());
}

// Counts builds; every formula it is given builds.
class CountingCompiler : public formulas::TFormulaCompiler {
public:
    int builds = 0;
    QStringList expressions;
    int AddFunction(const QString& expression, const QStringList&) override
    {
        expressions << expression;
        return int(expressions.size()) - 1;
    }
    void SetFunction(const QString& expression, int index, const QStringList&) override { expressions[index] = expression; }
    void RemoveFunction(int) override {}
    void Build() override { ++builds; }
    bool IsBuilt(int) const override { return true; }
    long double CallFunction(int, std::span<const long double>) override { return 0; }
    std::optional<long double> TryCallFunction(int, std::span<const long double>) const noexcept override { return 0; }
    std::optional<double> TryCallFunction(int, std::span<const double>) const noexcept override { return 0; }
};

TEST(SceneReading, CompilesEveryFormulaWithOneBuild)
{
    CountingCompiler compiler;
    formulas::SetCompiler(&compiler);
    const QString domain = QStringLiteral(" -2.14748364700000E+0009  2.14748364700000E+0009 ");
    const PlaneSection section = ReadPlaneSection({
        QStringLiteral("40 0 0"),
        QStringLiteral("TFunctionFormula: =0") + domain + QStringLiteral("[k*x]"),
        QStringLiteral("TFunctionFormula: =0") + domain + QStringLiteral("[sin(x)]"),
        QStringLiteral("TFunctionFormula: =0") + domain + QStringLiteral("[ab*x]"),
        QStringLiteral("TEquation: =0 [x*x+y*y-4]"),
    });
    formulas::SetCompiler(nullptr);
    EXPECT_EQ(compiler.builds, 1);
    EXPECT_EQ(compiler.expressions.size(), 3); // the formula that cannot be evaluated is left out
    ASSERT_EQ(section.Algebra.Count(), 4);
    EXPECT_TRUE(section.Algebra.At(0)->Formula().Compiled());
    EXPECT_TRUE(section.Algebra.At(3)->Formula().Compiled());
    EXPECT_FALSE(section.Algebra.At(2)->Formula().Compiled());
}

TEST(SceneReading, GraphsAddedLaterAreCompiledAtOnce)
{
    CountingCompiler compiler;
    formulas::SetCompiler(&compiler);
    PlaneScene scene;
    FunctionList list;
    TFunction* f = list.AddFormula(QStringLiteral("[2*x]"), scene, kColour);
    formulas::SetCompiler(nullptr);
    EXPECT_EQ(compiler.builds, 1);
    EXPECT_TRUE(f->Formula().Compiled());
}

} // namespace
