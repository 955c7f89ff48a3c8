#include "space/images.h"
#include <cmath>

namespace space {

bool RotationAngleAllowed(double degrees) { return std::isfinite(degrees); }
bool HomothetyFactorAllowed(double factor) { return std::isfinite(factor) && factor != 0; }

bool SameMorph(const Morph& a, const Morph& b)
{
    return a.Kind == b.Kind && a.Element == b.Element && a.Centre == b.Centre && a.Param == b.Param;
}

TPoint& ImageMaker::ImageOf(TPoint& point)
{
    if (const auto found = m_made.find(&point); found != m_made.end()) return *found->second;
    TPoint& image = m_scene.AddImagePoint(point, m_morph);
    m_made.emplace(&point, &image);
    return image;
}

TFigure* ImageMaker::ImageOf(TFigure& figure)
{
    std::vector<TPoint*> images;
    for (TPoint* p : figure.DefiningPoints()) images.push_back(&ImageOf(*p));
    if (figure.IsLine())
        return m_scene.AddLineFigure(figure.Kind(), *images[0], *images[1], base::colour::space::kImage);
    if (figure.Kind() == FigureKind::Section)
        for (TPoint* p : images) p->Visible = false;
    return m_scene.AddPlaneFigure(figure.Kind(), std::move(images), figure.Color);
}

std::vector<TPoint*> ImagesOf(const SpaceScene& scene, const TPoint& original)
{
    std::vector<TPoint*> images;
    for (const auto& point : scene.Points())
        if (point->Source == &original) images.push_back(point.get());
    return images;
}

namespace {

bool IsImageOf(const TFigure& candidate, const TFigure& original)
{
    if (&candidate == &original || candidate.Kind() != original.Kind()) return false;
    const std::vector<TPoint*> from = original.DefiningPoints();
    const std::vector<TPoint*> to = candidate.DefiningPoints();
    if (from.size() != to.size() || to.empty() || !to.front()->Source) return false;
    const Morph& morph = to.front()->Morphing;
    for (size_t i = 0; i < to.size(); ++i)
        if (to[i]->Source != from[i] || !SameMorph(to[i]->Morphing, morph)) return false;
    return true;
}

} // namespace

std::vector<TFigure*> ImagesOf(const SpaceScene& scene, const TFigure& original)
{
    std::vector<TFigure*> images;
    for (const auto& figure : scene.Figures())
        if (IsImageOf(*figure, original)) images.push_back(figure.get());
    return images;
}

// Images are always made after their originals (the reader refuses a point
// that depends on a later one), so the walk ends.
void EraseWithImages(const SpaceScene& scene, TPoint& point)
{
    point.Visible = false;
    for (TPoint* image : ImagesOf(scene, point))
        EraseWithImages(scene, *image);
}

void EraseWithImages(const SpaceScene& scene, TFigure& figure)
{
    figure.Visible = false;
    for (TFigure* image : ImagesOf(scene, figure))
        EraseWithImages(scene, *image);
}

} // namespace space
