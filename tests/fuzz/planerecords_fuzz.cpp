// The plane engine's section of a lab file from arbitrary bytes: reading
// either succeeds or raises SceneFormatError, never crashes or hangs. A scene
// that was read is written, and what is written reads again and writes the
// same text, also after every point has been dragged; no number written is
// NaN or infinite. Every graph read is sampled on a small view: its values
// are finite or nothing, and its pieces lie on the view's columns.
// Build and run: see cmake/Orindo.cmake (target planerecords_fuzz).
#include "base/textfile.h"
#include "plane/planerecords.h"
#include <cmath>
#include <cstdlib>

namespace {

QStringList Written(plane::PlaneSection& section)
{
    plane::PlaneView view(400, 300);
    view.SetScale(section.Scale);
    view.SetCenter(section.CenterX, section.CenterY);
    return plane::WritePlaneSection(section.Scene, view, &section.Algebra);
}

// What the engine writes, it reads again (the reader refuses NaN and
// infinities): a refusal here is a fault.
plane::PlaneSection ReadOwn(const QStringList& lines)
{
    try {
        return plane::ReadPlaneSection(lines);
    } catch (const plane::SceneFormatError&) {
        std::abort();
    }
}

void SampleEveryGraph(plane::PlaneSection& section)
{
    plane::PlaneView view(64, 48);
    view.SetScale(section.Scale);
    view.SetCenter(section.CenterX, section.CenterY);
    for (plane::TFunction* f : section.Algebra.Functions()) {
        for (const QPolygon& piece : plane::SampleGraph(*f, view).Pieces)
            for (const QPoint& p : piece)
                if (p.x() < 0 || p.x() > view.Width()) std::abort();
        const plane::FunctionValue value = f->Value(section.CenterX);
        if (value && !std::isfinite(*value)) std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList lines =
        base::SplitLines(base::DecodeCp1251(QByteArray(reinterpret_cast<const char*>(data), int(size))));
    plane::PlaneSection section;
    try {
        section = plane::ReadPlaneSection(lines);
    } catch (const plane::SceneFormatError&) {
        return 0;
    }
    SampleEveryGraph(section);
    const QStringList first = Written(section);
    plane::PlaneSection again = ReadOwn(first);
    if (Written(again) != first) std::abort();

    plane::PlaneScene& scene = again.Scene;
    for (int i = 0; i < scene.PointCount(); ++i) {
        plane::TPoint* point = scene.Point(i);
        scene.MovePoint(point, {point->X() * 1.5 + 1, point->Y() - 2});
    }
    const QStringList moved = Written(again);
    plane::PlaneSection third = ReadOwn(moved);
    if (Written(third) != moved) std::abort();
    return 0;
}
