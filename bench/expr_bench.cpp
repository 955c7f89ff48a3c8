// The expression parser: one evaluation of a parsed expression (the graph
// loop's cost per point) and parse plus evaluation together (a value parsed
// anew), against the same expression written directly in C++ with the same
// extended-precision helpers as a baseline.
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

} // namespace

BENCHMARK_MAIN();
