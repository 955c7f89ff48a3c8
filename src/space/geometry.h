#pragma once
#include <QPointF>
#include <cmath>
#include <optional>
#include <vector>

// Geometry of the space engine on plain values. Coordinates are those of the
// view: x to the right, y upwards, z away from the viewer; the screen shows
// the projection onto the xy plane along z. A result that may not exist (a
// line parallel to a plane, two lines that miss each other) is an optional.
namespace space::geometry {

struct Vec3 {
    double x = 0, y = 0, z = 0;

    Vec3 operator+(const Vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec3 operator-(const Vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec3 operator*(double k) const { return {x * k, y * k, z * k}; }
    bool operator==(const Vec3&) const = default;
};

inline double Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 Cross(const Vec3& a, const Vec3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double Length(const Vec3& a) { return std::sqrt(Dot(a, a)); }
inline double PlanarDistance(const Vec3& a, double wx, double wy) { return std::hypot(a.x - wx, a.y - wy); }

// Turning about the axes through the origin by an angle in degrees; the
// scene turns with the mouse through these.
Vec3 TurnAboutX(const Vec3& p, double degrees);
Vec3 TurnAboutY(const Vec3& p, double degrees);
Vec3 TurnAboutZ(const Vec3& p, double degrees);

// The plane n·p = d. The normal is (b − a) × (c − b), so a face listed
// counter-clockwise as seen by the viewer has n.z < 0 (it faces the viewer).
struct PlaneEquation {
    Vec3 n;
    double d = 0;
};
// None when the three points are (nearly) on one line.
std::optional<PlaneEquation> PlaneOf(const Vec3& a, const Vec3& b, const Vec3& c);
// The plane of a polygon listed in order: through its first vertex, the
// vertex farthest from it and the vertex farthest from the line of those
// two, taken in list order so a convex polygon keeps its orientation. Linear
// in the number of vertices; none when all lie on one line.
std::optional<PlaneEquation> PlaneOfLoop(const std::vector<Vec3>& loop);
// The z of the plane above (wx, wy); none when the plane is seen edge-on.
std::optional<double> DepthOnPlane(const PlaneEquation& plane, double wx, double wy);

// A point of an object nearest to the mouse in the projection.
struct Nearest {
    Vec3 point;
    double distance = 0; // planar
};
// The segment PQ; t < 0 gives P, t > 1 gives Q, z interpolated.
Nearest NearestOnSegment(const Vec3& p, const Vec3& q, double wx, double wy);
// The whole line through P and Q (fromOrigin: only the ray from P).
Nearest NearestOnLine(const Vec3& p, const Vec3& q, double wx, double wy, bool fromOrigin = false);

// Whether (wx, wy) lies in a convex polygon of either orientation (edges inside).
bool InsideConvex(const std::vector<QPointF>& polygon, double wx, double wy);

// Where two whole lines meet in space. None when their projections are
// parallel or when they only cross on the screen (skew lines).
std::optional<Vec3> IntersectLines(const Vec3& p1, const Vec3& p2, const Vec3& q1, const Vec3& q2);
// Where the whole line PQ meets a plane; none when parallel to it.
std::optional<Vec3> IntersectLinePlane(const Vec3& p, const Vec3& q, const PlaneEquation& plane);

// The distance in space from a point to the whole line through a and b.
double DistanceToLine(const Vec3& p, const Vec3& a, const Vec3& b);
// The angle AVB in degrees, 0..180; 0 when a leg has no length, and the
// cosine kept within ±1 so nearly collinear points give 0 or 180.
double AngleDegrees(const Vec3& a, const Vec3& v, const Vec3& b);

// The convex polygon in which a plane cuts a convex solid given by its faces
// (each a closed vertex loop). The corners are in order around the polygon,
// each once; fewer than three corners means the plane misses the solid.
std::vector<Vec3> SectionPolygon(const PlaneEquation& plane, const std::vector<std::vector<Vec3>>& faces);

} // namespace space::geometry
