// The data analysis lab's costs against what it must stay under:
// - one edit of a 10,000-cell sheet with 100 SUM formulas, recalculated,
//   with the diagram of a 1,000-point series rebuilt and drawn (50 ms);
//   baseline: the same edit of a sheet without formulas, no diagram;
// - a diagram of 5 series x 1,000 points rebuilt and drawn (30 ms);
//   baseline: reading the 5,000 points from the sheet alone;
// - a 10,000-cell workbook read into the sheet (200 ms);
//   baseline: the same cells set into the sheet directly.
#include "dataanalysis/datalab.h"
#include "dataanalysis/workbook.h"
#include "labs/dataanalysis/diagram.h"
#include <QChart>
#include <QChartView>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace dataanalysis;

namespace {

constexpr int kSide = 100;           // 100 x 100 = 10,000 cells
constexpr int kSumRow = kSide + 1;   // one SUM per column below the block
constexpr QSize kChartSize(560, 480); // the chart panel of the lab at 1024 x 768

void FillBlock(Sheet& sheet)
{
    for (int row = 1; row <= kSide; ++row)
        for (int col = 1; col <= kSide; ++col) sheet.setInput({row, col}, QString::number((row * 7 + col * 13) % 50));
}

void AddSums(Sheet& sheet)
{
    for (int col = 1; col <= kSide; ++col) {
        const QString column = ColumnName(col);
        sheet.setInput({kSumRow, col}, QStringLiteral("=SUM(%1%2:%1%3)").arg(column).arg(1).arg(kSide));
    }
}

// Draws the chart as its view shows it.
void Draw(QChartView& view, QImage& picture)
{
    QPainter painter(&picture);
    view.render(&painter);
}

struct ChartOnScreen {
    QChart* chart = new QChart;
    QChartView view{chart};
    QImage picture{kChartSize, QImage::Format_RGB32};
    ChartOnScreen()
    {
        dataanalysislab::PrepareChart(*chart);
        view.resize(kChartSize);
    }
};

void BM_EditCellWithSumsAndDiagram(benchmark::State& state)
{
    DataLab lab;
    FillBlock(lab.sheet());
    AddSums(lab.sheet());
    lab.sheet().recalculate();
    lab.AddSeries({1, 1, 10, kSide}); // 1,000 points
    ChartOnScreen screen;
    int value = 0;
    for (auto _ : state) {
        lab.sheet().edit({5, 5}, QString::number(++value % 100));
        dataanalysislab::ShowDiagram(*screen.chart, lab);
        Draw(screen.view, screen.picture);
        benchmark::DoNotOptimize(screen.picture.constBits());
    }
    if (lab.sheet().number({kSumRow, 5}) == std::nullopt) state.SkipWithError("the sums were not computed");
}
BENCHMARK(BM_EditCellWithSumsAndDiagram)->Unit(benchmark::kMillisecond);

void BM_Baseline_EditPlainSheet(benchmark::State& state)
{
    DataLab lab;
    FillBlock(lab.sheet());
    lab.sheet().recalculate();
    int value = 0;
    for (auto _ : state) {
        lab.sheet().edit({5, 5}, QString::number(++value % 100));
        benchmark::DoNotOptimize(lab.sheet().number({5, 5}));
    }
}
BENCHMARK(BM_Baseline_EditPlainSheet)->Unit(benchmark::kMillisecond);

void PrepareFiveSeries(DataLab& lab)
{
    FillBlock(lab.sheet());
    lab.sheet().recalculate();
    for (int s = 0; s < 5; ++s) lab.AddSeries({s * 10 + 1, 1, s * 10 + 10, kSide});
}

void BM_DiagramFiveSeriesOf1000Points(benchmark::State& state)
{
    DataLab lab;
    PrepareFiveSeries(lab);
    ChartOnScreen screen;
    for (auto _ : state) {
        dataanalysislab::ShowDiagram(*screen.chart, lab);
        Draw(screen.view, screen.picture);
        benchmark::DoNotOptimize(screen.picture.constBits());
    }
}
BENCHMARK(BM_DiagramFiveSeriesOf1000Points)->Unit(benchmark::kMillisecond);

void BM_Baseline_ReadFiveSeriesPoints(benchmark::State& state)
{
    DataLab lab;
    PrepareFiveSeries(lab);
    for (auto _ : state)
        for (int s = 0; s < 5; ++s) benchmark::DoNotOptimize(lab.Values(s));
}
BENCHMARK(BM_Baseline_ReadFiveSeriesPoints)->Unit(benchmark::kMillisecond);

void BM_LoadWorkbookOf10000Cells(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("data.XLS"));
    {
        Sheet sheet;
        FillBlock(sheet);
        sheet.recalculate();
        if (!WriteWorkbook(sheet, file).isEmpty()) state.SkipWithError("the workbook was not written");
    }
    for (auto _ : state) {
        Sheet sheet;
        const QString error = ReadWorkbook(file, sheet);
        benchmark::DoNotOptimize(error);
        if (sheet.inputs().size() != size_t(kSide * kSide)) state.SkipWithError("cells went missing");
    }
}
BENCHMARK(BM_LoadWorkbookOf10000Cells)->Unit(benchmark::kMillisecond);

void BM_Baseline_Set10000CellsDirectly(benchmark::State& state)
{
    for (auto _ : state) {
        Sheet sheet;
        FillBlock(sheet);
        sheet.recalculate();
        benchmark::DoNotOptimize(sheet.inputs().size());
    }
}
BENCHMARK(BM_Baseline_Set10000CellsDirectly)->Unit(benchmark::kMillisecond);

} // namespace
