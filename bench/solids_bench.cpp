// Solids and transformations of the space engine: building a 100-sided
// prism with two sections and drawing it in solid mode, beside a frame
// cleared on its own; and turning 50 segments about an axis, beside
// building the same 50 segments without their images.
#include "space/images.h"
#include "space/solids.h"
#include "space/spacepainter.h"
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

using namespace space;

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kPrismSides = 100;
constexpr int kTransformedSegments = 50;
constexpr base::Bgr kPrismIdentifier = 4242;

void ClearFrame(QPainter& painter, const QImage& image) { painter.fillRect(image.rect(), Qt::white); }

void BM_ClearFrameBaseline(benchmark::State& state)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        ClearFrame(painter, image);
    }
}
BENCHMARK(BM_ClearFrameBaseline)->Unit(benchmark::kMillisecond);

// A section through three points on the side faces i, j and k.
void AddSection(SpaceScene& scene, const BuiltSolid& solid, std::array<size_t, 3> faces, double height)
{
    std::vector<TPoint*> points;
    for (size_t face : faces) {
        const auto& loop = solid.Faces[face]->Vertices; // [Vi, Ti, Ti+1, Vi+1]
        const geometry::Vec3 at = loop[0]->Position() * (1 - height) + loop[1]->Position() * height;
        points.push_back(&scene.AddPointOn(*solid.Faces[face], at));
        height = 1 - height * 0.5;
    }
    scene.AddPlaneFigure(FigureKind::Section, points, kPrismIdentifier);
}

void BM_BuildAndDrawPrismWithTwoSections(benchmark::State& state)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    SpaceView view(kWidth, kHeight);
    view.SetScale(60);
    PaintOptions options;
    options.Mode = DrawMode::Solid;
    for (auto _ : state) {
        SpaceScene scene;
        TPoint& p1 = scene.AddPoint({0, -3, 0});
        TPoint& p2 = scene.AddPoint({0.5, 3, 0});
        const auto prism = BuildSolid(scene, p1, p2, {SolidKind::Prism, kPrismSides, kPrismIdentifier, 0});
        AddSection(scene, *prism, {2, 30, 60}, 0.3);
        AddSection(scene, *prism, {10, 50, 90}, 0.6);
        scene.TurnAboutX(25);
        QPainter painter(&image);
        ClearFrame(painter, image);
        PaintScene(painter, scene, view, options);
        benchmark::DoNotOptimize(scene.Figures().size());
    }
}
BENCHMARK(BM_BuildAndDrawPrismWithTwoSections)->Unit(benchmark::kMillisecond);

struct SegmentsScene {
    SpaceScene scene;
    std::vector<TFigure*> segments;
    TFigure* axis = nullptr;

    SegmentsScene()
    {
        axis = scene.AddLineFigure(FigureKind::Line, scene.AddPoint({0, -5, 0}), scene.AddPoint({0.2, 5, 1}), 0);
        for (int i = 0; i < kTransformedSegments; ++i) {
            TPoint& a = scene.AddPoint({double(i % 10), double(i / 10), 0.5 * i});
            TPoint& b = scene.AddPoint({double(i % 10) + 0.5, double(i / 10) - 0.5, 1});
            segments.push_back(scene.AddLineFigure(FigureKind::Segment, a, b, 0));
        }
    }
};

void BM_BuildFiftySegmentsBaseline(benchmark::State& state)
{
    for (auto _ : state) {
        SegmentsScene s;
        benchmark::DoNotOptimize(s.segments.data());
    }
}
BENCHMARK(BM_BuildFiftySegmentsBaseline)->Unit(benchmark::kMicrosecond);

void BM_BuildAndRotateFiftySegments(benchmark::State& state)
{
    for (auto _ : state) {
        SegmentsScene s;
        ImageMaker turn(s.scene, {MorphKind::Rotation, s.axis, nullptr, 30});
        for (TFigure* segment : s.segments) turn.ImageOf(*segment);
        benchmark::DoNotOptimize(s.scene.Figures().size());
    }
}
BENCHMARK(BM_BuildAndRotateFiftySegments)->Unit(benchmark::kMicrosecond);

} // namespace
