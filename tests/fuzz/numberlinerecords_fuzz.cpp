// The number-line engine's section of a lab file from arbitrary bytes:
// reading either succeeds or raises SectionFormatError, never crashes or
// hangs. A section that was read is written, and what is written reads again
// and writes the same text, also after every point was dropped back onto
// the line; the frame's ticks stay within their bound.
// Build and run: see cmake/Orindo.cmake (target numberlinerecords_fuzz).
#include "base/textfile.h"
#include "numberline/lineview.h"
#include "numberline/picking.h"
#include "numberline/records.h"
#include <cstdlib>

namespace {

numberline::LineView ViewOf(const numberline::NumberLineSection& section)
{
    numberline::LineView view(800, 300);
    view.SetScale(section.Scale);
    view.SetCenter(section.CenterX);
    return view;
}

// What the engine writes, it reads again: a refusal here is a fault.
numberline::NumberLineSection ReadOwn(const QStringList& lines)
{
    try {
        return numberline::ReadNumberLineSection(lines);
    } catch (const numberline::SectionFormatError&) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList lines =
        base::SplitLines(base::DecodeCp1251(QByteArray(reinterpret_cast<const char*>(data), int(size))));
    numberline::NumberLineSection section;
    try {
        section = numberline::ReadNumberLineSection(lines);
    } catch (const numberline::SectionFormatError&) {
        return 0;
    }
    const numberline::LineView view = ViewOf(section);
    if (numberline::LabelledTicks(view, true).size() > size_t(numberline::LineView::kMaxTicks)) std::abort();
    const QStringList first = numberline::WriteNumberLineSection(section.Scene, view);
    numberline::NumberLineSection again = ReadOwn(first);
    if (numberline::WriteNumberLineSection(again.Scene, ViewOf(again)) != first) std::abort();

    for (const auto& point : again.Scene.Points()) numberline::DropPoint(*point, view, 7, true);
    const QStringList dropped = numberline::WriteNumberLineSection(again.Scene, view);
    numberline::NumberLineSection third = ReadOwn(dropped);
    if (numberline::WriteNumberLineSection(third.Scene, ViewOf(third)) != dropped) std::abort();
    return 0;
}
