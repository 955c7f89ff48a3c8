#pragma once
#include "plane/functionlist.h"
#include "plane/planeview.h"
#include "plane/regions.h"

class QPainter;

// Painting of the graphs of a function list for a view: each graph's
// sampled pieces as polylines in its colour, the graph under the mouse in
// the highlight colour. Equations belong to the shaded region layer.
namespace plane {

// The region picture where its view's top-left corner lies now, stretched
// by the change of scale since it was made, so that it follows a pan or a
// zoom until it is made again.
void DrawRegions(QPainter& painter, const PlaneView& view, const RegionPicture& picture);
// The picture's curve points alone, drawn again over the grid and the axes,
// so that a curve lying on a grid line (y = 2, x = 0) stays in sight.
void DrawRegionCurves(QPainter& painter, const PlaneView& view, const RegionPicture& picture);

void DrawGraphs(QPainter& painter, const PlaneView& view, FunctionList& list, const TAlgebra* hot, int penWidth);

} // namespace plane
