// The expression parser: one evaluation of a parsed expression (the graph
// loop's cost per point), parse plus evaluation together (a value parsed
// anew), a whole plane of points through one parsed form, and a text that
// does not parse; each against a baseline in the same run (the same
// expression written directly in C++ with the same extended-precision
// helpers, or the former way of evaluating).
#include "expr/expression.h"
#include "expr/odz.h"
#include "expr/parser.h"
#include "expr/x87.h"
#include <benchmark/benchmark.h>
#include <QStringList>

namespace {

const QString kExpression = QStringLiteral("DIVISION_((power_((a),2)),sin(DIVISION_((2*3.14159265358979),b)))-a/2");
// The same without the sine, whose extended-precision instruction is slow on
// some processors: the cost of the evaluator itself.
const QString kWithoutSine = QStringLiteral("DIVISION_((power_((a),2)),DIVISION_((2*3.14159265358979),b))-a/2");

class Owner : public expr::TParamOwner {
public:
    std::vector<long double> values{1.5L, 4.0L};
    int ParamIndex(QStringView name) const override { return name == u"a" ? 0 : name == u"b" ? 1 : -1; }
    std::span<const long double> ParamValues() const override { return values; }
    uint64_t ParamListVersion() const override { return 1; }
};

void ParsedEvaluation(benchmark::State& state, const QString& expression)
{
    Owner owner;
    expr::TshParser parser(&owner);
    parser.Parse(expression);
    long double a = 1.5L;
    for (auto _ : state) {
        owner.values[0] = a;
        a += 1e-9L;
        benchmark::DoNotOptimize(parser.Evaluate());
    }
}
void BM_ParsedEvaluation(benchmark::State& state) { ParsedEvaluation(state, kExpression); }
void BM_ParsedEvaluationWithoutSine(benchmark::State& state) { ParsedEvaluation(state, kWithoutSine); }
BENCHMARK(BM_ParsedEvaluation);
BENCHMARK(BM_ParsedEvaluationWithoutSine);

void BM_ParseAndEvaluate(benchmark::State& state)
{
    Owner owner;
    for (auto _ : state) {
        expr::TshParser parser(&owner);
        parser.Parse(kExpression);
        benchmark::DoNotOptimize(parser.Evaluate());
    }
}
BENCHMARK(BM_ParseAndEvaluate);

// Baseline: the same computation as straight C++ over the same helpers.
template <bool WithSine>
void BaselineDirectCode(benchmark::State& state)
{
    long double a = 1.5L;
    volatile long double b = 4.0L;
    for (auto _ : state) {
        a += 1e-9L;
        long double square = 0, angle = 0, quotient = 0;
        expr::odz::Power(a, 2, square);
        expr::odz::Divide(2 * 3.14159265358979L, b, angle);
        expr::odz::Divide(square, WithSine ? expr::x87::Sin(angle) : angle, quotient);
        benchmark::DoNotOptimize(quotient - a / 2);
    }
}
void BM_BaselineDirectCode(benchmark::State& state) { BaselineDirectCode<true>(state); }
void BM_BaselineDirectCodeWithoutSine(benchmark::State& state) { BaselineDirectCode<false>(state); }
BENCHMARK(BM_BaselineDirectCode);
BENCHMARK(BM_BaselineDirectCodeWithoutSine);

// One parsed expression over every point of an 800 x 600 plane, the way a
// plane engine runs an equation F(x, y): parsed once, bound once, evaluated
// per point with the values in a small array, faults counted rather than
// raised. Baseline: the same equation in direct C++ over the same helpers.
constexpr int kPlaneWidth = 800;
constexpr int kPlaneHeight = 600;
const QString kEquation = QStringLiteral("power_((x),2)+DIVISION_((power_((y),2)),4)-abs(x*y)/3-25");

void BM_PlaneParsedOnce(benchmark::State& state)
{
    const expr::BoundExpression equation(expr::ParsedExpression::Read(kEquation), QStringList{"x", "y"});
    for (auto _ : state) {
        long double values[2];
        long double sum = 0;
        int faults = 0;
        for (int row = 0; row < kPlaneHeight; ++row) {
            values[1] = (row - kPlaneHeight / 2) * 0.02L;
            for (int column = 0; column < kPlaneWidth; ++column) {
                values[0] = (column - kPlaneWidth / 2) * 0.02L;
                const expr::Outcome outcome = equation.Evaluate(values);
                if (outcome.Ok()) sum += outcome.value;
                else ++faults;
            }
        }
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(faults);
    }
    state.SetItemsProcessed(state.iterations() * kPlaneWidth * kPlaneHeight);
}
BENCHMARK(BM_PlaneParsedOnce)->Unit(benchmark::kMillisecond);

void BM_PlaneBaselineDirectCode(benchmark::State& state)
{
    for (auto _ : state) {
        long double sum = 0;
        int faults = 0;
        for (int row = 0; row < kPlaneHeight; ++row) {
            const long double y = (row - kPlaneHeight / 2) * 0.02L;
            for (int column = 0; column < kPlaneWidth; ++column) {
                const long double x = (column - kPlaneWidth / 2) * 0.02L;
                long double x2 = 0, y2 = 0, quarter = 0;
                if (expr::odz::Power(x, 2, x2) != expr::Fault::None || expr::odz::Power(y, 2, y2) != expr::Fault::None
                    || expr::odz::Divide(y2, 4, quarter) != expr::Fault::None) {
                    ++faults;
                    continue;
                }
                sum += x2 + quarter - fabsl(x * y) / 3 - 25;
            }
        }
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(faults);
    }
    state.SetItemsProcessed(state.iterations() * kPlaneWidth * kPlaneHeight);
}
BENCHMARK(BM_PlaneBaselineDirectCode)->Unit(benchmark::kMillisecond);

// An expression that does not parse, evaluated again and again. Baseline:
// the former path, which read the text anew and raised its syntax error at
// every evaluation.
const QString kMalformed = QStringLiteral("power_((x),2)+x()");

void BM_FailingBaselineParsedAndRaisedEachTime(benchmark::State& state)
{
    Owner owner;
    for (auto _ : state) {
        expr::TshParser parser(&owner);
        try {
            parser.Parse(kMalformed);
            benchmark::DoNotOptimize(parser.Evaluate());
        } catch (const expr::EvalError& error) {
            benchmark::DoNotOptimize(error.fault());
        }
    }
}
BENCHMARK(BM_FailingBaselineParsedAndRaisedEachTime);

// The parser keeps the failure of the malformed text.
void KeepFailure(expr::TshParser& parser)
{
    try {
        parser.Parse(kMalformed);
    } catch (const expr::EvalError&) {
    }
}

// The kept failure without raising: what per-pixel loops use.
void BM_FailingKeptNoRaise(benchmark::State& state)
{
    Owner owner;
    expr::TshParser parser(&owner);
    KeepFailure(parser);
    for (auto _ : state) benchmark::DoNotOptimize(parser.TryEvaluate());
}
BENCHMARK(BM_FailingKeptNoRaise);

// The kept failure raised (Calculate's path): no parse, one throw.
void BM_FailingKeptRaised(benchmark::State& state)
{
    Owner owner;
    expr::TshParser parser(&owner);
    KeepFailure(parser);
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(parser.Evaluate());
        } catch (const expr::EvalError& error) {
            benchmark::DoNotOptimize(error.fault());
        }
    }
}
BENCHMARK(BM_FailingKeptRaised);

} // namespace

BENCHMARK_MAIN();
