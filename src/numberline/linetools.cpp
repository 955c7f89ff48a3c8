#include "numberline/linetools.h"
#include "numberline/picking.h"

namespace numberline {

QString ToolHint(int tool)
{
    switch (tool) {
    case base::kToolHand: return QStringLiteral("Перетаскивайте мышью любые объекты или всю координатную прямую");
    case base::kToolPoint: return QStringLiteral("Щелкните мышью - и на координатной прямой появится точка");
    case base::kToolRay: return QStringLiteral("Щелкните мышью сначала в начале луча, а потом в любой его точке");
    case base::kToolSegment: return QStringLiteral("Щелкните мышью сначала в одном, а потом в другом конце отрезка");
    case base::kToolRecolour: return QStringLiteral("Щелкните мышью по линии, которую нужно перекрасить");
    case base::kToolNamePoint: return QStringLiteral("Щелкните мышью по точке, которую нужно обозначить");
    case kToolCoordinates: return QStringLiteral("Щелкните мышью по точке, для которой нужно задать координаты");
    case base::kToolEraser: return QStringLiteral("Щелкните мышью по объекту, который нужно удалить");
    default: return {};
    }
}

base::CursorId ToolCursor(int tool)
{
    switch (tool) {
    case base::kToolPoint:
    case base::kToolRay:
    case base::kToolSegment: return base::kCursorPen;
    case base::kToolRecolour: return base::kCursorPaint;
    case base::kToolNamePoint: return base::kCursorName;
    case base::kToolEraser: return base::kCursorDelete;
    default: return base::kCursorDefault;
    }
}

void LineTools::SetTool(int tool)
{
    m_tool = tool;
    m_dragState = DragState::Idle;
    m_start = nullptr;
}

void LineTools::Reset()
{
    m_hotPoint = nullptr;
    m_hotFigure = nullptr;
    m_start = nullptr;
    m_dragState = DragState::Idle;
    m_draggingFigure = false;
    m_draggingPoint = false;
}

TPoint& LineTools::StartOrNewPoint(const QString& formulaText)
{
    return m_hotPoint ? *m_hotPoint : m_scene.AddPoint(formulaText);
}

void LineTools::FinishFigure(QPoint pixel, const QString& formulaText)
{
    m_dragState = DragState::Idle;
    TPoint* start = m_start;
    m_start = nullptr;
    if (!start) return;
    if (m_tool == base::kToolRay) {
        m_scene.AddRay(*start, m_view.ToWorldX(pixel.x()) >= start->X, DrawColor);
        return;
    }
    TPoint& end = StartOrNewPoint(formulaText);
    m_scene.AddSegment(*start, end, DrawColor);
}

void LineTools::EraseHot()
{
    if (m_hotFigure) {
        m_hotFigure->Visible = false;
        m_hotFigure = nullptr;
    }
    if (m_hotPoint) {
        m_hotPoint->Visible = false;
        m_hotPoint = nullptr;
    }
}

LineTools::PressResult LineTools::Press(QPoint pixel)
{
    PressResult result;
    m_last = pixel;
    const bool makesPoints = m_tool == base::kToolPoint || m_tool == base::kToolRay || m_tool == base::kToolSegment;
    QString formulaText;
    if (makesPoints) {
        const double x = m_view.ToWorldX(pixel.x());
        formulaText = ClickFormulaText(x, m_scene.Parts(), m_scene.ShowDivisions);
        if (m_scene.ShowDivisions && !m_hotPoint)
            result.MovePointerTo = QPoint(m_view.ToScreenX(ClickValue(x, m_scene.Parts(), true)), m_view.LineRow());
    }
    switch (m_tool) {
    case base::kToolHand:
        if (m_hotPoint || m_hotFigure) {
            m_draggingFigure = !m_hotPoint;
            m_draggingPoint = m_hotPoint != nullptr;
            result.Cursor = base::kCursorHandGet;
        } else {
            m_dragState = DragState::Panning;
            result.Cursor = base::kCursorHandClose;
        }
        break;
    case base::kToolPoint:
        if (!m_hotPoint) m_scene.AddPoint(formulaText);
        break;
    case base::kToolRay:
    case base::kToolSegment:
        if (m_dragState == DragState::SecondClick) {
            FinishFigure(pixel, formulaText);
        } else {
            m_start = &StartOrNewPoint(formulaText);
            m_dragState = DragState::SecondClick;
        }
        break;
    case base::kToolRecolour:
        if (m_hotFigure) {
            m_hotFigure->Color = DrawColor;
            m_hotFigure = nullptr;
        }
        break;
    case kToolMagicWand:
        if (m_hotPoint) m_hotPoint->PutAtExact();
        break;
    case kToolInclude:
        if (m_hotPoint) m_hotPoint->Included = !m_hotPoint->Included;
        break;
    case base::kToolEraser: EraseHot(); break;
    default: break;
    }
    return result;
}

void LineTools::UpdateHot(QPoint pixel)
{
    m_hotPoint = FindHotPoint(m_scene, m_view, pixel.x(), pixel.y());
    m_hotFigure = m_hotPoint ? nullptr : FindHotFigure(m_scene, m_view, pixel.x(), pixel.y());
}

bool LineTools::Move(QPoint pixel, bool leftHeld)
{
    const QPoint delta = pixel - m_last;
    if (m_tool == base::kToolHand && leftHeld && m_dragState != DragState::Panning) {
        if (m_hotPoint) {
            m_hotPoint->X = m_view.ToWorldX(pixel.x());
            m_hotPoint->Y = m_view.ToWorldY(pixel.y());
            m_last = pixel;
            return true;
        }
        if (m_hotFigure && m_draggingFigure) {
            m_hotFigure->ShiftBy(m_view, delta.x());
            m_last = pixel;
            return true;
        }
        return false;
    }
    if (m_dragState == DragState::Panning) {
        m_view.SetCenter(m_view.CenterX() - delta.x() / m_view.Scale());
        m_last = pixel;
        return true;
    }
    TPoint* const hotPoint = m_hotPoint;
    TFigure* const hotFigure = m_hotFigure;
    if (!leftHeld) UpdateHot(pixel);
    m_last = pixel;
    return hotPoint != m_hotPoint || hotFigure != m_hotFigure || m_dragState == DragState::SecondClick;
}

void LineTools::Release()
{
    m_draggingFigure = false;
    m_draggingPoint = false;
    if (m_tool != base::kToolHand) return;
    m_dragState = DragState::Idle;
    if (m_hotPoint) DropPoint(*m_hotPoint, m_view, m_scene.Parts(), m_scene.ShowDivisions);
}

std::optional<std::pair<QPoint, QPoint>> LineTools::RubberBand() const
{
    if (m_dragState != DragState::SecondClick || !m_start) return std::nullopt;
    return std::pair{QPoint(m_view.ToScreenX(m_start->X), m_view.ToScreenY(m_start->Y)), m_last};
}

} // namespace numberline
