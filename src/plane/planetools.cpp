#include "plane/planetools.h"
#include <array>

namespace plane {
namespace {

constexpr int kLastSnappingTool = 90;

const QString kHintTwoEnds = QStringLiteral("Щелкните мышью сначала в одном, а потом в другом конце отрезка");
const QString kHintCircle = QStringLiteral("Щелкните мышью в центре окружности и растяните ее");
const QString kHintPolygon = QStringLiteral("Щелкайте мышью в вершинах многоугольника, пока он не замкнется");

const std::array<ToolInfo, 29>& ToolTable()
{
    static const std::array<ToolInfo, 29> table{{
        {kToolHand, base::kCursorDefault, QStringLiteral("Перетаскивайте мышью любые объекты или всю плоскость")},
        {kToolPoint, base::kCursorPen, QStringLiteral("Щелкните мышью - и на плоскости появится точка")},
        {kToolCircleFixed, base::kCursorCompass, kHintCircle},
        {kToolRay, base::kCursorPen, QStringLiteral("Щелкните мышью сначала в начале луча, а потом в любой его точке")},
        {kToolLine, base::kCursorPen, QStringLiteral("Щелкните мышью сначала в одной, а потом в другой точке прямой")},
        {kToolSegment, base::kCursorPen, kHintTwoEnds},
        {kToolSegmentFixed, base::kCursorPen, kHintTwoEnds},
        {kToolPolygonFilled, base::kCursorPen, kHintPolygon},
        {kToolCircleThrough, base::kCursorCompass, kHintCircle},
        {kToolPolygonOutline, base::kCursorPen, kHintPolygon},
        {kToolRegularPolygon, base::kCursorDefault, QStringLiteral("Щелкните мышью в центре правильного многоугольника")},
        {kToolVector, base::kCursorPen, QStringLiteral("Щелкните мышью сначала в начале вектора, а потом в его конце")},
        {kToolDistance, base::kCursorDistance, QStringLiteral("Щелкните мышью сначала по одной точке, потом по другой")},
        {kToolAngle, base::kCursorAngle, QStringLiteral("Последовательно щелкните мышью по трем точкам, которые определяют угол")},
        {kToolRotationCentre, base::kCursorDefault, QStringLiteral("Щелкните мышью по точке, которая будет центром поворота")},
        {kToolRotate, base::kCursorRotate, QStringLiteral("Щелкните мышью по объекту, который нужно повернуть")},
        {kToolSymmetryAxis, base::kCursorDefault, QStringLiteral("Щелкните мышью по прямой, которая будет осью симметрии")},
        {kToolReflect, base::kCursorMirror, QStringLiteral("Щелкните мышью по объекту, который нужно зеркально отразить")},
        {kToolHomothetyCentre, base::kCursorDefault, QStringLiteral("Щелкните мышью по точке, которая будет центром гомотетии")},
        {kToolHomothety, base::kCursorHomothety, QStringLiteral("Щелкните мышью по объекту, который нужно гомотетично отобразить")},
        {kToolShiftVector, base::kCursorDefault, QStringLiteral("Щелкните мышью по вектору, который будет вектором сдвига")},
        {kToolTranslate, base::kCursorShift, QStringLiteral("Щелкните мышью по объекту, который нужно сдвинуть")},
        {kToolMidpoint, base::kCursorDefault, QStringLiteral("Щелкните мышью по отрезку, середину которого надо найти")},
        {kToolRecolour, base::kCursorPaint, QStringLiteral("Щелкните мышью по линии, которую нужно перекрасить")},
        {kToolFreehandGraph, base::kCursorPen, QStringLiteral("Нажмите левую кнопку на мышке и, не отпуская ее, рисуйте график функции")},
        {kToolNamePoint, base::kCursorName, QStringLiteral("Щелкните мышью по точке, которую нужно обозначить")},
        {kToolCoordinates, base::kCursorDefault, QStringLiteral("Щелкните мышью по точке, у которой нужно изменить координаты")},
        {kToolTrace, base::kCursorDefault, QStringLiteral("Щелкните мышью по точке, которая должна оставлять след")},
        {kToolEraser, base::kCursorDelete, QStringLiteral("Щелкните мышью по объекту, который нужно удалить")},
    }};
    return table;
}

} // namespace

const ToolInfo* FindTool(int code)
{
    for (const ToolInfo& info : ToolTable())
        if (info.code == code) return &info;
    return nullptr;
}

bool ToolSnaps(int code) { return code >= kToolPoint && code <= kLastSnappingTool; }

bool IsTwoClickTool(int code)
{
    switch (code) {
    case kToolCircleFixed: case kToolRay: case kToolLine: case kToolSegment:
    case kToolSegmentFixed: case kToolCircleThrough: case kToolVector:
        return true;
    default:
        return false;
    }
}

} // namespace plane
