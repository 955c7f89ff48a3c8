// Graphs of the plane: sampling one formula graph over an 800-pixel-wide
// plane, and recomputing ten graphs after a parameter change (as the
// function list's parameter buttons do), each beside baselines of the same
// run: the same functions written in C++, and the expression core evaluating
// the formula's text with no graph around it.
#include "expr/expression.h"
#include "plane/functionlist.h"
#include "plane/scene.h"
#include <benchmark/benchmark.h>
#include <array>
#include <cmath>

using namespace plane;

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
const QString kCubic = QStringLiteral("[x*x*x-2*x]");

PlaneView View()
{
    PlaneView view(kWidth, kHeight);
    view.SetScale(40);
    return view;
}

void BM_SampleFormulaGraph800(benchmark::State& state)
{
    PlaneScene scene;
    TFunctionFormula f(kCubic, scene, 0);
    const PlaneView view = View();
    for (auto _ : state) benchmark::DoNotOptimize(SampleGraph(f, view).Pieces.size());
}
BENCHMARK(BM_SampleFormulaGraph800)->Unit(benchmark::kMicrosecond);

// Baseline: the expression core alone, 801 evaluations of the cubic's text.
void BM_Baseline_ExpressionCore801(benchmark::State& state)
{
    const auto parsed = expr::ParsedExpression::Read(u"x*x*x-2*x");
    const expr::BoundExpression bound(parsed, QStringList{QStringLiteral("x")});
    const PlaneView view = View();
    std::array<long double, 1> values{};
    for (auto _ : state) {
        long double sum = 0;
        for (int column = 0; column <= kWidth; ++column) {
            values[0] = view.ToWorldX(column);
            sum += bound.Evaluate(values).value;
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_Baseline_ExpressionCore801)->Unit(benchmark::kMicrosecond);

// Baseline: the cubic in C++, 801 columns.
void BM_Baseline_NativeCubic801(benchmark::State& state)
{
    const PlaneView view = View();
    for (auto _ : state) {
        double sum = 0;
        for (int column = 0; column <= kWidth; ++column) {
            const double x = view.ToWorldX(column);
            sum += view.ToScreenY(x * x * x - 2 * x);
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_Baseline_NativeCubic801)->Unit(benchmark::kMicrosecond);

const std::array<QString, 10> kTenGraphs{
    QStringLiteral("[k*x]"),         QStringLiteral("[k*x*x]"),           QStringLiteral("[k*x*x*x-x]"),
    QStringLiteral("[sin(k*x)]"),    QStringLiteral("[k*cos(x)]"),        QStringLiteral("[drob[k][x]]"),
    QStringLiteral("[x*x+k]"),       QStringLiteral("[k*][sqrt[][x]]"),   QStringLiteral("[tg(k*x)]"),
    QStringLiteral("[k*][modl[x]]"),
};

void BM_TenGraphsAfterParameterChange(benchmark::State& state)
{
    PlaneScene scene;
    FunctionList list;
    for (const QString& text : kTenGraphs) list.AddFormula(text, scene, 0);
    const PlaneView view = View();
    double step = 0.1;
    for (auto _ : state) {
        step = -step;
        list.StepParameter(scene, QStringLiteral("k"), step);
        size_t pieces = 0;
        for (TFunction* f : list.Functions()) pieces += f->Graph(view).Pieces.size();
        benchmark::DoNotOptimize(pieces);
    }
}
BENCHMARK(BM_TenGraphsAfterParameterChange)->Unit(benchmark::kMicrosecond);

// Baseline: ten functions in C++ over the same columns.
void BM_Baseline_TenNativeGraphs(benchmark::State& state)
{
    const PlaneView view = View();
    double k = 1;
    for (auto _ : state) {
        k = k == 1 ? 1.1 : 1;
        double sum = 0;
        for (int column = 0; column <= kWidth; ++column) {
            const double x = view.ToWorldX(column);
            const double ys[] = {k * x,         k * x * x, k * x * x * x - x, std::sin(k * x), k * std::cos(x),
                                 k / x,         x * x + k, k * std::sqrt(x),  std::tan(k * x), k * std::abs(x)};
            for (double y : ys)
                if (std::isfinite(y)) sum += view.ToScreenY(y);
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_Baseline_TenNativeGraphs)->Unit(benchmark::kMicrosecond);

// A repaint with nothing changed: the ten graphs come from their caches.
void BM_TenGraphsRepaintedUnchanged(benchmark::State& state)
{
    PlaneScene scene;
    FunctionList list;
    for (const QString& text : kTenGraphs) list.AddFormula(text, scene, 0);
    const PlaneView view = View();
    for (auto _ : state) {
        size_t pieces = 0;
        for (TFunction* f : list.Functions()) pieces += f->Graph(view).Pieces.size();
        benchmark::DoNotOptimize(pieces);
    }
}
BENCHMARK(BM_TenGraphsRepaintedUnchanged)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
