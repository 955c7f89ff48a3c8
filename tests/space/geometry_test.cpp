#include "space/geometry.h"
#include <gtest/gtest.h>
#include <random>

using namespace space::geometry;

namespace {

// The random configurations are reproducible: one seed per test.
class Random {
public:
    explicit Random(unsigned seed) : m_engine(seed) {}
    double Real(double lo = -5, double hi = 5) { return std::uniform_real_distribution<double>(lo, hi)(m_engine); }
    Vec3 Point(double lo = -5, double hi = 5) { return {Real(lo, hi), Real(lo, hi), Real(lo, hi)}; }
    // A direction that is not close to the viewing axis.
    Vec3 Direction()
    {
        for (;;) {
            const Vec3 d = Point(-1, 1);
            if (std::hypot(d.x, d.y) > 0.2) return d;
        }
    }

private:
    std::mt19937 m_engine;
};

void ExpectNear(const Vec3& a, const Vec3& b, double tolerance = 1e-7)
{
    EXPECT_NEAR(a.x, b.x, tolerance);
    EXPECT_NEAR(a.y, b.y, tolerance);
    EXPECT_NEAR(a.z, b.z, tolerance);
}

// The distance between two whole lines, by the common perpendicular.
double LineGap(const Vec3& p, const Vec3& d, const Vec3& q, const Vec3& e)
{
    const Vec3 n = Cross(d, e);
    return std::abs(Dot(q - p, n)) / Length(n);
}

} // namespace

TEST(SpaceGeometry, LinesThroughACommonPointMeetThere)
{
    Random random(1);
    for (int i = 0; i < 200; ++i) {
        const Vec3 x = random.Point();
        const Vec3 d = random.Direction(), e = random.Direction();
        if (std::abs(d.x * e.y - d.y * e.x) < 0.05) continue; // nearly parallel on the screen
        const Vec3 p = x - d * random.Real(0.5, 3), q = x + e * random.Real(0.5, 3);
        const std::optional<Vec3> meeting = IntersectLines(p, p + d, q, q + e * 2);
        ASSERT_TRUE(meeting) << i;
        ExpectNear(*meeting, x);
    }
}

TEST(SpaceGeometry, LinesThatOnlyCrossOnTheScreenDoNotMeet)
{
    Random random(2);
    int skew = 0;
    for (int i = 0; i < 200; ++i) {
        const Vec3 p = random.Point(), q = random.Point();
        const Vec3 d = random.Direction(), e = random.Direction();
        if (std::abs(d.x * e.y - d.y * e.x) < 0.05) continue;
        const bool meet = LineGap(p, d, q, e) < 1e-9;
        EXPECT_EQ(IntersectLines(p, p + d, q, q + e).has_value(), meet) << i;
        skew += !meet;
    }
    EXPECT_GT(skew, 150);
    // Parallel on the screen: no meeting point at all, even when the lines coincide.
    EXPECT_FALSE(IntersectLines({0, 0, 0}, {1, 1, 0}, {0, 1, 0}, {1, 2, 5}));
    EXPECT_FALSE(IntersectLines({0, 0, 0}, {1, 1, 0}, {2, 2, 0}, {3, 3, 0}));
}

TEST(SpaceGeometry, ALineMeetsAPlaneWhereItCrossesIt)
{
    Random random(3);
    for (int i = 0; i < 200; ++i) {
        const Vec3 a = random.Point(), b = random.Point(), c = random.Point();
        const auto plane = PlaneOf(a, b, c);
        if (!plane || DistanceToLine(c, a, b) < 0.5) continue;
        const Vec3 x = a + (b - a) * random.Real(-1, 2) + (c - a) * random.Real(-1, 2);
        const Vec3 d = random.Point(-1, 1);
        const double slope = std::abs(Dot(plane->n, d)) / (Length(plane->n) * Length(d));
        if (slope < 0.05) continue;
        const std::optional<Vec3> meeting = IntersectLinePlane(x - d, x + d * 2, *plane);
        ASSERT_TRUE(meeting) << i;
        ExpectNear(*meeting, x, 1e-6);
        // A line along the plane never meets it in a single point.
        EXPECT_FALSE(IntersectLinePlane(x + plane->n, x + plane->n + (b - a), *plane)) << i;
    }
}

TEST(SpaceGeometry, TheNormalOfAFaceListedOneWayFacesTheViewer)
{
    // Counter-clockwise on the screen (y up) with n = (b − a) × (c − b).
    const auto facing = PlaneOf({0, 0, 0}, {0, 1, 0}, {1, 1, 0});
    ASSERT_TRUE(facing);
    EXPECT_LT(facing->n.z, 0);
    EXPECT_FALSE(PlaneOf({0, 0, 0}, {1, 1, 1}, {2, 2, 2})) << "three points on a line span no plane";
    EXPECT_FALSE(PlaneOf({0, 0, 0}, {0, 0, 0}, {1, 0, 0}));
    EXPECT_FALSE(DepthOnPlane(*PlaneOf({0, 0, 0}, {1, 0, 0}, {0, 0, 1}), 0.5, 0)) << "seen edge-on";
}

TEST(SpaceGeometry, NearestPointsOfSegmentsRaysAndLines)
{
    const Vec3 p{0, 0, 0}, q{2, 0, 4};
    const struct { double wx, wy; bool ray, line; Vec3 expected; double distance; } cases[] = {
        {1, 1, false, false, {1, 0, 2}, 1},   // inside: z interpolated
        {-3, 4, false, false, p, 5},          // beyond the first end
        {5, -4, false, false, q, 5},          // beyond the second end
        {-3, 0, true, false, p, 3},           // a ray behind its origin
        {5, 1, true, false, {5, 0, 10}, 1},   // a ray has no far end
        {-3, 0, false, true, {-3, 0, -6}, 0}, // a line has no limits
    };
    for (const auto& c : cases) {
        const Nearest found = c.line || c.ray ? NearestOnLine(p, q, c.wx, c.wy, c.ray) : NearestOnSegment(p, q, c.wx, c.wy);
        ExpectNear(found.point, c.expected, 1e-12);
        EXPECT_NEAR(found.distance, c.distance, 1e-12) << c.wx << ' ' << c.wy;
    }
    EXPECT_EQ(NearestOnSegment(q, q, 0, 0).point, q) << "a segment of no length is its point";
}

TEST(SpaceGeometry, InsideAConvexPolygonOfEitherOrientation)
{
    std::vector<QPointF> square{{0, 0}, {2, 0}, {2, 2}, {0, 2}};
    std::vector<QPointF> reversed(square.rbegin(), square.rend());
    for (const auto& polygon : {square, reversed}) {
        EXPECT_TRUE(InsideConvex(polygon, 1, 1));
        EXPECT_TRUE(InsideConvex(polygon, 2, 1)) << "an edge counts as inside";
        EXPECT_FALSE(InsideConvex(polygon, 3, 1));
        EXPECT_FALSE(InsideConvex(polygon, -0.1, 1));
    }
    EXPECT_FALSE(InsideConvex({}, 0, 0));
    // A closing repeat of the first corner changes nothing.
    square.push_back(square.front());
    EXPECT_TRUE(InsideConvex(square, 1, 1));
    EXPECT_FALSE(InsideConvex(square, 3, 3));
}

TEST(SpaceGeometry, TurningIsRigidAndFollowsTheAxes)
{
    ExpectNear(TurnAboutX({0, 1, 0}, 10), {0, std::cos(10 * M_PI / 180), -std::sin(10 * M_PI / 180)}, 1e-12);
    ExpectNear(TurnAboutZ({1, 0, 0}, -90), {0, 1, 0}, 1e-12);
    ExpectNear(TurnAboutY({1, 0, 0}, 90), {0, 0, 1}, 1e-12);
    Random random(4);
    for (int i = 0; i < 50; ++i) {
        const Vec3 a = random.Point(), b = random.Point();
        const double angle = random.Real(-180, 180);
        EXPECT_NEAR(Length(TurnAboutX(a, angle) - TurnAboutX(b, angle)), Length(a - b), 1e-9);
        EXPECT_NEAR(Length(TurnAboutY(a, angle) - TurnAboutY(b, angle)), Length(a - b), 1e-9);
        EXPECT_NEAR(Length(TurnAboutZ(a, angle) - TurnAboutZ(b, angle)), Length(a - b), 1e-9);
    }
}

TEST(SpaceGeometry, AnglesAgreeWithTheLawOfCosines)
{
    Random random(5);
    for (int i = 0; i < 200; ++i) {
        const Vec3 a = random.Point(), v = random.Point(), b = random.Point();
        const double la = Length(a - v), lb = Length(b - v), lc = Length(a - b);
        const double expected = std::acos((la * la + lb * lb - lc * lc) / (2 * la * lb)) * 180 / M_PI;
        EXPECT_NEAR(AngleDegrees(a, v, b), expected, 1e-6) << i;
    }
    EXPECT_EQ(AngleDegrees({1, 0, 0}, {0, 0, 0}, {0, 0, 0}), 0) << "a leg of no length";
    EXPECT_NEAR(AngleDegrees({1, 0, 0}, {0, 0, 0}, {-1e8, 1e-9, 0}), 180, 1e-6);
    EXPECT_NEAR(AngleDegrees({1, 0, 0}, {0, 0, 0}, {1e8, 1e-9, 0}), 0, 1e-6);
    EXPECT_NEAR(DistanceToLine({0, 3, 4}, {-1, 0, 0}, {1, 0, 0}), 5, 1e-12);
}

namespace {

std::vector<std::vector<Vec3>> CubeFaces()
{
    auto corner = [](int k) { return Vec3{k & 1 ? 1.0 : -1.0, k & 2 ? 1.0 : -1.0, k & 4 ? 1.0 : -1.0}; };
    constexpr int kFaces[6][4] = {{0, 1, 3, 2}, {4, 5, 7, 6}, {0, 1, 5, 4}, {2, 3, 7, 6}, {0, 2, 6, 4}, {1, 3, 7, 5}};
    std::vector<std::vector<Vec3>> faces;
    for (const auto& face : kFaces) faces.push_back({corner(face[0]), corner(face[1]), corner(face[2]), corner(face[3])});
    return faces;
}

// The corners of a section of the cube [−1, 1]³ found independently: where
// the plane crosses each of the twelve edges.
std::vector<Vec3> CubeEdgeCrossings(const PlaneEquation& plane)
{
    std::vector<Vec3> crossings;
    for (int axis = 0; axis < 3; ++axis) {
        for (int k = 0; k < 4; ++k) {
            const double u = k & 1 ? 1 : -1, w = k & 2 ? 1 : -1;
            Vec3 a, b;
            if (axis == 0) a = {-1, u, w}, b = {1, u, w};
            if (axis == 1) a = {u, -1, w}, b = {u, 1, w};
            if (axis == 2) a = {u, w, -1}, b = {u, w, 1};
            const double da = Dot(plane.n, a) - plane.d, db = Dot(plane.n, b) - plane.d;
            if (da * db > 0 || da == db) continue;
            const Vec3 x = a + (b - a) * (da / (da - db));
            bool known = false;
            for (const Vec3& c : crossings) known = known || Length(c - x) < 1e-9;
            if (!known) crossings.push_back(x);
        }
    }
    return crossings;
}

} // namespace

TEST(SpaceGeometry, SectionsOfACubeHaveEachCornerOnceInConvexOrder)
{
    Random random(6);
    int checked = 0;
    for (int i = 0; i < 300; ++i) {
        const auto plane = PlaneOf(random.Point(-1, 1), random.Point(-1, 1), random.Point(-1, 1));
        if (!plane) continue;
        const std::vector<Vec3> polygon = SectionPolygon(*plane, CubeFaces());
        const std::vector<Vec3> expected = CubeEdgeCrossings(*plane);
        ASSERT_EQ(polygon.size(), expected.size()) << i;
        ASSERT_GE(polygon.size(), 3u);
        ASSERT_LE(polygon.size(), 6u);
        for (const Vec3& corner : expected) {
            const bool found = std::any_of(polygon.begin(), polygon.end(), [&](const Vec3& c) { return Length(c - corner) < 1e-7; });
            EXPECT_TRUE(found) << i;
        }
        // Consecutive turns all go the same way about the plane's normal.
        for (size_t k = 0; k < polygon.size(); ++k) {
            const Vec3& a = polygon[k];
            const Vec3& b = polygon[(k + 1) % polygon.size()];
            const Vec3& c = polygon[(k + 2) % polygon.size()];
            EXPECT_GT(Dot(Cross(b - a, c - b), plane->n), 0) << i << " corner " << k;
        }
        ++checked;
    }
    EXPECT_GT(checked, 250);
}

TEST(SpaceGeometry, SectionsThroughCornersAndEdgesOfACube)
{
    const struct { Vec3 n; double d; size_t corners; } cases[] = {
        {{0, 0, 1}, 0, 4},    // parallel to two faces: a square
        {{1, 1, 1}, 0, 6},    // through the centre across the diagonal: a hexagon
        {{1, 1, 1}, 1, 3},    // through three corners: a triangle (each corner once)
        {{1, -1, 0}, 0, 4},   // through two opposite edges: a rectangle
        {{1, 1, 1}, 3, 0},    // touching one corner: no polygon
        {{0, 0, 1}, 1, 4},    // lying on a face
        {{0, 0, 1}, 2, 0},    // missing the cube
    };
    for (const auto& c : cases)
        EXPECT_EQ(SectionPolygon({c.n, c.d}, CubeFaces()).size(), c.corners) << c.n.x << c.n.y << c.n.z << ' ' << c.d;
}

TEST(SpaceGeometry, ThePlaneOfAPolygonKeepsItsOrientation)
{
    // A square listed counter-clockwise on the screen faces the viewer, from
    // whichever vertex it starts; a repeated first vertex changes nothing.
    std::vector<Vec3> square{{0, 0, 0}, {0, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, 0, 0}};
    for (int turn = 0; turn < 4; ++turn) {
        const auto plane = PlaneOfLoop(square);
        ASSERT_TRUE(plane);
        EXPECT_LT(plane->n.z, 0) << turn;
        std::rotate(square.begin(), square.begin() + 1, square.end());
    }
    EXPECT_FALSE(PlaneOfLoop({{0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {3, 3, 3}}));
    EXPECT_FALSE(PlaneOfLoop({{0, 0, 0}, {1, 1, 1}}));
}
