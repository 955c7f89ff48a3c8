#include "plane/planepainter.h"
#include "plane/functionpainter.h"
#include "base/numfmt.h"
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace plane {

using geometry::Vec2;

namespace {

constexpr double kNearZero = 1e-10;
constexpr int kViewMargin = 100;      // lines whose nearest point lies farther out are not drawn
constexpr int kMinLineHalfLength = 800;
constexpr int kTickHalf = 3;
constexpr int kPointHalf = 2;         // a point is a 5 × 5 pixel disk
constexpr int kPointLabelRise = 20;
constexpr int kAngleArcRadius = 12;
constexpr int kAngleLabelDistance = 50;
constexpr int kPolygonOutlineWidth = 2;
constexpr int kCaptionMargin = 5;
const QChar kCaptionSplit(0x00B7);    // "·": a caption's title before it, its text after it

QColor Colour(base::Bgr bgr) { return base::BgrColor(bgr); }

// Liang–Barsky: the part of the pixel segment a–b inside the rectangle.
std::optional<std::pair<QPointF, QPointF>> ClipSegment(QPointF a, QPointF b, const QRectF& rect)
{
    double t0 = 0, t1 = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x() - rect.left(), rect.right() - a.x(), a.y() - rect.top(), rect.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, t);
        else t1 = std::min(t1, t);
        if (t0 > t1) return std::nullopt;
    }
    return std::pair{QPointF(a.x() + t0 * dx, a.y() + t0 * dy), QPointF(a.x() + t1 * dx, a.y() + t1 * dy)};
}

QString TwoDecimalsComma(double value)
{
    return QString::asprintf("%8.2f", value).trimmed().replace(u'.', u',');
}

} // namespace

std::vector<double> GridValues(double from, double to, double step, int every, int maxCount)
{
    std::vector<double> values;
    if (!(step > 0) || !std::isfinite(from) || !std::isfinite(to) || every < 1 || from > to) return values;
    const double first = std::trunc(from / step);
    const double span = std::floor(to / step) - first;
    if (!std::isfinite(first) || !std::isfinite(span)) return values;
    const int count = int(std::min(span + 1, double(maxCount)));
    for (int i = 0; i < count; ++i) {
        const double k = first + i;
        if (std::fmod(k, every) != 0) continue;
        double v = k * step;
        if (std::abs(v) < kNearZero) v = 0;
        values.push_back(v);
    }
    return values;
}

int GridThinning(double pixelsApart) { return pixelsApart >= 10 ? 1 : pixelsApart >= 5 ? 2 : pixelsApart >= 2 ? 5 : 10; }
int TickThinning(double pixelsApart) { return pixelsApart >= 40 ? 1 : pixelsApart >= 20 ? 2 : pixelsApart >= 10 ? 5 : 10; }

QString PointLabel(const TPoint& point, bool showCoordinates)
{
    // Older files keep coordinate labels as names; they show the live coordinates.
    static const QRegularExpression coordinateLabel(QStringLiteral("^\\(-?\\d+,\\d\\d;-?\\d+,\\d\\d\\)$"));
    if (!point.Name().isEmpty() && !coordinateLabel.match(point.Name()).hasMatch()) return point.Name();
    if (!showCoordinates) return {};
    return u'(' + TwoDecimalsComma(point.X()) + u';' + TwoDecimalsComma(point.Y()) + u')';
}

QString DistanceText(double value) { return QString::asprintf("%10.2f", value); }
QString AngleText(double degrees) { return QString::asprintf("%10.0f", degrees).trimmed(); }

// The view's columns run to the integer limit; drawing adds offsets to them
// (a point's disk, an angle's arc, the middle of a distance), so the painter
// keeps them within this many pixels, far outside any control.
constexpr int kMaxDrawnColumn = 1'000'000;

QPoint PlanePainter::Pixel(Vec2 world) const
{
    return {std::clamp(m_view.ToScreenX(world.x), -kMaxDrawnColumn, kMaxDrawnColumn), m_view.ToScreenY(world.y)};
}

void PlanePainter::Paint(PlaneScene& scene)
{
    m_painter.save();
    m_painter.setFont(m_options.Font);
    // The grid shows through the shading, as it shows through a window pane.
    if (m_options.Regions) DrawRegions(m_painter, m_view, *m_options.Regions);
    if (m_options.GridVisible) DrawGrid();
    if (m_options.AxesVisible) DrawAxes();
    if (m_options.Regions) DrawRegionCurves(m_painter, m_view, *m_options.Regions);
    for (int i = 0; i < scene.MeasureCount(); ++i) DrawMeasure(*scene.Measure(i));
    for (int i = 0; i < scene.FigureCount(); ++i)
        if (scene.Figure(i)->Kind() != FigureKind::Polygon) DrawFigure(*scene.Figure(i));
    if (m_options.Functions) DrawGraphs(m_painter, m_view, *m_options.Functions, m_options.HotFunction, m_options.PenWidth);
    for (int i = 0; i < scene.PointCount(); ++i) DrawPoint(scene, *scene.Point(i));
    for (int i = 0; i < scene.FigureCount(); ++i)
        if (scene.Figure(i)->Kind() == FigureKind::Polygon) DrawPolygon(static_cast<const TPolygon&>(*scene.Figure(i)));
    m_painter.restore();
}

void PlanePainter::DrawGrid()
{
    const int w = m_view.Width(), h = m_view.Height();
    const double step = m_view.GridStep();
    const int every = GridThinning(step * m_view.Scale());
    m_painter.setPen(QPen(Colour(colour::kGrid), 1));
    for (double x : GridValues(m_view.ToWorldX(0), m_view.ToWorldX(w), step, every, w + 2)) {
        const int column = m_view.ToScreenX(x);
        m_painter.drawLine(column, 0, column, h);
    }
    for (double y : GridValues(m_view.ToWorldY(h), m_view.ToWorldY(0), step, every, h + 2)) {
        const int row = m_view.ToScreenY(y);
        m_painter.drawLine(0, row, w, row);
    }
}

void PlanePainter::DrawAxes()
{
    const int w = m_view.Width(), h = m_view.Height();
    const QPoint origin = Pixel({0, 0});
    const QFontMetrics metrics(m_painter.font());
    auto textAt = [&](int left, int top, const QString& text) { m_painter.drawText(left, top + metrics.ascent(), text); };
    m_painter.setPen(QPen(Qt::black, 1));
    m_painter.drawLine(origin.x(), 0, origin.x(), h);
    m_painter.drawLine(0, origin.y(), w, origin.y());
    textAt(origin.x() - 10, origin.y() + 2, QStringLiteral("0"));
    const double step = m_view.GridStep();
    const int every = TickThinning(step * m_view.Scale());
    for (double x : GridValues(m_view.ToWorldX(0), m_view.ToWorldX(w), step, every, w + 2)) {
        if (x == 0) continue;
        const int column = m_view.ToScreenX(x);
        m_painter.drawLine(column, origin.y() - kTickHalf, column, origin.y() + kTickHalf);
        const QString text = base::FormatReal(x);
        textAt(column - metrics.horizontalAdvance(text) / 2, origin.y() + 2, text);
    }
    for (double y : GridValues(m_view.ToWorldY(h), m_view.ToWorldY(0), step, every, h + 2)) {
        if (y == 0) continue;
        const int row = m_view.ToScreenY(y);
        m_painter.drawLine(origin.x() - kTickHalf, row, origin.x() + kTickHalf, row);
        const QString text = base::FormatReal(y);
        textAt(origin.x() - metrics.horizontalAdvance(text) - 5, row - 8, text);
    }
}

void PlanePainter::DrawFigure(const TFigure& figure)
{
    if (!Shown(figure.Visible) || !figure.Exists()) return;
    const bool hot = &figure == m_options.Hot.first || &figure == m_options.Hot.second;
    const bool blinks = &figure == m_options.BlinkAxis || &figure == m_options.BlinkVector;
    const base::Bgr bgr = hot ? colour::kHot : blinks ? m_options.BlinkColor : figure.Color;
    m_painter.setPen(QPen(Colour(bgr), m_options.PenWidth));
    m_painter.setBrush(Qt::NoBrush);
    if (IsLineLike(figure.Kind())) DrawLineFigure(static_cast<const TFigureLine&>(figure));
    else if (IsCircle(figure.Kind())) DrawCircle(static_cast<const TFigureCircle&>(figure));
}

void PlanePainter::DrawLineFigure(const TFigureLine& figure)
{
    const geometry::Line line = figure.AsLine();
    const Vec2 d = line.direction();
    const double length = geometry::Length(d);
    if (length == 0 || !std::isfinite(length)) return; // two coincident points make no line
    const int w = m_view.Width(), h = m_view.Height();
    // Pixels in floating point, so that far ends keep the line's direction.
    auto pixel = [this, w, h](Vec2 p) {
        return QPointF((p.x - m_view.CenterX()) * m_view.Scale() + w / 2, -(p.y - m_view.CenterY()) * m_view.Scale() + h / 2);
    };
    const QRectF area(-kViewMargin, -kViewMargin, w + 2 * kViewMargin, h + 2 * kViewMargin);
    QPointF from = pixel(line.p1), to = pixel(line.p2);
    if (figure.Extent() != geometry::Extent::Segment) {
        double t = geometry::Dot(Vec2{m_view.CenterX(), m_view.CenterY()} - line.p1, d) / geometry::Dot(d, d);
        if (figure.Extent() == geometry::Extent::Ray) t = std::max(t, 0.0);
        const Vec2 foot = line.p1 + t * d;
        if (!area.contains(pixel(foot))) return;
        const double half = std::max(kMinLineHalfLength, w + h) / m_view.Scale() / length;
        to = pixel(foot + half * d);
        if (figure.Extent() == geometry::Extent::Line) from = pixel(foot - half * d);
    }
    if (const auto clipped = ClipSegment(from, to, area)) m_painter.drawLine(QLineF(clipped->first, clipped->second));
    if (figure.Kind() != FigureKind::Vector) return;
    // The arrowhead: two strokes half a unit long, turned by ±arctan(1/3) from the shaft.
    const Vec2 back = line.p1 - line.p2;
    const Vec2 wing1{3 * back.x - back.y, back.x + 3 * back.y};
    const Vec2 wing2{3 * back.x + back.y, 3 * back.y - back.x};
    const double scale = 2 * geometry::Length(wing1);
    if (scale == 0 || !std::isfinite(scale)) return;
    const QPointF tip = pixel(line.p2);
    for (Vec2 wing : {wing1, wing2})
        if (const auto clipped = ClipSegment(tip, pixel(line.p2 + (1 / scale) * wing), area))
            m_painter.drawLine(QLineF(clipped->first, clipped->second));
}

void PlanePainter::DrawCircle(const TFigureCircle& circle)
{
    const double radius = std::round(circle.Radius() * m_view.Scale());
    const QPointF centre((circle.Center->X() - m_view.CenterX()) * m_view.Scale() + m_view.Width() / 2,
                         -(circle.Center->Y() - m_view.CenterY()) * m_view.Scale() + m_view.Height() / 2);
    // Only circles whose line crosses the control are drawn.
    const double nearX = std::clamp(centre.x(), 0.0, double(m_view.Width()));
    const double nearY = std::clamp(centre.y(), 0.0, double(m_view.Height()));
    const double nearest = std::hypot(centre.x() - nearX, centre.y() - nearY);
    const double farthest = std::hypot(std::max(centre.x(), m_view.Width() - centre.x()),
                                       std::max(centre.y(), m_view.Height() - centre.y()));
    if (!std::isfinite(radius) || radius < nearest - 1 || radius > farthest + 1) return;
    m_painter.drawEllipse(centre, radius, radius);
}

void PlanePainter::DrawPoint(const PlaneScene& scene, const TPoint& point)
{
    if (!Shown(point.Visible) || !point.Exists()) return;
    base::Bgr bgr = point.Base2() || point.Source() ? base::colour::kBlack : colour::kFreePoint;
    if (&point == scene.RotationCenter || &point == scene.HomothetyCenter || point.Marked) bgr = m_options.BlinkColor;
    if (&point == m_options.HotPoint) bgr = colour::kHot;
    if (point.Trace) bgr = colour::kTracingPoint;
    const QPoint at = Pixel(point.Position());
    if (point.Guide) {
        m_painter.setPen(QPen(Qt::black, 1));
        m_painter.drawLine(at.x(), 0, at.x(), m_view.Height());
    }
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(Colour(bgr));
    m_painter.drawEllipse(QRect(at.x() - kPointHalf, at.y() - kPointHalf, 2 * kPointHalf + 1, 2 * kPointHalf + 1));
    const QString label = PointLabel(point, m_options.ShowCoordinates);
    if (label.isEmpty()) return;
    m_painter.setPen(Qt::black);
    m_painter.drawText(at.x(), at.y() - kPointLabelRise + QFontMetrics(m_painter.font()).ascent(), label);
}

void PlanePainter::DrawMeasure(TMeasure& measure)
{
    if (auto* distance = dynamic_cast<TDistance*>(&measure)) DrawDistance(*distance);
    else if (auto* angle = dynamic_cast<TAngle*>(&measure)) DrawAngle(*angle);
}

void PlanePainter::DrawDistance(TDistance& distance)
{
    const auto value = distance.Value();
    if (!value) return;
    const QPoint a = Pixel(distance.A->Position()), b = Pixel(distance.B->Position());
    m_painter.setPen(QPen(Colour(base::colour::kSilver), m_options.PenWidth));
    m_painter.drawLine(a, b);
    m_painter.setPen(&distance == m_options.HotMeasure ? Colour(colour::kHot) : QColor(Qt::black));
    const QFontMetrics metrics(m_painter.font());
    m_painter.drawText((a.x() + b.x()) / 2 - 5, (a.y() + b.y()) / 2 + 6 + metrics.ascent(), DistanceText(*value).trimmed());
}

void PlanePainter::DrawAngle(TAngle& angle)
{
    const auto value = angle.Value(); // may exchange A and B so that the arc runs counter-clockwise
    if (!value) return;
    const QPoint a = Pixel(angle.A->Position()), v = Pixel(angle.V->Position()), b = Pixel(angle.B->Position());
    m_painter.setPen(QPen(Colour(base::colour::kSilver), m_options.PenWidth));
    m_painter.setBrush(Qt::NoBrush);
    const Vec2 toA = angle.A->Position() - angle.V->Position();
    const double start = std::atan2(toA.y, toA.x) * 180 / std::numbers::pi;
    constexpr int kSixteenths = 16; // QPainter measures arcs in sixteenths of a degree
    m_painter.drawArc(QRect(v.x() - kAngleArcRadius, v.y() - kAngleArcRadius, 2 * kAngleArcRadius, 2 * kAngleArcRadius),
                      int(std::lround(start * kSixteenths)), int(std::lround(*value * kSixteenths)));
    m_painter.drawLine(a, v);
    m_painter.drawLine(v, b);
    const double u = a.x() + b.x() - 2.0 * v.x(), w = a.y() + b.y() - 2.0 * v.y();
    const double norm = std::hypot(u, w);
    if (norm <= kNearZero) return;
    m_painter.setPen(&angle == m_options.HotMeasure ? Colour(colour::kHot) : QColor(Qt::black));
    const QPoint at(v.x() + int(std::lround(kAngleLabelDistance * u / norm)), v.y() + int(std::lround(kAngleLabelDistance * w / norm)));
    m_painter.drawText(at.x(), at.y() + QFontMetrics(m_painter.font()).ascent(), AngleText(*value) + QChar(0x00B0));
}

void PlanePainter::DrawPolygon(const TPolygon& polygon)
{
    if (!Shown(polygon.Visible)) return;
    QPolygonF outline;
    for (Vec2 vertex : polygon.Vertices) outline << QPointF(Pixel(vertex));
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    path.setFillRule(Qt::WindingFill);
    m_painter.fillPath(path, Colour(polygon.Color));
    const QRectF box = outline.boundingRect();
    // Only the part of the polygon inside the control gets grid lines: a
    // polygon reaching millions of pixels out must not cost a line per pixel.
    const QRectF shown = box.intersected(QRectF(0, 0, m_view.Width(), m_view.Height()));
    if (m_options.GridVisible && !shown.isEmpty()) {
        // Grid lines run across the polygon at every grid step.
        m_painter.save();
        m_painter.setClipPath(path);
        m_painter.setPen(QPen(Colour(colour::kPolygonOutline), 1));
        const double step = m_view.GridStep();
        for (double x : GridValues(m_view.ToWorldX(shown.left()), m_view.ToWorldX(shown.right()), step, 1, int(shown.width()) + 2))
            m_painter.drawLine(QPointF(m_view.ToScreenX(x), shown.top()), QPointF(m_view.ToScreenX(x), shown.bottom()));
        for (double y : GridValues(m_view.ToWorldY(shown.bottom()), m_view.ToWorldY(shown.top()), step, 1, int(shown.height()) + 2))
            m_painter.drawLine(QPointF(shown.left(), m_view.ToScreenY(y)), QPointF(shown.right(), m_view.ToScreenY(y)));
        m_painter.restore();
    }
    m_painter.setPen(QPen(Colour(colour::kPolygonOutline), kPolygonOutlineWidth));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPath(path);
    if (polygon.Caption.isEmpty()) return;
    m_painter.setPen(Qt::black);
    const qsizetype split = polygon.Caption.indexOf(kCaptionSplit);
    if (split < 0) {
        m_painter.drawText(box, Qt::AlignCenter, polygon.Caption);
        return;
    }
    m_painter.drawText(box.adjusted(0, kCaptionMargin, 0, 0), Qt::AlignHCenter | Qt::AlignTop, polygon.Caption.left(split));
    m_painter.drawText(box.adjusted(kCaptionMargin, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, polygon.Caption.mid(split + 1));
}

} // namespace plane
