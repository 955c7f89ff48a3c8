#include "space/geometry.h"
#include <algorithm>
#include <numbers>

namespace space::geometry {

namespace {

constexpr double kDegree = std::numbers::pi / 180;

// Tolerances are relative to the size of what is compared, so that a scene
// far from the origin or at another scale behaves like one near it.
constexpr double kRelativeTolerance = 1e-9;

double Scale(const Vec3& a) { return std::max({1.0, std::abs(a.x), std::abs(a.y), std::abs(a.z)}); }

} // namespace

Vec3 TurnAboutX(const Vec3& p, double degrees)
{
    const double c = std::cos(degrees * kDegree), s = std::sin(degrees * kDegree);
    return {p.x, c * p.y + s * p.z, -s * p.y + c * p.z};
}

Vec3 TurnAboutY(const Vec3& p, double degrees)
{
    const double c = std::cos(degrees * kDegree), s = std::sin(degrees * kDegree);
    return {c * p.x - s * p.z, p.y, s * p.x + c * p.z};
}

Vec3 TurnAboutZ(const Vec3& p, double degrees)
{
    const double c = std::cos(degrees * kDegree), s = std::sin(degrees * kDegree);
    return {c * p.x + s * p.y, -s * p.x + c * p.y, p.z};
}

std::optional<PlaneEquation> PlaneOf(const Vec3& a, const Vec3& b, const Vec3& c)
{
    const Vec3 n = Cross(b - a, c - b);
    const double span = Length(b - a) * Length(c - b);
    if (!(Length(n) > kRelativeTolerance * span) || span == 0) return std::nullopt;
    return PlaneEquation{n, Dot(n, a)};
}

std::optional<PlaneEquation> PlaneOfLoop(const std::vector<Vec3>& loop)
{
    if (loop.size() < 3) return std::nullopt;
    const Vec3& first = loop.front();
    size_t far = 0;
    for (size_t k = 1; k < loop.size(); ++k)
        if (Length(loop[k] - first) > Length(loop[far] - first)) far = k;
    if (far == 0) return std::nullopt;
    size_t off = 0;
    double offDistance = 0;
    for (size_t k = 1; k < loop.size(); ++k) {
        const double d = DistanceToLine(loop[k], first, loop[far]);
        if (d > offDistance) {
            offDistance = d;
            off = k;
        }
    }
    if (off == 0) return std::nullopt;
    return PlaneOf(first, loop[std::min(far, off)], loop[std::max(far, off)]);
}

std::optional<double> DepthOnPlane(const PlaneEquation& plane, double wx, double wy)
{
    if (std::abs(plane.n.z) <= kRelativeTolerance * Length(plane.n)) return std::nullopt;
    return (plane.d - plane.n.x * wx - plane.n.y * wy) / plane.n.z;
}

Nearest NearestOnSegment(const Vec3& p, const Vec3& q, double wx, double wy)
{
    const double ex = q.x - p.x, ey = q.y - p.y;
    const double e = ex * ex + ey * ey;
    Vec3 point = p;
    if (e > 0) {
        const double t = ((wx - p.x) * ex + (wy - p.y) * ey) / e;
        if (t > 1) point = q;
        else if (t > 0) point = p + (q - p) * t;
    }
    return {point, PlanarDistance(point, wx, wy)};
}

Nearest NearestOnLine(const Vec3& p, const Vec3& q, double wx, double wy, bool fromOrigin)
{
    const double ex = q.x - p.x, ey = q.y - p.y;
    const double e = ex * ex + ey * ey;
    Vec3 point = p;
    if (e > 0) {
        const double t = ((wx - p.x) * ex + (wy - p.y) * ey) / e;
        if (t > 0 || !fromOrigin) point = p + (q - p) * t;
    }
    return {point, PlanarDistance(point, wx, wy)};
}

bool InsideConvex(const std::vector<QPointF>& polygon, double wx, double wy)
{
    if (polygon.empty()) return false;
    auto cross = [&](const QPointF& a, const QPointF& b) {
        return (a.x() - wx) * (b.y() - wy) - (b.x() - wx) * (a.y() - wy);
    };
    double r = cross(polygon.back(), polygon.front());
    for (size_t j = 0; j + 1 < polygon.size(); ++j) {
        const double t = cross(polygon[j], polygon[j + 1]);
        if (t * r < 0) return false;
        if (t != 0) r = t;
    }
    return true;
}

std::optional<Vec3> IntersectLines(const Vec3& p1, const Vec3& p2, const Vec3& q1, const Vec3& q2)
{
    const Vec3 d1 = p2 - p1, d2 = q2 - q1;
    const double den = d2.x * d1.y - d1.x * d2.y;
    const double size = std::hypot(d1.x, d1.y) * std::hypot(d2.x, d2.y);
    if (!(std::abs(den) > kRelativeTolerance * size)) return std::nullopt;
    const double x0 = q1.x - p1.x, y0 = q1.y - p1.y;
    const double t = (d2.x * y0 - x0 * d2.y) / den;
    const double s = (d1.x * y0 - x0 * d1.y) / den;
    const Vec3 onFirst = p1 + d1 * t;
    const Vec3 onSecond = q1 + d2 * s;
    const double tolerance = kRelativeTolerance * std::max({Scale(onFirst), Scale(d1), Scale(d2)}) * 1000;
    if (std::abs(onFirst.z - onSecond.z) > tolerance) return std::nullopt;
    return onFirst;
}

std::optional<Vec3> IntersectLinePlane(const Vec3& p, const Vec3& q, const PlaneEquation& plane)
{
    const Vec3 d = q - p;
    const double den = Dot(plane.n, d);
    if (!(std::abs(den) > kRelativeTolerance * Length(plane.n) * Length(d))) return std::nullopt;
    const double t = (plane.d - Dot(plane.n, p)) / den;
    return p + d * t;
}

double DistanceToLine(const Vec3& p, const Vec3& a, const Vec3& b)
{
    const Vec3 d = b - a;
    const double length = Length(d);
    if (length == 0) return Length(p - a);
    return Length(Cross(p - a, d)) / length;
}

double AngleDegrees(const Vec3& a, const Vec3& v, const Vec3& b)
{
    const double la = Length(a - v), lb = Length(b - v);
    if (la == 0 || lb == 0) return 0;
    const double cosine = std::clamp(Dot(a - v, b - v) / (la * lb), -1.0, 1.0);
    return std::acos(cosine) / kDegree;
}

std::vector<Vec3> SectionPolygon(const PlaneEquation& plane, const std::vector<std::vector<Vec3>>& faces)
{
    const double normal = Length(plane.n);
    if (normal == 0) return {};
    double size = 1;
    for (const auto& face : faces)
        for (const Vec3& v : face) size = std::max(size, Scale(v));
    const double merge = kRelativeTolerance * 1000 * size;

    std::vector<Vec3> cuts;
    auto addCut = [&](const Vec3& p) {
        for (const Vec3& known : cuts)
            if (Length(known - p) <= merge) return;
        cuts.push_back(p);
    };
    for (const auto& face : faces) {
        for (size_t k = 0; k < face.size(); ++k) {
            const Vec3& a = face[k];
            const Vec3& b = face[(k + 1) % face.size()];
            const double da = (Dot(plane.n, a) - plane.d) / normal;
            const double db = (Dot(plane.n, b) - plane.d) / normal;
            if (std::abs(da) <= merge) addCut(a);
            if (std::abs(db) <= merge) addCut(b);
            if ((da < -merge && db > merge) || (da > merge && db < -merge)) addCut(a + (b - a) * (da / (da - db)));
        }
    }
    if (cuts.size() < 3) return {};

    // The corners lie on one plane and bound a convex polygon: order them by
    // their angle about the centre in a frame of that plane, keeping only
    // those on the hull (a point on an edge between two corners goes).
    Vec3 centre;
    for (const Vec3& c : cuts) centre = centre + c;
    centre = centre * (1.0 / double(cuts.size()));
    const Vec3 unitNormal = plane.n * (1 / normal);
    Vec3 u = cuts[0] - centre;
    for (const Vec3& c : cuts)
        if (Length(c - centre) > Length(u)) u = c - centre;
    if (Length(u) <= merge) return {};
    u = u * (1 / Length(u));
    const Vec3 w = Cross(unitNormal, u);
    std::vector<std::pair<double, Vec3>> around;
    for (const Vec3& c : cuts) around.emplace_back(std::atan2(Dot(c - centre, w), Dot(c - centre, u)), c);
    std::sort(around.begin(), around.end(), [](const auto& a, const auto& b) { return a.first < b.first; });

    std::vector<Vec3> hull;
    for (const auto& [angle, c] : around) {
        while (hull.size() >= 2) {
            const Vec3 turn = Cross(hull.back() - hull[hull.size() - 2], c - hull.back());
            if (Dot(turn, unitNormal) > merge * merge) break;
            hull.pop_back();
        }
        hull.push_back(c);
    }
    while (hull.size() >= 3) {
        const Vec3 turn = Cross(hull.back() - hull[hull.size() - 2], hull.front() - hull.back());
        if (Dot(turn, unitNormal) > merge * merge) break;
        hull.pop_back();
    }
    if (hull.size() < 3) return {};
    return hull;
}

} // namespace space::geometry
