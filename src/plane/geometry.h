#pragma once
#include <optional>
#include <utility>
#include <vector>

// Plane geometry on plain values in world units. A construction that may have
// no result (parallel lines, a line missing a circle, concentric circles, a
// line through two coincident points, an overflow) gives std::nullopt; no
// result is ever a far-away sentinel, an infinity or NaN.
namespace plane::geometry {

struct Vec2 {
    double x = 0;
    double y = 0;
    friend bool operator==(const Vec2&, const Vec2&) = default;
};

inline Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
inline Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
inline Vec2 operator*(double k, Vec2 a) { return {k * a.x, k * a.y}; }
inline double Dot(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }
// a.x·b.y − a.y·b.x: positive when b lies counter-clockwise of a.
inline double Cross(Vec2 a, Vec2 b) { return a.x * b.y - a.y * b.x; }

double Length(Vec2 v);
double Distance(Vec2 a, Vec2 b);
bool IsFinite(Vec2 v);
Vec2 Midpoint(Vec2 a, Vec2 b);

// The straight line through two points (also the carrier of a ray or a segment).
struct Line {
    Vec2 p1;
    Vec2 p2;
    Vec2 direction() const { return p2 - p1; }
    bool degenerate() const { return p1 == p2; }
};

struct Circle {
    Vec2 centre;
    double radius = 0;
};

// Which part of its line a line-like figure covers.
enum class Extent { Line, Ray, Segment };

// The two roots of a line-circle or circle-circle intersection, in the order
// the lab files number them (root 1 and root 2).
struct RootPair {
    Vec2 first;
    Vec2 second;
};

std::optional<Vec2> IntersectLines(const Line& a, const Line& b);
// Roots along the line: first at t = (−b − √Δ) / 2a, second at (−b + √Δ) / 2a.
std::optional<RootPair> IntersectLineCircle(const Line& line, const Circle& circle);
// Roots along the chord's direction (the centre line turned by 90°).
std::optional<RootPair> IntersectCircles(const Circle& a, const Circle& b);

// The foot of the perpendicular from q to the line; nullopt for a degenerate line.
std::optional<Vec2> FootOfPerpendicular(const Line& line, Vec2 q);
// The nearest point of a line, ray (from p1) or segment to q; p1 itself when
// the line is degenerate.
Vec2 NearestOnLine(const Line& line, Extent extent, Vec2 q);
// The nearest point of the circle to q; q itself at the centre.
Vec2 NearestOnCircle(const Circle& circle, Vec2 q);

// The line through q parallel / perpendicular to the given one.
std::optional<Line> ParallelThrough(const Line& line, Vec2 q);
std::optional<Line> PerpendicularThrough(const Line& line, Vec2 q);

// The angle AVB in degrees, 0 … 180; nullopt when a side has zero length.
std::optional<double> AngleDegrees(Vec2 a, Vec2 vertex, Vec2 b);

// Transformations.
Vec2 Rotate(Vec2 x, Vec2 centre, double degrees); // counter-clockwise for positive angles
std::optional<Vec2> Reflect(Vec2 x, const Line& axis); // nullopt for a degenerate axis
Vec2 ReflectInPoint(Vec2 x, Vec2 centre);
Vec2 Homothety(Vec2 x, Vec2 centre, double factor);
Vec2 Translate(Vec2 x, Vec2 shift);

// The vertices of a regular polygon with the given centre, side count and
// side length, the bottom side horizontal, counter-clockwise from its right
// end (the first vertex is not repeated); nullopt outside 3 … kMaxSides sides
// or for a side that is not a positive finite number.
constexpr int kMinSides = 3;
constexpr int kMaxSides = 100;
std::optional<std::vector<Vec2>> RegularPolygon(Vec2 centre, int sides, double side);

} // namespace plane::geometry
