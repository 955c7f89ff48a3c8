#include "formulacompiler/compiler.h"
#include "formulacompiler/hostmath.h"
#include "formulas/formula.h"
#include "base/apperror.h"
#include <gtest/gtest.h>
#include <QRegularExpression>
#include <QSet>

using namespace formulacompiler;

namespace {

// Builds with the real builder and counts; fails on request; can hide
// functions from the code it returns.
class WatchedBuilder : public TCodeBuilder {
public:
    std::unique_ptr<TMachineCode> Build(const std::string& source, std::span<const HostFunction> host,
                                        QString& error) override
    {
        ++builds;
        if (fail) {
            error = QStringLiteral("Error: refused");
            return nullptr;
        }
        std::unique_ptr<TMachineCode> code = m_real.Build(source, host, error);
        if (!code) return nullptr;
        return std::make_unique<Hiding>(std::move(code), hidden);
    }

    int builds = 0;
    bool fail = false;
    QSet<QString> hidden;  // function names the code pretends not to have

private:
    class Hiding : public TMachineCode {
    public:
        Hiding(std::unique_ptr<TMachineCode> code, QSet<QString> hidden) : m_code(std::move(code)), m_hidden(hidden) {}
        void* Function(const std::string& name) const override
        {
            return m_hidden.contains(QString::fromStdString(name)) ? nullptr : m_code->Function(name);
        }

    private:
        std::unique_ptr<TMachineCode> m_code;
        QSet<QString> m_hidden;
    };
    TTccCodeBuilder m_real;
};

struct Watched {
    WatchedBuilder* builder;
    TCompiler compiler;
    Watched() : Watched(std::make_unique<WatchedBuilder>()) {}

private:
    explicit Watched(std::unique_ptr<WatchedBuilder> made) : builder(made.get()), compiler(std::move(made)) {}
};

std::optional<double> ValueAt(const TCompiler& compiler, int index, std::initializer_list<double> values)
{
    return compiler.TryCallFunction(index, std::span<const double>(values.begin(), values.size()));
}

} // namespace

TEST(TCompiler, IndexesAreReleasedAndHandedOutAgainWithoutALimit)
{
    TCompiler compiler;
    constexpr int kMany = 600;
    for (int i = 0; i < kMany; ++i) EXPECT_EQ(compiler.AddFunction(QStringLiteral("x+%1").arg(i), {"x"}), i);
    compiler.Build();
    EXPECT_EQ(compiler.Count(), kMany);
    for (int i : {0, 255, 256, kMany - 1}) {
        EXPECT_TRUE(compiler.IsBuilt(i));
        EXPECT_EQ(ValueAt(compiler, i, {0.5}), i + 0.5);
    }
    compiler.RemoveFunction(256);
    compiler.RemoveFunction(7);
    EXPECT_EQ(compiler.Count(), kMany - 2);
    EXPECT_FALSE(compiler.IsBuilt(256));
    EXPECT_FALSE(ValueAt(compiler, 256, {1}));
    EXPECT_THROW(compiler.CallFunction(256, std::vector<long double>{1}), base::AppError);
    compiler.Build();
    EXPECT_EQ(compiler.Source().find("int f256("), std::string::npos);
    EXPECT_NE(compiler.Source().find("int f255("), std::string::npos);
    // The last released index comes back first, with its new expression.
    EXPECT_EQ(compiler.AddFunction("x*10", {"x"}), 7);
    EXPECT_EQ(compiler.AddFunction("x*20", {"x"}), 256);
    EXPECT_EQ(compiler.AddFunction("x*30", {"x"}), kMany);
    EXPECT_EQ(ValueAt(compiler, 7, {2}), 20);  // before the build: the parser answers
    compiler.Build();
    EXPECT_TRUE(compiler.IsBuilt(256));
    EXPECT_EQ(ValueAt(compiler, 256, {2}), 40);
    // Releasing everything leaves nothing to compile.
    for (int i = 0; i <= kMany; ++i) compiler.RemoveFunction(i);
    compiler.Build();
    EXPECT_EQ(compiler.Count(), 0);
    EXPECT_TRUE(compiler.Source().empty());
}

TEST(TCompiler, ANewExpressionNeverRunsTheOldCode)
{
    TCompiler compiler;
    const int index = compiler.AddFunction("x*2", {"x"});
    compiler.Build();
    compiler.SetFunction("x*3", index, {"x"});
    EXPECT_FALSE(compiler.IsBuilt(index));
    EXPECT_EQ(ValueAt(compiler, index, {2}), 6);
    // The variables' order is the new one too.
    compiler.SetFunction("x-y", index, {"y", "x"});
    compiler.Build();
    EXPECT_EQ(ValueAt(compiler, index, {1, 5}), 4);
    EXPECT_THROW(compiler.SetFunction("x", 99, {"x"}), base::AppError);
}

// Expressions without a compiled form are answered by the parser, with its errors.
TEST(TCompiler, ExpressionsWithoutCodeAreAnsweredByTheParser)
{
    TCompiler compiler;
    const int unknown = compiler.AddFunction("k*x", {"x"});
    const int malformed = compiler.AddFunction("x+", {"x"});
    const int badNumber = compiler.AddFunction("1,2,3+x", {"x"});
    const int good = compiler.AddFunction("x*x", {"x"});
    compiler.Build();
    EXPECT_FALSE(compiler.IsBuilt(unknown));
    EXPECT_FALSE(compiler.IsBuilt(malformed));
    EXPECT_FALSE(compiler.IsBuilt(badNumber));
    EXPECT_TRUE(compiler.IsBuilt(good));
    const std::vector<long double> values{3};
    try {
        compiler.CallFunction(unknown, values);
        FAIL();
    } catch (const expr::EvalError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Параметр k в списке не найден"));
    }
    EXPECT_THROW(compiler.CallFunction(malformed, values), expr::EvalError);
    EXPECT_THROW(compiler.CallFunction(badNumber, values), expr::EvalError);
    EXPECT_EQ(compiler.CallFunction(good, values), 9);
    // Fewer values than variables: the code is not run; the parser reports the gap.
    const int two = compiler.AddFunction("x+y", {"x", "y"});
    compiler.Build();
    EXPECT_FALSE(compiler.TryCallFunction(two, std::vector<long double>{1}));
    EXPECT_EQ(compiler.CallFunction(two, std::vector<long double>{1, 2}), 3);
}

TEST(TCompiler, AFailedBuildOrAMissingFunctionFallsBackToTheParser)
{
    Watched watched;
    TCompiler& compiler = watched.compiler;
    const int first = compiler.AddFunction("x+1", {"x"});
    const int second = compiler.AddFunction("DIVISION_((1),x)", {"x"});
    watched.builder->fail = true;
    try {
        compiler.Build();
        FAIL();
    } catch (const base::AppError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Compilation Error: refused"));
    }
    EXPECT_FALSE(compiler.IsBuilt(first));
    EXPECT_EQ(ValueAt(compiler, first, {1}), 2);
    EXPECT_FALSE(ValueAt(compiler, second, {0}));

    watched.builder->fail = false;
    watched.builder->hidden = {"f1"};
    compiler.Build();
    EXPECT_TRUE(compiler.IsBuilt(first));
    EXPECT_FALSE(compiler.IsBuilt(second));
    EXPECT_EQ(ValueAt(compiler, second, {4}), 0.25);
    EXPECT_EQ(watched.builder->builds, 2);

    // A build that finds nothing to compile does not ask the builder.
    compiler.RemoveFunction(first);
    compiler.RemoveFunction(second);
    compiler.Build();
    EXPECT_EQ(watched.builder->builds, 2);
}

// The code needs nothing from the compiler's run-time archive: a machine
// without it still compiles.
TEST(TCompiler, BuildsWithoutTheRunTimeArchive)
{
    TCompiler compiler(std::make_unique<TTccCodeBuilder>(QStringLiteral("/nonexistent/tcc")));
    const int index = compiler.AddFunction("power_((x),0,5)+abs(x)*tg(x)-logn_((2),x)", {"x"});
    compiler.Build();
    EXPECT_TRUE(compiler.IsBuilt(index));
    EXPECT_NEAR(*ValueAt(compiler, index, {4}), 2 + 4 * std::tan(4.0) - 2, 1e-12);
}

namespace {

// Every word of a written program must be one the writer makes itself.
bool OnlyGeneratedWords(const std::string& source)
{
    static const QRegularExpression generated(QStringLiteral("^(int|double|void|const|static|long|return|if|for|continue|v|k|r|c|n|i|m|s|p\\d+|t\\d+|f\\d+|g\\d+|q\\d+|e\\d+|K)$"));
    QSet<QString> host;
    for (const HostFunction& function : HostFunctions()) host << QString::fromLatin1(function.name);
    static const QRegularExpression word(QStringLiteral("[A-Za-z_][A-Za-z_0-9]*"));
    const QString text = QString::fromStdString(source);
    for (const QRegularExpressionMatch& match : word.globalMatch(text)) {
        const QString w = match.captured();
        if (!generated.match(w).hasMatch() && !host.contains(w)) return false;
    }
    return !text.contains(u'#') && !text.contains(u'"') && !text.contains(QLatin1String("/*")) &&
           !text.contains(QLatin1String("//")) && !text.contains(u'\\');
}

} // namespace

TEST(TCompiler, FormulaTextNeverReachesTheCompiler)
{
    const QString longName = QString(5000, u'q');
    const struct {
        QString expression;
        QStringList variables;
        bool compiles;
    } cases[] = {
        {"x/*comment*/+1", {"x"}, false},
        {"x;system(1)", {"x"}, false},
        {"x}{int main(){return 0;}", {"x"}, false},
        {"#include <stdio.h>\nx", {"x"}, false},
        {"x\"+\"1", {"x"}, false},
        {"x\\\n+1", {"x"}, false},
        {"main+system*exit", {"main", "system", "exit"}, true},
        {"printf(x)", {"x"}, false},
        {"f0+t0+k+v+r", {"f0", "t0", "k", "v", "r"}, true},
        {longName + "*2", {longName}, true},
        {"return+int+double", {"return", "int", "double"}, true},
        // The words of the row form, as names of a formula.
        {"g0*i+c-n/s+continue", {"g0", "i", "c", "n", "s", "continue"}, true},
        {"q0*m+static-long*sin(a)/e0+K", {"q0", "m", "static", "long", "a", "e0", "K"}, true},
    };
    TCompiler compiler;
    std::vector<int> indexes;
    for (const auto& c : cases) indexes.push_back(compiler.AddFunction(c.expression, c.variables));
    compiler.Build();
    EXPECT_TRUE(OnlyGeneratedWords(compiler.Source()));
    EXPECT_EQ(compiler.Source().find("main"), std::string::npos);
    EXPECT_EQ(compiler.Source().find("qqq"), std::string::npos);
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].expression.left(40).toStdString());
        EXPECT_EQ(compiler.IsBuilt(indexes[i]), cases[i].compiles);
    }
    EXPECT_EQ(ValueAt(compiler, indexes[6], {1, 2, 3}), 7);
    EXPECT_EQ(ValueAt(compiler, indexes[8], {1, 2, 3, 4, 5}), 15);
    EXPECT_EQ(ValueAt(compiler, indexes[9], {21}), 42);
    EXPECT_EQ(ValueAt(compiler, indexes[11], {2, 3, 4, 10, 5, 1}), 2 * 3 + 4 - 10.0 / 5 + 1);
}

namespace {

std::vector<double> Row(const TCompiler& compiler, int index, std::vector<double> values, int column,
                        const std::vector<double>& columnValues)
{
    std::vector<double> results(columnValues.size(), -1);
    compiler.TryCallRow(index, values, column, columnValues, results);
    return results;
}

void ExpectSameValues(const std::vector<double>& actual, const std::vector<double>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i) {
        SCOPED_TRACE("point " + std::to_string(i));
        EXPECT_EQ(std::isnan(actual[i]), std::isnan(expected[i])) << actual[i];
        if (!std::isnan(expected[i])) EXPECT_NEAR(actual[i], expected[i], 1e-12 * std::max(1.0, std::fabs(expected[i])));
    }
}

constexpr double kGap = formulas::TFormulaCompiler::kNoValue;

} // namespace

// Rows along x over formulas whose other variables' part fails, holds
// values beyond double, or is shared by the whole row; the same rows along
// another variable; the row form missing from the code.
TEST(TCompiler, RowsHaveTheValuesAndGapsOfTheirPoints)
{
    const struct {
        const char* expression;
        std::vector<double> values;  // x, a
        int column;
        std::vector<double> columnValues;
        std::vector<double> expected;
    } cases[] = {
        {"sqrt_(a)+x", {0, -1}, 0, {1, 2}, {kGap, kGap}},                    // the shared part has no value
        {"sqrt_(a)+x", {0, 4}, 0, {1, -7}, {3, -5}},
        {"DIVISION_((x),a-1)", {0, 1}, 0, {1, 0}, {kGap, kGap}},
        {"DIVISION_((1),x)*sin(a)", {0, 0.5}, 0, {2, 0, -4}, {0.5 * std::sin(0.5), kGap, -0.25 * std::sin(0.5)}},
        {"power_((10),400)/power_((10),390)+x", {0, 0}, 0, {1}, {1e10 + 1}},  // decided by the parser
        {"a*2", {0, 3}, 0, {1, 2, 3}, {6, 6, 6}},                            // nothing depends on x
        {"ln_(x)*a", {0, 2}, 1, {1, 0.5}, {kGap, kGap}},                      // x = 0 along a
        {"ln_(x)*a", {std::exp(1.0), 2}, 1, {1, 0.5}, {1, 0.5}},
        {"x+a", {1, 2}, 2, {1}, {kGap}},                                     // no such variable
        {"x+a", {1, 2}, -1, {1}, {kGap}},
    };
    Watched watched;
    TCompiler& compiler = watched.compiler;
    std::vector<int> indexes;
    for (const auto& c : cases) indexes.push_back(compiler.AddFunction(c.expression, {"x", "a"}));
    compiler.Build();
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(std::string(cases[i].expression) + " column " + std::to_string(cases[i].column));
        ExpectSameValues(Row(compiler, indexes[i], cases[i].values, cases[i].column, cases[i].columnValues),
                         cases[i].expected);
    }
    // Code without its row form answers rows point by point.
    watched.builder->hidden = {"g1", "g3"};
    compiler.Build();
    for (size_t i : {1, 3}) {
        ASSERT_TRUE(compiler.IsBuilt(indexes[i]));
        ExpectSameValues(Row(compiler, indexes[i], cases[i].values, 0, cases[i].columnValues), cases[i].expected);
    }
}

// The program's formulas through the installed compiler.
class InstalledCompiler : public ::testing::Test {
protected:
    void SetUp() override { formulas::SetCompiler(&watched.compiler); }
    void TearDown() override { formulas::SetCompiler(nullptr); }
    Watched watched;
};

TEST_F(InstalledCompiler, FormulasAreCompiledTogetherAndReleaseTheirIndexes)
{
    {
        formulas::TFormula graph, equation, integral;
        graph.SetText("[3*][powr[x][2]][-][drob[a][2]]");
        graph.SetPrefix("y = ");
        graph.RebuildVariables();
        equation.SetText("[powr[x][2]][+][powr[y][2]][-][1]");
        equation.SetSuffix("=0");
        equation.RebuildVariables();
        integral.SetText("[intg[0][1][x]]");
        formulas::TFormula* all[] = {&graph, &equation, &integral};
        formulas::CompileFormulas(all);
        EXPECT_EQ(watched.builder->builds, 1);
        EXPECT_TRUE(graph.UsesCompiledCode());
        EXPECT_TRUE(equation.UsesCompiledCode());
        EXPECT_FALSE(integral.Compiled());
        EXPECT_EQ(watched.compiler.Count(), 2);

        graph.SetValue(u"x", 3);
        graph.SetValue(u"a", 4);
        EXPECT_EQ(graph.Calculate(), 3 * 9 - 2);
        // A row of the graph runs its compiled row form.
        const double xs[] = {0, 1, 3};
        double ys[3];
        graph.TryCalculateRow(0, xs, ys);
        EXPECT_EQ(std::vector<double>(ys, ys + 3), (std::vector<double>{-2, 1, 25}));
        EXPECT_EQ(graph.Values()[0], 3);
        equation.SetValue(u"x", 0.6L);
        equation.SetValue(u"y", 0.8L);
        EXPECT_NEAR(double(*equation.TryCalculate()), 0, 1e-15);
        try {
            integral.Calculate();
            FAIL();
        } catch (const base::AppError& error) {
            EXPECT_EQ(error.message(), QStringLiteral("Интегралы мы считать пока не умеем :("));
        }

        // No value through compiled code is the parser's error, raised.
        formulas::TFormula reciprocal;
        reciprocal.SetText("[drob[1][x]]");
        reciprocal.Compile();
        EXPECT_TRUE(reciprocal.UsesCompiledCode());
        reciprocal.SetValue(u"x", 0);
        try {
            reciprocal.Calculate();
            FAIL();
        } catch (const expr::EvalError& error) {
            EXPECT_EQ(error.message(), QStringLiteral("NotInODZ"));
        }
        EXPECT_FALSE(reciprocal.TryCalculate());
    }
    EXPECT_EQ(watched.compiler.Count(), 0);
}

// A machine where the compiler cannot build anything (its library unable to
// make code): formulas are evaluated by the parser, singly and in rows, and
// nothing is raised.
TEST_F(InstalledCompiler, WhenNothingBuildsTheParserServesEveryFormula)
{
    watched.builder->fail = true;
    formulas::TFormula graph, equation;
    graph.SetPrefix("y = ");
    graph.SetText("[drob[1][x]][+][a]");
    equation.SetSuffix("=0");
    equation.SetText("[powr[x][2]][+][powr[y][2]][-][1]");
    formulas::TFormula* all[] = {&graph, &equation};
    formulas::CompileFormulas(all);
    EXPECT_NO_THROW(graph.Compile());
    EXPECT_EQ(watched.builder->builds, 3);  // both at once, then the graph and its fallback "0"
    EXPECT_FALSE(graph.Compiled());
    EXPECT_FALSE(equation.Compiled());
    graph.SetValue(u"a", 2);
    graph.SetValue(u"x", 4);
    EXPECT_EQ(graph.Calculate(), 2.25);
    const double xs[] = {0.5, 0, -1};
    double ys[3];
    graph.TryCalculateRow(0, xs, ys);
    EXPECT_EQ(ys[0], 4);
    EXPECT_TRUE(std::isnan(ys[1]));
    EXPECT_EQ(ys[2], 1);
    equation.SetValue(u"x", 0.6L);
    equation.SetValue(u"y", 0.8L);
    EXPECT_NEAR(double(*equation.TryCalculate()), 0, 1e-15);
}

// Deep trees: what the writer takes compiles; deeper ones are left to the
// parser, which answers without running out of stack.
TEST(TCompiler, DeepExpressionsCompileOrFallBackWithoutHarm)
{
    const auto chain = [](int terms) {
        QStringList parts;
        for (int i = 0; i < terms; ++i) parts << "x";
        return parts.join(u'+');
    };
    const auto nested = [](int levels) { return QString("sin(").repeated(levels) + "x" + QString(")").repeated(levels); };
    TCompiler compiler;
    const int shortChain = compiler.AddFunction(chain(150), {"x"});
    const int longChain = compiler.AddFunction(chain(20000), {"x"});
    // 120 functions with their parentheses fill most of the parser's operator stack.
    const int nestedSines = compiler.AddFunction(nested(120), {"x"});
    compiler.Build();
    EXPECT_TRUE(compiler.IsBuilt(shortChain));
    EXPECT_FALSE(compiler.IsBuilt(longChain));
    EXPECT_TRUE(compiler.IsBuilt(nestedSines));
    EXPECT_EQ(ValueAt(compiler, shortChain, {0.5}), 75);
    EXPECT_EQ(ValueAt(compiler, longChain, {0.5}), 10000);
    double sines = 0.5;
    for (int i = 0; i < 120; ++i) sines = std::sin(sines);
    ASSERT_TRUE(ValueAt(compiler, nestedSines, {0.5}));
    EXPECT_NEAR(*ValueAt(compiler, nestedSines, {0.5}), sines, 1e-15);
}
