#include "space/scene.h"
#include "space/spacepainter.h"
#include "spacetestscenes.h"
#include <gtest/gtest.h>

using namespace space;
using geometry::Vec3;

namespace {

constexpr base::Bgr kCubeColour = 0x0000FF;

void ExpectAt(const TPoint& point, const Vec3& expected, double tolerance = 1e-9)
{
    EXPECT_NEAR(point.X, expected.x, tolerance);
    EXPECT_NEAR(point.Y, expected.y, tolerance);
    EXPECT_NEAR(point.Z, expected.z, tolerance);
}

} // namespace

TEST(SpaceScene, AMeetingPointVanishesWhileTheLineRunsAlongThePlaneAndComesBack)
{
    SpaceScene scene;
    TPoint& p0 = scene.AddPoint({0, 0, 0});
    TPoint& p1 = scene.AddPoint({0, 1, 0});
    TPoint& p2 = scene.AddPoint({1, 0, 1});
    TFigurePlane* plane = scene.AddPlaneFigure(FigureKind::Plane, {&p0, &p1, &p2}, 0);
    TPoint& a = scene.AddPoint({0, 0.5, 1});
    TPoint& b = scene.AddPoint({1, 0.5, 1});
    TFigureLine* line = scene.AddLineFigure(FigureKind::Line, a, b, 0);
    TPoint* meeting = scene.AddIntersection(*line, *plane);
    ASSERT_TRUE(meeting);
    ExpectAt(*meeting, {1, 0.5, 1});
    TPoint& onMeeting = scene.AddPoint({5, 5, 5});
    TFigureLine* segment = scene.AddLineFigure(FigureKind::Segment, *meeting, onMeeting, 0);
    TPoint& follower = scene.AddPointOn(*segment, {3, 3, 0});

    scene.MovePoint(p1, 1, 0); // the plane becomes y = 0, parallel to the line
    EXPECT_FALSE(meeting->Present);
    EXPECT_FALSE(segment->Present()) << "a figure on a point that is not there is not there either";
    EXPECT_FALSE(follower.Present);
    EXPECT_TRUE(std::isfinite(meeting->X) && std::abs(meeting->X) < 10) << "the last position is kept";

    scene.MovePoint(p1, 0, 1);
    EXPECT_TRUE(meeting->Present);
    EXPECT_TRUE(follower.Present);
    ExpectAt(*meeting, {1, 0.5, 1});
}

TEST(SpaceScene, DependentPointsFollowWhatTheyAreBuiltOn)
{
    SpaceScene scene;
    TPoint& a = scene.AddPoint({0, 0, 0});
    TPoint& b = scene.AddPoint({2, 0, 2});
    TFigureLine* segment = scene.AddLineFigure(FigureKind::Segment, a, b, 0);
    TPoint& on = scene.AddPointOn(*segment, {1, 1, 9});
    ExpectAt(on, {1, 0, 1});
    Morph half{MorphKind::Homothety, nullptr, &a, 0.5};
    TPoint& middle = scene.AddImagePoint(b, half);
    ExpectAt(middle, {1, 0, 1});

    scene.MovePoint(b, 2, 2);
    ExpectAt(middle, {1, 1, 1});
    EXPECT_NEAR(geometry::DistanceToLine(on.Position(), a.Position(), b.Position()), 0, 1e-9);
    // Points made by constructions cannot be dragged away from them.
    scene.MovePoint(middle, 7, 7);
    ExpectAt(middle, {1, 1, 1});
}

TEST(SpaceScene, TheImagesOfTheFourTransformations)
{
    SpaceScene scene;
    TPoint& o = scene.AddPoint({0, 0, 0});
    TPoint& z = scene.AddPoint({0, 0, 1});
    TPoint& x = scene.AddPoint({1, 0, 0});
    TPoint& y = scene.AddPoint({0, 1, 0});
    TFigure* axis = scene.AddLineFigure(FigureKind::Line, o, z, 0);
    TFigure* mirror = scene.AddPlaneFigure(FigureKind::Plane, {&o, &x, &z}, 0); // y = 0
    TFigure* shift = scene.AddLineFigure(FigureKind::Vector, o, y, 0);
    TPoint& p = scene.AddPoint({1, 2, 3});
    const struct { Morph morph; Vec3 expected; } cases[] = {
        {{MorphKind::Rotation, axis, nullptr, 90}, {-2, 1, 3}},
        {{MorphKind::Mirror, mirror, nullptr, 0}, {1, -2, 3}},
        {{MorphKind::Translation, shift, nullptr, 0}, {1, 3, 3}},
        {{MorphKind::Homothety, nullptr, &x, -2}, {1, -4, -6}},
    };
    for (const auto& c : cases) ExpectAt(scene.AddImagePoint(p, c.morph), c.expected);
}

TEST(SpaceScene, ASectionFollowsItsSolidAndItsPoints)
{
    SpaceScene scene;
    const testscenes::Box cube = testscenes::AddBox(scene, {-1, -1, -1}, {1, 1, 1}, kCubeColour);
    TPoint& a = scene.AddPointOn(*cube.faces[0], {0.5, 0, 0}); // z = -1
    TPoint& b = scene.AddPointOn(*cube.faces[1], {0, 0.5, 0}); // z = 1
    TPoint& c = scene.AddPointOn(*cube.faces[2], {-0.5, 0, 0}); // y = -1
    EXPECT_EQ(a.Z, -1);
    EXPECT_EQ(c.Y, -1);
    auto* section = static_cast<TPlaneCut*>(scene.AddPlaneFigure(FigureKind::Section, {&a, &b, &c}, kCubeColour));
    ASSERT_TRUE(section);
    EXPECT_GE(section->Outline.size(), 3u);
    EXPECT_LE(section->Outline.size(), 6u);
    const auto before = section->Outline;

    // Stretching the cube along x moves the section's corners with it.
    for (int k : {1, 3, 5, 7}) scene.MovePoint(*cube.corners[k], 3, cube.corners[k]->Y);
    EXPECT_NE(section->Outline, before);
    for (const Vec3& corner : section->Outline) {
        EXPECT_LE(corner.x, 3 + 1e-9);
        EXPECT_GE(corner.x, -1 - 1e-9);
    }
    // Faces of another colour are not cut.
    SpaceScene other;
    testscenes::AddBox(other, {-1, -1, -1}, {1, 1, 1}, kCubeColour);
    TPoint& p = other.AddPoint({0, 0, 0});
    TPoint& q = other.AddPoint({1, 0, 0});
    TPoint& r = other.AddPoint({0, 1, 0});
    auto* elsewhere = static_cast<TPlaneCut*>(other.AddPlaneFigure(FigureKind::Section, {&p, &q, &r}, 0x123456));
    EXPECT_TRUE(elsewhere->Outline.empty());
}

TEST(SpaceScene, TheDrawingOrderLeavesTheModelOrderAlone)
{
    SpaceScene scene;
    testscenes::AddBox(scene, {-1, -1, -1}, {1, 1, 1}, kCubeColour);
    std::vector<const TFigure*> before;
    for (const auto& f : scene.Figures()) before.push_back(f.get());
    const std::vector<const TFigurePlane*> order = PaintingOrder(scene);
    ASSERT_EQ(order.size(), 6u);
    for (size_t i = 1; i < order.size(); ++i) EXPECT_GE(order[i - 1]->DepthKey(), order[i]->DepthKey());
    EXPECT_NE(static_cast<const TFigure*>(order.front()), before.front()) << "the far face is painted first";
    for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(scene.Figures()[i].get(), before[i]);
}

TEST(SpaceScene, FiguresRefuseTooFewDifferentPoints)
{
    SpaceScene scene;
    TPoint& a = scene.AddPoint({0, 0, 0});
    TPoint& b = scene.AddPoint({1, 0, 0});
    TPoint& c = scene.AddPoint({0, 1, 0});
    TPoint& d = scene.AddPoint({0, 0, 1});
    EXPECT_FALSE(scene.AddLineFigure(FigureKind::Segment, a, a, 0));
    EXPECT_FALSE(scene.AddPlaneFigure(FigureKind::Face, {&a, &b}, 0));
    EXPECT_FALSE(scene.AddPlaneFigure(FigureKind::Face, {&a, &b, &a}, 0));
    EXPECT_FALSE(scene.AddPlaneFigure(FigureKind::Plane, {&a, &b, &c, &d}, 0));
    EXPECT_TRUE(scene.AddPlaneFigure(FigureKind::Face, {&a, &b, &c, &a}, 0));
    EXPECT_EQ(scene.Figures().size(), 1u);
}

TEST(SpaceScene, TurningKeepsEveryRelation)
{
    SpaceScene scene;
    TPoint& a = scene.AddPoint({0, 0, 0});
    TPoint& b = scene.AddPoint({2, 1, 0});
    TPoint& c = scene.AddPoint({1, -1, 3});
    TPoint& d = scene.AddPoint({1, 2, -2});
    TFigure* ab = scene.AddLineFigure(FigureKind::Line, a, b, 0);
    TFigure* cd = scene.AddLineFigure(FigureKind::Segment, c, d, 0);
    TPoint* meet = scene.AddIntersection(*ab, *cd);
    ASSERT_FALSE(meet) << "skew lines";
    TFigure* plane = scene.AddPlaneFigure(FigureKind::Plane, {&a, &b, &c}, 0);
    TFigure* ad = scene.AddLineFigure(FigureKind::Line, a, d, 0);
    TPoint* through = scene.AddIntersection(*ad, *plane);
    ASSERT_TRUE(through);
    scene.TurnAboutX(33);
    scene.TurnAboutY(-71);
    scene.TurnAboutZ(12);
    const Vec3 before = through->Position();
    scene.RecalcAll();
    EXPECT_TRUE(through->Present);
    EXPECT_NEAR(geometry::Length(through->Position() - before), 0, 1e-9);
}
