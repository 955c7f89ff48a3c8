#include "plane/geometry.h"
#include <algorithm>
#include <cmath>
#include <numbers>

namespace plane::geometry {
namespace {

std::optional<Vec2> IfFinite(Vec2 v)
{
    if (!IsFinite(v)) return std::nullopt;
    return v;
}

std::optional<RootPair> IfFinite(RootPair roots)
{
    if (!IsFinite(roots.first) || !IsFinite(roots.second)) return std::nullopt;
    return roots;
}

// Roots of a·t² + b·t + c = 0 in the order (−b − √Δ) / 2a, (−b + √Δ) / 2a;
// nullopt without real roots or when a is 0.
std::optional<std::pair<double, double>> QuadraticRoots(double a, double b, double c)
{
    const double discriminant = b * b - 4 * a * c;
    if (a == 0 || !(discriminant >= 0) || !std::isfinite(discriminant)) return std::nullopt;
    const double root = std::sqrt(discriminant);
    return std::pair{(-b - root) / (2 * a), (-b + root) / (2 * a)};
}

} // namespace

double Length(Vec2 v) { return std::hypot(v.x, v.y); }
double Distance(Vec2 a, Vec2 b) { return Length(b - a); }
bool IsFinite(Vec2 v) { return std::isfinite(v.x) && std::isfinite(v.y); }
Vec2 Midpoint(Vec2 a, Vec2 b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

std::optional<Vec2> IntersectLines(const Line& a, const Line& b)
{
    const Vec2 da = a.direction(), db = b.direction();
    const double denominator = Cross(da, db);
    if (denominator == 0 || !std::isfinite(denominator)) return std::nullopt;
    const double t = Cross(b.p1 - a.p1, db) / denominator;
    return IfFinite(a.p1 + t * da);
}

std::optional<RootPair> IntersectLineCircle(const Line& line, const Circle& circle)
{
    const Vec2 d = line.direction(), w = line.p1 - circle.centre;
    const auto t = QuadraticRoots(Dot(d, d), 2 * Dot(d, w), Dot(w, w) - circle.radius * circle.radius);
    if (!t) return std::nullopt;
    return IfFinite(RootPair{line.p1 + t->first * d, line.p1 + t->second * d});
}

std::optional<RootPair> IntersectCircles(const Circle& a, const Circle& b)
{
    const Vec2 centres = b.centre - a.centre;
    const double d2 = Dot(centres, centres);
    if (d2 == 0 || !std::isfinite(d2)) return std::nullopt; // concentric: no common point to name
    const double s = (d2 + a.radius * a.radius - b.radius * b.radius) / (2 * d2);
    const Vec2 foot = a.centre + s * centres;
    const Vec2 e{a.centre.y - b.centre.y, b.centre.x - a.centre.x};
    const Vec2 w = foot - b.centre;
    const auto k = QuadraticRoots(Dot(e, e), 2 * Dot(e, w), Dot(w, w) - b.radius * b.radius);
    if (!k) return std::nullopt;
    return IfFinite(RootPair{foot + k->first * e, foot + k->second * e});
}

std::optional<Vec2> FootOfPerpendicular(const Line& line, Vec2 q)
{
    const Vec2 d = line.direction();
    const double d2 = Dot(d, d);
    if (d2 == 0 || !std::isfinite(d2)) return std::nullopt;
    return IfFinite(line.p1 + (Dot(q - line.p1, d) / d2) * d);
}

Vec2 NearestOnLine(const Line& line, Extent extent, Vec2 q)
{
    const Vec2 d = line.direction();
    const double d2 = Dot(d, d);
    if (d2 == 0 || !std::isfinite(d2)) return line.p1;
    double t = Dot(q - line.p1, d) / d2;
    if (extent != Extent::Line && t < 0) t = 0;
    if (extent == Extent::Segment && t > 1) t = 1;
    const Vec2 nearest = line.p1 + t * d;
    return IsFinite(nearest) ? nearest : line.p1;
}

Vec2 NearestOnCircle(const Circle& circle, Vec2 q)
{
    const double d = Distance(circle.centre, q);
    if (d == 0 || !std::isfinite(d)) return q;
    const Vec2 nearest = circle.centre + (circle.radius / d) * (q - circle.centre);
    return IsFinite(nearest) ? nearest : q;
}

std::optional<Line> ParallelThrough(const Line& line, Vec2 q)
{
    if (line.degenerate()) return std::nullopt;
    const Line parallel{q, q + line.direction()};
    if (!IsFinite(parallel.p2) || parallel.degenerate()) return std::nullopt;
    return parallel;
}

std::optional<Line> PerpendicularThrough(const Line& line, Vec2 q)
{
    if (line.degenerate()) return std::nullopt;
    const Vec2 d = line.direction();
    const Line perpendicular{q, q + Vec2{-d.y, d.x}};
    if (!IsFinite(perpendicular.p2) || perpendicular.degenerate()) return std::nullopt;
    return perpendicular;
}

std::optional<double> AngleDegrees(Vec2 a, Vec2 vertex, Vec2 b)
{
    const Vec2 u = a - vertex, v = b - vertex;
    const double lengths = Length(u) * Length(v);
    if (lengths == 0 || !std::isfinite(lengths)) return std::nullopt;
    const double cosine = std::clamp(Dot(u, v) / lengths, -1.0, 1.0);
    return std::acos(cosine) * 180 / std::numbers::pi;
}

Vec2 Rotate(Vec2 x, Vec2 centre, double degrees)
{
    const double a = degrees * std::numbers::pi / 180;
    const double c = std::cos(a), s = std::sin(a);
    const Vec2 r = x - centre;
    return {centre.x + c * r.x - s * r.y, centre.y + s * r.x + c * r.y};
}

std::optional<Vec2> Reflect(Vec2 x, const Line& axis)
{
    const auto foot = FootOfPerpendicular(axis, x);
    if (!foot) return std::nullopt;
    return IfFinite(2 * *foot - x);
}

Vec2 ReflectInPoint(Vec2 x, Vec2 centre) { return Homothety(x, centre, -1); }
Vec2 Homothety(Vec2 x, Vec2 centre, double factor) { return centre + factor * (x - centre); }
Vec2 Translate(Vec2 x, Vec2 shift) { return x + shift; }

std::optional<std::vector<Vec2>> RegularPolygon(Vec2 centre, int sides, double side)
{
    if (sides < kMinSides || sides > kMaxSides || !(side > 0) || !std::isfinite(side)) return std::nullopt;
    const double pi = std::numbers::pi;
    const double radius = side / (2 * std::sin(pi / sides));
    std::vector<Vec2> vertices;
    vertices.reserve(size_t(sides));
    for (int k = 0; k < sides; ++k) {
        const double phi = pi / sides + 2 * pi * k / sides - pi / 2;
        const Vec2 vertex{centre.x + radius * std::cos(phi), centre.y + radius * std::sin(phi)};
        if (!IsFinite(vertex)) return std::nullopt;
        vertices.push_back(vertex);
    }
    return vertices;
}

} // namespace plane::geometry
