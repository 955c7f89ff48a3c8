#include "plane/scene.h"
#include <gtest/gtest.h>
#include <cmath>

using namespace plane;
using geometry::Vec2;

namespace {

void ExpectAt(const TPoint* point, Vec2 expected)
{
    ASSERT_TRUE(point);
    EXPECT_TRUE(point->Exists());
    EXPECT_NEAR(point->X(), expected.x, 1e-9);
    EXPECT_NEAR(point->Y(), expected.y, 1e-9);
}

} // namespace

TEST(PlaneScene, IntersectionOfTwoLinesFollowsItsPoints)
{
    PlaneScene scene;
    TPoint* a = scene.AddPoint({0, 0});
    TLine* first = scene.AddLine(a, scene.AddPoint({1, 1}));
    TPoint* c = scene.AddPoint({0, 2});
    TPoint* d = scene.AddPoint({2, 0});
    TLine* second = scene.AddLine(c, d);
    TPoint* meet = scene.AddPointOn({0.9, 0.9}, first, second);
    ExpectAt(meet, {1, 1});
    scene.MovePoint(d, {4, 0});
    ExpectAt(meet, {4.0 / 3, 4.0 / 3});
    // Parallel lines: the point is not there, keeps its last place and comes back.
    scene.MovePoint(c, {0, 1});
    scene.MovePoint(d, {1, 2});
    EXPECT_FALSE(meet->Exists());
    EXPECT_TRUE(std::isfinite(meet->X()) && std::isfinite(meet->Y()));
    scene.MovePoint(d, {2, 0});
    ExpectAt(meet, {2.0 / 3, 2.0 / 3});
}

TEST(PlaneScene, IntersectionKeepsItsRootAndIgnoresFigureOrder)
{
    PlaneScene scene;
    TPoint* o = scene.AddPoint({0, 0});
    TLine* line = scene.AddLine(o, scene.AddPoint({1, 0}));
    TPoint* onCircle = scene.AddPoint({0, 1});
    TCircle2* circle = scene.AddCircle2(o, onCircle);
    TPoint* lineFirst = scene.AddPointOn({0.9, 0.1}, line, circle);
    TPoint* circleFirst = scene.AddPointOn({0.9, 0.1}, circle, line);
    ExpectAt(lineFirst, {1, 0});
    EXPECT_EQ(lineFirst->RootChoice(), 2);
    ExpectAt(circleFirst, {1, 0});
    EXPECT_EQ(circleFirst->RootChoice(), 2);
    scene.MovePoint(onCircle, {0, 2});
    ExpectAt(lineFirst, {2, 0});
    ExpectAt(circleFirst, {2, 0});
    // The line leaves the circle and comes back: the point returns to its root.
    TPoint* far = scene.AddPoint({0, 5});
    TCircle1* small = scene.AddCircle1(far, 1);
    TPoint* onSmall = scene.AddPointOn({0.5, 4.2}, line, small);
    EXPECT_FALSE(onSmall->Exists());
    scene.MovePoint(far, {0, 0.5});
    EXPECT_TRUE(onSmall->Exists());
}

TEST(PlaneScene, ConcentricCirclesGiveNoPoint)
{
    PlaneScene scene;
    TPoint* centre = scene.AddPoint({3, 3});
    TPoint* other = scene.AddPoint({3, 1});
    TCircle1* a = scene.AddCircle1(centre, 2);
    TCircle1* b = scene.AddCircle1(other, 2);
    TPoint* meet = scene.AddPointOn({3, 1}, a, b);
    EXPECT_TRUE(meet->Exists());
    scene.MovePoint(other, {3, 3});
    EXPECT_FALSE(meet->Exists());
    EXPECT_NE(meet->Position(), (Vec2{0, 0}));
}

TEST(PlaneScene, DependantsOfMissingPointsAreMissingToo)
{
    PlaneScene scene;
    TPoint* a = scene.AddPoint({0, 0});
    TPoint* b = scene.AddPoint({2, 0});
    TPoint* c = scene.AddPoint({0, 1});
    TPoint* d = scene.AddPoint({2, 1});
    TPoint* meet = scene.AddPointOn({1, 1}, scene.AddLine(a, b), scene.AddLine(c, d));
    EXPECT_FALSE(meet->Exists());
    TPoint* other = scene.AddPoint({5, 5});
    TSegment* segment = scene.AddSegment(meet, other);
    TPoint* onSegment = scene.AddPointOn({4, 4}, segment);
    TDistance* distance = scene.AddDistance(meet, other);
    EXPECT_FALSE(segment->Exists());
    EXPECT_FALSE(onSegment->Exists());
    EXPECT_FALSE(distance->Value());
    EXPECT_EQ(scene.FindHotPoint(meet->Position(), 0.5), nullptr);
    scene.MovePoint(d, {2, -1});
    EXPECT_TRUE(meet->Exists());
    EXPECT_TRUE(onSegment->Exists());
    EXPECT_TRUE(distance->Value());
}

TEST(PlaneScene, PointsSlideAlongTheirFigures)
{
    PlaneScene scene;
    TSegment* segment = scene.AddSegment(scene.AddPoint({0, 0}), scene.AddPoint({2, 0}));
    TPoint* onSegment = scene.AddPointOn({1, 0.1}, segment);
    ExpectAt(onSegment, {1, 0});
    scene.MovePoint(onSegment, {5, 3}); // dragged beyond the end it stays at the end
    ExpectAt(onSegment, {2, 0});
    TCircle1* circle = scene.AddCircle1(scene.AddPoint({0, 0}), 2);
    TPoint* onCircle = scene.AddPointOn({0, 0}, circle);
    ExpectAt(onCircle, {0, 0}); // at the centre the point has no nearest point to go to
    scene.MovePoint(onCircle, {3, 4});
    ExpectAt(onCircle, {1.2, 1.6});
}

TEST(PlaneScene, DependencyCyclesAreRefused)
{
    PlaneScene scene;
    TPoint* a = scene.AddPoint({0, 0});
    TPoint* b = scene.AddPoint({1, 0});
    TLine* line = scene.AddLine(a, b);
    EXPECT_FALSE(scene.SetParents(a, line, nullptr, 0)); // a point on a line through itself
    EXPECT_EQ(scene.AddSegment0(a, a), nullptr);
    ASSERT_TRUE(scene.AddSegment0(a, b));
    EXPECT_EQ(scene.AddSegment0(b, a), nullptr); // a already leads b
    TMorph morph;
    morph.Kind = MorphKind::Homothety;
    morph.Centre = b;
    morph.Param = 2;
    EXPECT_FALSE(scene.SetMorph(a, b, morph));
    EXPECT_TRUE(a->IsFree());
    // Wrong kinds in a slot.
    TPolygon* polygon = scene.AddPolygon({{0, 0}, {1, 0}, {0, 1}});
    TCircle1* circle = scene.AddCircle1(scene.AddPoint({5, 5}), 1);
    TPoint* c = scene.AddPoint({3, 3});
    EXPECT_FALSE(scene.SetParents(c, polygon, nullptr, 0));
    EXPECT_FALSE(scene.SetParents(c, nullptr, line, 0));
    EXPECT_FALSE(scene.SetParents(c, line, circle, 3));
    TMorph axis;
    axis.Kind = MorphKind::AxialSymmetry;
    axis.Figure = nullptr;
    EXPECT_FALSE(scene.SetMorph(c, a, axis));
    TMorph shift;
    shift.Kind = MorphKind::Translation;
    shift.Figure = line; // a line is no vector
    EXPECT_FALSE(scene.SetMorph(c, a, shift));
    EXPECT_TRUE(c->IsFree());
}

TEST(PlaneScene, DiamondAndLongChainsRecomputeEachPointOnce)
{
    // A ladder of diamonds: every level depends twice on the level before it.
    // Visiting each dependant per path would take 2^40 steps.
    PlaneScene scene;
    TPoint* top = scene.AddPoint({0, 0});
    scene.HomothetyCenter = top;
    TPoint* level = top;
    for (int i = 0; i < 40; ++i) {
        TPoint* left = scene.AddPoint({-1, double(-i)});
        TPoint* right = scene.AddPoint({1, double(-i)});
        TMorph shift;
        shift.Kind = MorphKind::FixedOffset;
        shift.DX = -1;
        ASSERT_TRUE(scene.SetMorph(left, level, shift));
        shift.DX = 1;
        ASSERT_TRUE(scene.SetMorph(right, level, shift));
        level = scene.AddMidpoint(scene.AddSegment(left, right));
    }
    scene.MovePoint(top, {10, 0});
    ExpectAt(level, {10, 0});
    // A chain of 300: every link follows the one before.
    TPoint* first = scene.AddPoint({0, 0});
    TPoint* last = first;
    for (int i = 0; i < 300; ++i) {
        TPoint* next = scene.AddPoint({last->X() + 1, 0});
        ASSERT_TRUE(scene.AddSegment0(last, next));
        last = next;
    }
    scene.MovePoint(first, {5, 5});
    ExpectAt(last, {305, 5});
}

TEST(PlaneScene, TransformationImagesFollowSourceAndElement)
{
    PlaneScene scene;
    TPoint* source = scene.AddPoint({2, 0});
    TPoint* centre = scene.AddPoint({0, 0});
    EXPECT_EQ(scene.MakeImage(source, MorphKind::Rotation), nullptr); // no centre chosen yet
    scene.RotationCenter = centre;
    ASSERT_TRUE(scene.SetRotationAngle(90));
    TPoint* image = scene.MakeImage(source, MorphKind::Rotation);
    ExpectAt(image, {0, 2});
    scene.MovePoint(source, {3, 0});
    ExpectAt(image, {0, 3});
    scene.MovePoint(centre, {1, 0});
    ExpectAt(image, {1, 2});
    // A new angle moves no existing image; a new image takes it.
    scene.SetRotationAngle(180);
    ExpectAt(image, {1, 2});
    ExpectAt(scene.MakeImage(source, MorphKind::Rotation), {-1, 0});
    EXPECT_FALSE(scene.SetRotationAngle(std::nan("")));

    TPoint* p = scene.AddPoint({1, 2});
    scene.SymmetryAxis = scene.AddLine(scene.AddPoint({0, 0}), scene.AddPoint({1, 1}));
    ExpectAt(scene.MakeImage(p, MorphKind::AxialSymmetry), {2, 1});
    TPoint* q = scene.AddPoint({2, 2});
    scene.HomothetyCenter = scene.AddPoint({0, 0});
    scene.SetHomothetyFactor(-0.5);
    ExpectAt(scene.MakeImage(q, MorphKind::Homothety), {-1, -1});
    scene.ShiftVector = scene.AddVector(scene.AddPoint({1, 1}), scene.AddPoint({2, 3}));
    TPoint* shifted = scene.MakeImage(q, MorphKind::Translation);
    ExpectAt(shifted, {3, 4});
    scene.MovePoint(scene.ShiftVector->P2, {1, 1});
    ExpectAt(shifted, {2, 2});
}

TEST(PlaneScene, DegenerateAxisLeavesTheImageInPlace)
{
    PlaneScene scene;
    TPoint* a = scene.AddPoint({0, 0});
    TPoint* b = scene.AddPoint({1, 1});
    scene.SymmetryAxis = scene.AddLine(a, b);
    TPoint* image = scene.MakeImage(scene.AddPoint({1, 2}), MorphKind::AxialSymmetry);
    scene.MovePoint(b, {0, 0});
    ExpectAt(image, {2, 1});
}

TEST(PlaneScene, FigureImages)
{
    PlaneScene scene;
    scene.HomothetyCenter = scene.AddPoint({0, 0});
    scene.SetHomothetyFactor(-0.5);
    auto* circle = static_cast<TCircle1*>(scene.MakeImage(scene.AddCircle1(scene.AddPoint({2, 2}), 2), MorphKind::Homothety));
    ASSERT_TRUE(circle);
    EXPECT_EQ(circle->Radius(), 1);
    ExpectAt(circle->Center, {-1, -1});
    scene.DrawColor = base::colour::kRed;
    auto* segment = scene.MakeImage(scene.AddSegment(scene.AddPoint({2, 0}), scene.AddPoint({4, 0})), MorphKind::Homothety);
    ASSERT_TRUE(segment);
    EXPECT_EQ(segment->Kind(), FigureKind::Segment);
    EXPECT_EQ(segment->Color, base::colour::kRed);
    // A fixed-length image follows the image of its first end with its own length.
    TPoint* start = scene.AddPoint({0, 1});
    TPoint* end = scene.AddPoint({2, 1});
    auto* fixed = static_cast<TFigureLine*>(scene.MakeImage(scene.AddSegment0(start, end), MorphKind::Homothety));
    ASSERT_TRUE(fixed);
    EXPECT_EQ(fixed->Kind(), FigureKind::Segment0);
    EXPECT_EQ(fixed->P2->Source(), fixed->P1);
    scene.MovePoint(start, {0, 3});
    ExpectAt(fixed->P1, {0, -1.5});
    ExpectAt(fixed->P2, {-1, -1.5});
    EXPECT_EQ(scene.MakeImage(scene.AddPolygon({{0, 0}, {1, 0}, {0, 1}}), MorphKind::Homothety), nullptr);
}

TEST(PlaneScene, MidpointStaysTheMidpoint)
{
    PlaneScene scene;
    TPoint* a = scene.AddPoint({0, 0});
    TSegment* segment = scene.AddSegment(a, scene.AddPoint({4, 2}));
    TPoint* midpoint = scene.AddMidpoint(segment);
    ExpectAt(midpoint, {2, 1});
    scene.MovePoint(a, {2, 0});
    ExpectAt(midpoint, {3, 1});
    EXPECT_EQ(scene.HomothetyCenter, nullptr); // the chosen elements stay as they were
    EXPECT_EQ(scene.HomothetyFactor(), 0.5);
}

TEST(PlaneScene, MeasuresAndPolygons)
{
    PlaneScene scene;
    TPoint* a = scene.AddPoint({1, 0});
    TPoint* v = scene.AddPoint({0, 0});
    TPoint* b = scene.AddPoint({0, 1});
    TAngle* angle = scene.AddAngle(b, v, a);
    EXPECT_NEAR(*angle->Value(), 90, 1e-12);
    EXPECT_EQ(angle->A, a); // turned so that the arc runs counter-clockwise from A to B
    EXPECT_EQ(angle->B, b);
    EXPECT_EQ(*scene.AddAngle(v, v, a)->Value(), 0);
    EXPECT_NEAR(*scene.AddDistance(v, scene.AddPoint({1, 2}))->Value(), std::sqrt(5.0), 1e-12);

    EXPECT_EQ(scene.AddPolygon({{0, 0}, {1, 0}, {0, 0}}), nullptr);
    EXPECT_EQ(scene.AddPolygon({{0, 0}, {1, 0}, {0, NAN}}), nullptr);
    EXPECT_EQ(scene.AddRegularPolygon({0, 0}, 2, 1), nullptr);
    EXPECT_EQ(scene.AddRegularPolygon({0, 0}, 101, 1), nullptr);
    TPolygon* square = scene.AddRegularPolygon({0, 0}, 4, 2);
    ASSERT_TRUE(square);
    EXPECT_EQ(square->Vertices.size(), 4u);
    PlaneScene::RotatePolygon(*square, square->Vertices[1], 45);
    EXPECT_NEAR(square->Vertices[1].x, 1, 1e-12); // the vertex clicked stays in place
    EXPECT_NEAR(square->Vertices[1].y, 1, 1e-12);
    PlaneScene::FlipPolygon(*square, 1);
    EXPECT_NEAR(square->Vertices[1].x, 1, 1e-12);

    // The eraser hides points and figures and frees polygons and measures.
    TLine* line = scene.AddLine(a, b);
    TPoint* onLine = scene.AddPointOn({0.5, 0.5}, line);
    scene.Erase(line);
    scene.MovePoint(onLine, {3, 0});
    ExpectAt(onLine, {2, -1});
    const int figures = scene.FigureCount();
    scene.Erase(square);
    EXPECT_EQ(scene.FigureCount(), figures - 1);
    EXPECT_EQ(scene.FigureIndex(line), figures - 2);
    scene.Erase(angle);
    EXPECT_EQ(scene.MeasureCount(), 2);
}

TEST(PlaneScene, PickingAndSnapping)
{
    PlaneScene scene;
    TPoint* early = scene.AddPoint({1, 0});
    TPoint* late = scene.AddPoint({-1, 0});
    EXPECT_EQ(scene.FindHotPoint({0, 0}, 1.5), late); // equally near: the later one
    EXPECT_EQ(scene.FindHotPoint({0.9, 0}, 0.25), early);
    EXPECT_EQ(scene.FindHotPoint({0, 3}, 0.25), nullptr);
    late->Visible = false;
    EXPECT_EQ(scene.FindHotPoint({0, 0}, 1.5), early);

    // Grid snapping with nothing under the mouse.
    EXPECT_EQ(scene.Snap({1.3, -0.6}, {}, 1).position, (Vec2{1, -1}));
    EXPECT_EQ(scene.Snap({1.3, -0.4}, {}, 1).position, (Vec2{1, 0}));
    EXPECT_EQ(scene.Snap({1.3, -0.4}, {}, 0).position, (Vec2{1.3, -0.4}));

    TLine* horizontal = scene.AddLine(scene.AddPoint({-5, 0.1}), scene.AddPoint({5, 0.1}));
    TLine* vertical = scene.AddLine(scene.AddPoint({3, -5}), scene.AddPoint({3, 5}));
    scene.AddPolygon({{2.9, 0}, {3.1, 0}, {3, 0.2}});
    const HotFigures hot = scene.FindHotFigures({3.05, 0.2}, 0.25);
    EXPECT_EQ(hot.first, vertical);
    EXPECT_EQ(hot.second, horizontal);
    const SnapResult meet = scene.Snap({3.05, 0.2}, hot, 1);
    EXPECT_NEAR(meet.position.x, 3, 1e-12);
    EXPECT_NEAR(meet.position.y, 0.1, 1e-12);
    EXPECT_EQ(meet.base, vertical);
    EXPECT_EQ(meet.base2, horizontal);
    // Two parallel lines under the mouse give no meeting point to snap to.
    TLine* parallel = scene.AddLine(scene.AddPoint({-5, 0.2}), scene.AddPoint({5, 0.2}));
    const SnapResult onOne = scene.Snap({-2, 0.16}, scene.FindHotFigures({-2, 0.16}, 0.25), 1);
    EXPECT_EQ(onOne.position, (Vec2{-2, 0.2}));
    EXPECT_EQ(onOne.base, parallel);
    EXPECT_EQ(onOne.base2, nullptr);
}

TEST(PlaneScene, ClearResetsEverythingButTheDrawColour)
{
    PlaneScene scene;
    scene.DrawColor = base::colour::kRed;
    scene.RotationCenter = scene.AddPoint({0, 0});
    scene.SetRotationAngle(10);
    scene.SetParam(0, 5);
    scene.AddCircle1(scene.RotationCenter, 1);
    scene.Clear();
    EXPECT_EQ(scene.PointCount(), 0);
    EXPECT_EQ(scene.FigureCount(), 0);
    EXPECT_EQ(scene.RotationCenter, nullptr);
    EXPECT_EQ(scene.RotationAngle(), 45);
    EXPECT_EQ(scene.Param(0), 1);
    EXPECT_EQ(scene.DrawColor, base::colour::kRed);
    ExpectAt(scene.AddPoint({1, 1}), {1, 1});
    EXPECT_EQ(scene.AddPoint({NAN, 0}), nullptr);
    EXPECT_FALSE(scene.MovePoint(scene.Point(0), {HUGE_VAL, 0}));
}
