#include "plane/geometry.h"
#include <gtest/gtest.h>
#include <cmath>
#include <limits>

using namespace plane::geometry;

namespace {

void ExpectNear(Vec2 actual, Vec2 expected)
{
    EXPECT_NEAR(actual.x, expected.x, 1e-9);
    EXPECT_NEAR(actual.y, expected.y, 1e-9);
}

const double kHuge = std::numeric_limits<double>::max();

} // namespace

TEST(PlaneGeometry, LinesMeetOrNot)
{
    ExpectNear(*IntersectLines({{0, 0}, {1, 1}}, {{0, 2}, {2, 0}}), {1, 1});
    ExpectNear(*IntersectLines({{0, 0}, {1, 1}}, {{0, 2}, {4, 0}}), {4.0 / 3, 4.0 / 3});
    EXPECT_FALSE(IntersectLines({{0, 0}, {1, 1}}, {{0, 1}, {1, 2}})); // parallel
    EXPECT_FALSE(IntersectLines({{0, 0}, {1, 1}}, {{2, 2}, {3, 3}})); // the same line
    EXPECT_FALSE(IntersectLines({{1, 1}, {1, 1}}, {{0, 2}, {2, 0}})); // through two coincident points
    // Nearly parallel lines whose meeting point overflows give no point, not infinity.
    EXPECT_FALSE(IntersectLines({{-kHuge, 0}, {kHuge, 1e-300}}, {{0, 1}, {1, 1}}));
}

TEST(PlaneGeometry, LineAndCircleRootsInTheirFileOrder)
{
    const auto roots = IntersectLineCircle({{0, 0}, {1, 0}}, {{0, 0}, 1});
    ASSERT_TRUE(roots);
    ExpectNear(roots->first, {-1, 0});
    ExpectNear(roots->second, {1, 0});
    ExpectNear(IntersectLineCircle({{0, 1}, {1, 1}}, {{0, 0}, 1})->first, {0, 1}); // tangent: both roots meet
    EXPECT_FALSE(IntersectLineCircle({{0, 2}, {1, 2}}, {{0, 0}, 1}));              // the line misses
    EXPECT_FALSE(IntersectLineCircle({{0, 0}, {0, 0}}, {{0, 0}, 1}));              // no line at all
}

TEST(PlaneGeometry, CirclesMeetOrNot)
{
    const auto roots = IntersectCircles({{0, 0}, 5}, {{8, 0}, 5});
    ASSERT_TRUE(roots);
    ExpectNear(roots->first, {4, -3});
    ExpectNear(roots->second, {4, 3});
    EXPECT_FALSE(IntersectCircles({{0, 0}, 1}, {{0, 0}, 1})); // concentric: not the point (0, 0)
    EXPECT_FALSE(IntersectCircles({{0, 0}, 1}, {{0, 0}, 2}));
    EXPECT_FALSE(IntersectCircles({{0, 0}, 1}, {{5, 0}, 1})); // apart
    EXPECT_FALSE(IntersectCircles({{0, 0}, 1}, {{0, 0.5}, 0.1})); // one inside the other
}

TEST(PlaneGeometry, NearestPointsOfLinesRaysSegmentsAndCircles)
{
    const Line line{{0, 0}, {2, 0}};
    ExpectNear(NearestOnLine(line, Extent::Line, {-3, 1}), {-3, 0});
    ExpectNear(NearestOnLine(line, Extent::Ray, {-3, 1}), {0, 0});
    ExpectNear(NearestOnLine(line, Extent::Ray, {5, 1}), {5, 0});
    ExpectNear(NearestOnLine(line, Extent::Segment, {5, 1}), {2, 0});
    ExpectNear(NearestOnLine({{1, 1}, {1, 1}}, Extent::Line, {5, 5}), {1, 1});
    ExpectNear(NearestOnCircle({{0, 0}, 2}, {3, 4}), {1.2, 1.6});
    ExpectNear(NearestOnCircle({{1, 1}, 2}, {1, 1}), {1, 1});
    EXPECT_FALSE(FootOfPerpendicular({{1, 1}, {1, 1}}, {0, 0}));
    ExpectNear(*FootOfPerpendicular({{0, 0}, {1, 1}}, {2, 0}), {1, 1});
    EXPECT_EQ(Midpoint({0, 0}, {4, 2}), (Vec2{2, 1}));
}

TEST(PlaneGeometry, ParallelsPerpendicularsAndAngles)
{
    const Line parallel = *ParallelThrough({{0, 0}, {1, 2}}, {5, 5});
    EXPECT_EQ(parallel.p1, (Vec2{5, 5}));
    EXPECT_DOUBLE_EQ(Cross(parallel.direction(), {1, 2}), 0);
    const Line perpendicular = *PerpendicularThrough({{0, 0}, {1, 2}}, {5, 5});
    EXPECT_DOUBLE_EQ(Dot(perpendicular.direction(), {1, 2}), 0);
    EXPECT_FALSE(ParallelThrough({{1, 1}, {1, 1}}, {0, 0}));
    EXPECT_FALSE(PerpendicularThrough({{1, 1}, {1, 1}}, {0, 0}));
    EXPECT_NEAR(*AngleDegrees({1, 0}, {0, 0}, {0, 1}), 90, 1e-12);
    EXPECT_NEAR(*AngleDegrees({0, 1}, {0, 0}, {1, 0}), 90, 1e-12);
    EXPECT_NEAR(*AngleDegrees({1, 0}, {0, 0}, {-1, 1e-17}), 180, 1e-9);
    EXPECT_FALSE(AngleDegrees({0, 0}, {0, 0}, {1, 0}));
}

TEST(PlaneGeometry, Transformations)
{
    ExpectNear(Rotate({2, 0}, {0, 0}, 90), {0, 2});
    ExpectNear(Rotate({3, 0}, {1, 0}, 90), {1, 2});
    ExpectNear(*Reflect({1, 2}, {{0, 0}, {1, 1}}), {2, 1});
    EXPECT_FALSE(Reflect({1, 2}, {{1, 1}, {1, 1}}));
    ExpectNear(ReflectInPoint({1, 2}, {1, 0}), {1, -2});
    ExpectNear(Homothety({2, 2}, {0, 0}, -0.5), {-1, -1});
    ExpectNear(Translate({2, 2}, {-1, 3}), {1, 5});
}

TEST(PlaneGeometry, RegularPolygonsWithinTheirLimits)
{
    const auto square = RegularPolygon({0, 0}, 4, 2);
    ASSERT_TRUE(square);
    ASSERT_EQ(square->size(), 4u);
    const Vec2 expected[] = {{1, -1}, {1, 1}, {-1, 1}, {-1, -1}};
    for (size_t i = 0; i < 4; ++i) ExpectNear((*square)[i], expected[i]);
    const auto hexagon = RegularPolygon({1, 1}, 6, 1.5);
    ASSERT_TRUE(hexagon);
    for (size_t i = 0; i < 6; ++i) EXPECT_NEAR(Distance((*hexagon)[i], (*hexagon)[(i + 1) % 6]), 1.5, 1e-12);
    EXPECT_NEAR((*hexagon)[0].y, (*hexagon)[5].y, 1e-12); // the bottom side is horizontal
    EXPECT_TRUE(RegularPolygon({0, 0}, kMaxSides, 1));
    for (int sides : {-5, 0, 2, kMaxSides + 1, 1 << 30}) EXPECT_FALSE(RegularPolygon({0, 0}, sides, 1)) << sides;
    for (double side : {0.0, -1.0, std::nan(""), HUGE_VAL}) EXPECT_FALSE(RegularPolygon({0, 0}, 5, side)) << side;
}
