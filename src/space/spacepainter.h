#pragma once
#include "base/colours.h"
#include "space/scene.h"
#include "space/spaceview.h"
#include <QPainter>
#include <QRect>
#include <optional>

// Draws a space scene into a QPainter for a view. Faces are painted back to
// front (the painter's algorithm) in a drawing order of their own; the
// scene's lists keep the order in which the objects were made.
namespace space {

enum class DrawMode { Wireframe = 0, Image = 1, Solid = 2 };

struct PaintOptions {
    DrawMode Mode = DrawMode::Wireframe;
    bool ShowHidden = false;
    int PenWidth = 1;
    const TPoint* HotPoint = nullptr;
    const TFigure* HotFigure1 = nullptr;
    const TFigure* HotFigure2 = nullptr;
    const TMeasure* HotMeasure = nullptr;
    // Chosen elements of the transformation tools and marked points blink:
    // they are drawn in this colour, their own colour stays as it is.
    base::Bgr BlinkColour = base::colour::kBlack;
    const TFigure* RotationAxis = nullptr;
    const TFigure* MirrorPlane = nullptr;
    const TFigure* ShiftVector = nullptr;
    const TPoint* HomothetyCentre = nullptr;
    // The line that follows the mouse during a construction, in pixels.
    std::optional<QLine> RubberBand;
};

// The plane figures in the order they are painted: the largest depth key
// (the farthest) first, equal keys in model order.
std::vector<const TFigurePlane*> PaintingOrder(const SpaceScene& scene);

void PaintScene(QPainter& painter, const SpaceScene& scene, const SpaceView& view, const PaintOptions& options);

// Where a measure's label stands, for a label of the given pixel size.
QRect MeasureLabelRect(const SpaceView& view, const TMeasure& measure, QSize textSize);
// The label text as shown (an angle with its degree sign).
QString MeasureLabel(const TMeasure& measure);

// The fill of a face facing the viewer (shade in green and blue) and of a
// section (shade in red and green); the shade grows as the plane turns
// towards the viewer.
base::Bgr FaceShade(const geometry::PlaneEquation& plane);
base::Bgr SectionShade(const geometry::PlaneEquation& plane);

} // namespace space
