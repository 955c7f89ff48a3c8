// The probability engine: building the four outcome tables of the largest
// models, and runs of 10,000 experiments without painting, each beside a
// baseline of the same run.
#include "probability/laplas.h"
#include "base/random.h"
#include <benchmark/benchmark.h>
#include <memory>

using namespace probability;

namespace {

void TenColours(TLaplas& lab)
{
    for (int e = 1; e <= kMaxElements; ++e) lab.SetBallColor(e, e % kColorCount);
}

// SetModel(kind, n, view, k): args are kind, n, k, view.
void BM_SetModel(benchmark::State& state)
{
    TLaplas lab;
    TenColours(lab);
    const int kind = int(state.range(0)), n = int(state.range(1)), k = int(state.range(2)),
              view = int(state.range(3));
    for (auto _ : state) {
        lab.SetModel(kind, n, view, k);
        benchmark::DoNotOptimize(lab.RowCount());
    }
}
BENCHMARK(BM_SetModel)
    ->ArgNames({"kind", "n", "k", "view"})
    ->Args({3, 120, 5, 0})->Args({3, 120, 5, 1})->Args({3, 120, 5, 2})->Args({3, 120, 5, 3})
    ->Args({4, 120, 5, 0})->Args({4, 120, 5, 3})
    ->Args({1, 2, 120, 0})->Args({4, 120, 120, 1})->Args({4, 120, 60, 3})
    ->Unit(benchmark::kMicrosecond);

// Baseline: writing the same four tables of 1000 rows of k values with a plain loop.
void BM_Baseline_FillFourTables(benchmark::State& state)
{
    const int k = int(state.range(0));
    auto tables = std::make_unique<OutcomeTables>();
    for (auto _ : state) {
        for (OutcomeTable& table : *tables) {
            for (int r = 0; r < kMaxRows; ++r) {
                for (int i = 0; i < k; ++i) table.Rows[r][i] = uint8_t((r + i) % 120);
                table.Probability[r] = 1.0 / (r + 1);
                table.Frequency[r] = 0;
            }
            table.RowCount = kMaxRows;
        }
        benchmark::DoNotOptimize(tables->data());
    }
}
BENCHMARK(BM_Baseline_FillFourTables)->Arg(5)->Arg(120)->Unit(benchmark::kMicrosecond);

// 10,000 experiments with their bookkeeping and two events.
void BM_RunOne10000(benchmark::State& state)
{
    TLaplas lab;
    TenColours(lab);
    lab.SetModel(int(state.range(0)), int(state.range(1)), int(state.range(3)), int(state.range(2)));
    lab.AddEvent();
    for (int r = 0; r < lab.RowCount(); r += 3) lab.Grid1MouseDown(r);
    lab.AddEvent();
    lab.Grid1MouseDown(0);
    base::SetRandomSeed(8);
    for (auto _ : state) {
        for (int i = 0; i < 10000; ++i) lab.RunOne();
        benchmark::DoNotOptimize(lab.ExperimentCount());
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_RunOne10000)
    ->ArgNames({"kind", "n", "k", "view"})
    ->Args({2, 6, 2, 1})->Args({3, 120, 5, 3})->Args({4, 120, 5, 1})->Args({1, 2, 40, 0})
    ->Unit(benchmark::kMillisecond);

// Baseline: the 10,000 random draws alone.
void BM_Baseline_Draw10000(benchmark::State& state)
{
    base::SetRandomSeed(8);
    for (auto _ : state) {
        int sum = 0;
        for (int i = 0; i < 10000; ++i) sum += base::RandomInt(1000);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_Baseline_Draw10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
