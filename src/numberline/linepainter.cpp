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
    const std::vector<TickLabel> labels = TickLabels(scene);
    DrawLine(scene, labels);
    const TFigure* movingFigure = m_options.Moving ? m_options.Moving->Figure : nullptr;
    for (const auto& figure : scene.Figures())
        if (figure.get() != movingFigure) DrawFigure(*figure);
    for (const auto& point : scene.Points())
        if (point.get() != m_options.Moving) DrawPoint(*point);
    for (const NameBox& name : NameBoxes(scene, labels))
        if (name.first != m_options.Moving) DrawName(name);
}

void LinePainter::PaintMoving(const NumberLineScene& scene, TPoint& point)
{
    m_canvas.setFont(m_options.Font);
    if (point.Figure) DrawFigure(*point.Figure);
    DrawPoint(point);
    const std::vector<NameBox> names = NameBoxes(scene, TickLabels(scene));
    if (!names.empty() && names.back().first == &point) DrawName(names.back());
}

std::vector<TickLabel> LinePainter::TickLabels(const NumberLineScene& scene) const
{
    const QFontMetrics metrics = m_canvas.fontMetrics();
    const int top = m_view.LineRow() + kLabelTop;
    std::vector<TickLabel> labels;
    for (const Tick& tick : LabelledTicks(m_view, scene.DecimalLabels)) {
        QString text = base::FormatReal(tick.value);
        const int width = metrics.horizontalAdvance(text);
        labels.push_back({tick.column, std::move(text), QRect(tick.column - width / 2, top, width, metrics.height())});
    }
    return labels;
}

std::vector<NameBox> LinePainter::NameBoxes(const NumberLineScene& scene, const std::vector<TickLabel>& labels) const
{
    std::vector<const TPoint*> named;
    const auto shown = [](const TPoint& point) { return point.Visible && point.Placed() && !point.Name().isEmpty(); };
    for (const auto& point : scene.Points())
        if (point.get() != m_options.Moving && shown(*point)) named.push_back(point.get());
    if (m_options.Moving && shown(*m_options.Moving)) named.push_back(m_options.Moving);

    const QFontMetrics metrics = m_canvas.fontMetrics();
    std::vector<NameRequest> requests;
    requests.reserve(named.size());
    for (const TPoint* point : named)
        requests.push_back({QPoint(m_view.ToScreenX(point->X), m_view.ToScreenY(point->Y)),
                            QSize(metrics.horizontalAdvance(point->Name()), metrics.height())});
    std::vector<QRect> taken;
    taken.reserve(labels.size());
    for (const TickLabel& label : labels) taken.push_back(label.box);
    const std::vector<QRect> boxes = LayOutNames(requests, taken);

    std::vector<NameBox> names;
    names.reserve(named.size());
    for (size_t i = 0; i < named.size(); ++i) names.emplace_back(named[i], boxes[i]);
    return names;
}

void LinePainter::DrawName(const NameBox& name)
{
    m_canvas.setPen(base::BgrColor(base::colour::kBlack));
    m_canvas.drawText(name.second, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, name.first->Name());
}

void LinePainter::DrawLine(const NumberLineScene& scene, const std::vector<TickLabel>& labels)
{
    const int y0 = m_view.LineRow();
    m_canvas.setPen(base::BgrColor(base::colour::kBlack));
    m_canvas.setBrush(Qt::NoBrush);
    m_canvas.drawLine(0, y0, m_view.Width(), y0);
    for (const TickLabel& label : labels) {
        const int column = label.column;
        m_canvas.drawLine(column, y0, column, y0 + kTickLength);
        m_canvas.drawEllipse(column - 1, y0 + kTickDotTop, kTickDotSize, kTickDotSize);
        m_canvas.drawText(label.box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, label.text);
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
}

} // namespace numberline
