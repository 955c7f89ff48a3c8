#include "formulas/compiler.h"
#include "formulas/formula.h"
#include "formulatest.h"
#include <gtest/gtest.h>
#include <cmath>
#include <random>

using namespace formulas;

namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;

long double ValueOf(const QString& text, std::initializer_list<std::pair<const char16_t*, long double>> values = {})
{
    TFormula formula;
    formula.SetText(text);
    for (const auto& [name, value] : values) EXPECT_TRUE(formula.SetValue(name, value)) << text.toStdString();
    return formula.Calculate();
}

QString ErrorOf(const QString& text, std::initializer_list<std::pair<const char16_t*, long double>> values = {})
{
    try {
        ValueOf(text, values);
    } catch (const base::AppError& error) {
        return error.message();
    }
    return QString();
}

// A compiler that "builds" by remembering the expressions, fails on request,
// and computes a value that the parser could not give (to tell the paths apart).
class FakeCompiler : public TFormulaCompiler {
public:
    QStringList expressions;
    int builds = 0;
    int failingBuilds = 0;  // this many next builds fail

    int AddFunction(const QString& expression, const QStringList&) override
    {
        expressions << expression;
        return int(expressions.size()) - 1;
    }
    void SetFunction(const QString& expression, int index, const QStringList&) override
    {
        expressions[index] = expression;
    }
    void Build() override
    {
        ++builds;
        if (failingBuilds > 0) {
            --failingBuilds;
            throw base::AppError("Compilation Error: bad");
        }
    }
    void RemoveFunction(int index) override { removed << index; }
    bool IsBuilt(int index) const override { return !unbuilt.contains(index); }
    long double CallFunction(int index, std::span<const long double> values) override
    {
        return 1000 * (index + 1) + (values.empty() ? 0 : values[0]);
    }
    std::optional<long double> TryCallFunction(int index, std::span<const long double> values) const noexcept override
    {
        return 1000 * (index + 1) + (values.empty() ? 0 : values[0]);
    }
    std::optional<double> TryCallFunction(int index, std::span<const double> values) const noexcept override
    {
        return 1000 * (index + 1) + (values.empty() ? 0 : values[0]);
    }
    QList<int> removed;
    QList<int> unbuilt;  // indexes that build without code
};

class CompiledFormula : public ::testing::Test {
protected:
    void SetUp() override { SetCompiler(&compiler); }
    void TearDown() override { SetCompiler(nullptr); }
    FakeCompiler compiler;
};

} // namespace

TEST(Calculate, ValuesOfEveryTermKind)
{
    const long double x = 0.7L;
    EXPECT_NEAR(double(ValueOf("[drob[sin(x)][cos(x)]]", {{u"x", x}})), std::tan(0.7), 1e-15);
    EXPECT_EQ(ValueOf("[powr[x][3]]", {{u"x", -2}}), -8);
    EXPECT_EQ(ValueOf("[sqrt[3][x]]", {{u"x", 27}}), 3);
    EXPECT_NEAR(double(ValueOf("[sqrt[][x]]", {{u"x", 2}})), std::sqrt(2.0), 1e-15);
    EXPECT_EQ(ValueOf("[loga[2][x]]", {{u"x", 1024}}), 10);
    EXPECT_EQ(ValueOf("[modl[x-1]]", {{u"x", -2}}), 3);
    EXPECT_NEAR(double(ValueOf(QStringLiteral("[и*r]"))), double(kPi), 1e-14);
    EXPECT_NEAR(double(ValueOf("[2,5*ln(x)]", {{u"x", 2}})), 2.5 * std::log(2.0), 1e-15);
    EXPECT_EQ(ValueOf("[(1;5}]"), 10);
    EXPECT_EQ(ValueOf("[{1;5)]"), 4);
    EXPECT_EQ(ValueOf("[x][vect[AB]]", {{u"x", 3}}), 3);
    EXPECT_NEAR(double(ValueOf("[drob[1][x]][+][powr[drob[x][2]][2]]", {{u"x", 4}})), 4.25, 1e-18);
    EXPECT_NEAR(double(ValueOf("[arcsin(x)+arccos(x)]", {{u"x", 0.3L}})), double(kPi / 2), 1e-18);
}

TEST(Calculate, ErrorsReachTheCaller)
{
    EXPECT_EQ(ErrorOf("[intg[0][1][x]]"), QStringLiteral("Интегралы мы считать пока не умеем :("));
    EXPECT_EQ(ErrorOf("[syst[[x]][[y]]]"), QStringLiteral("Системы мы считать пока не умеем :("));
    EXPECT_EQ(ErrorOf("[drob[1][x]]", {{u"x", 0}}), QStringLiteral("NotInODZ"));
    EXPECT_EQ(ErrorOf("[sqrt[][x]]", {{u"x", -1}}), QStringLiteral("NotInODZ"));
    EXPECT_EQ(ErrorOf("[my_var]"), QStringLiteral("Параметр my_var в списке не найден"));
    EXPECT_EQ(ErrorOf("[2x]"), QStringLiteral("Пропущен знак действия в выражении"));
    EXPECT_EQ(ErrorOf("[lg(x)]"), QStringLiteral("Пропущен знак действия в выражении"));
    EXPECT_EQ(ErrorOf(QStringLiteral("[x к 2]")), QStringLiteral("Недопустимый символ «к» в выражении"));
    EXPECT_EQ(ErrorOf(""), QStringLiteral("Пустое выражение"));
    TFormula formula;
    formula.SetText("[drob[1][x]]");
    formula.SetValue(u"x", 0);
    EXPECT_FALSE(formula.TryCalculate());
    formula.SetValue(u"x", 4);
    EXPECT_EQ(formula.TryCalculate(), 0.25L);
    formula.SetText("[intg[0][1][x]]");
    EXPECT_FALSE(formula.TryCalculate());
}

// A pupil's ",5" is 0,5; a comma generated after ")" still separates arguments.
TEST(Calculate, LeadingDecimalComma)
{
    EXPECT_EQ(ValueOf("[,5]"), 0.5L);
    EXPECT_EQ(ValueOf("[2*,5]"), 1);
    EXPECT_EQ(ValueOf("[powr[4][,5]]"), 2);
    EXPECT_EQ(ValueOf("[loga[,5][x]]", {{u"x", 4}}), -2);
}

// The reader keeps structures nested deeper than it goes as raw text; their
// formula says so instead of naming a stray "[".
TEST(Calculate, NestingDeeperThanTheReaderGoesIsNamed)
{
    auto nested = [](const char* pattern, int depth) {
        QString text = QStringLiteral("x");
        for (int i = 0; i < depth; ++i) text = QString::fromLatin1(pattern).arg(text);
        return text;
    };
    const QString tooDeep = QStringLiteral("Слишком глубокая вложенность в формуле (больше %1 уровней)")
                                .arg(kMaxNestedStructures);
    for (const char* pattern : {"[skob[%1]]", "[drob[1][%1]]", "[powr[%1][1]]", "[modl[%1]]"}) {
        EXPECT_EQ(ValueOf(nested(pattern, kMaxNestedStructures), {{u"x", 1}}), 1) << pattern;
        EXPECT_EQ(ErrorOf(nested(pattern, kMaxNestedStructures + 1), {{u"x", 1}}), tooDeep) << pattern;
    }
    // A text run holding brackets at a shallow depth is another matter.
    EXPECT_EQ(ErrorOf("[a[b]c]"), QStringLiteral("Недопустимый символ «[» в выражении"));
}

// A formula without a value keeps its error until its text changes.
TEST(Calculate, AnExpressionThatDoesNotParseKeepsItsError)
{
    TFormula formula;
    formula.SetText(QStringLiteral("[x^2]"));
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(formula.TryCalculate());
        try {
            formula.Calculate();
            ADD_FAILURE() << "no error";
        } catch (const base::AppError& error) {
            EXPECT_EQ(error.message(), QStringLiteral("Недопустимый символ «^» в выражении"));
        }
    }
    formula.SetText(QStringLiteral("[x*2]"));
    formula.SetValue(u"x", 3);
    EXPECT_EQ(formula.TryCalculate(), 6);
}

TEST(Calculate, KeptExpressionGivesWhatAFreshParseGives)
{
    const char* texts[] = {
        "[drob[sin(x)][cos(x)]]", "[powr[x][a]-b]", "[loga[a][x]+sqrt(b)]", "[sqrt[][x-a]]",
        "[drob[1][x-b]]", "[a*x*x+b*x]", "[arcsin(x/4)]", "[modl[x]-a]",
    };
    std::mt19937 rng(3);
    TFormula kept;
    for (int round = 0; round < 400; ++round) {
        if (round % 20 == 0) {
            kept.SetText(texts[rng() % std::size(texts)]);
            // Prefix and suffix change the order of the variables, not the expression.
            kept.SetPrefix(rng() % 2 ? QStringLiteral("y = ") : QString());
            kept.SetSuffix(rng() % 2 ? QStringLiteral("=0") : QString());
            kept.RebuildVariables();
        }
        for (long double& value : kept.Values()) value = (long double)(int(rng() % 17) - 8) / 2;

        expr::TshParser fresh(&kept);
        std::optional<long double> expected;
        try {
            fresh.Parse(kept.ExpressionText());
            expected = fresh.Evaluate();
        } catch (const base::AppError&) {
        }
        const std::optional<long double> got = kept.TryCalculate();
        ASSERT_EQ(got.has_value(), expected.has_value()) << kept.Text().toStdString();
        if (got) {
            ASSERT_EQ(*got, *expected) << kept.Text().toStdString();
            ASSERT_EQ(kept.Calculate(), *expected);
        }
    }
}

TEST(Calculate, ATreeChangedInPlaceIsEvaluatedAnew)
{
    TFormula formula;
    formula.SetText("[x+1]");
    formula.SetValue(u"x", 2);
    EXPECT_EQ(formula.Calculate(), 3);
    formula.Root()->Child(1)->Data = "x+10";
    formula.TreeChanged();
    EXPECT_EQ(formula.Calculate(), 12);
    // Accepting the tree makes it the formula's text; values start again at 1.
    formula.Root()->Child(1)->Data = "x*y";
    formula.AcceptTree();
    EXPECT_EQ(formula.Text(), "[x*y]");
    EXPECT_EQ(formula.Variables().join(u','), "x,y");
    formula.SetValue(u"y", 5);
    EXPECT_EQ(formula.Calculate(), 5);
}

TEST(Compile, WithoutACompilerTheParserServes)
{
    TFormula formula;
    formula.SetText("[x*2]");
    formula.Compile();
    EXPECT_FALSE(formula.Compiled());
    formula.SetValue(u"x", 4);
    EXPECT_EQ(formula.Calculate(), 8);
    formula.SetText("[intg[0][1][x]]");
    try {
        formula.Compile();
        FAIL();
    } catch (const base::AppError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Интегралы мы считать пока не умеем :("));
    }
}

// Without a compiler a row is its points through the parser: gaps where a
// point has no value or is beyond double, the formula's values kept.
TEST(Calculate, RowsAreThePointsOfTheFormula)
{
    TFormula formula;
    formula.SetPrefix("y = ");
    formula.SetText("[drob[a][x]]");
    ASSERT_EQ(formula.Variables().join(u','), "x,a");
    formula.SetValue(u"a", 3);
    formula.SetValue(u"x", 7);
    const struct {
        int column;
        std::vector<double> columnValues;
        std::vector<double> expected;  // NaN: no value
    } rows[] = {
        {0, {1, 0, -2, 1e-320}, {3, NAN, -1.5, NAN}},
        {1, {14, 0}, {2, 0}},
        {2, {1}, {NAN}},
        {-1, {1}, {NAN}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.column);
        std::vector<double> results(row.columnValues.size());
        formula.TryCalculateRow(row.column, row.columnValues, results);
        for (size_t i = 0; i < results.size(); ++i) {
            if (std::isnan(row.expected[i])) EXPECT_TRUE(std::isnan(results[i])) << i;
            else EXPECT_DOUBLE_EQ(results[i], row.expected[i]) << i;
        }
    }
    EXPECT_EQ(formula.Values()[0], 7);
    EXPECT_EQ(formula.Values()[1], 3);
}

TEST_F(CompiledFormula, ABuiltFormulaIsCalledThroughTheCompiler)
{
    TFormula first, second;
    first.SetText("[x*2]");
    second.SetText("[x*3]");
    first.Compile();
    second.Compile();
    EXPECT_TRUE(first.Compiled());
    EXPECT_EQ(first.FunctionIndex(), 0);
    EXPECT_EQ(second.FunctionIndex(), 1);
    EXPECT_EQ(compiler.expressions, (QStringList{"x*2", "x*3"}));
    second.SetValue(u"x", 7);
    EXPECT_EQ(second.Calculate(), 2007);
    EXPECT_EQ(second.TryCalculate(), 2007);
}

// Rows of a compiled formula go to the compiler (here its point-by-point
// default, which the fake's values tell apart from the parser's), with
// the other variables' values; the formula's own values stay.
TEST_F(CompiledFormula, RowsOfACompiledFormulaGoToTheCompiler)
{
    TFormula formula;
    formula.SetPrefix("y = ");
    formula.SetText("[x*a]");
    formula.Compile();
    formula.SetValue(u"x", 7);
    const double xs[] = {1, -2};
    double results[2];
    formula.TryCalculateRow(0, xs, results);
    EXPECT_EQ(results[0], 1001);
    EXPECT_EQ(results[1], 998);
    formula.TryCalculateRow(1, xs, results);
    EXPECT_EQ(results[0], 1007);
    EXPECT_EQ(formula.Values()[0], 7);
}

TEST_F(CompiledFormula, AFailedBuildLeavesZeroInTheSlotAndTheParserServes)
{
    TFormula formula;
    formula.SetText("[x*2]");
    compiler.failingBuilds = 1;
    formula.Compile();
    EXPECT_FALSE(formula.Compiled());
    EXPECT_EQ(compiler.builds, 2);
    EXPECT_EQ(compiler.expressions, QStringList{"0"});
    formula.SetValue(u"x", 4);
    EXPECT_EQ(formula.Calculate(), 8);
    // Even a second failure is not shown; the formula stays with the parser.
    TFormula other;
    other.SetText("[x]");
    compiler.failingBuilds = 2;
    EXPECT_NO_THROW(other.Compile());
    EXPECT_FALSE(other.Compiled());
}

TEST_F(CompiledFormula, AnEditRecompilesInPlace)
{
    TFormula formula;
    formula.SetText("[x*2]");
    formula.Compile();
    formula.Root()->Child(1)->Data = "x*5";
    formula.AcceptTree();
    EXPECT_TRUE(formula.Compiled());
    EXPECT_EQ(compiler.expressions, QStringList{"x*5"});
    EXPECT_EQ(compiler.builds, 2);

    // An edit whose text reads back as an integral cannot be compiled: its
    // slot becomes "0" and the parser reports the integral.
    formula.SetText("[intg[0][1][x]]");
    formula.RecompileAfterEdit();
    EXPECT_FALSE(formula.Compiled());
    EXPECT_EQ(compiler.expressions, QStringList{"0"});
    EXPECT_THROW(formula.Calculate(), base::AppError);

    // An uncompiled formula is not recompiled.
    const int builds = compiler.builds;
    formula.SetText("[x]");
    formula.AcceptTree();
    EXPECT_EQ(compiler.builds, builds);
}

TEST_F(CompiledFormula, AFormulaKeepsOneIndexAndReleasesItWhenDestroyed)
{
    {
        TFormula formula;
        formula.SetText("[x*2]");
        formula.Compile();
        formula.Compile();
        EXPECT_EQ(compiler.expressions.size(), 1);
        EXPECT_EQ(formula.FunctionIndex(), 0);
        EXPECT_TRUE(compiler.removed.isEmpty());
    }
    EXPECT_EQ(compiler.removed, QList<int>{0});
    // A formula compiled with a compiler that was replaced leaves the old one alone.
    FakeCompiler next;
    {
        TFormula other;
        other.SetText("[x]");
        other.Compile();
        SetCompiler(&next);
        EXPECT_FALSE(other.UsesCompiledCode());
    }
    SetCompiler(&compiler);
    EXPECT_EQ(compiler.removed, QList<int>{0});
    EXPECT_TRUE(next.removed.isEmpty());
}

// New text or new variables make the compiled code stale: the parser answers
// until the formula is compiled again.
TEST_F(CompiledFormula, ChangedTextIsEvaluatedByTheParserUntilCompiledAgain)
{
    TFormula formula;
    formula.SetText("[x*2]");
    formula.Compile();
    formula.SetValue(u"x", 3);
    EXPECT_EQ(formula.Calculate(), 1003);
    formula.SetText("[x*5]");
    formula.SetValue(u"x", 3);
    EXPECT_TRUE(formula.Compiled());
    EXPECT_FALSE(formula.UsesCompiledCode());
    EXPECT_EQ(formula.Calculate(), 15);
    EXPECT_EQ(formula.TryCalculate(), 15);
    formula.Compile();
    EXPECT_EQ(formula.Calculate(), 1003);
    formula.RebuildVariables();
    EXPECT_FALSE(formula.UsesCompiledCode());
}

TEST_F(CompiledFormula, ManyFormulasAreCompiledWithOneBuild)
{
    TFormula a, b, integral, unbuilt;
    a.SetText("[x*2]");
    b.SetText("[x*3]");
    integral.SetText("[intg[0][1][x]]");
    unbuilt.SetText("[x*4]");
    compiler.unbuilt << 2;
    TFormula* all[] = {&a, &integral, &b, &unbuilt};
    CompileFormulas(all);
    EXPECT_EQ(compiler.builds, 1);
    EXPECT_EQ(compiler.expressions, (QStringList{"x*2", "x*3", "x*4"}));
    EXPECT_TRUE(a.Compiled());
    EXPECT_TRUE(b.Compiled());
    EXPECT_FALSE(integral.Compiled());
    EXPECT_EQ(integral.FunctionIndex(), -1);
    EXPECT_FALSE(unbuilt.Compiled());
    unbuilt.SetValue(u"x", 2);
    EXPECT_EQ(unbuilt.Calculate(), 8);

    // A build that fails leaves every formula with the parser.
    compiler.failingBuilds = 1;
    CompileFormulas(all);
    EXPECT_EQ(compiler.builds, 2);
    EXPECT_FALSE(a.Compiled());
    EXPECT_FALSE(b.Compiled());
    a.SetValue(u"x", 2);
    EXPECT_EQ(a.Calculate(), 4);
}
