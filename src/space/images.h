#pragma once
#include "space/scene.h"
#include <unordered_map>
#include <vector>

// Images of objects under a transformation. An image point follows its
// original and the transformation's element (SpaceScene recomputes it); an
// image figure is a figure through image points. One ImageMaker applies one
// transformation to a group of objects picked together, so a point shared by
// them (a vertex of a face and of an edge) gets one image, not several.
namespace space {

// The transformation's numbers are usable: a rotation by a finite angle, a
// homothety by a finite factor other than 0 (which would crush every image
// into the centre, leaving faces without a plane).
bool RotationAngleAllowed(double degrees);
bool HomothetyFactorAllowed(double factor);

class ImageMaker {
public:
    ImageMaker(SpaceScene& scene, const Morph& morph) : m_scene(scene), m_morph(morph) {}

    TPoint& ImageOf(TPoint& point);
    // Images of lines, rays, segments and vectors are purple; faces and
    // planes keep their colour (the image of a solid's face belongs to the
    // same solid); the image of a section is a section of the same colour
    // through invisible points. Null when the image has no shape (the
    // figure's points collapsed).
    TFigure* ImageOf(TFigure& figure);

private:
    SpaceScene& m_scene;
    Morph m_morph;
    std::unordered_map<const TPoint*, TPoint*> m_made;
};

bool SameMorph(const Morph& a, const Morph& b);

// The image points made of a point and the figures made as images of a
// figure (each defining point the image of the figure's point in the same
// place, all by one transformation).
std::vector<TPoint*> ImagesOf(const SpaceScene& scene, const TPoint& original);
std::vector<TFigure*> ImagesOf(const SpaceScene& scene, const TFigure& original);

// The eraser: the object is hidden and its images go with it, images of
// images included, so no image stays on the screen without its original.
void EraseWithImages(const SpaceScene& scene, TPoint& point);
void EraseWithImages(const SpaceScene& scene, TFigure& figure);

} // namespace space
