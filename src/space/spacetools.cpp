#include "space/spacetools.h"
#include <array>

namespace space {

namespace {

struct ToolEntry {
    int code;
    base::CursorId cursor;
    const char* hint;
};

constexpr std::array kTools{
    ToolEntry{base::kToolHand, base::kCursorDefault, "Перетаскивайте мышью любые объекты или всю плоскость"},
    ToolEntry{base::kToolPoint, base::kCursorPen, "Щелкните мышью - и в пространстве появится точка"},
    ToolEntry{base::kToolRay, base::kCursorPen, "Щелкните мышью сначала в начале луча, а потом в любой его точке"},
    ToolEntry{base::kToolLine, base::kCursorPen, "Щелкните мышью сначала в одной, а потом в другой точке прямой"},
    ToolEntry{base::kToolSegment, base::kCursorPen, "Щелкните мышью сначала в одном, а потом в другом конце отрезка"},
    ToolEntry{kToolFace, base::kCursorPen, "Щелкните мышью во всех вершинах грани в порядке их обхода"},
    ToolEntry{kToolPlane, base::kCursorPen, "Щелкните мышью в трех различных точках плоскости"},
    ToolEntry{kToolSection, base::kCursorPen, "Щелкните мышью в трех различных точках, через которые проходит сечение"},
    ToolEntry{base::kToolVector, base::kCursorPen, "Щелкните мышью сначала в начале вектора, а потом в его конце"},
    ToolEntry{kToolTurnXY, base::kCursorDefault, "Зацепив мышью \"пространство\", вы можете вращать его вокруг Ox и Oy"},
    ToolEntry{kToolTurnZ, base::kCursorDefault, "Зацепив мышью \"пространство\", вы можете вращать его вокруг Oz"},
    ToolEntry{kToolRuler, base::kCursorDistance, "Щелкните мышью сначала по одной точке, потом по другой"},
    ToolEntry{kToolProtractor, base::kCursorAngle, "Последовательно щелкните мышью по трем точкам, которые определяют угол"},
    ToolEntry{kToolChooseAxis, base::kCursorDefault, "Щелкните мышью по прямой, которая будет осью поворота"},
    ToolEntry{kToolRotate, base::kCursorRotate, "Щелкните мышью по объекту, который нужно повернуть"},
    ToolEntry{kToolChooseMirror, base::kCursorDefault, "Щелкните мышью по плоскости, которая будет плоскостью симметрии"},
    ToolEntry{kToolMirror, base::kCursorMirror, "Щелкните мышью по объекту, который нужно зеркально отразить"},
    ToolEntry{kToolChooseCentre, base::kCursorDefault, "Щелкните мышью по точке, которая будет центром гомотетии"},
    ToolEntry{kToolHomothety, base::kCursorHomothety, "Щелкните мышью по объекту, который нужно гомотетично отобразить"},
    ToolEntry{kToolChooseVector, base::kCursorDefault, "Щелкните мышью по вектору, который будет вектором сдвига"},
    ToolEntry{kToolTranslate, base::kCursorShift, "Щелкните мышью по объекту, который нужно сдвинуть"},
    ToolEntry{kToolMidpoint, base::kCursorDefault, "Щелкните мышью по отрезку, середину которого надо найти"},
    ToolEntry{base::kToolRecolour, base::kCursorPaint, "Щелкните мышью по линии, которую нужно перекрасить"},
    ToolEntry{base::kToolNamePoint, base::kCursorName, "Щелкните мышью по точке, которую нужно обозначить"},
    ToolEntry{base::kToolEraser, base::kCursorDelete, "Щелкните мышью по объекту, который нужно удалить"},
};

} // namespace

ToolLook LookOfTool(int code)
{
    for (const ToolEntry& entry : kTools)
        if (entry.code == code) return {entry.cursor, QString::fromUtf8(entry.hint)};
    return {};
}

bool IsSolidTool(int code) { return code >= kToolCube && code <= kToolOctahedron; }

bool IsGrabTool(int code) { return code == base::kToolHand || code == kToolTurnXY || code == kToolTurnZ; }

} // namespace space
