// The formula compiler: one compiled evaluation of (a^2/sin(2*pi/b))-a/2
// (with b kept and with b moving), rows of evaluations (with and without
// values), compiling the formulas of a lab at once, and an equation plus an
// inequality over every point of an 800 x 600 plane; each against baselines
// in the same run (the expression parser, and the same computation written
// in C++).
#include "formulacompiler/compiler.h"
#include "expr/expression.h"
#include <benchmark/benchmark.h>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

// (a^2/sin(2*pi/b))-a/2 as the formula core writes it.
const QString kExpression = QStringLiteral("DIVISION_((power_((a),2)),sin(DIVISION_((2*3.14159265358979),b)))-a/2");
const QStringList kVariables{"a", "b"};

// One evaluation after another, a moving on every call and b too where
// asked: while b keeps its value the code keeps its part (the sine) from the
// previous call.
void Evaluations(benchmark::State& state, bool bMoves)
{
    formulacompiler::TCompiler compiler;
    const int index = compiler.AddFunction(kExpression, kVariables);
    compiler.Build();
    double values[] = {1.5, 4.0};
    const double bStep = bMoves ? 1e-9 : 0;
    for (auto _ : state) {
        values[0] += 1e-9;
        values[1] += bStep;
        benchmark::DoNotOptimize(compiler.TryCallFunction(index, std::span<const double>(values)));
    }
}

// Only a moves, as x does along a graph.
void BM_CompiledEvaluation(benchmark::State& state) { Evaluations(state, false); }
BENCHMARK(BM_CompiledEvaluation);

// Both variables move on every call: nothing kept can serve.
void BM_CompiledEvaluationEveryVariableMoves(benchmark::State& state) { Evaluations(state, true); }
BENCHMARK(BM_CompiledEvaluationEveryVariableMoves);

// The formula's own values are in extended precision: converted on each call.
void BM_CompiledEvaluationExtendedValues(benchmark::State& state)
{
    formulacompiler::TCompiler compiler;
    const int index = compiler.AddFunction(kExpression, kVariables);
    compiler.Build();
    long double values[] = {1.5L, 4.0L};
    for (auto _ : state) {
        values[0] += 1e-9L;
        benchmark::DoNotOptimize(compiler.TryCallFunction(index, std::span<const long double>(values)));
    }
}
BENCHMARK(BM_CompiledEvaluationExtendedValues);

// The same formula along a row of 800 values of a, as a graph asks for it
// (the time per evaluation is the time shown divided by 800): the part of
// b, the sine with it, is computed once per row.
void RowOfEvaluations(benchmark::State& state, const QStringList& variables)
{
    formulacompiler::TCompiler compiler;
    const int index = compiler.AddFunction(kExpression, variables);
    compiler.Build();
    constexpr int kRow = 800;
    std::vector<double> columnValues(kRow), results(kRow);
    for (int i = 0; i < kRow; ++i) columnValues[size_t(i)] = 1.5 + i * 1e-3;
    const double values[] = {1.5, 4.0};
    for (auto _ : state) {
        compiler.TryCallRow(index, values, 0, columnValues, results);
        benchmark::DoNotOptimize(results.data());
    }
    state.SetItemsProcessed(state.iterations() * kRow);
}

void BM_CompiledEvaluationInARow(benchmark::State& state) { RowOfEvaluations(state, kVariables); }
BENCHMARK(BM_CompiledEvaluationInARow);

// The row along b: every point computes its sine.
void BM_CompiledEvaluationInARowAlongB(benchmark::State& state) { RowOfEvaluations(state, {"b", "a"}); }
BENCHMARK(BM_CompiledEvaluationInARowAlongB);

// A row of 800 points of which 640 have no value (the half circle over
// [-10, 10]): the code answers the gaps itself, checking the arithmetic of
// each in extended precision, where the parser used to evaluate every one.
const QString kHalfCircle = QStringLiteral("sqrt_(4-x*x)");

std::vector<double> HalfCircleRow()
{
    std::vector<double> row(800);
    for (size_t i = 0; i < row.size(); ++i) row[i] = (double(i) - 400) / 40;
    return row;
}

void BM_CompiledRowMostlyWithoutValues(benchmark::State& state)
{
    formulacompiler::TCompiler compiler;
    const int index = compiler.AddFunction(kHalfCircle, {"x"});
    compiler.Build();
    const std::vector<double> row = HalfCircleRow();
    std::vector<double> results(row.size());
    const double values[] = {0};
    for (auto _ : state) {
        compiler.TryCallRow(index, values, 0, row, results);
        benchmark::DoNotOptimize(results.data());
    }
}
BENCHMARK(BM_CompiledRowMostlyWithoutValues);

// Baseline: the same row through the parser, point by point.
void BM_BaselineParsedRowMostlyWithoutValues(benchmark::State& state)
{
    const expr::BoundExpression bound(expr::ParsedExpression::Read(kHalfCircle), {"x"});
    const std::vector<double> row = HalfCircleRow();
    for (auto _ : state) {
        for (const double x : row) {
            const long double values[] = {x};
            benchmark::DoNotOptimize(bound.Evaluate(values));
        }
    }
}
BENCHMARK(BM_BaselineParsedRowMostlyWithoutValues);

// Baseline: the expression parser's parsed form, evaluated in place.
void BM_BaselineParsedEvaluation(benchmark::State& state)
{
    const expr::BoundExpression bound(expr::ParsedExpression::Read(kExpression), kVariables);
    long double values[] = {1.5L, 4.0L};
    for (auto _ : state) {
        values[0] += 1e-9L;
        benchmark::DoNotOptimize(bound.Evaluate(values));
    }
}
BENCHMARK(BM_BaselineParsedEvaluation);

// Baseline: the same in optimised C++ in double precision, the floor.
void BM_BaselineDirectDouble(benchmark::State& state)
{
    double a = 1.5;
    volatile double b = 4.0;
    for (auto _ : state) {
        a += 1e-9;
        benchmark::DoNotOptimize((a * a / std::sin(2 * 3.14159265358979 / b)) - a / 2);
    }
}
BENCHMARK(BM_BaselineDirectDouble);

// Baseline: the optimised C++ with the sine kept while b stays, as the
// compiled code keeps it.
void BM_BaselineDirectDoubleSineKept(benchmark::State& state)
{
    double a = 1.5;
    volatile double b = 4.0;
    double keptB = std::numeric_limits<double>::quiet_NaN(), keptSine = 0;
    for (auto _ : state) {
        a += 1e-9;
        const double currentB = b;
        if (std::bit_cast<uint64_t>(currentB) != std::bit_cast<uint64_t>(keptB)) {
            keptB = currentB;
            keptSine = std::sin(2 * 3.14159265358979 / currentB);
        }
        benchmark::DoNotOptimize((a * a / keptSine) - a / 2);
    }
}
BENCHMARK(BM_BaselineDirectDoubleSineKept);

// Fifty formulas of the kinds a plane lab holds.
QStringList LabFormulas()
{
    QStringList formulas;
    for (int i = 0; i < 50; ++i) {
        switch (i % 5) {
        case 0: formulas << QStringLiteral("power_((x),%1)-%1*x+a").arg(i % 7 + 2); break;
        case 1: formulas << QStringLiteral("DIVISION_((sin(x*%1)),x)+k*cos(x)").arg(i); break;
        case 2: formulas << QStringLiteral("sqrt_(abs(x-%1))*ln_(power_((x),2)+1)").arg(i); break;
        case 3: formulas << QStringLiteral("power_((x),2)+power_((y),2)-%1").arg(i); break;
        default: formulas << QStringLiteral("y-tg(x)*arctg(x/%1)+logN_((2),abs(x)+1)").arg(i + 1); break;
        }
    }
    return formulas;
}

void BM_Compile50Formulas(benchmark::State& state)
{
    const QStringList formulas = LabFormulas();
    const QStringList variables{"x", "y", "a", "k"};
    for (auto _ : state) {
        formulacompiler::TCompiler compiler;
        for (const QString& formula : formulas) compiler.AddFunction(formula, variables);
        compiler.Build();
        benchmark::DoNotOptimize(compiler.IsBuilt(49));
    }
}
BENCHMARK(BM_Compile50Formulas)->Unit(benchmark::kMillisecond);

// Baseline: only reading the fifty formulas, which every path does.
void BM_BaselineRead50Formulas(benchmark::State& state)
{
    const QStringList formulas = LabFormulas();
    for (auto _ : state)
        for (const QString& formula : formulas) benchmark::DoNotOptimize(expr::ParsedExpression::Read(formula));
}
BENCHMARK(BM_BaselineRead50Formulas)->Unit(benchmark::kMillisecond);

// An equation and an inequality over an 800 x 600 plane at 40 pixels per unit.
const QString kEquation = QStringLiteral("power_((x),2)+power_((y),2)-4");
const QString kInequality = QStringLiteral("y-sin(x)*x");
constexpr int kWidth = 800, kHeight = 600;
constexpr double kScale = 40;

// Row by row, as a plane draws: one call of compiled code per row of pixels.
void BM_CompiledPlane(benchmark::State& state)
{
    formulacompiler::TCompiler compiler;
    const QStringList variables{"x", "y"};
    const int equation = compiler.AddFunction(kEquation, variables);
    const int inequality = compiler.AddFunction(kInequality, variables);
    compiler.Build();
    std::vector<double> xs(kWidth), f(kWidth), g(kWidth);
    for (int column = 0; column < kWidth; ++column) xs[size_t(column)] = (column - kWidth / 2) / kScale;
    for (auto _ : state) {
        int inside = 0;
        double values[2] = {0, 0};
        for (int row = 0; row < kHeight; ++row) {
            values[1] = (kHeight / 2 - row) / kScale;
            compiler.TryCallRow(equation, values, 0, xs, f);
            compiler.TryCallRow(inequality, values, 0, xs, g);
            // No value is a NaN, which no comparison takes.
            for (int column = 0; column < kWidth; ++column) inside += (f[size_t(column)] < 0) + (g[size_t(column)] > 0);
        }
        benchmark::DoNotOptimize(inside);
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight * 2);
}
BENCHMARK(BM_CompiledPlane)->Unit(benchmark::kMillisecond);

// The same point by point, each through the compiler's entry for one point.
void BM_CompiledPlanePointByPoint(benchmark::State& state)
{
    formulacompiler::TCompiler compiler;
    const QStringList variables{"x", "y"};
    const int equation = compiler.AddFunction(kEquation, variables);
    const int inequality = compiler.AddFunction(kInequality, variables);
    compiler.Build();
    for (auto _ : state) {
        int inside = 0;
        double values[2];
        for (int row = 0; row < kHeight; ++row) {
            values[1] = (kHeight / 2 - row) / kScale;
            for (int column = 0; column < kWidth; ++column) {
                values[0] = (column - kWidth / 2) / kScale;
                const std::optional<double> f = compiler.TryCallFunction(equation, std::span<const double>(values));
                const std::optional<double> g = compiler.TryCallFunction(inequality, std::span<const double>(values));
                inside += (f && *f < 0) + (g && *g > 0);
            }
        }
        benchmark::DoNotOptimize(inside);
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight * 2);
}
BENCHMARK(BM_CompiledPlanePointByPoint)->Unit(benchmark::kMillisecond);

void BM_BaselineParsedPlane(benchmark::State& state)
{
    const QStringList variables{"x", "y"};
    const expr::BoundExpression equation(expr::ParsedExpression::Read(kEquation), variables);
    const expr::BoundExpression inequality(expr::ParsedExpression::Read(kInequality), variables);
    for (auto _ : state) {
        int inside = 0;
        long double values[2];
        for (int row = 0; row < kHeight; ++row) {
            values[1] = (kHeight / 2 - row) / kScale;
            for (int column = 0; column < kWidth; ++column) {
                values[0] = (column - kWidth / 2) / kScale;
                const expr::Outcome f = equation.Evaluate(values);
                const expr::Outcome g = inequality.Evaluate(values);
                inside += (f.Ok() && f.value < 0) + (g.Ok() && g.value > 0);
            }
        }
        benchmark::DoNotOptimize(inside);
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight * 2);
}
BENCHMARK(BM_BaselineParsedPlane)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
