// The plane engine: a repaint of 300 objects with the grid and labels,
// dragging a point with 300 dependants (a chain and a fan), and writing and
// reading a lab-file section of 1,000 objects, each beside a baseline of the
// same run.
#include "plane/planepainter.h"
#include "plane/planerecords.h"
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

using namespace plane;
using geometry::Vec2;

namespace {

constexpr int kDependants = 300;
constexpr int kSectionObjects = 1000;

// A chain: every point follows the one before it at a fixed offset.
TPoint* BuildChain(PlaneScene& scene)
{
    TPoint* first = scene.AddPoint({0, 0});
    TPoint* last = first;
    for (int i = 0; i < kDependants; ++i) {
        TPoint* next = scene.AddPoint({last->X() + 0.1, last->Y() + 0.05});
        scene.AddSegment0(last, next);
        last = next;
    }
    return first;
}

// A fan: 100 lines through the dragged point, a point on each, and the
// intersections of neighbouring lines: 300 dependants, all one step away.
TPoint* BuildFan(PlaneScene& scene)
{
    TPoint* hub = scene.AddPoint({0, 0});
    std::vector<TLine*> lines;
    for (int i = 0; i < kDependants / 3; ++i) {
        TLine* line = scene.AddLine(hub, scene.AddPoint({std::cos(i * 0.03) * 5, std::sin(i * 0.03) * 5}));
        scene.AddPointOn({1, double(i) / 10}, line);
        lines.push_back(line);
    }
    for (size_t i = 0; i < lines.size(); ++i) scene.AddPointOn({0, 0}, lines[i], lines[(i + 1) % lines.size()]);
    return hub;
}

void BM_DragChain300(benchmark::State& state)
{
    PlaneScene scene;
    TPoint* first = BuildChain(scene);
    double x = 0;
    for (auto _ : state) {
        x += 0.01;
        scene.MovePoint(first, {x, -x});
        benchmark::DoNotOptimize(scene.Point(scene.PointCount() - 1)->X());
    }
}
BENCHMARK(BM_DragChain300)->Unit(benchmark::kMicrosecond);

void BM_DragFan300(benchmark::State& state)
{
    PlaneScene scene;
    TPoint* hub = BuildFan(scene);
    double x = 0;
    for (auto _ : state) {
        x += 0.01;
        scene.MovePoint(hub, {x, x / 2});
        benchmark::DoNotOptimize(scene.Point(scene.PointCount() - 1)->X());
    }
}
BENCHMARK(BM_DragFan300)->Unit(benchmark::kMicrosecond);

// Baseline: the bare arithmetic of 300 points turned about a moving centre.
void BM_Baseline_Turn300Points(benchmark::State& state)
{
    std::vector<Vec2> points(kDependants, Vec2{1, 2});
    double angle = 0;
    for (auto _ : state) {
        angle += 0.5;
        for (Vec2& p : points) p = geometry::Rotate(p, {angle / 100, 0}, angle);
        benchmark::DoNotOptimize(points.data());
    }
}
BENCHMARK(BM_Baseline_Turn300Points)->Unit(benchmark::kMicrosecond);

// 1,000 objects: 400 points (named), 150 line-like figures, 50 circles,
// 10 polygons, 200 dependent points (on figures, intersections, images)
// and 190 measures.
void BuildSection(PlaneScene& scene)
{
    std::vector<TPoint*> free;
    for (int i = 0; i < 200; ++i) {
        free.push_back(scene.AddPoint({i * 0.37 - 30, (i % 17) * 1.3 - 10}));
        free.back()->SetName(QStringLiteral("P%1").arg(i));
    }
    std::vector<TFigure*> carriers;
    for (int i = 0; i < 150; ++i) {
        TPoint* a = free[size_t(i)];
        TPoint* b = free[size_t((i * 7 + 3) % 200)];
        carriers.push_back(i % 3 == 0 ? static_cast<TFigure*>(scene.AddLine(a, b)) : scene.AddSegment(a, b));
    }
    for (int i = 0; i < 50; ++i) carriers.push_back(scene.AddCircle1(free[size_t(i * 3)], 1 + i % 5));
    for (int i = 0; i < 10; ++i) scene.AddRegularPolygon({i * 3.0, 5}, 3 + i, 1);
    scene.RotationCenter = free[0];
    scene.HomothetyCenter = free[1];
    for (int i = 0; i < 100; ++i) scene.AddPointOn({i * 0.1, 0}, carriers[size_t(i)], i % 2 ? carriers[size_t(i + 50)] : nullptr);
    for (int i = 0; i < 100; ++i) scene.MakeImage(free[size_t(i + 50)], i % 2 ? MorphKind::Rotation : MorphKind::Homothety);
    for (int i = 0; i < 200; ++i) scene.AddPoint({i * 0.5, -i * 0.25});
    for (int i = 0; i < 95; ++i) {
        scene.AddDistance(free[size_t(i)], free[size_t(i + 1)]);
        scene.AddAngle(free[size_t(i)], free[size_t(i + 1)], free[size_t(i + 2)]);
    }
}

void BM_WriteSection1000(benchmark::State& state)
{
    PlaneScene scene;
    BuildSection(scene);
    const PlaneView view(600, 400);
    for (auto _ : state) benchmark::DoNotOptimize(WritePlaneSection(scene, view));
    state.counters["lines"] = double(WritePlaneSection(scene, view).size());
}
BENCHMARK(BM_WriteSection1000)->Unit(benchmark::kMillisecond);

void BM_ReadSection1000(benchmark::State& state)
{
    PlaneScene scene;
    BuildSection(scene);
    const QStringList lines = WritePlaneSection(scene, PlaneView(600, 400));
    for (auto _ : state) benchmark::DoNotOptimize(ReadPlaneSection(lines).Scene.PointCount());
}
BENCHMARK(BM_ReadSection1000)->Unit(benchmark::kMillisecond);

// Baseline: splitting the same section into words and converting every
// word with the library's own number conversion.
void BM_Baseline_SplitAndConvertWords(benchmark::State& state)
{
    PlaneScene scene;
    BuildSection(scene);
    const QStringList lines = WritePlaneSection(scene, PlaneView(600, 400));
    for (auto _ : state) {
        double sum = 0;
        for (const QString& line : lines)
            for (const QString& word : line.split(u' ', Qt::SkipEmptyParts)) sum += word.toDouble();
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_Baseline_SplitAndConvertWords)->Unit(benchmark::kMillisecond);

// 300 objects: 120 named points, 60 segments and lines, 40 circles,
// 40 intersection points, 20 measures, 10 regular polygons, 10 images.
void BuildPicture(PlaneScene& scene)
{
    std::vector<TPoint*> points;
    for (int i = 0; i < 120; ++i) {
        points.push_back(scene.AddPoint({(i % 12) * 1.7 - 10, (i / 12) * 1.3 - 7}));
        points.back()->SetName(QStringLiteral("A%1").arg(i));
    }
    std::vector<TFigure*> lines;
    for (int i = 0; i < 60; ++i) {
        TPoint* a = points[size_t(i)];
        TPoint* b = points[size_t((i * 13 + 5) % 120)];
        lines.push_back(i % 4 ? static_cast<TFigure*>(scene.AddSegment(a, b)) : scene.AddLine(a, b));
    }
    for (int i = 0; i < 40; ++i) scene.AddCircle1(points[size_t(i * 3)], 0.5 + i % 3);
    for (int i = 0; i < 40; ++i) scene.AddPointOn({0, 0}, lines[size_t(i)], lines[size_t(i + 20)]);
    for (int i = 0; i < 10; ++i) {
        scene.AddDistance(points[size_t(i)], points[size_t(i + 30)]);
        scene.AddAngle(points[size_t(i)], points[size_t(i + 40)], points[size_t(i + 80)]);
    }
    for (int i = 0; i < 10; ++i) scene.AddRegularPolygon({i * 2.0 - 9, 6}, 3 + i, 0.8);
    scene.RotationCenter = points[0];
    for (int i = 0; i < 10; ++i) scene.MakeImage(points[size_t(i + 60)], MorphKind::Rotation);
}

void BM_RepaintScene300(benchmark::State& state)
{
    PlaneScene scene;
    BuildPicture(scene);
    PlaneView view(800, 600);
    view.SetScale(30);
    PaintOptions options;
    options.AxesVisible = false;
    QImage image(view.Width(), view.Height(), QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        PlanePainter(painter, view, options).Paint(scene);
    }
}
BENCHMARK(BM_RepaintScene300)->Unit(benchmark::kMillisecond);

// Baseline: the same image cleared and 300 plain lines and 120 short texts drawn on it.
void BM_Baseline_Draw300LinesAnd120Texts(benchmark::State& state)
{
    QImage image(800, 600, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        for (int i = 0; i < 300; ++i) painter.drawLine(i, 0, 800 - i, 600);
        for (int i = 0; i < 120; ++i) painter.drawText(i * 6, (i % 20) * 30, QStringLiteral("A%1").arg(i));
    }
}
BENCHMARK(BM_Baseline_Draw300LinesAnd120Texts)->Unit(benchmark::kMillisecond);

} // namespace
