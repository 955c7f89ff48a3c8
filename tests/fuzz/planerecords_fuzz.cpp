// The plane engine's section of a lab file from arbitrary bytes: reading
// either succeeds or raises SceneFormatError, never crashes or hangs. A scene
// that was read is written, and what is written reads again and writes the
// same text, also after every point has been dragged; no number written is
// NaN or infinite.
// Build and run: see cmake/Orindo.cmake (target planerecords_fuzz).
#include "base/textfile.h"
#include "plane/planerecords.h"
#include <cstdlib>

namespace {

QStringList Written(plane::PlaneSection& section)
{
    plane::PlaneView view(400, 300);
    view.SetScale(section.Scale);
    view.SetCenter(section.CenterX, section.CenterY);
    return plane::WritePlaneSection(section.Scene, view);
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
