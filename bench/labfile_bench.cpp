// Lab files of the largest window part the course has: the divisor table of
// the divisibility lab, 10001 rows by 2 columns. Baseline: the same text only
// encoded, decoded and split into lines, which every lab file costs anyway.
#include "labframe/labwindow.h"
#include "base/textfile.h"
#include <QApplication>
#include <QTableWidget>
#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 10001;

class GridLab : public labframe::TfmLab {
public:
    GridLab() : TfmLab(1)
    {
        auto* grid = addControl<QTableWidget>(QStringLiteral("Table1"), workArea());
        grid->setRowCount(kRows);
        grid->setColumnCount(2);
        for (int row = 0; row < kRows; ++row) {
            grid->setItem(row, 0, new QTableWidgetItem(QString::number(row + 1)));
            grid->setItem(row, 1, new QTableWidgetItem(QString::number((row * 7) % 24)));
        }
    }
};

GridLab& Lab()
{
    static GridLab* lab = new GridLab;
    return *lab;
}

QString SavedText()
{
    labframe::LabFileData data;
    Lab().WriteLab(data);
    return labframe::LabDataText(data);
}

void BM_Baseline_EncodeDecodeLines(benchmark::State& state)
{
    const QString text = SavedText();
    for (auto _ : state) {
        const QStringList lines = base::SplitLines(base::DecodeCp1251(base::EncodeCp1251(text)));
        benchmark::DoNotOptimize(lines.size());
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_Baseline_EncodeDecodeLines)->Unit(benchmark::kMillisecond);

void BM_WriteLab(benchmark::State& state)
{
    GridLab& lab = Lab();
    for (auto _ : state) {
        labframe::LabFileData data;
        lab.WriteLab(data);
        benchmark::DoNotOptimize(base::EncodeCp1251(labframe::LabDataText(data)).size());
    }
    state.SetBytesProcessed(state.iterations() * SavedText().size());
}
BENCHMARK(BM_WriteLab)->Unit(benchmark::kMillisecond);

void BM_LoadLabText(benchmark::State& state)
{
    const QByteArray bytes = base::EncodeCp1251(SavedText());
    for (auto _ : state) benchmark::DoNotOptimize(Lab().LoadLabText(base::DecodeCp1251(bytes)));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_LoadLabText)->Unit(benchmark::kMillisecond);

} // namespace
