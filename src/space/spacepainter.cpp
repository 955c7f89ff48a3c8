#include "space/spacepainter.h"
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace space {

namespace c = base::colour::space;
using geometry::Vec3;

namespace {

constexpr int kPointRadius = 2;       // a point is a dot of five pixels
constexpr QPoint kNameOffset{-5, 6};  // a point's name, below left of it
constexpr QPoint kDistanceLabelOffset{-5, 6};
constexpr double kAngleArcRadius = 12;
constexpr double kAngleLabelDistance = 50;
constexpr double kWingLength = 0.5;   // arrowhead strokes, world units
constexpr double kWingSlope = 3;      // strokes make atan(1/3) with the shaft
constexpr int kMaxShade = 255;

QPen Pen(base::Bgr colour, int width) { return QPen(base::BgrColor(colour), width); }

int Shade(const geometry::PlaneEquation& plane)
{
    const double length = geometry::Length(plane.n);
    if (length == 0) return 0;
    return int(std::lround(std::abs(plane.n.z) / length * kMaxShade));
}

class ScenePainter {
public:
    ScenePainter(QPainter& painter, const SpaceScene& scene, const SpaceView& view, const PaintOptions& options)
        : m_painter(painter), m_scene(scene), m_view(view), m_options(options)
    {
    }

    void Paint()
    {
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        const std::vector<const TFigurePlane*> order = PaintingOrder(m_scene);
        const bool solid = m_options.Mode == DrawMode::Solid;
        if (solid) {
            Faces(order, false);
            Sections(order);
            Faces(order, true);
        } else {
            Sections(order);
            Faces(order, false);
            Faces(order, true);
        }
        for (const auto& measure : m_scene.Measures()) Measure(*measure);
        for (const auto& figure : m_scene.Figures())
            if (figure->IsLine()) LineFigure(static_cast<const TFigureLine&>(*figure));
        for (const TFigurePlane* figure : order)
            if (figure->Kind() == FigureKind::Plane) Plane(*figure);
        if (!solid)
            for (const auto& point : m_scene.Points()) Point(*point);
        if (m_options.RubberBand) {
            m_painter.setPen(Pen(c::kRubberBand, m_options.PenWidth));
            m_painter.drawLine(*m_options.RubberBand);
        }
    }

private:
    bool Hot(const TFigure* figure) const
    {
        return figure == m_options.HotFigure1 || figure == m_options.HotFigure2;
    }
    bool Chosen(const TFigure* figure) const
    {
        return figure == m_options.RotationAxis || figure == m_options.MirrorPlane || figure == m_options.ShiftVector;
    }
    base::Bgr ColourOf(const TFigure& figure) const
    {
        if (Hot(&figure)) return c::kHot;
        if (Chosen(&figure)) return m_options.BlinkColour;
        return figure.Color;
    }

    QPolygonF Polygon(const std::vector<Vec3>& loop) const
    {
        QPolygonF polygon;
        for (const Vec3& v : loop) polygon << m_view.ToScreen(v);
        return polygon;
    }

    void Faces(const std::vector<const TFigurePlane*>& order, bool facingViewer)
    {
        for (const TFigurePlane* figure : order) {
            if (figure->Kind() != FigureKind::Face || !figure->Shown(m_options.ShowHidden)) continue;
            const auto& face = static_cast<const TGrane&>(*figure);
            const auto plane = face.Equation();
            if (!plane) continue; // collapsed onto a line: nothing to show
            if ((plane->n.z < 0) != facingViewer) continue;
            const QPolygonF polygon = Polygon(face.Loop());
            switch (m_options.Mode) {
            case DrawMode::Solid:
                m_painter.setPen(Pen(c::kOutline, 1));
                m_painter.setBrush(base::BgrColor(facingViewer ? FaceShade(*plane) : c::kBackFace));
                m_painter.drawPolygon(polygon);
                break;
            case DrawMode::Image:
                m_painter.setPen(Pen(facingViewer ? c::kFaceEdge : c::kHiddenEdge, m_options.PenWidth));
                m_painter.setBrush(Qt::NoBrush);
                m_painter.drawPolygon(polygon);
                break;
            case DrawMode::Wireframe:
                m_painter.setPen(Pen(c::kFaceEdge, m_options.PenWidth));
                m_painter.setBrush(Qt::NoBrush);
                m_painter.drawPolygon(polygon);
                break;
            }
        }
    }

    void Sections(const std::vector<const TFigurePlane*>& order)
    {
        for (const TFigurePlane* figure : order) {
            if (figure->Kind() != FigureKind::Section || !figure->Shown(m_options.ShowHidden)) continue;
            const auto& section = static_cast<const TPlaneCut&>(*figure);
            const auto plane = section.Equation();
            if (!plane || section.Outline.size() < 3) continue;
            m_painter.setPen(Pen(Hot(figure) ? c::kHot : c::kOutline, 1));
            m_painter.setBrush(base::BgrColor(SectionShade(*plane)));
            m_painter.drawPolygon(Polygon(section.Outline));
        }
    }

    // A line or ray reaches past every edge of the control.
    double Reach() const { return 2.0 * (m_view.Width() + m_view.Height()) / m_view.Scale(); }

    void LineFigure(const TFigureLine& figure)
    {
        if (!figure.Shown(m_options.ShowHidden)) return;
        const Vec3 p1 = figure.P1->Position(), p2 = figure.P2->Position();
        const double dx = p2.x - p1.x, dy = p2.y - p1.y;
        const double length = std::hypot(dx, dy);
        m_painter.setPen(Pen(ColourOf(figure), m_options.PenWidth));
        if (figure.Kind() == FigureKind::Segment || figure.Kind() == FigureKind::Vector) {
            m_painter.drawLine(m_view.ToScreen(p1), m_view.ToScreen(p2));
            if (figure.Kind() == FigureKind::Vector) Arrowhead(p1, p2);
            return;
        }
        if (length == 0) return; // seen end-on: nothing to draw
        const double ux = dx / length, uy = dy / length;
        // The foot of the control's centre on the line, limited to the ray.
        double h = (m_view.CenterX() - p1.x) * ux + (m_view.CenterY() - p1.y) * uy;
        const bool ray = figure.Kind() == FigureKind::Ray;
        if (ray) h = std::max(h, 0.0);
        const double reach = Reach();
        const QPointF far = m_view.ToScreen(p1.x + (h + reach) * ux, p1.y + (h + reach) * uy);
        const QPointF near = ray ? m_view.ToScreen(p1) : m_view.ToScreen(p1.x + (h - reach) * ux, p1.y + (h - reach) * uy);
        m_painter.drawLine(near, far);
    }

    void Arrowhead(const Vec3& tail, const Vec3& tip)
    {
        const double wx = tail.x - tip.x, wy = tail.y - tip.y;
        const double length = std::hypot(wx, wy);
        if (length == 0) return;
        const double ux = wx / length, uy = wy / length;
        const double norm = std::hypot(kWingSlope, 1.0);
        const double along = kWingLength * kWingSlope / norm, across = kWingLength / norm;
        const QPointF wing1 = m_view.ToScreen(tip.x + along * ux - across * uy, tip.y + along * uy + across * ux);
        const QPointF wing2 = m_view.ToScreen(tip.x + along * ux + across * uy, tip.y + along * uy - across * ux);
        const QPointF at = m_view.ToScreen(tip);
        m_painter.drawLine(at, wing1);
        m_painter.drawLine(at, wing2);
    }

    // A plane shows as the parallelogram spanned at its first point,
    // enlarged twice about its centre.
    void Plane(const TFigurePlane& plane)
    {
        if (!plane.Shown(m_options.ShowHidden) || plane.Vertices.size() < 3) return;
        const Vec3 p0 = plane.Vertices[0]->Position(), p1 = plane.Vertices[1]->Position(),
                   p2 = plane.Vertices[2]->Position();
        const Vec3 p3 = p1 + p2 - p0;
        const Vec3 centre = (p0 + p3) * 0.5;
        QPolygonF polygon;
        for (const Vec3& corner : {p0, p1, p3, p2}) polygon << m_view.ToScreen(centre + (corner - centre) * 2);
        m_painter.setPen(Pen(ColourOf(plane), m_options.PenWidth));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawPolygon(polygon);
    }

    void Point(const TPoint& point)
    {
        if (!point.Shown(m_options.ShowHidden)) return;
        base::Bgr colour = point.IsFree() || (point.Base && !point.Base2) ? c::kFreePoint : c::kBuiltPoint;
        if (point.Marked || &point == m_options.HomothetyCentre) colour = m_options.BlinkColour;
        if (&point == m_options.HotPoint) colour = c::kHot;
        const QPoint at = m_view.ToPixel(point.Position());
        m_painter.setPen(Pen(colour, 1));
        m_painter.setBrush(base::BgrColor(colour));
        m_painter.drawEllipse(QRect(at - QPoint(kPointRadius, kPointRadius), QSize(2 * kPointRadius + 1, 2 * kPointRadius + 1)));
        if (point.Name.isEmpty()) return;
        m_painter.setPen(base::BgrColor(base::colour::kBlack));
        const QFontMetrics metrics(m_painter.font());
        m_painter.drawText(at + kNameOffset + QPoint(0, metrics.ascent()), point.Name);
    }

    void Measure(const TMeasure& measure)
    {
        if (!measure.Present()) return;
        m_painter.setBrush(Qt::NoBrush);
        m_painter.setPen(Pen(c::kMeasureLine, m_options.PenWidth));
        if (const auto* angle = dynamic_cast<const TAngle*>(&measure)) AngleLegs(*angle);
        else {
            const auto& distance = static_cast<const TDistance&>(measure);
            m_painter.drawLine(m_view.ToScreen(distance.A->Position()), m_view.ToScreen(distance.B->Position()));
        }
        const QString label = MeasureLabel(measure);
        const QFontMetrics metrics(m_painter.font());
        const QRect box = MeasureLabelRect(m_view, measure, metrics.size(0, label));
        if (box.isNull()) return;
        m_painter.setPen(base::BgrColor(&measure == m_options.HotMeasure ? c::kHot : base::colour::kBlack));
        m_painter.drawText(box.topLeft() + QPoint(0, metrics.ascent()), label);
    }

    void AngleLegs(const TAngle& angle)
    {
        const QPointF a = m_view.ToScreen(angle.A->Position()), v = m_view.ToScreen(angle.V->Position()),
                      b = m_view.ToScreen(angle.B->Position());
        m_painter.drawPolyline(QPolygonF{a, v, b});
        if (a == v || b == v) return;
        // The arc runs the short way from one leg to the other.
        const double start = std::atan2(-(a.y() - v.y()), a.x() - v.x()) * 180 / std::numbers::pi;
        double span = std::atan2(-(b.y() - v.y()), b.x() - v.x()) * 180 / std::numbers::pi - start;
        while (span > 180) span -= 360;
        while (span <= -180) span += 360;
        const QRectF circle(v.x() - kAngleArcRadius, v.y() - kAngleArcRadius, 2 * kAngleArcRadius, 2 * kAngleArcRadius);
        m_painter.drawArc(circle, int(std::lround(start * 16)), int(std::lround(span * 16)));
    }

    QPainter& m_painter;
    const SpaceScene& m_scene;
    const SpaceView& m_view;
    const PaintOptions& m_options;
};

} // namespace

std::vector<const TFigurePlane*> PaintingOrder(const SpaceScene& scene)
{
    std::vector<const TFigurePlane*> order;
    for (const auto& figure : scene.Figures())
        if (figure->IsPlane()) order.push_back(static_cast<const TFigurePlane*>(figure.get()));
    std::stable_sort(order.begin(), order.end(),
                     [](const TFigurePlane* a, const TFigurePlane* b) { return a->DepthKey() > b->DepthKey(); });
    return order;
}

void PaintScene(QPainter& painter, const SpaceScene& scene, const SpaceView& view, const PaintOptions& options)
{
    ScenePainter(painter, scene, view, options).Paint();
}

QString MeasureLabel(const TMeasure& measure) { return measure.Text(); }

QRect MeasureLabelRect(const SpaceView& view, const TMeasure& measure, QSize textSize)
{
    if (const auto* angle = dynamic_cast<const TAngle*>(&measure)) {
        const QPointF a = view.ToScreen(angle->A->Position()), v = view.ToScreen(angle->V->Position()),
                      b = view.ToScreen(angle->B->Position());
        const QPointF s = (a - v) + (b - v);
        const double length = std::hypot(s.x(), s.y());
        if (length <= 1e-10) return {};
        const QPointF at = v + s * (kAngleLabelDistance / length);
        return QRect(at.toPoint(), textSize);
    }
    const auto& distance = static_cast<const TDistance&>(measure);
    const QPoint a = view.ToPixel(distance.A->Position()), b = view.ToPixel(distance.B->Position());
    return QRect(QPoint((a.x() + b.x()) / 2, (a.y() + b.y()) / 2) + kDistanceLabelOffset, textSize);
}

base::Bgr FaceShade(const geometry::PlaneEquation& plane)
{
    const int shade = Shade(plane);
    return base::MakeBgr(0, shade, shade);
}

base::Bgr SectionShade(const geometry::PlaneEquation& plane)
{
    const int shade = Shade(plane);
    return base::MakeBgr(shade, shade, 0);
}

} // namespace space
