// The function list beside a plane: a step of a parameter with the list's
// button, after which the ten graphs that read it are sampled again and the
// plane is painted (goal: 16 ms, one frame). Baseline of the same run: the
// plane painted with the same ten graphs unchanged, from their caches.
#include "plane/view/functionwindow.h"
#include "plane/view/planecontrol.h"
#include <QImage>
#include <QTableWidget>
#include <benchmark/benchmark.h>
#include <array>

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

const std::array<QString, 10> kTenGraphs{
    QStringLiteral("[k*x]"),         QStringLiteral("[k*x*x]"),           QStringLiteral("[k*x*x*x-x]"),
    QStringLiteral("[sin(k*x)]"),    QStringLiteral("[k*cos(x)]"),        QStringLiteral("[drob[k][x]]"),
    QStringLiteral("[x*x+k]"),       QStringLiteral("[k*][sqrt[][x]]"),   QStringLiteral("[tg(k*x)]"),
    QStringLiteral("[k*][modl[x]]"),
};

struct PlaneWithList {
    planeview::TDec2D dec;
    planeview::TffFunc list;
    QImage canvas{kWidth, kHeight, QImage::Format_ARGB32_Premultiplied};

    PlaneWithList()
    {
        dec.resize(kWidth, kHeight);
        for (const QString& text : kTenGraphs) dec.Algebra().AddFormula(text, dec.Scene(), 0);
        dec.show();
        list.RefreshList(&dec);
        list.show();
        list.Grid->setCurrentCell(1, 0); // the value of k
    }
};

void BM_ParameterStepRedrawsTenGraphs(benchmark::State& state)
{
    PlaneWithList plane;
    int tag = planeview::TffFunc::kStepUp;
    for (auto _ : state) {
        tag = tag == planeview::TffFunc::kStepUp ? planeview::TffFunc::kStepDown : planeview::TffFunc::kStepUp;
        plane.list.StepParameter(tag);
        plane.dec.render(&plane.canvas);
    }
}
BENCHMARK(BM_ParameterStepRedrawsTenGraphs)->Unit(benchmark::kMillisecond);

void BM_Baseline_RepaintTenUnchangedGraphs(benchmark::State& state)
{
    PlaneWithList plane;
    for (auto _ : state) plane.dec.render(&plane.canvas);
}
BENCHMARK(BM_Baseline_RepaintTenUnchangedGraphs)->Unit(benchmark::kMillisecond);

} // namespace
