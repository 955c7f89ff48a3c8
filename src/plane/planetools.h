#pragma once
#include "base/cursorids.h"
#include "base/toolcodes.h"
#include <QString>
#include <cstdint>

// The plane engine's tools: the tag of a plane lab's tool button or menu item.
// The codes the coordinate engines share come from base::ToolCode; the vector
// tool of the plane is 13 (the plane's tool row has always used it).
namespace plane {

enum PlaneTool : uint8_t {
    kToolHand = base::kToolHand,
    kToolPoint = base::kToolPoint,
    kToolCircleFixed = 2,
    kToolRay = base::kToolRay,
    kToolLine = base::kToolLine,
    kToolSegment = base::kToolSegment,
    kToolSegmentFixed = 6,
    kToolPolygonFilled = 7,
    kToolCircleThrough = 8,
    kToolPolygonOutline = 9,
    kToolRegularPolygon = 10,
    kToolVector = 13,
    kToolDistance = 100,
    kToolAngle = 101,
    kToolRotationCentre = 201,
    kToolRotate = 202,
    kToolSymmetryAxis = 203,
    kToolReflect = 204,
    kToolHomothetyCentre = 205,
    kToolHomothety = 206,
    kToolShiftVector = 207,
    kToolTranslate = 208,
    kToolMidpoint = 220,
    kToolRecolour = base::kToolRecolour,
    kToolFreehandGraph = 231,
    kToolNamePoint = base::kToolNamePoint,
    kToolCoordinates = 241,
    kToolTrace = 242,
    kToolEraser = base::kToolEraser,
};

// The plane tools name their cursors by the program's cursor numbers.
using ToolCursor = base::CursorId;

struct ToolInfo {
    PlaneTool code;
    ToolCursor cursor;
    QString hint;
};

// The row of the tool table for a code; nullptr for codes the plane does not know.
const ToolInfo* FindTool(int code);

// Clicks of tools 1 … 90 snap to figures and to the grid.
bool ToolSnaps(int code);
// Tools whose construction takes two clicks (the second after DragState 2).
bool IsTwoClickTool(int code);

} // namespace plane
