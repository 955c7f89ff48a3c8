// The plane control's mouse state machine without a window: click sequences
// of every tool and what they leave in the scene.
#include "plane/interaction.h"
#include "base/random.h"
#include "plane/planerecords.h"
#include "plane/planetools.h"
#include <QRect>
#include <gtest/gtest.h>
#include <deque>

using namespace plane;
using geometry::Vec2;

namespace {

class RecordingHost : public InteractionHost {
public:
    void ShowMessage(const QString& text) override { messages << text; }
    std::optional<QString> AskName(const QString& current) override
    {
        askedNames << current;
        if (names.empty()) return std::nullopt;
        const auto answer = names.front();
        names.pop_front();
        return answer;
    }
    std::optional<std::pair<QString, QString>> AskCoordinates(const QString& x, const QString& y) override
    {
        askedCoordinates << x + u' ' + y;
        if (coordinates.empty()) return std::nullopt;
        const auto answer = coordinates.front();
        coordinates.pop_front();
        return answer;
    }
    QSize TextSize(const QString& text) const override { return QSize(7 * int(text.size()), 14); }
    void MovePointer(QPoint pixel) override { pointer = pixel; }

    QStringList messages;
    QStringList askedNames;
    QStringList askedCoordinates;
    std::deque<std::optional<QString>> names;
    std::deque<std::optional<std::pair<QString, QString>>> coordinates;
    std::optional<QPoint> pointer;
};

class InteractionTest : public ::testing::Test {
protected:
    InteractionTest() : view(400, 300), plane(scene, view, host) {}

    QPoint Pixel(Vec2 world) const { return {view.ToScreenX(world.x), view.ToScreenY(world.y)}; }
    // A pupil moves the mouse there and clicks.
    void Click(Vec2 world, MouseButton button = MouseButton::Left)
    {
        plane.MouseMove(false, false, Pixel(world));
        plane.MouseDown(button, Pixel(world));
        plane.MouseUp(button, Pixel(world));
    }
    void Drag(Vec2 from, Vec2 to, MouseButton button = MouseButton::Left)
    {
        plane.MouseMove(false, false, Pixel(from));
        plane.MouseDown(button, Pixel(from));
        const bool left = button == MouseButton::Left;
        plane.MouseMove(left, !left, Pixel(to));
        plane.MouseUp(button, Pixel(to));
    }
    TPoint* Free(Vec2 at) { return scene.AddPoint(at); }

    RecordingHost host;
    PlaneScene scene;
    PlaneView view;
    PlaneInteraction plane;
};

void ExpectNear(Vec2 actual, Vec2 expected, double tolerance = 1e-9)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
}

} // namespace

TEST_F(InteractionTest, PointToolSnapsToTheGridOrTakesTheClickWithoutIt)
{
    struct Case {
        bool grid;
        Vec2 click;
        Vec2 expected;
    };
    for (const Case& c : {Case{true, {1.3, -0.6}, {1, -1}}, Case{true, {1.3, -0.4}, {1, 0}},
                          Case{false, {1.3, -0.4}, {1.3, -0.4}}}) {
        scene.Clear();
        plane.Reset();
        plane.GridVisible = c.grid;
        plane.SetTool(kToolPoint);
        Click(c.click);
        ASSERT_EQ(scene.PointCount(), 1);
        ExpectNear(scene.Point(0)->Position(), c.expected);
        EXPECT_TRUE(scene.Point(0)->IsFree());
    }
    // The pointer was put on the last snapped node; a click without the grid
    // does not move it, and a click on an existing point creates nothing.
    EXPECT_EQ(host.pointer, Pixel({1, 0}));
    Click({1.3, -0.4});
    EXPECT_EQ(scene.PointCount(), 1);
}

TEST_F(InteractionTest, EveryTwoClickToolBuildsItsFigureFromTwoPoints)
{
    struct Case {
        int tool;
        FigureKind kind;
        int points;
    };
    for (const Case& c : {Case{kToolRay, FigureKind::Luch, 2}, Case{kToolLine, FigureKind::Line, 2},
                          Case{kToolSegment, FigureKind::Segment, 2}, Case{kToolSegmentFixed, FigureKind::Segment0, 2},
                          Case{kToolCircleThrough, FigureKind::Circle2, 2}, Case{kToolVector, FigureKind::Vector, 2},
                          Case{kToolCircleFixed, FigureKind::Circle1, 1}}) {
        plane.ClearScene();
        plane.SetTool(c.tool);
        Click({0, 0});
        EXPECT_EQ(plane.DragState(), PlaneInteraction::kWaitingNextClick) << c.tool;
        ASSERT_TRUE(plane.Band().has_value());
        EXPECT_EQ(plane.Band()->circle, c.tool == kToolCircleFixed || c.tool == kToolCircleThrough);
        Click({2, 1});
        EXPECT_EQ(plane.DragState(), PlaneInteraction::kIdle) << c.tool;
        ASSERT_EQ(scene.FigureCount(), 1) << c.tool;
        EXPECT_EQ(scene.Figure(0)->Kind(), c.kind) << c.tool;
        EXPECT_EQ(scene.PointCount(), c.points) << c.tool;
    }
    // The fixed radius is the distance to the second click.
    EXPECT_DOUBLE_EQ(static_cast<TCircle1*>(scene.Figure(0))->Radius(), std::sqrt(5.0));
}

TEST_F(InteractionTest, SecondEndOfAFixedSegmentFollowsTheFirstAndIsAlwaysNew)
{
    TPoint* a = Free({0, 0});
    TPoint* b = Free({3, 0});
    plane.SetTool(kToolSegmentFixed);
    Click({0, 0});
    Click({3, 0}); // over b, yet a new end is made
    ASSERT_EQ(scene.PointCount(), 3);
    TPoint* end = scene.Point(2);
    EXPECT_NE(end, b);
    plane.MovePoint(a, {1, 1});
    ExpectNear(end->Position(), {4, 1});
}

TEST_F(InteractionTest, ClickOnThePendingPointOrATooolChangeLeavesNoFigure)
{
    plane.SetTool(kToolLine);
    Click({1, 1});
    Click({1, 1}); // the same place makes no line
    EXPECT_EQ(scene.FigureCount(), 0);
    EXPECT_EQ(plane.DragState(), PlaneInteraction::kWaitingNextClick);
    plane.SetTool(kToolSegment);
    EXPECT_EQ(plane.DragState(), PlaneInteraction::kIdle);
    EXPECT_FALSE(plane.Band().has_value());
    Click({3, 1});
    EXPECT_EQ(scene.FigureCount(), 0);
    EXPECT_EQ(scene.PointCount(), 2); // the abandoned first point stays
}

TEST_F(InteractionTest, ClickNearTwoLinesMakesTheirIntersectionThatFollowsThem)
{
    plane.GridVisible = false;
    TPoint* o = Free({0, 0});
    TPoint* p = Free({-1, -1});
    TPoint* q = Free({0, 2});
    TPoint* r = Free({2, 0});
    scene.AddLine(o, p);
    scene.AddLine(q, r);
    plane.SetTool(kToolPoint);
    Click({1.05, 1.02});
    ASSERT_EQ(scene.PointCount(), 5);
    TPoint* meet = scene.Point(4);
    EXPECT_TRUE(meet->Base() && meet->Base2());
    ExpectNear(meet->Position(), {1, 1});
    plane.MovePoint(r, {4, 0});
    ExpectNear(meet->Position(), {4.0 / 3, 4.0 / 3});
    // Turned parallel the point is not there, and it comes back.
    plane.MovePoint(r, {1, 3});
    EXPECT_FALSE(meet->Exists());
    plane.MovePoint(r, {2, 0});
    EXPECT_TRUE(meet->Exists());
    ExpectNear(meet->Position(), {1, 1});
}

TEST_F(InteractionTest, ClickBetweenParallelLinesLandsOnTheNearerOne)
{
    plane.GridVisible = false;
    scene.AddLine(Free({-5, 0}), Free({5, 0}));
    scene.AddLine(Free({-5, 0.2}), Free({5, 0.2}));
    plane.SetTool(kToolPoint);
    Click({0.5, 0.05});
    TPoint* point = scene.Point(scene.PointCount() - 1);
    EXPECT_EQ(point->Base(), scene.Figure(0));
    EXPECT_EQ(point->Base2(), nullptr);
    ExpectNear(point->Position(), {0.5, 0});
}

TEST_F(InteractionTest, PolygonToolClosesOnTheFirstVertexWithThreeOrMore)
{
    plane.SetTool(kToolPolygonFilled);
    Click({0, 0});
    Click({2, 0});
    Click({0, 0}); // two vertices close nothing
    EXPECT_EQ(plane.DragState(), PlaneInteraction::kWaitingNextClick);
    Click({2, 2});
    Click({0, 0});
    EXPECT_EQ(plane.DragState(), PlaneInteraction::kIdle);
    ASSERT_EQ(scene.FigureCount(), 4); // two fixed segments, the closing segment, the polygon
    EXPECT_EQ(scene.Figure(0)->Kind(), FigureKind::Segment0);
    EXPECT_EQ(scene.Figure(2)->Kind(), FigureKind::Segment);
    auto* polygon = static_cast<TPolygon*>(scene.Figure(3));
    ASSERT_EQ(polygon->Kind(), FigureKind::Polygon);
    EXPECT_EQ(polygon->Vertices, (std::vector<Vec2>{{0, 0}, {2, 0}, {2, 2}}));

    // The outline tool makes no filled polygon.
    plane.ClearScene();
    plane.SetTool(kToolPolygonOutline);
    for (Vec2 at : {Vec2{0, 0}, Vec2{2, 0}, Vec2{2, 2}, Vec2{0, 0}}) Click(at);
    EXPECT_EQ(scene.FigureCount(), 3);
}

TEST_F(InteractionTest, RegularPolygonToolUsesTheSettings)
{
    plane.SideCount = 6;
    plane.SideLength = 2;
    plane.SetTool(kToolRegularPolygon);
    Click({1.1, -0.1});
    ASSERT_EQ(scene.FigureCount(), 1);
    const auto& vertices = static_cast<TPolygon*>(scene.Figure(0))->Vertices;
    ASSERT_EQ(vertices.size(), 6u);
    // The bottom side is horizontal, 2 long, below the grid node clicked.
    const auto lowest = std::min_element(vertices.begin(), vertices.end(), [](Vec2 a, Vec2 b) { return a.y < b.y; });
    EXPECT_NEAR(lowest->y, -std::sqrt(3.0), 1e-9);
    const int bottom = int(std::count_if(vertices.begin(), vertices.end(),
                                         [&](Vec2 v) { return std::abs(v.y - lowest->y) < 1e-9; }));
    EXPECT_EQ(bottom, 2);
    // A side count the geometry refuses makes nothing.
    plane.SideCount = 2;
    Click({5, 0});
    EXPECT_EQ(scene.FigureCount(), 1);
}

TEST_F(InteractionTest, MeasureToolsPickPointsAndStartAgain)
{
    TPoint* a = Free({0, 0});
    TPoint* b = Free({1, 2});
    TPoint* c = Free({3, 0});
    plane.SetTool(kToolDistance);
    Click({0, 0});
    EXPECT_TRUE(a->Marked);
    Click({5, 5}); // nothing there
    Click({1, 2});
    Click({3, 0});
    ASSERT_EQ(scene.MeasureCount(), 1);
    auto* distance = dynamic_cast<TDistance*>(scene.Measure(0));
    ASSERT_TRUE(distance);
    EXPECT_EQ(distance->A, a);
    EXPECT_EQ(distance->B, b);
    EXPECT_FALSE(a->Marked);
    EXPECT_TRUE(c->Marked);
    EXPECT_EQ(plane.Picked(), std::vector<TPoint*>{c});

    plane.Reset();
    c->Marked = false;
    plane.SetTool(kToolAngle);
    for (Vec2 at : {Vec2{0, 0}, Vec2{1, 2}, Vec2{3, 0}}) Click(at);
    ASSERT_EQ(scene.MeasureCount(), 2);
    auto* angle = dynamic_cast<TAngle*>(scene.Measure(1));
    ASSERT_TRUE(angle);
    EXPECT_EQ(angle->V, b);
}

TEST_F(InteractionTest, TransformationToolsNeedTheirElementFirst)
{
    struct Case {
        int tool;
        QString message;
    };
    Free({2, 0});
    for (const Case& c : {Case{kToolRotate, "Сначала задайте центр поворота"},
                          Case{kToolReflect, "Сначала задайте ось симметрии"},
                          Case{kToolHomothety, "Сначала задайте центр гомотетии"},
                          Case{kToolTranslate, "Сначала задайте вектор переноса"}}) {
        host.messages.clear();
        plane.SetTool(c.tool);
        Click({2, 0});
        EXPECT_EQ(host.messages, QStringList{c.message});
    }
    EXPECT_EQ(scene.PointCount(), 1);
}

TEST_F(InteractionTest, RotationImageFollowsSourceAndCentre)
{
    TPoint* centre = Free({0, 0});
    TPoint* source = Free({2, 0});
    scene.SetRotationAngle(90);
    plane.SetTool(kToolRotationCentre);
    Click({0, 0});
    EXPECT_EQ(scene.RotationCenter, centre);
    plane.SetTool(kToolRotate);
    Click({2, 0});
    ASSERT_EQ(scene.PointCount(), 3);
    TPoint* image = scene.Point(2);
    ExpectNear(image->Position(), {0, 2});
    plane.MovePoint(source, {3, 0});
    ExpectNear(image->Position(), {0, 3});
    plane.MovePoint(centre, {1, 0});
    ExpectNear(image->Position(), {1, 2});
    // A later angle is used for new images only.
    scene.SetRotationAngle(30);
    ExpectNear(image->Position(), {1, 2});
}

TEST_F(InteractionTest, AxisAndVectorAreChosenAmongTheFiguresUnderTheMouse)
{
    plane.GridVisible = false;
    scene.AddCircle1(Free({0, 3}), 3); // passes through the origin
    TSegment* axis = scene.AddSegment(Free({-2, 0}), Free({2, 0}));
    TVector* shift = scene.AddVector(Free({-1, -1}), Free({1, -1}));
    plane.SetTool(kToolSymmetryAxis);
    Click({0.5, 0.01});
    EXPECT_EQ(scene.SymmetryAxis, axis);
    plane.SetTool(kToolShiftVector);
    Click({0, 0.05}); // the vector is not under the mouse here
    EXPECT_EQ(scene.ShiftVector, nullptr);
    Click({0, -1.02});
    EXPECT_EQ(scene.ShiftVector, shift);

    // Reflecting the vector makes a vector of images.
    plane.SetTool(kToolReflect);
    Click({0.5, -1.01});
    const TFigure* image = scene.Figure(scene.FigureCount() - 1);
    ASSERT_EQ(image->Kind(), FigureKind::Vector);
    ExpectNear(static_cast<const TVector*>(image)->P1->Position(), {-1, 1});
    ExpectNear(static_cast<const TVector*>(image)->P2->Position(), {1, 1});
    // Blinking: the chosen elements blink, the colours alternate.
    EXPECT_TRUE(plane.BlinkTick());
    const base::Bgr first = plane.BlinkColor();
    plane.BlinkTick();
    EXPECT_NE(plane.BlinkColor(), first);
    EXPECT_EQ(plane.Options().BlinkAxis, axis);
}

TEST_F(InteractionTest, NothingBlinksOnAnEmptyPlane) { EXPECT_FALSE(plane.BlinkTick()); }

TEST_F(InteractionTest, MidpointStaysTheMidpoint)
{
    TPoint* a = Free({0, 0});
    scene.AddSegment(a, Free({4, 2}));
    plane.GridVisible = false;
    plane.SetTool(kToolMidpoint);
    Click({1, 0.52});
    ASSERT_EQ(scene.PointCount(), 3);
    ExpectNear(scene.Point(2)->Position(), {2, 1});
    plane.MovePoint(a, {2, 0});
    ExpectNear(scene.Point(2)->Position(), {3, 1});
}

TEST_F(InteractionTest, EraserHidesPointsAndFiguresRemovesMeasuresAndPolygons)
{
    plane.GridVisible = false;
    TPoint* a = Free({0, 0});
    TPoint* b = Free({4, 0});
    TSegment* segment = scene.AddSegment(a, b);
    scene.AddDistance(a, b);
    scene.AddPolygon({{5, 2}, {7, 2}, {7, 4}});
    plane.SetTool(kToolEraser);
    Click({2, 0.05});
    EXPECT_FALSE(segment->Visible);
    Click({0, 0});
    EXPECT_FALSE(a->Visible);
    Click({6.5, 2.5});
    EXPECT_EQ(scene.FigureCount(), 1);
    // The distance's label lies below the middle of its line.
    const QRect label(QPoint((Pixel({0, 0}).x() + Pixel({4, 0}).x()) / 2 - 5, Pixel({0, 0}).y() + 6),
                      host.TextSize(DistanceText(4)));
    plane.MouseMove(false, false, label.center());
    EXPECT_EQ(plane.HotMeasure(), scene.Measure(0));
    plane.MouseDown(MouseButton::Left, label.center());
    EXPECT_EQ(scene.MeasureCount(), 0);
    EXPECT_EQ(plane.HotMeasure(), nullptr);
}

TEST_F(InteractionTest, NameAndCoordinatesDialogsChangeOnlyOnOk)
{
    TPoint* point = Free({1.5, -2});
    point->SetName("A");
    plane.SetTool(kToolNamePoint);
    host.names = {QString("M N"), std::nullopt};
    Click({1.5, -2});
    EXPECT_EQ(point->Name(), "M N");
    Click({1.5, -2});
    EXPECT_EQ(point->Name(), "M N");
    EXPECT_EQ(host.askedNames, (QStringList{"A", "M N"}));

    plane.SetTool(kToolCoordinates);
    host.coordinates = {std::pair{QString("abc"), QString("1")}, std::pair{QString("3,25"), QString(" -1 ")}};
    Click({1.5, -2});
    ExpectNear(point->Position(), {1.5, -2});
    EXPECT_EQ(host.askedCoordinates.front(), "1,5 -2");
    Click({1.5, -2});
    ExpectNear(point->Position(), {3.25, -1});
}

TEST_F(InteractionTest, HandDragsAPointWithItsDependantsOrPansThePlane)
{
    plane.GridVisible = false;
    TPoint* a = Free({0, 0});
    TPoint* b = Free({2, 0});
    scene.AddSegment(a, b);
    scene.AddMidpoint(static_cast<TFigureLine*>(scene.Figure(0)));
    a->Trace = true;
    plane.SetTool(kToolHand);
    plane.MouseMove(false, false, Pixel({0, 0}));
    EXPECT_EQ(plane.Cursor(), base::kCursorHandGet);
    Drag({0, 0}, {0, 2});
    ExpectNear(a->Position(), {0, 2});
    ExpectNear(scene.Point(2)->Position(), {1, 1});
    EXPECT_FALSE(plane.Traces().empty());

    plane.MouseDown(MouseButton::Left, Pixel({5, 3}));
    EXPECT_EQ(plane.DragState(), PlaneInteraction::kGrabbingPlane);
    EXPECT_EQ(plane.Cursor(), base::kCursorHandClose);
    plane.MouseMove(true, false, Pixel({5, 3}) + QPoint(40, 0));
    plane.MouseUp(MouseButton::Left, Pixel({5, 3}) + QPoint(40, 0));
    EXPECT_EQ(plane.DragState(), PlaneInteraction::kIdle);
    EXPECT_DOUBLE_EQ(view.CenterX(), -1);
    EXPECT_TRUE(plane.Traces().empty()); // the view moved under them
}

TEST_F(InteractionTest, RightButtonPansInAnyTool)
{
    plane.SetTool(kToolPoint);
    plane.MouseDown(MouseButton::Right, {100, 100});
    plane.MouseMove(false, true, {100, 140});
    plane.MouseUp(MouseButton::Right, {100, 140});
    EXPECT_DOUBLE_EQ(view.CenterY(), 1);
    EXPECT_EQ(scene.PointCount(), 0);
}

TEST_F(InteractionTest, DroppedPolygonSnapsAVertexToTheGridOrToAnotherPolygon)
{
    TPolygon* moving = scene.AddPolygon({{0, 0}, {2, 0}, {1, 2}});
    plane.SetTool(kToolHand);
    Drag({1, 0.5}, {3.3, 1.4}); // moves by (2.3, 0.9)
    ExpectNear(moving->Vertices[0], {2, 1});
    ExpectNear(moving->Vertices[2], {3, 3});

    plane.GridVisible = false;
    TPolygon* other = scene.AddPolygon({{10, 10}, {13, 10}, {11, 13}});
    Drag({3, 1.5}, {6, 4.5}); // far from the other polygon: no snap
    ExpectNear(moving->Vertices[0], {5, 4});
    Drag({6, 4.5}, {6 + 4.8, 4.5 + 6.1}); // the first vertex comes to (9.8, 10.1)
    ExpectNear(moving->Vertices[0], other->Vertices[0]);
    ExpectNear(moving->Vertices[1], {12, 10});
}

TEST_F(InteractionTest, PolygonTurnsAboutTheClickAndFlipsInTheVerticalThroughIt)
{
    TPolygon* polygon = scene.AddPolygon({{0, 0}, {2, 0}, {2, 2}});
    scene.SetRotationAngle(45);
    plane.SetTool(kToolRotate);
    const auto steps = PlaneInteraction::PolygonSteps(*polygon, MorphKind::Rotation, {1.5, 0.5}, 45);
    EXPECT_EQ(steps.size(), size_t(PlaneInteraction::kTurnSteps));
    Click({1.5, 0.5}); // no rotation centre needed for a polygon
    EXPECT_TRUE(host.messages.isEmpty());
    ExpectNear(polygon->Vertices[0], geometry::Rotate({0, 0}, {1.5, 0.5}, 45));

    TPolygon* flip = scene.AddPolygon({{10, 0}, {12, 0}, {12, 1}});
    plane.SetTool(kToolReflect);
    Click({11.5, 0.25});
    EXPECT_EQ(flip->Vertices, (std::vector<Vec2>{{13, 0}, {11, 0}, {11, 1}}));
    // Homothety does not apply to polygons.
    plane.SetTool(kToolHomothety);
    Click({11.5, 0.25});
    EXPECT_EQ(flip->Vertices.size(), 3u);
}

TEST_F(InteractionTest, ClearSceneForgetsEverythingButTheScale)
{
    view.SetScale(60);
    view.SetCenter(3, 4);
    TPoint* a = Free({0, 0});
    plane.SetTool(kToolSegment);
    Click({0, 0});
    EXPECT_EQ(plane.DragState(), PlaneInteraction::kWaitingNextClick);
    scene.RotationCenter = a;
    plane.ClearScene();
    EXPECT_EQ(scene.PointCount(), 0);
    EXPECT_EQ(scene.RotationCenter, nullptr);
    EXPECT_EQ(plane.DragState(), PlaneInteraction::kIdle);
    EXPECT_EQ(plane.HotPoint(), nullptr);
    EXPECT_DOUBLE_EQ(view.Scale(), 60);
    EXPECT_DOUBLE_EQ(view.CenterX(), 0);
    // The next click starts a new segment rather than finishing a freed one.
    Click({1, 1});
    EXPECT_EQ(scene.FigureCount(), 0);
    EXPECT_EQ(plane.DragState(), PlaneInteraction::kWaitingNextClick);
}

TEST_F(InteractionTest, HintsAndCursorsComeFromTheToolTable)
{
    plane.SetTool(kToolEraser);
    EXPECT_EQ(plane.Hint(), "Щелкните мышью по объекту, который нужно удалить");
    EXPECT_EQ(plane.Cursor(), base::kCursorDelete);
    plane.SetTool(77);
    EXPECT_TRUE(plane.Hint().isEmpty());
    EXPECT_EQ(plane.Cursor(), base::kCursorDefault);
}

// Whatever a pupil clicks, the scene can be saved, and what is saved loads
// again and saves the same: no click sequence leads to a file the lab refuses.
TEST_F(InteractionTest, AnyClickSequenceLeavesASceneThatSavesAndLoadsAgain)
{
    const int tools[] = {kToolHand, kToolPoint, kToolCircleFixed, kToolRay, kToolLine, kToolSegment,
                         kToolSegmentFixed, kToolPolygonFilled, kToolCircleThrough, kToolPolygonOutline,
                         kToolRegularPolygon, kToolVector, kToolDistance, kToolAngle, kToolRotationCentre,
                         kToolRotate, kToolSymmetryAxis, kToolReflect, kToolHomothetyCentre, kToolHomothety,
                         kToolShiftVector, kToolTranslate, kToolMidpoint, kToolRecolour, kToolTrace, kToolEraser};
    host.names.assign(1000, QString("P"));
    base::SetRandomSeed(2024);
    int records = 0;
    for (int round = 0; round < 20; ++round) {
        plane.ClearScene();
        plane.GridVisible = round % 2 == 0;
        for (int step = 0; step < 60; ++step) {
            if (base::RandomInt(6) == 0) plane.SetTool(tools[base::RandomInt(int(std::size(tools)))]);
            // Few distinct places, so that clicks land on points and figures built before.
            const Vec2 at{base::RandomInt(9) - 4 + base::RandomInt(3) * 0.05, base::RandomInt(7) - 3.0};
            if (base::RandomInt(5) == 0) Drag(at, {at.x + 1, at.y - 0.5});
            else Click(at);
        }
        const QStringList saved = WritePlaneSection(scene, view);
        PlaneSection again;
        ASSERT_NO_THROW(again = ReadPlaneSection(saved)) << "round " << round << "\n" << saved.join('\n').toStdString();
        EXPECT_EQ(WritePlaneSection(again.Scene, view), saved) << "round " << round;
        records += int(saved.size());
    }
    // The sequences do build things (points, figures, images, measures).
    EXPECT_GT(records, 400);
}
