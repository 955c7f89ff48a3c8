#pragma once
#include "labframe/file/labdata.h"
#include "space/spacepainter.h"
#include <QSize>

class QPainter;

// The renderer of the stereometry lab, on the space engine.
namespace labrender {

constexpr int kStereometryLab = 13;

// What the stereometry lab's window lines say about its drawing: the pressed
// one of "btDrawReg0" … "btDrawReg2" gives the drawing mode (wireframe when
// none is), "btShowAll" pressed shows erased objects, and the width list
// "ComboBoxWidth" gives the pen width (item index + 1).
space::PaintOptions StereometryLook(const QList<labframe::LabControlLine>& controls);

// Reads the space section as the engine reads it and paints the scene at the
// scale and centre it keeps. A refused section throws RenderError.
void RenderStereometry(const labframe::LabFileData& data, QPainter& painter, QSize size);

} // namespace labrender
