// Points without a value: compiled code answers them itself where double
// precision saw what the expression parser sees, asks the parser only where
// it cannot tell, and is never wrong when it answers. Also the part of the
// other variables the code keeps between calls.
#include "formulacompiler/compiler.h"
#include "base/random.h"
#include <gtest/gtest.h>
#include <bit>
#include <functional>
#include <cmath>
#include <limits>

using namespace formulacompiler;

namespace {

const QStringList kVariables{"x", "a", "b"};
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kUndefined = std::numeric_limits<double>::quiet_NaN();

bool ParserHasValue(const QString& expression, std::span<const double> values)
{
    const expr::BoundExpression bound(expr::ParsedExpression::Read(expression), kVariables);
    std::vector<long double> extended(values.begin(), values.end());
    const expr::Outcome outcome = bound.Evaluate(extended);
    // A value beyond the range of double is none for a caller in double.
    return outcome.Ok() && fabsl(outcome.value) <= std::numeric_limits<double>::max();
}

} // namespace

// Each point has no value for the parser; byCode says whether the code
// decides it alone (the operands of the failing step are the parser's) or
// must ask (they went through an elementary function, a number double does
// not hold, an overflow of double).
TEST(NoValue, CompiledCodeDecidesWhatItCanAndAsksTheParserForTheRest)
{
    const struct {
        const char* expression;
        double x, a, b;
        bool byCode;
    } cases[] = {
        // Division by zero.
        {"a/x", 0, 1, 0, true},
        {"a/(x-2)", 2, 1, 0, true},            // x-2 computed without rounding
        {"DIVISION_((a),x)", 1e-31, 1, 0, true},  // below the threshold
        {"DIVISION_((a),x*x)", 1e-16, 1, 0, true},  // 1e-32 rounded, checked as the core rounds it
        {"DIVISION_((a),sin(x))", 0, 1, 0, false},  // an elementary function's value
        {"DIVISION_((1),x*0,1)", 0, 0, 0, false},  // a number double does not hold
        // Domain errors.
        {"sqrt_(x)", -4, 0, 0, true},
        {"sqrt_(x-1)", 0.5, 0, 0, true},
        {"ln_(a*x)", 0, 3, 0, true},
        {"ln_(power_((x),2)-4)", 2, 0, 0, true},
        {"arcsin_(x+a)", 1, 0.5, 0, true},
        {"arccos_(x)", -1.5, 0, 0, true},
        {"power_((x),a)", -8, 0.5, 0, true},
        {"logn_((a),x)", 5, 1, 0, true},
        {"logn_((a),x)", 5, -2, 0, true},
        {"sqrt_(cos(x)-2)", 0, 0, 0, false},
        // Infinities and undefined values given, overflow on the way.
        {"x+a", kInfinity, 1, 0, true},
        {"x+a", 1, kUndefined, 0, true},
        {"x*0+sin(b)", -kInfinity, 0, 2, true},
        {"power_((x),400)", 10, 0, 0, false},
        {"x*x*a", 1e200, 1e200, 0, false},
    };
    TCompiler compiler;
    std::vector<int> indexes;
    for (const auto& c : cases) indexes.push_back(compiler.AddFunction(c.expression, kVariables));
    compiler.Build();
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        SCOPED_TRACE(c.expression);
        ASSERT_TRUE(compiler.IsBuilt(indexes[i]));
        const double values[] = {c.x, c.a, c.b};
        ASSERT_FALSE(ParserHasValue(c.expression, values));

        size_t before = compiler.ParserEvaluations();
        EXPECT_FALSE(compiler.TryCallFunction(indexes[i], std::span<const double>(values)));
        EXPECT_EQ(compiler.ParserEvaluations() - before, c.byCode ? 0u : 1u);
        EXPECT_EQ(compiler.CompiledAnswer(indexes[i], values).answer,
                  c.byCode ? TCompiler::CodeAnswer::NoValue : TCompiler::CodeAnswer::Undecided);

        // The same in extended precision (where an overflow of double may
        // still be a value), and as a row along x.
        const long double extended[] = {c.x, c.a, c.b};
        const bool extendedValue =
            expr::BoundExpression(expr::ParsedExpression::Read(QString::fromLatin1(c.expression)), kVariables)
                .Evaluate(extended)
                .Ok();
        before = compiler.ParserEvaluations();
        EXPECT_EQ(compiler.TryCallFunction(indexes[i], extended).has_value(), extendedValue);
        EXPECT_EQ(compiler.ParserEvaluations() - before, c.byCode ? 0u : 1u);

        const double row[] = {c.x, c.x};
        double results[2];
        before = compiler.ParserEvaluations();
        compiler.TryCallRow(indexes[i], values, 0, row, results);
        for (const double result : results)
            EXPECT_EQ(std::bit_cast<uint64_t>(result), std::bit_cast<uint64_t>(TCompiler::kNoValue));
        EXPECT_EQ(compiler.ParserEvaluations() - before, c.byCode ? 0u : 2u);
    }
}

// Extended-precision values that double does not hold are the parser's to
// judge: the code saw other values.
TEST(NoValue, ValuesDoubleDoesNotHoldAreLeftToTheParser)
{
    TCompiler compiler;
    const int index = compiler.AddFunction("a/x", kVariables);
    compiler.Build();
    const long double tiny[] = {1e-4000L, 1, 0};  // 0 in double
    const size_t before = compiler.ParserEvaluations();
    const std::optional<long double> value = compiler.TryCallFunction(index, tiny);
    ASSERT_TRUE(value);
    EXPECT_EQ(*value, 1e4000L);
    EXPECT_EQ(compiler.ParserEvaluations() - before, 1u);
}

// Arithmetic that double rounds otherwise than the core is checked as the
// core does it: a divisor double loses is still a divisor, a square root's
// argument below zero along a whole row is answered without the parser.
TEST(NoValue, ArithmeticIsCheckedAsTheParserComputesIt)
{
    TCompiler compiler;
    const int lost = compiler.AddFunction("a/(x+1-1)", kVariables);
    const int circle = compiler.AddFunction("sqrt_(4-x*x)", kVariables);
    compiler.Build();
    const double tiny[] = {1e-17, 1, 0};  // x+1 is 1 in double, not in the parser's precision
    ASSERT_TRUE(ParserHasValue("a/(x+1-1)", tiny));
    const std::optional<double> value = compiler.TryCallFunction(lost, std::span<const double>(tiny));
    ASSERT_TRUE(value);
    EXPECT_NEAR(*value, 1e17, 1e15);

    std::vector<double> row(800), results(800);
    for (size_t i = 0; i < row.size(); ++i) row[i] = (double(i) - 400) / 40;
    const double values[] = {0, 0, 0};
    const size_t before = compiler.ParserEvaluations();
    compiler.TryCallRow(circle, values, 0, row, results);
    EXPECT_EQ(compiler.ParserEvaluations(), before);
    for (size_t i = 0; i < row.size(); ++i) {
        const double point[] = {row[i], 0, 0};
        EXPECT_EQ(std::isnan(results[i]), !ParserHasValue("sqrt_(4-x*x)", point)) << row[i];
    }
}

// Random expressions at points where zeros and domain edges are met
// exactly, ill-conditioned points included: wherever the code alone says
// "no value", the parser agrees; and the code decides most such points.
TEST(NoValue, ACertainAnswerIsNeverWrong)
{
    base::SetRandomSeed(20261212);
    static const char* const kLeaves[] = {"x", "a", "b", "1", "2", "0,5", "0,1", "3"};
    static const char* const kUnary[] = {"sin", "cos", "tg", "ctg", "arctg", "abs", "ln_", "sqrt_", "arcsin_", "arccos_"};
    static const char* const kBinary[] = {"power_", "division_", "logn_"};
    static const char* const kOperators[] = {"+", "-", "*", "/"};
    const std::function<QString(int)> expression = [&](int depth) -> QString {
        if (depth == 0 || base::RandomInt(4) == 0) return kLeaves[base::RandomInt(8)];
        switch (base::RandomInt(3)) {
        case 0: return "(" + expression(depth - 1) + kOperators[base::RandomInt(4)] + expression(depth - 1) + ")";
        case 1: return QString(kUnary[base::RandomInt(10)]) + "(" + expression(depth - 1) + ")";
        default:
            return QString(kBinary[base::RandomInt(3)]) + "((" + expression(depth - 1) + ")," + expression(depth - 1) +
                   ")";
        }
    };
    static const double kEdges[] = {-2, -1, -0.5, 0, 0.5, 1, 2, 3, 1e-31, -0.0, 1e300};
    TCompiler compiler;
    constexpr int kExpressions = 400;
    QStringList texts;
    for (int i = 0; i < kExpressions; ++i) {
        texts << expression(4);
        compiler.AddFunction(texts.back(), kVariables);
    }
    compiler.Build();
    int certain = 0, gaps = 0;
    for (int i = 0; i < kExpressions; ++i) {
        if (!compiler.IsBuilt(i)) continue;
        for (int p = 0; p < 30; ++p) {
            const double values[] = {kEdges[base::RandomInt(11)], kEdges[base::RandomInt(11)],
                                     kEdges[base::RandomInt(11)]};
            const bool parsed = ParserHasValue(texts[i], values);
            const TCompiler::CodeAnswer answer = compiler.CompiledAnswer(i, values).answer;
            SCOPED_TRACE(texts[i].toStdString() + " at x=" + std::to_string(values[0]) + " a=" +
                         std::to_string(values[1]) + " b=" + std::to_string(values[2]));
            if (answer == TCompiler::CodeAnswer::NoValue) ASSERT_FALSE(parsed);
            if (!parsed) {
                ++gaps;
                certain += answer == TCompiler::CodeAnswer::NoValue;
            }
        }
    }
    EXPECT_GT(gaps, kExpressions);
    EXPECT_GT(certain, gaps / 2);
}

// The part of a and b the code keeps serves only while both keep their
// bits: any change, the sign of a zero and undefined values included, is
// computed afresh; and what was kept for a point without a value is that
// answer again.
TEST(KeptPart, FollowsEveryChangeOfTheOtherVariables)
{
    TCompiler compiler;
    const int index = compiler.AddFunction("x*sin(a)+DIVISION_((1),b)", kVariables);
    compiler.Build();
    const struct {
        double x, a, b;
    } calls[] = {
        {1, 0.5, 1}, {2, 0.5, 1}, {2, 0.7, 1}, {2, 0.7, 4}, {3, 0.7, 4}, {0, 0.7, 0},
        {1, 0.7, 0}, {1, 0.7, 2}, {-1, -0.0, 2}, {-1, 0.0, 2}, {1, kUndefined, 2}, {1, kUndefined, 2}, {1, 1, 2},
    };
    for (const auto& call : calls) {
        SCOPED_TRACE(std::to_string(call.x) + " " + std::to_string(call.a) + " " + std::to_string(call.b));
        const double values[] = {call.x, call.a, call.b};
        const std::optional<double> value = compiler.TryCallFunction(index, std::span<const double>(values));
        ASSERT_EQ(value.has_value(), ParserHasValue("x*sin(a)+DIVISION_((1),b)", values));
        if (!value) continue;
        const double expected = call.x * std::sin(call.a) + 1 / call.b;
        EXPECT_EQ(std::bit_cast<uint64_t>(*value), std::bit_cast<uint64_t>(expected));
    }
}

// Two functions keep their parts apart, and a new build starts afresh.
TEST(KeptPart, BelongsToOneFunctionOfOneBuild)
{
    TCompiler compiler;
    const int first = compiler.AddFunction("x+sin(a)", kVariables);
    const int second = compiler.AddFunction("x+cos(a)", kVariables);
    compiler.Build();
    const double values[] = {1, 0.25, 0};
    EXPECT_EQ(*compiler.TryCallFunction(first, std::span<const double>(values)), 1 + std::sin(0.25));
    EXPECT_EQ(*compiler.TryCallFunction(second, std::span<const double>(values)), 1 + std::cos(0.25));
    compiler.SetFunction("x+arctg(a)", first, kVariables);
    compiler.Build();
    EXPECT_EQ(*compiler.TryCallFunction(first, std::span<const double>(values)), 1 + std::atan(0.25));
}
