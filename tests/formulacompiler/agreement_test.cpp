// Compiled code against the expression parser, the reference: the same value
// within rounding and no value at the same points.
#include "formulacompiler/compiler.h"
#include "base/random.h"
#include <gtest/gtest.h>
#include <cmath>

using namespace formulacompiler;

namespace {

const QStringList kVariables{"a", "b", "x"};

// The parser's answer for values laid out like kVariables.
std::optional<long double> ParsedValue(const QString& expression, std::span<const long double> values)
{
    const expr::BoundExpression bound(expr::ParsedExpression::Read(expression), kVariables);
    const expr::Outcome outcome = bound.Evaluate(values);
    if (!outcome.Ok()) return std::nullopt;
    return outcome.value;
}

bool Close(long double parsed, long double compiled)
{
    const long double difference = fabsl(parsed - compiled);
    return difference <= 1e-9L * std::max(1.0L, fabsl(parsed));
}

// Whether the parser's answer stands when every value moves by a part in
// 1e11: near a domain boundary, a pole or a huge trigonometric argument the
// last bits of the values decide, and double and extended precision may
// part there.
bool WellConditioned(const QString& expression, std::span<const long double> values)
{
    const std::optional<long double> value = ParsedValue(expression, values);
    for (const long double factor : {1 + 1e-11L, 1 - 1e-11L}) {
        std::vector<long double> moved(values.begin(), values.end());
        for (long double& v : moved) v *= factor;
        const std::optional<long double> near = ParsedValue(expression, moved);
        if (near.has_value() != value.has_value()) return false;
        if (value && !Close(*value, *near)) return false;
    }
    return true;
}

struct Point {
    const char* expression;
    double a, b, x;
    bool hasValue;
};

// Points on both sides of every domain rule and of the faults of arithmetic.
const Point kPoints[] = {
    {"a/b", 1, 0, 0, false},
    {"a/b", 0, 0, 0, false},
    {"a/b", 3, 4, 0, true},
    {"a/(b*power_((10),-330))", 1, 2, 0, true},  // beyond double, still a number for the parser
    {"division_((a),b)", 1, 1e-31, 0, false},
    {"division_((a),b)", 1, -1e-29, 0, true},
    {"sqrt_(x)", 0, 0, 0, false},
    {"sqrt_(x)", 0, 0, -4, false},
    {"sqrt_(x)", 0, 0, 1e-30, true},
    {"ln_(x)", 0, 0, 0, false},
    {"ln_(x)", 0, 0, 2, true},
    {"logn_((a),x)", 1, 0, 5, false},
    {"logn_((a),x)", 2, 0, 8, true},
    {"logn_((a),x)", -2, 0, 4, false},
    {"logn_((a),x)", 10, 0, 0, false},
    {"tg(x)", 0, 0, 0, true},
    {"ctg(x)", 0, 0, 0, false},
    {"tg(x)", 0, 0, 1.5707963, true},
    {"arcsin_(x)", 0, 0, 1, true},
    {"arcsin_(x)", 0, 0, 1.0000001, false},
    {"arccos_(x)", 0, 0, -1.5, false},
    {"power_((a),b)", 0, 0, 0, true},
    {"power_((a),b)", -2, 3, 0, true},
    {"power_((a),b)", -2, -2, 0, true},
    {"power_((a),b)", -8, 1.0 / 3, 0, false},
    {"power_((a),b)", 0, -1, 0, false},
    {"power_((a),0,5)", 2, 0, 0, true},
    {"power_((a),0,5)", -4, 0, 0, false},
    {"power_((a),-2)", 0, 0, 0, false},
    {"power_((a),0)", 0, 0, 0, true},
    {"power_((a),31)", -1.5, 0, 0, true},
    {"power_((10),400)", 0, 0, 0, true},  // beyond double: the parser's value
    {"power_((10),400)*0", 0, 0, 0, true},
    {"1/(power_((10),400)-power_((10),400))", 0, 0, 0, false},
    {"arctg(power_((10),5000))", 0, 0, 0, false},  // an overflow is no value, even where it would vanish
    {"arctg(1/x)", 0, 0, 0, false},
    {"x/(1/x)", 0, 0, 0, false},
    {"power_((1/x),0)", 0, 0, 0, false},
    {"sin(x)*0+1", 0, 0, 1e300, true},
    {"power_((x),2)*power_((x),2)", 0, 0, 1e200, true},
    {"abs(a-b)", 2, 5, 0, true},
    {"-a*b", 2, 3, 0, true},
    {"arcctg(x)", 0, 0, -1, true},
};

} // namespace

TEST(CompiledAgainstParsed, DomainRulesAndFaultsAtChosenPoints)
{
    TCompiler compiler;
    std::vector<int> indexes;
    for (const Point& point : kPoints) indexes.push_back(compiler.AddFunction(point.expression, kVariables));
    compiler.Build();
    for (size_t i = 0; i < std::size(kPoints); ++i) {
        const Point& point = kPoints[i];
        SCOPED_TRACE(point.expression);
        EXPECT_TRUE(compiler.IsBuilt(indexes[i]));
        const long double values[] = {point.a, point.b, point.x};
        const std::optional<long double> parsed = ParsedValue(point.expression, values);
        ASSERT_EQ(parsed.has_value(), point.hasValue);
        const std::optional<long double> called = compiler.TryCallFunction(indexes[i], values);
        ASSERT_EQ(called.has_value(), point.hasValue);
        if (point.hasValue) {
            EXPECT_TRUE(Close(*parsed, *called)) << double(*parsed) << " " << double(*called);
        }
        // The compiled code never claims a value the parser does not have.
        const double doubles[] = {point.a, point.b, point.x};
        if (!point.hasValue) {
            EXPECT_FALSE(compiler.CompiledValue(indexes[i], doubles));
            EXPECT_THROW(compiler.CallFunction(indexes[i], values), expr::EvalError);
        }
    }
}

namespace {

// Random expressions over the whole language, written as the formula core
// writes them (first arguments of two-argument functions in parentheses).
class ExpressionGenerator {
public:

    QString Expression(int depth)
    {
        if (depth == 0 || Below(4) == 0) return Leaf();
        switch (Below(5)) {
        case 0: {
            static const char* const operators[] = {"+", "-", "*", "/"};
            return Expression(depth - 1) + operators[Below(4)] + Operand(depth - 1);
        }
        case 1: {
            static const char* const functions[] = {"sin", "cos", "tg", "ctg", "arctg", "arcctg",
                                                    "abs", "ln_", "sqrt_", "arcsin_", "arccos_"};
            return QString(functions[Below(11)]) + "(" + Expression(depth - 1) + ")";
        }
        case 2: {
            static const char* const functions[] = {"power_", "division_", "logn_"};
            return QString(functions[Below(3)]) + "((" + Expression(depth - 1) + ")," + Operand(depth - 1) + ")";
        }
        case 3: return "(-" + Operand(depth - 1) + ")";
        default: return "(" + Expression(depth - 1) + ")";
        }
    }

private:
    static int Below(int n) { return base::RandomInt(n); }

    // An operand that binds as one: a leaf or a parenthesised expression.
    QString Operand(int depth) { return Below(2) ? Leaf() : "(" + Expression(depth) + ")"; }

    QString Leaf()
    {
        switch (Below(4)) {
        case 0: return kVariables[Below(3)];
        case 1: return QString::number(Below(10));
        case 2: return QString::number(Below(10)) + "," + QString::number(Below(100));
        default: return "x";
        }
    }
};

} // namespace

TEST(CompiledAgainstParsed, RandomExpressionsGiveTheSameValuesAndTheSameGaps)
{
    base::SetRandomSeed(20261210);
    ExpressionGenerator generator;
    TCompiler compiler;
    constexpr int kExpressions = 400;
    constexpr int kPointsEach = 40;
    QStringList expressions;
    for (int i = 0; i < kExpressions; ++i) {
        expressions << generator.Expression(4);
        compiler.AddFunction(expressions.back(), kVariables);
    }
    compiler.Build();
    int built = 0, compared = 0, gaps = 0, decidedByParser = 0, illConditioned = 0;
    for (int i = 0; i < kExpressions; ++i) {
        if (!compiler.IsBuilt(i)) continue;
        ++built;
        for (int p = 0; p < kPointsEach; ++p) {
            const double doubles[] = {base::RandomInt(2001) / 250.0 - 4, base::RandomInt(2001) / 250.0 - 4,
                                      base::RandomInt(2001) / 250.0 - 4};
            const long double values[] = {doubles[0], doubles[1], doubles[2]};
            if (!WellConditioned(expressions[i], values)) {
                ++illConditioned;
                continue;
            }
            const std::optional<long double> parsed = ParsedValue(expressions[i], values);
            const std::optional<double> compiled = compiler.CompiledValue(i, doubles);
            const std::optional<double> called = compiler.TryCallFunction(i, doubles);
            SCOPED_TRACE(expressions[i].toStdString() + " at a=" + std::to_string(doubles[0]) +
                         " b=" + std::to_string(doubles[1]) + " x=" + std::to_string(doubles[2]));
            // Where the compiled code has a value the parser has one too, and
            // the calls answer as the parser does.
            if (compiled) {
                ASSERT_TRUE(parsed);
                EXPECT_TRUE(Close(*parsed, *compiled)) << double(*parsed) << " " << *compiled;
            } else if (parsed) {
                ++decidedByParser;
            }
            ASSERT_EQ(called.has_value(), parsed.has_value());
            if (parsed) {
                ++compared;
                EXPECT_TRUE(Close(*parsed, *called));
            } else {
                ++gaps;
            }
        }
    }
    // The generator reaches both outcomes often, and compiled code decides
    // nearly every point itself.
    EXPECT_GT(built, kExpressions * 9 / 10);
    EXPECT_GT(compared, built * kPointsEach / 4);
    EXPECT_GT(gaps, built * kPointsEach / 20);
    EXPECT_LT(decidedByParser, compared / 100);
    EXPECT_LT(illConditioned, built * kPointsEach / 20);
}

// A row answers as its points do, whether it runs along the first variable
// (the row form of the code, with what the points share computed once) or
// along another (point by point), at values and gaps alike.
TEST(CompiledAgainstParsed, RowsGiveWhatTheirPointsGive)
{
    base::SetRandomSeed(20261211);
    ExpressionGenerator generator;
    TCompiler compiler;
    constexpr int kExpressions = 300;
    for (int i = 0; i < kExpressions; ++i) compiler.AddFunction(generator.Expression(4), kVariables);
    compiler.Build();
    constexpr size_t kRow = 24;
    std::vector<double> columnValues(kRow), results(kRow);
    int rowsWithValues = 0, rowsWithGaps = 0;
    for (int i = 0; i < kExpressions; ++i) {
        for (int column = 0; column < 3; ++column) {
            double values[] = {base::RandomInt(2001) / 250.0 - 4, base::RandomInt(2001) / 250.0 - 4,
                               base::RandomInt(2001) / 250.0 - 4};
            for (double& v : columnValues) v = base::RandomInt(2001) / 250.0 - 4;
            compiler.TryCallRow(i, values, column, columnValues, results);
            bool anyValue = false, anyGap = false;
            for (size_t p = 0; p < kRow; ++p) {
                values[column] = columnValues[p];
                const std::optional<double> point = compiler.TryCallFunction(i, std::span<const double>(values));
                SCOPED_TRACE("expression " + std::to_string(i) + " column " + std::to_string(column));
                ASSERT_EQ(point.has_value(), !std::isnan(results[p]));
                if (point) EXPECT_EQ(*point, results[p]);
                (point ? anyValue : anyGap) = true;
            }
            rowsWithValues += anyValue;
            rowsWithGaps += anyGap;
        }
    }
    EXPECT_GT(rowsWithValues, kExpressions);
    EXPECT_GT(rowsWithGaps, kExpressions / 10);
}
