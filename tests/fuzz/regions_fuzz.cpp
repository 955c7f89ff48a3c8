// The region layer of the plane from arbitrary lab-file sections: one plane
// section, or two separated by an empty line as the trigonometry lab writes
// them. Reading succeeds or raises SceneFormatError; for every section read,
// the curves and shading are built on a small view, whole and coarse: a
// shaded pixel is one where every inequality holds (checked point by point,
// a point without a value never shaded), and the picture made in slices is
// the picture made at once. The paint tool at the centre shades a region
// that contains the centre whenever it shades anything there.
// Build and run: see cmake/Orindo.cmake (target regions_fuzz).
#include "base/textfile.h"
#include "plane/planerecords.h"
#include "plane/regions.h"
#include "plane/sectionpair.h"
#include <cstdlib>

namespace {

constexpr int kWidth = 24;
constexpr int kHeight = 18;

bool AllHold(plane::FunctionList& list, double x, double y)
{
    if (!plane::HasInequalities(list)) return false;
    for (int i = 0; i < list.Count(); ++i)
        if (list.At(i)->Relation() != plane::TAlgebra::kEqual && !plane::HoldsAt(*list.At(i), x, y)) return false;
    return true;
}

void CheckRegions(plane::PlaneSection& section)
{
    plane::PlaneView view(kWidth, kHeight);
    view.SetScale(section.Scale);
    view.SetCenter(section.CenterX, section.CenterY);
    plane::FunctionList& list = section.Algebra;
    const plane::RegionPicture whole = plane::BuildRegions(list, view);
    for (int column = 0; column < whole.Columns; ++column)
        for (int row = 0; row < whole.Rows; ++row)
            if (whole.IsInside(column, row) != AllHold(list, view.ToWorldX(column), view.ToWorldY(row))) std::abort();
    plane::RegionBuilder slices(list, view);
    while (!slices.Done()) slices.RunRows(5);
    if (slices.Picture().Inside != whole.Inside || slices.Picture().Curve != whole.Curve) std::abort();
    const plane::RegionPicture coarse = plane::BuildRegions(list, view, 3);
    if (coarse.Columns != (kWidth + 2) / 3 || coarse.Rows != (kHeight + 2) / 3) std::abort();

    plane::SignRegionsAt(list, view.ToWorldX(kWidth / 2), view.ToWorldY(kHeight / 2));
    const plane::RegionPicture painted = plane::BuildRegions(list, view);
    if (plane::HasInequalities(list) && !painted.IsInside(kWidth / 2, kHeight / 2)) std::abort();
    plane::DropShading(list);
    if (plane::HasInequalities(list)) std::abort();
}

void ReadAndCheck(const QStringList& lines, int firstLine)
{
    plane::PlaneSection section;
    try {
        section = plane::ReadPlaneSection(lines, firstLine);
    } catch (const plane::SceneFormatError&) {
        return;
    }
    CheckRegions(section);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList lines =
        base::SplitLines(base::DecodeCp1251(QByteArray(reinterpret_cast<const char*>(data), int(size))));
    ReadAndCheck(lines, 1);
    try {
        const plane::SectionPair pair = plane::SplitSections(lines, 1);
        ReadAndCheck(pair.Second, pair.SecondLine);
    } catch (const plane::SceneFormatError&) {
    }
    return 0;
}
