// The number-line engine: a repaint of 200 formula points with their
// formulas drawn by the formula views, dragging one of them (the model step
// and the repaint a mouse move asks for), and reading a lab-file section of
// 1,000 points, each beside a baseline of the same run.
#include "numberline/linepainter.h"
#include "numberline/linetools.h"
#include "numberline/records.h"
#include "numberline/view/formulaviewart.h"
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

using namespace numberline;

namespace {

constexpr int kWidth = 1200;
constexpr int kHeight = 500;
constexpr int kPoints = 200;
constexpr int kSectionPoints = 1000;

// Fractions, negative numbers and formulas with a parameter, spread over the view.
void AddFormulaPoints(NumberLineScene& scene, int count)
{
    for (int i = 0; i < count; ++i) {
        const int n = i - count / 2;
        switch (i % 3) {
        case 0: scene.AddPoint(QStringLiteral("[drob[%1][7]]").arg(n)); break;
        case 1: scene.AddPoint(QStringLiteral("[%1]").arg(n / 10.0, 0, 'f', 1).replace('.', ',')); break;
        default: scene.AddPoint(QStringLiteral("[a+drob[%1][5]]").arg(n)); break;
        }
        scene.Points().back()->SetName(QStringLiteral("P%1").arg(i));
    }
}

LineView MakeView()
{
    LineView view(kWidth, kHeight);
    view.SetScale(30);
    return view;
}

void Repaint(QImage& image, NumberLineScene& scene, const LineView& view, const PaintOptions& options)
{
    image.fill(Qt::white);
    QPainter painter(&image);
    FormulaViewArt art;
    LinePainter(painter, view, art, options).Paint(scene);
}

void BM_RepaintEmptyLine(benchmark::State& state)
{
    NumberLineScene scene;
    const LineView view = MakeView();
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    const PaintOptions options;
    for (auto _ : state) Repaint(image, scene, view, options);
}
BENCHMARK(BM_RepaintEmptyLine)->Unit(benchmark::kMillisecond);

void BM_Repaint200FormulaPoints(benchmark::State& state)
{
    NumberLineScene scene;
    AddFormulaPoints(scene, kPoints);
    const LineView view = MakeView();
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    const PaintOptions options;
    for (auto _ : state) Repaint(image, scene, view, options);
}
BENCHMARK(BM_Repaint200FormulaPoints)->Unit(benchmark::kMillisecond);

// One mouse move of a drag as the control draws it: the tools move the
// point, then the picture of the rest (drawn once when the drag began) and
// the moving point are drawn.
void BM_DragOneOf200(benchmark::State& state)
{
    NumberLineScene scene;
    AddFormulaPoints(scene, kPoints);
    LineView view = MakeView();
    LineTools tools(scene, view);
    const QPoint start(view.ToScreenX(0), view.LineRow());
    tools.Move(start, false);
    tools.Press(start);
    PaintOptions options;
    options.Moving = tools.DraggedPoint();
    QImage layer(kWidth, kHeight, QImage::Format_RGB32);
    Repaint(layer, scene, view, options);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    FormulaViewArt art;
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 100;
        tools.Move(start + QPoint(step, -step / 4), true);
        QPainter painter(&image);
        painter.drawImage(0, 0, layer);
        LinePainter(painter, view, art, options).PaintMoving(scene, *tools.DraggedPoint());
    }
}
BENCHMARK(BM_DragOneOf200)->Unit(benchmark::kMillisecond);

// Baseline of the drag: the model step alone.
void BM_DragModelStepOnly(benchmark::State& state)
{
    NumberLineScene scene;
    AddFormulaPoints(scene, kPoints);
    LineView view = MakeView();
    LineTools tools(scene, view);
    const QPoint start(view.ToScreenX(0), view.LineRow());
    tools.Move(start, false);
    tools.Press(start);
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 100;
        benchmark::DoNotOptimize(tools.Move(start + QPoint(step, -step / 4), true));
    }
}
BENCHMARK(BM_DragModelStepOnly)->Unit(benchmark::kMicrosecond);

QStringList SectionOf1000Points()
{
    NumberLineScene scene;
    AddFormulaPoints(scene, kSectionPoints);
    for (size_t i = 1; i < scene.Points().size(); i += 2)
        scene.AddSegment(*scene.Points()[i - 1], *scene.Points()[i], 0);
    return WriteNumberLineSection(scene, MakeView());
}

void BM_Read1000PointSection(benchmark::State& state)
{
    const QStringList lines = SectionOf1000Points();
    for (auto _ : state) benchmark::DoNotOptimize(ReadNumberLineSection(lines).Scene.Points().size());
}
BENCHMARK(BM_Read1000PointSection)->Unit(benchmark::kMillisecond);

// Baseline of reading: splitting the same lines at blanks.
void BM_SplitSectionLinesOnly(benchmark::State& state)
{
    const QStringList lines = SectionOf1000Points();
    for (auto _ : state) {
        qsizetype words = 0;
        for (const QString& line : lines) words += line.split(u' ', Qt::SkipEmptyParts).size();
        benchmark::DoNotOptimize(words);
    }
}
BENCHMARK(BM_SplitSectionLinesOnly)->Unit(benchmark::kMillisecond);

} // namespace
