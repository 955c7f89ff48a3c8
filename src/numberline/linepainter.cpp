#include "numberline/linepainter.h"
#include "base/colours.h"
#include "base/numfmt.h"
#include <QPainter>

namespace numberline {

namespace {

namespace colour = base::colour::numberline;

// Sizes of the line's marks in pixels.
constexpr int kTickLength = 6;
constexpr int kTickDotTop = 6;
constexpr int kTickDotSize = 3;
constexpr int kLabelTop = 12;
constexpr int kDivisionLength = 8;
constexpr int kDotRadius = 3;
constexpr int kFigurePenWidth = 5;
// Room for a tick label centred on its tick.
constexpr int kLabelBoxWidth = 200;

} // namespace

void PlainFormulaArt::Draw(formulas::TFormula& formula, QPainter& canvas, int x, int y)
{
    const QFontMetrics metrics(canvas.font());
    canvas.drawText(QPoint(x, y + metrics.ascent()), formula.Text());
}

base::Bgr PointFill(const TPoint& point, bool hot, double scale)
{
    if (hot) return colour::kHot;
    if (!point.AtExactValue(scale)) return colour::kOffValue;
    return point.Included ? base::colour::kBlack : base::colour::kWhite;
}

void LinePainter::Paint(NumberLineScene& scene)
{
    m_canvas.setFont(m_options.Font);
    DrawLine(scene);
    const TFigure* movingFigure = m_options.Moving ? m_options.Moving->Figure : nullptr;
    for (const auto& figure : scene.Figures())
        if (figure.get() != movingFigure) DrawFigure(*figure);
    for (const auto& point : scene.Points())
        if (point.get() != m_options.Moving) DrawPoint(*point);
}

void LinePainter::PaintMoving(TPoint& point)
{
    m_canvas.setFont(m_options.Font);
    if (point.Figure) DrawFigure(*point.Figure);
    DrawPoint(point);
}

void LinePainter::DrawLine(const NumberLineScene& scene)
{
    const int y0 = m_view.LineRow();
    m_canvas.setPen(base::BgrColor(base::colour::kBlack));
    m_canvas.setBrush(Qt::NoBrush);
    m_canvas.drawLine(0, y0, m_view.Width(), y0);
    for (const Tick& tick : LabelledTicks(m_view, scene.DecimalLabels)) {
        m_canvas.drawLine(tick.column, y0, tick.column, y0 + kTickLength);
        m_canvas.drawEllipse(tick.column - 1, y0 + kTickDotTop, kTickDotSize, kTickDotSize);
        const QRect box(tick.column - kLabelBoxWidth / 2, y0 + kLabelTop, kLabelBoxWidth, m_canvas.fontMetrics().height());
        m_canvas.drawText(box, Qt::AlignHCenter | Qt::AlignTop, base::FormatReal(tick.value));
    }
    if (scene.ShowDivisions) {
        m_canvas.setPen(base::BgrColor(colour::kDivision));
        for (const Tick& tick : DivisionTicks(m_view, scene.Parts()))
            m_canvas.drawLine(tick.column, y0 - kDivisionLength, tick.column, y0);
        m_canvas.setPen(base::BgrColor(base::colour::kBlack));
    }
    const int zero = m_view.ToScreenX(0);
    m_canvas.drawLine(zero, y0 - kDivisionLength, zero, y0);
}

void LinePainter::DrawFigure(const TFigure& figure)
{
    if (!figure.Visible) return;
    const bool hot = &figure == m_options.HotFigure;
    QPen pen(base::BgrColor(hot ? colour::kHot : figure.Color));
    pen.setWidth(kFigurePenWidth);
    m_canvas.setPen(pen);
    if (figure.Kind() == FigureKind::Segment) {
        const auto& segment = static_cast<const TSegment&>(figure);
        m_canvas.drawLine(m_view.ToScreenX(segment.P1->X), m_view.ToScreenY(segment.P1->Y),
                          m_view.ToScreenX(segment.P2->X), m_view.ToScreenY(segment.P2->Y));
    } else {
        const auto& ray = static_cast<const TLuch&>(figure);
        const int row = m_view.ToScreenY(ray.P1->Y);
        m_canvas.drawLine(m_view.ToScreenX(ray.P1->X), row, ray.ToRight ? m_view.Width() : 0, row);
    }
    m_canvas.setPen(base::BgrColor(base::colour::kBlack));
}

void LinePainter::DrawPoint(TPoint& point)
{
    if (!point.Visible || !point.Placed()) return;
    const QPoint at(m_view.ToScreenX(point.X), m_view.ToScreenY(point.Y));
    m_canvas.setPen(base::BgrColor(base::colour::kBlack));
    m_canvas.setBrush(base::BgrColor(PointFill(point, &point == m_options.HotPoint, m_view.Scale())));
    m_canvas.drawEllipse(at.x() - kDotRadius, at.y() - kDotRadius, 2 * kDotRadius + 1, 2 * kDotRadius + 1);
    m_canvas.setBrush(Qt::NoBrush);
    const QPoint formulaAt = at + kFormulaOffset;
    m_art.Draw(point.Formula(), m_canvas, formulaAt.x(), formulaAt.y());
    if (!point.Name().isEmpty()) {
        const QPoint nameAt = at + kNameOffset;
        m_canvas.drawText(QPoint(nameAt.x(), nameAt.y() + m_canvas.fontMetrics().ascent()), point.Name());
    }
}

} // namespace numberline
