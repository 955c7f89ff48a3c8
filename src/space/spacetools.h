#pragma once
#include "base/cursorids.h"
#include "base/toolcodes.h"
#include <QString>

// The space engine's tool codes (the shared ones are in base/toolcodes.h),
// with the cursor and the hint each tool shows.
namespace space {

enum SpaceTool : int {
    kToolFace = 7,
    kToolPlane = 13,
    kToolSection = 14,
    kToolCube = 51,
    kToolTetrahedron = 52,
    kToolPyramid = 53,
    kToolPrism = 54,
    kToolOctahedron = 55,
    kToolTurnXY = 98,
    kToolTurnZ = 99,
    kToolRuler = 100,
    kToolProtractor = 101,
    kToolChooseAxis = 201,
    kToolRotate = 202,
    kToolChooseMirror = 203,
    kToolMirror = 204,
    kToolChooseCentre = 205,
    kToolHomothety = 206,
    kToolChooseVector = 207,
    kToolTranslate = 208,
    kToolMidpoint = 220,
};

// Clicks of tools up to this code snap onto the lines, planes and faces under the mouse.
inline constexpr int kLastSnappingTool = 90;

struct ToolLook {
    base::CursorId cursor = base::kCursorDefault;
    QString hint; // empty for tools without a hint
};

// The look of any code; codes outside the table get the default cursor and no hint.
ToolLook LookOfTool(int code);

bool IsSolidTool(int code);
// Tools that grab the space (pan or turn) or a point.
bool IsGrabTool(int code);

} // namespace space
