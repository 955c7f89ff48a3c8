#pragma once
#include "labframe/file/labdata.h"
#include <QSize>

class QPainter;

// The renderer of the coordinate line lab (lab 2) on the number-line engine.
namespace labrender {

constexpr int kCoordinateLineLab = 2;

// What the lab's window lines say about the line: "btGrid" pressed shows the
// divisions, "edParts" gives their number, "btDecimal" pressed labels
// decimal ticks. The lab opens with all of it on and 3 parts.
struct NumberLineLook {
    bool showDivisions = true;
    bool decimalLabels = true;
    int parts = 3;
};
NumberLineLook CoordinateLineLook(const QList<labframe::LabControlLine>& controls);

// Reads the section as the engine does and paints the line at the view the
// section keeps; formulas appear as their bracket notation. A refused section
// throws RenderError at the section's first line.
void RenderCoordinateLine(const labframe::LabFileData& data, QPainter& painter, QSize size);

} // namespace labrender
