// The space engine: a frame of turning ten cubes with two sections in solid
// mode, a frame of 500 points and 200 segments in wireframe, and the
// recomputation after dragging a vertex of a 100-sided prism with its
// sections, each beside a baseline of the same run (clearing the frame;
// moving a point nothing depends on).
#include "../tests/space/spacetestscenes.h"
#include "space/spacepainter.h"
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

using namespace space;

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kCubes = 10;
constexpr int kLoosePoints = 500;
constexpr int kLooseSegments = 200;
constexpr int kPrismSides = 100;

SpaceView MakeView()
{
    SpaceView view(kWidth, kHeight);
    view.SetScale(25);
    return view;
}

// A section of the solid of the given colour through three points on its faces.
void AddSection(SpaceScene& scene, const std::vector<TFigurePlane*>& faces, base::Bgr colour,
                const std::array<geometry::Vec3, 3>& near, const std::array<int, 3>& faceIndex)
{
    std::vector<TPoint*> points;
    for (int k = 0; k < 3; ++k) points.push_back(&scene.AddPointOn(*faces[size_t(faceIndex[k])], near[k]));
    scene.AddPlaneFigure(FigureKind::Section, points, colour);
}

void TenCubes(SpaceScene& scene)
{
    for (int i = 0; i < kCubes; ++i) {
        const double x = -10 + 5 * (i % 5), y = i < 5 ? -4 : 4;
        const auto box = testscenes::AddBox(scene, {x - 1.5, y - 1.5, -1.5}, {x + 1.5, y + 1.5, 1.5}, base::Bgr(i + 1));
        if (i < 2) AddSection(scene, box.faces, base::Bgr(i + 1), {{{x + 1, y, 0}, {x - 1, y + 1, 0}, {x, y - 1, 0}}}, {0, 1, 0});
    }
    scene.TurnAboutX(20);
}

void PaintFrame(QImage& image, const SpaceScene& scene, const SpaceView& view, const PaintOptions& options)
{
    QPainter painter(&image);
    painter.fillRect(image.rect(), Qt::white);
    PaintScene(painter, scene, view, options);
}

void BM_ClearFrame(benchmark::State& state)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::white);
    }
}
BENCHMARK(BM_ClearFrame)->Unit(benchmark::kMillisecond);

void BM_TurnTenCubesWithSectionsSolid(benchmark::State& state)
{
    SpaceScene scene;
    TenCubes(scene);
    const SpaceView view = MakeView();
    PaintOptions options;
    options.Mode = DrawMode::Solid;
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        scene.TurnAboutY(1);
        PaintFrame(image, scene, view, options);
    }
}
BENCHMARK(BM_TurnTenCubesWithSectionsSolid)->Unit(benchmark::kMillisecond);

void BM_PointsAndSegmentsWireframe(benchmark::State& state)
{
    SpaceScene scene;
    for (int i = 0; i < kLoosePoints; ++i)
        scene.AddPoint({-15 + 30.0 * (i % 25) / 25, -11 + 22.0 * (i / 25) / 20, double(i % 7)});
    for (int i = 0; i < kLooseSegments; ++i)
        scene.AddLineFigure(FigureKind::Segment, *scene.Points()[size_t(2 * i)], *scene.Points()[size_t(2 * i + 1)], 0);
    const SpaceView view = MakeView();
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        scene.TurnAboutZ(1);
        PaintFrame(image, scene, view, PaintOptions());
    }
}
BENCHMARK(BM_PointsAndSegmentsWireframe)->Unit(benchmark::kMillisecond);

struct PrismScene {
    SpaceScene scene;
    testscenes::Prism prism;
    TPoint* loose = nullptr;

    PrismScene()
    {
        prism = testscenes::AddPrism(scene, kPrismSides, 3, -2, 4, 0x00FF00);
        AddSection(scene, prism.faces, 0x00FF00, {{{1, 0, 0}, {-1, 1, 0}, {0, -1, 0}}}, {0, 1, 0});
        AddSection(scene, prism.faces, 0x00FF00, {{{0.5, 0.5, 0}, {-1, -1, 0}, {1, -1, 0}}}, {1, 0, 0});
        scene.TurnAboutX(30);
        loose = &scene.AddPoint({9, 9, 9});
    }
};

void BM_MoveLoosePoint(benchmark::State& state)
{
    PrismScene s;
    double shift = 0;
    for (auto _ : state) {
        shift = -shift + 0.01;
        s.scene.MovePoint(*s.loose, 9 + shift, 9);
    }
}
BENCHMARK(BM_MoveLoosePoint)->Unit(benchmark::kMicrosecond);

void BM_DragPrismVertexWithSections(benchmark::State& state)
{
    PrismScene s;
    TPoint& vertex = *s.prism.bottom[0];
    const double x = vertex.X, y = vertex.Y;
    double shift = 0;
    for (auto _ : state) {
        shift = -shift + 0.01;
        s.scene.MovePoint(vertex, x + shift, y);
    }
}
BENCHMARK(BM_DragPrismVertexWithSections)->Unit(benchmark::kMicrosecond);

} // namespace
