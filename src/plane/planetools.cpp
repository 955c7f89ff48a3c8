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
        {kToolHand, kCursorDefault, QStringLiteral("Перетаскивайте мышью любые объекты или всю плоскость")},
        {kToolPoint, kCursorPen, QStringLiteral("Щелкните мышью - и на плоскости появится точка")},
        {kToolCircleFixed, kCursorCompass, kHintCircle},
        {kToolRay, kCursorPen, QStringLiteral("Щелкните мышью сначала в начале луча, а потом в любой его точке")},
        {kToolLine, kCursorPen, QStringLiteral("Щелкните мышью сначала в одной, а потом в другой точке прямой")},
        {kToolSegment, kCursorPen, kHintTwoEnds},
        {kToolSegmentFixed, kCursorPen, kHintTwoEnds},
        {kToolPolygonFilled, kCursorPen, kHintPolygon},
        {kToolCircleThrough, kCursorCompass, kHintCircle},
        {kToolPolygonOutline, kCursorPen, kHintPolygon},
        {kToolRegularPolygon, kCursorDefault, QStringLiteral("Щелкните мышью в центре правильного многоугольника")},
        {kToolVector, kCursorPen, QStringLiteral("Щелкните мышью сначала в начале вектора, а потом в его конце")},
        {kToolDistance, kCursorDistance, QStringLiteral("Щелкните мышью сначала по одной точке, потом по другой")},
        {kToolAngle, kCursorAngle, QStringLiteral("Последовательно щелкните мышью по трем точкам, которые определяют угол")},
        {kToolRotationCentre, kCursorDefault, QStringLiteral("Щелкните мышью по точке, которая будет центром поворота")},
        {kToolRotate, kCursorRotate, QStringLiteral("Щелкните мышью по объекту, который нужно повернуть")},
        {kToolSymmetryAxis, kCursorDefault, QStringLiteral("Щелкните мышью по прямой, которая будет осью симметрии")},
        {kToolReflect, kCursorMirror, QStringLiteral("Щелкните мышью по объекту, который нужно зеркально отразить")},
        {kToolHomothetyCentre, kCursorDefault, QStringLiteral("Щелкните мышью по точке, которая будет центром гомотетии")},
        {kToolHomothety, kCursorHomothety, QStringLiteral("Щелкните мышью по объекту, который нужно гомотетично отобразить")},
        {kToolShiftVector, kCursorDefault, QStringLiteral("Щелкните мышью по вектору, который будет вектором сдвига")},
        {kToolTranslate, kCursorShift, QStringLiteral("Щелкните мышью по объекту, который нужно сдвинуть")},
        {kToolMidpoint, kCursorDefault, QStringLiteral("Щелкните мышью по отрезку, середину которого надо найти")},
        {kToolRecolour, kCursorPaint, QStringLiteral("Щелкните мышью по линии, которую нужно перекрасить")},
        {kToolFreehandGraph, kCursorPen, QStringLiteral("Нажмите левую кнопку на мышке и, не отпуская ее, рисуйте график функции")},
        {kToolNamePoint, kCursorName, QStringLiteral("Щелкните мышью по точке, которую нужно обозначить")},
        {kToolCoordinates, kCursorDefault, QStringLiteral("Щелкните мышью по точке, у которой нужно изменить координаты")},
        {kToolTrace, kCursorDefault, QStringLiteral("Щелкните мышью по точке, которая должна оставлять след")},
        {kToolEraser, kCursorDelete, QStringLiteral("Щелкните мышью по объекту, который нужно удалить")},
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
