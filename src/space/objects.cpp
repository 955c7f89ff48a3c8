#include "space/objects.h"
#include <algorithm>
#include <limits>

namespace space {

using geometry::Nearest;
using geometry::Vec3;

namespace {

// Line figures are drawn after every plane figure.
constexpr double kLineDepthKey = -std::numeric_limits<double>::max();

Nearest Unreachable(const Vec3& at) { return {at, std::numeric_limits<double>::infinity()}; }

// The nearest point of a closed loop's edges, the closing edge first.
Nearest NearestOnLoop(const std::vector<Vec3>& loop, double wx, double wy)
{
    Nearest best = Unreachable(loop.empty() ? Vec3{} : loop.front());
    for (size_t k = 0; k < loop.size(); ++k) {
        const Vec3& from = loop[(k + loop.size() - 1) % loop.size()];
        const Nearest n = geometry::NearestOnSegment(from, loop[k], wx, wy);
        if (n.distance < best.distance) best = n;
    }
    return best;
}

std::vector<QPointF> Projection(const std::vector<Vec3>& loop)
{
    std::vector<QPointF> flat;
    flat.reserve(loop.size());
    for (const Vec3& v : loop) flat.emplace_back(v.x, v.y);
    return flat;
}

// Inside the projected polygon the nearest point lies on the plane under
// the mouse (its depth kept when the plane is seen edge-on).
std::optional<Nearest> InsidePoint(const std::vector<Vec3>& loop, const std::optional<geometry::PlaneEquation>& plane,
                                   double wx, double wy)
{
    if (!plane || !geometry::InsideConvex(Projection(loop), wx, wy)) return std::nullopt;
    const std::optional<double> z = geometry::DepthOnPlane(*plane, wx, wy);
    if (!z) return std::nullopt;
    return Nearest{{wx, wy, *z}, 0};
}

} // namespace

void TPoint::SetPosition(const Vec3& p)
{
    X = std::clamp(p.x, -kMaxCoordinate, kMaxCoordinate);
    Y = std::clamp(p.y, -kMaxCoordinate, kMaxCoordinate);
    Z = std::clamp(p.z, -kMaxCoordinate, kMaxCoordinate);
}

bool IsLineKind(FigureKind kind)
{
    return kind == FigureKind::Line || kind == FigureKind::Ray || kind == FigureKind::Segment
        || kind == FigureKind::Vector;
}

bool TFigure::Present() const
{
    const std::vector<TPoint*> points = DefiningPoints();
    return std::all_of(points.begin(), points.end(), [](const TPoint* p) { return p->Present; });
}

double TFigureLine::DepthKey() const { return kLineDepthKey; }

Nearest TLine::DistanceTo(double wx, double wy, double) const
{
    return geometry::NearestOnLine(P1->Position(), P2->Position(), wx, wy);
}

Nearest TLuch::DistanceTo(double wx, double wy, double) const
{
    return geometry::NearestOnLine(P1->Position(), P2->Position(), wx, wy, true);
}

Nearest TSegment::DistanceTo(double wx, double wy, double) const
{
    return geometry::NearestOnSegment(P1->Position(), P2->Position(), wx, wy);
}

double TFigurePlane::DepthKey() const
{
    if (Vertices.empty()) return std::numeric_limits<double>::max();
    double key = Vertices.front()->Z;
    for (const TPoint* v : Vertices) key = std::min(key, v->Z);
    return key;
}

std::optional<geometry::PlaneEquation> TFigurePlane::Equation() const
{
    std::vector<Vec3> loop;
    loop.reserve(Vertices.size());
    for (const TPoint* v : Vertices) loop.push_back(v->Position());
    return geometry::PlaneOfLoop(loop);
}

std::vector<Vec3> TGrane::Loop() const
{
    std::vector<Vec3> loop;
    for (const TPoint* v : Vertices) loop.push_back(v->Position());
    while (loop.size() > 1 && loop.back() == loop.front()) loop.pop_back();
    return loop;
}

bool TGrane::FacesViewer() const
{
    const auto plane = Equation();
    return plane && plane->n.z < 0;
}

Nearest TGrane::DistanceTo(double wx, double wy, double) const
{
    const std::vector<Vec3> loop = Loop();
    const auto plane = Equation();
    Nearest found = InsidePoint(loop, plane, wx, wy).value_or(NearestOnLoop(loop, wx, wy));
    // A face turned away from the viewer is only found from far off.
    if (plane && plane->n.z > 0) found.distance = 1;
    return found;
}

Nearest TPlane::DistanceTo(double wx, double wy, double pickTolerance) const
{
    std::vector<Vec3> triangle;
    for (const TPoint* v : Vertices) triangle.push_back(v->Position());
    if (auto inside = InsidePoint(triangle, Equation(), wx, wy)) {
        inside->distance = pickTolerance;
        return *inside;
    }
    return NearestOnLoop(triangle, wx, wy);
}

Nearest TPlaneCut::DistanceTo(double wx, double wy, double pickTolerance) const
{
    if (auto inside = InsidePoint(Outline, Equation(), wx, wy)) {
        inside->distance = pickTolerance;
        return *inside;
    }
    return Unreachable(Outline.empty() ? Vec3{} : Outline.front());
}

std::optional<Vec3> TPlaneCut::Closest(double wx, double wy) const
{
    if (Outline.size() < 3) return std::nullopt;
    if (auto inside = InsidePoint(Outline, Equation(), wx, wy)) return inside->point;
    return NearestOnLoop(Outline, wx, wy).point;
}

bool TMeasure::Present() const
{
    const std::vector<TPoint*> points = DefiningPoints();
    return std::all_of(points.begin(), points.end(), [](const TPoint* p) { return p->Present; });
}

double TDistance::Value() const { return geometry::Length(A->Position() - B->Position()); }

QString TDistance::Text() const { return QString::number(Value(), 'f', 2); }

double TAngle::Value() const { return geometry::AngleDegrees(A->Position(), V->Position(), B->Position()); }

QString TAngle::Text() const { return QString::number(std::lround(Value())) + QChar(0x00B0); }

} // namespace space
