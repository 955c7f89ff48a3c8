// One tick of the probability lab's series: an experiment with its
// bookkeeping and the repaint of what a tick changes (the visible rows of the
// outcome table with relative frequencies, the event table, the graph), in
// pictures of the lab's sizes. The baseline is the experiment alone, without
// painting; a tick must stay well inside the series' 30 ms.
#include "probability/laplas.h"
#include "base/random.h"
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

using namespace probability;

namespace {

constexpr int kGridWidth = 1100, kGridHeight = 560; // Grid1 of a 1920-pixel window
constexpr int kEventsWidth = 5 * 65, kEventsHeight = 63;

// args: kind, n, k, view
void Prepare(TLaplas& lab, const benchmark::State& state)
{
    for (int e = 1; e <= kMaxElements; ++e) lab.SetBallColor(e, e % kColorCount);
    GridLook grid;
    grid.width = kGridWidth;
    lab.BindGrid1(grid);
    lab.SetGraphCanvas(QSize(2000, 200), Qt::white);
    lab.SetModel(int(state.range(0)), int(state.range(1)), int(state.range(3)), int(state.range(2)));
    lab.SetMode(2);
    for (int e = 0; e < kMaxEvents; ++e) {
        lab.AddEvent();
        for (int r = e; r < lab.RowCount(); r += 5) lab.Grid1MouseDown(r);
    }
    base::SetRandomSeed(8);
}

void BM_SeriesTick(benchmark::State& state)
{
    TLaplas lab;
    Prepare(lab, state);
    QImage grid1(kGridWidth, kGridHeight, QImage::Format_RGB32);
    QImage grid2(kEventsWidth, kEventsHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        lab.RunOne();
        QPainter outcomes(&grid1);
        lab.PaintGrid1(outcomes, 0, 30, kGridHeight);
        QPainter events(&grid2);
        lab.PaintGrid2(events);
        benchmark::DoNotOptimize(grid1.constBits());
    }
}

void BM_Baseline_ExperimentOnly(benchmark::State& state)
{
    TLaplas lab;
    Prepare(lab, state);
    for (auto _ : state) {
        lab.RunOne();
        benchmark::DoNotOptimize(lab.ExperimentCount());
    }
}

#define LAB16_MODELS(bench)                                                                     \
    BENCHMARK(bench)                                                                            \
        ->ArgNames({"kind", "n", "k", "view"})                                                  \
        ->Args({2, 6, 2, 0})->Args({1, 2, 10, 0})->Args({3, 120, 5, 3})->Args({4, 120, 5, 1}) \
        ->Unit(benchmark::kMicrosecond)

LAB16_MODELS(BM_SeriesTick);
LAB16_MODELS(BM_Baseline_ExperimentOnly);

} // namespace
