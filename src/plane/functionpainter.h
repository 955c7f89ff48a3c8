#pragma once
#include "plane/functionlist.h"
#include "plane/planeview.h"

class QPainter;

// Painting of the graphs of a function list for a view: each graph's
// sampled pieces as polylines in its colour, the graph under the mouse in
// the highlight colour. Equations belong to the shaded region layer.
namespace plane {

void DrawGraphs(QPainter& painter, const PlaneView& view, FunctionList& list, const TAlgebra* hot, int penWidth);

} // namespace plane
