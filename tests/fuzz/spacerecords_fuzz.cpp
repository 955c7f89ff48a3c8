// The space engine's section of a lab file from arbitrary bytes: reading
// either succeeds or raises SectionFormatError, never crashes or hangs. A
// section that was read is written, and what is written reads again and
// writes the same text, also after every point was dragged and the scene
// turned, and after the eraser took the first figure and the first point with
// their images; painting it in every drawing mode never fails.
// Build and run: see cmake/Orindo.cmake (target spacerecords_fuzz).
#include "base/textfile.h"
#include "space/images.h"
#include "space/records.h"
#include "space/spacepainter.h"
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

// Qt and fontconfig keep process-wide caches that are never freed.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }

// The painter draws labels, which needs the application's fonts.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: the fuzzer leaves through exit().
    new QGuiApplication(*argc, *argv);
    return 0;
}

namespace {

constexpr int kMaxPoints = 200;

space::SpaceView ViewOf(const space::SpaceSection& section)
{
    space::SpaceView view(120, 90);
    view.SetScale(section.Scale);
    view.SetCenter(section.CenterX, section.CenterY);
    return view;
}

// What the engine writes, it reads again: a refusal here is a fault.
space::SpaceSection ReadOwn(const QStringList& lines)
{
    try {
        return space::ReadSpaceSection(lines);
    } catch (const space::SectionFormatError&) {
        std::abort();
    }
}

void ExpectSameAfterReading(const QStringList& lines)
{
    space::SpaceSection again = ReadOwn(lines);
    if (space::WriteSpaceSection(again.Scene, ViewOf(again)) != lines) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList lines =
        base::SplitLines(base::DecodeCp1251(QByteArray(reinterpret_cast<const char*>(data), int(size))));
    space::SpaceSection section;
    try {
        section = space::ReadSpaceSection(lines);
    } catch (const space::SectionFormatError&) {
        return 0;
    }
    const space::SpaceView view = ViewOf(section);
    const QStringList first = space::WriteSpaceSection(section.Scene, view);
    ExpectSameAfterReading(first);

    space::SpaceScene& scene = section.Scene;
    if (scene.Points().size() <= size_t(kMaxPoints)) {
        for (const auto& point : scene.Points()) scene.MovePoint(*point, point->X + 0.5, point->Y - 0.25);
        scene.TurnAboutX(17);
        scene.TurnAboutZ(-40);
        ExpectSameAfterReading(space::WriteSpaceSection(scene, view));
        if (!scene.Figures().empty()) space::EraseWithImages(scene, *scene.Figures().front());
        if (!scene.Points().empty()) space::EraseWithImages(scene, *scene.Points().front());
        ExpectSameAfterReading(space::WriteSpaceSection(scene, view));
    }

    QImage image(view.Width(), view.Height(), QImage::Format_RGB32);
    for (const space::DrawMode mode : {space::DrawMode::Wireframe, space::DrawMode::Image, space::DrawMode::Solid}) {
        QPainter painter(&image);
        space::PaintOptions options;
        options.Mode = mode;
        options.ShowHidden = true;
        space::PaintScene(painter, scene, view, options);
    }
    return 0;
}
