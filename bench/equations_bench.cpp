// Equations and inequalities on the plane: a full rebuild of the region
// layer for one equation (the circle x² + y² = 9) and one inequality
// (y > x²) on an 800 x 600 plane, through the parse-once expression path and
// through the compiled path; beside baselines of the same run: the same two
// functions written in C++ over every pixel, and the expression core alone
// evaluating both texts at every pixel. Then one drag step of the
// trigonometry lab: the link from the circle to the angle point and the
// repaint of both planes.
#include "expr/expression.h"
#include "formulacompiler/compiler.h"
#include "formulas/compiler.h"
#include "plane/equations.h"
#include "plane/planerecords.h"
#include "plane/regions.h"
#include "plane/view/planecontrol.h"
#include <QImage>
#include <benchmark/benchmark.h>
#include <array>
#include <cmath>

using namespace plane;

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
const QString kCircle = QStringLiteral("[x*x+y*y-9]");
const QString kParabolaRegion = QStringLiteral("[y-x*x]");

PlaneView View()
{
    PlaneView view(kWidth, kHeight);
    view.SetScale(40);
    return view;
}

void BuildScene(FunctionList& list, const PlaneScene& scene)
{
    list.AddEquation(kCircle, scene, base::colour::kRed);
    list.AddEquation(kParabolaRegion, scene, base::colour::kBlue)->SetRelation(TAlgebra::kGreater);
}

void RunRebuild(benchmark::State& state)
{
    PlaneScene scene;
    FunctionList list;
    BuildScene(list, scene);
    const PlaneView view = View();
    for (auto _ : state) benchmark::DoNotOptimize(BuildRegions(list, view).Inside.size());
}

void BM_RegionRebuild800x600_ParseOnce(benchmark::State& state)
{
    formulas::SetCompiler(nullptr);
    RunRebuild(state);
}
BENCHMARK(BM_RegionRebuild800x600_ParseOnce)->Unit(benchmark::kMillisecond);

void BM_RegionRebuild800x600_Compiled(benchmark::State& state)
{
    formulacompiler::TCompiler compiler;
    formulas::SetCompiler(&compiler);
    RunRebuild(state);
    formulas::SetCompiler(nullptr);
}
BENCHMARK(BM_RegionRebuild800x600_Compiled)->Unit(benchmark::kMillisecond);

// Baseline: the two functions in C++, evaluated and compared at every pixel.
void BM_Baseline_NativeTwoFunctions800x600(benchmark::State& state)
{
    const PlaneView view = View();
    for (auto _ : state) {
        int count = 0;
        for (int column = 0; column < kWidth; ++column) {
            const double x = view.ToWorldX(column);
            for (int row = 0; row < kHeight; ++row) {
                const double y = view.ToWorldY(row);
                const double circle = x * x + y * y - 9;
                count += (circle < 0) + (y - x * x > 0);
            }
        }
        benchmark::DoNotOptimize(count);
    }
}
BENCHMARK(BM_Baseline_NativeTwoFunctions800x600)->Unit(benchmark::kMillisecond);

// Baseline: the expression core alone, both texts at every pixel.
void BM_Baseline_ExpressionCore800x600(benchmark::State& state)
{
    const QStringList variables{QStringLiteral("x"), QStringLiteral("y")};
    const expr::BoundExpression circle(expr::ParsedExpression::Read(u"x*x+y*y-9"), variables);
    const expr::BoundExpression parabola(expr::ParsedExpression::Read(u"y-x*x"), variables);
    const PlaneView view = View();
    std::array<long double, 2> values{};
    for (auto _ : state) {
        long double sum = 0;
        for (int column = 0; column < kWidth; ++column) {
            values[0] = view.ToWorldX(column);
            for (int row = 0; row < kHeight; ++row) {
                values[1] = view.ToWorldY(row);
                sum += circle.Evaluate(values).value + parabola.Evaluate(values).value;
            }
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_Baseline_ExpressionCore800x600)->Unit(benchmark::kMillisecond);

// --- the trigonometry lab -------------------------------------------------------

// The start scene's two sections: the unit circle with P (point 1), and the
// angle axis with Q (point 2), here with the sine graph shown.
const QStringList kCircleSection{
    "140 0 0",
    "TPoint:  0.00000000000000E+0000  0.00000000000000E+0000 TRUE O",
    "TPoint:  1.00000000000000E+0000  0.00000000000000E+0000 TRUE ",
    "TCircle1: TRUE 16711680 0  1.00000000000000E+0000",
    "TSegment: TRUE 255 0 1",
    "Parents: 1 0 -1 0",
};
const QStringList kGraphSection{
    "40 3 0",
    "TPoint:  0.00000000000000E+0000  0.00000000000000E+0000 FALSE ",
    "TPoint:  1.00000000000000E+0000  0.00000000000000E+0000 FALSE ",
    "TPoint:  0.00000000000000E+0000  0.00000000000000E+0000 TRUE ",
    "TLine: FALSE 0 0 1",
    "Parents: 2 0 -1 0",
    "TFunctionFormula: =255 -2.14748364700000E+0009  2.14748364700000E+0009 [sin(x)]",
};

void BM_TrigonometryDragStep(benchmark::State& state)
{
    planeview::TDec2D circle;
    planeview::TDec2D graph;
    circle.resize(325, 600);
    graph.resize(775, 600);
    circle.LoadScene(kCircleSection);
    graph.LoadScene(kGraphSection);
    TPoint* p = circle.Scene().Point(1);
    TPoint* q = graph.Scene().Point(2);
    QImage circleImage(circle.size(), QImage::Format_ARGB32_Premultiplied);
    QImage graphImage(graph.size(), QImage::Format_ARGB32_Premultiplied);
    double angle = 0;
    for (auto _ : state) {
        angle += 0.01;
        circle.Interaction().MovePoint(p, CirclePointAt(angle));
        graph.Interaction().MovePoint(q, {AngleOfCirclePoint(p->Position(), q->X()), q->Y()});
        circle.render(&circleImage);
        graph.render(&graphImage);
    }
    benchmark::DoNotOptimize(q->X());
}
BENCHMARK(BM_TrigonometryDragStep)->Unit(benchmark::kMillisecond);

// Baseline: repainting the two planes without moving anything.
void BM_Baseline_TrigonometryRepaintOnly(benchmark::State& state)
{
    planeview::TDec2D circle;
    planeview::TDec2D graph;
    circle.resize(325, 600);
    graph.resize(775, 600);
    circle.LoadScene(kCircleSection);
    graph.LoadScene(kGraphSection);
    QImage circleImage(circle.size(), QImage::Format_ARGB32_Premultiplied);
    QImage graphImage(graph.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        circle.render(&circleImage);
        graph.render(&graphImage);
    }
}
BENCHMARK(BM_Baseline_TrigonometryRepaintOnly)->Unit(benchmark::kMillisecond);

} // namespace
