#include "space/interaction.h"
#include "spacedesk.h"
#include "spacetestscenes.h"
#include <gtest/gtest.h>

using namespace space;
using geometry::Vec3;
using namespace space::testdesk;


TEST(SpaceInteraction, ToolsShowTheirCursorsAndHints)
{
    const struct { int tool; base::CursorId cursor; const char* hint; } cases[] = {
        {1, base::kCursorPen, "Щелкните мышью - и в пространстве появится точка"},
        {98, base::kCursorDefault, "Зацепив мышью \"пространство\", вы можете вращать его вокруг Ox и Oy"},
        {100, base::kCursorDistance, "Щелкните мышью сначала по одной точке, потом по другой"},
        {204, base::kCursorMirror, "Щелкните мышью по объекту, который нужно зеркально отразить"},
        {255, base::kCursorDelete, "Щелкните мышью по объекту, который нужно удалить"},
        {51, base::kCursorDefault, ""},
        {77, base::kCursorDefault, ""},
    };
    Desk desk;
    EXPECT_EQ(desk.mouse.Tool(), kToolTurnXY) << "the engine starts turning the space";
    for (const auto& c : cases) {
        desk.mouse.SetTool(c.tool);
        EXPECT_EQ(desk.mouse.Cursor(), c.cursor) << c.tool;
        EXPECT_EQ(desk.mouse.Hint(), QString::fromUtf8(c.hint)) << c.tool;
    }
}

TEST(SpaceInteraction, PickingReachesTenPixelsAtAnyScale)
{
    Desk desk;
    desk.scene.AddPoint({0, 0, 0});
    desk.Hover(0.24, 0);
    EXPECT_TRUE(desk.mouse.HotPoint());
    desk.Hover(0.3, 0);
    EXPECT_FALSE(desk.mouse.HotPoint());
    desk.view.SetScale(20);
    desk.Hover(0.49, 0);
    EXPECT_TRUE(desk.mouse.HotPoint());
}

TEST(SpaceInteraction, TheHandPansAndTheTurningToolsTurn)
{
    Desk desk;
    TPoint& y = desk.scene.AddPoint({0, 1, 0});
    TPoint& x = desk.scene.AddPoint({1, 0, 0});
    desk.mouse.SetTool(base::kToolHand);
    desk.Drag(MouseButton::Left, {100, 300}, {130, 300});
    EXPECT_DOUBLE_EQ(desk.view.CenterX(), -30.0 / 40);
    desk.view.SetCenter(0, 0);

    desk.mouse.SetTool(kToolTurnXY);
    desk.Drag(MouseButton::Left, {100, 300}, {100, 310});
    ExpectAt(y, {0, std::cos(10 * M_PI / 180), -std::sin(10 * M_PI / 180)});
    y.SetPosition({0, 1, 0});

    desk.mouse.SetTool(kToolTurnZ);
    desk.Drag(MouseButton::Left, desk.Pixel(2, 0), desk.Pixel(0, 2));
    ExpectAt(x, {0, 1, 0});
    x.SetPosition({1, 0, 0});

    // The right button turns whatever the tool.
    desk.mouse.SetTool(base::kToolEraser);
    desk.Drag(MouseButton::Right, {100, 300}, {110, 300});
    ExpectAt(x, {std::cos(10 * M_PI / 180), 0, std::sin(10 * M_PI / 180)});
    EXPECT_EQ(desk.scene.Points().size(), 2u);
}

TEST(SpaceInteraction, ThePointToolSnapsOntoWhatIsUnderTheMouse)
{
    Desk desk;
    TPoint& a = desk.scene.AddPoint({-2, 0, 0});
    TPoint& b = desk.scene.AddPoint({2, 0, 4});
    desk.scene.AddLineFigure(FigureKind::Line, a, b, 0);
    desk.mouse.SetTool(base::kToolPoint);
    desk.Click(-2, 0.1);
    EXPECT_EQ(desk.scene.Points().size(), 2u) << "a click on a point makes no second point";
    desk.Click(1, 0.2);
    ASSERT_EQ(desk.scene.Points().size(), 3u);
    const TPoint& on = *desk.scene.Points()[2];
    EXPECT_EQ(on.Base, desk.scene.Figures()[0].get());
    ExpectAt(on, {1, 0, 3});
    ASSERT_TRUE(desk.host.pointer);
    EXPECT_EQ(*desk.host.pointer, desk.Pixel(1, 0));
}

TEST(SpaceInteraction, ClickingWhereTwoFiguresCrossMakesTheirMeetingPointOrSaysTheyMiss)
{
    Desk desk;
    TPoint& p0 = desk.scene.AddPoint({-2, -2, 1});
    TPoint& p1 = desk.scene.AddPoint({2, -2, 1});
    TPoint& p2 = desk.scene.AddPoint({0, 3, 1});
    desk.scene.AddPlaneFigure(FigureKind::Plane, {&p0, &p1, &p2}, 0); // z = 1
    TPoint& a = desk.scene.AddPoint({-1, -1, 0});
    TPoint& b = desk.scene.AddPoint({3, 3, 4});
    desk.scene.AddLineFigure(FigureKind::Line, a, b, 0);
    desk.mouse.SetTool(base::kToolPoint);
    desk.Click(0.05, 0);
    ASSERT_EQ(desk.scene.Points().size(), 6u);
    const TPoint& meeting = *desk.scene.Points()[5];
    EXPECT_TRUE(meeting.IsIntersection());
    ExpectAt(meeting, {0, 0, 1});

    // Two lines that cross only on the screen.
    Desk skew;
    TPoint& c = skew.scene.AddPoint({-1, 0, 0});
    TPoint& d = skew.scene.AddPoint({1, 0, 0});
    TPoint& e = skew.scene.AddPoint({0, -1, 1});
    TPoint& f = skew.scene.AddPoint({0, 1, 1});
    skew.scene.AddLineFigure(FigureKind::Line, c, d, 0);
    skew.scene.AddLineFigure(FigureKind::Line, e, f, 0);
    skew.mouse.SetTool(base::kToolPoint);
    skew.Click(0.05, 0.05);
    EXPECT_EQ(skew.host.messages, QStringList{kNoMeetingMessage});
    EXPECT_EQ(skew.scene.Points().size(), 4u);
}

TEST(SpaceInteraction, TwoClicksOnOnePointWaitForASecondPoint)
{
    Desk desk;
    desk.scene.AddPoint({0, 0, 0});
    desk.mouse.SetTool(base::kToolSegment);
    desk.Click(0, 0);
    desk.Click(0, 0);
    EXPECT_TRUE(desk.scene.Figures().empty());
    EXPECT_EQ(desk.mouse.DragState(), SpaceInteraction::kWaitingNextClick);
    desk.Click(2, 0);
    EXPECT_EQ(desk.scene.Figures().size(), 1u);

    desk.mouse.SetTool(kToolPlane);
    desk.Click(0, 0);
    desk.Click(0, 0);
    desk.Click(2, 0);
    desk.Click(-2, 0); // on the line of the two picked: no plane through them
    EXPECT_EQ(desk.scene.Figures().size(), 1u);
    EXPECT_EQ(desk.mouse.Picked().size(), 2u);
    desk.Click(0, 2);
    ASSERT_EQ(desk.scene.Figures().size(), 2u);
    EXPECT_EQ(desk.scene.Figures()[1]->Kind(), FigureKind::Plane);
    EXPECT_TRUE(desk.mouse.Picked().empty());
}

TEST(SpaceInteraction, PointsPickedForOneToolAreForgottenWhenTheToolChanges)
{
    Desk desk;
    TPoint& a = desk.scene.AddPoint({0, 0, 0});
    TPoint& b = desk.scene.AddPoint({2, 0, 0});
    desk.scene.AddPoint({0, 2, 0});
    desk.mouse.SetTool(kToolRuler);
    desk.Click(-3, 3); // empty space: nothing
    desk.Click(0, 0);
    EXPECT_TRUE(a.Marked);
    desk.mouse.SetTool(kToolProtractor);
    EXPECT_TRUE(desk.mouse.Picked().empty());
    EXPECT_FALSE(a.Marked);
    desk.Click(2, 0);
    desk.Click(0, 0);
    desk.Click(0, 2);
    ASSERT_EQ(desk.scene.Measures().size(), 1u);
    EXPECT_NEAR(desk.scene.Measures()[0]->Value(), 90, 1e-9);
    EXPECT_EQ(desk.scene.Measures()[0]->Text(), QStringLiteral("90°"));
    desk.mouse.SetTool(kToolRuler);
    desk.Click(0, 0);
    desk.Click(2, 0);
    EXPECT_EQ(desk.scene.Measures().size(), 2u);
    EXPECT_FALSE(b.Marked);
}

TEST(SpaceInteraction, AFaceClosesOnItsFirstVertexOnceItHasThree)
{
    Desk desk;
    desk.mouse.SetTool(kToolFace);
    desk.Click(0, 0);
    desk.Click(2, 0);
    desk.Click(0, 0); // two vertices only: the face waits
    EXPECT_TRUE(desk.scene.Figures().empty());
    desk.Click(2, 2);
    desk.Click(0, 0);
    ASSERT_EQ(desk.scene.Figures().size(), 1u);
    const auto& face = static_cast<const TGrane&>(*desk.scene.Figures()[0]);
    ASSERT_EQ(face.Vertices.size(), 4u);
    EXPECT_EQ(face.Vertices.front(), face.Vertices.back());
    EXPECT_EQ(desk.mouse.DragState(), SpaceInteraction::kIdle);
}

TEST(SpaceInteraction, ASectionIsMadeOfThreePointsOnTheFacesOfASolid)
{
    Desk desk;
    desk.view.SetScale(60);
    testscenes::AddBox(desk.scene, {-1, -1, -1}, {1, 1, 1}, 0x0000FF);
    desk.scene.TurnAboutX(20);
    desk.scene.TurnAboutY(30);
    desk.mouse.SetTool(kToolSection);
    desk.Click(3, 3); // no face under the mouse: nothing
    desk.Click(-0.3, 0.2);
    desk.Click(0.2, -0.3);
    desk.Click(0.4, 0.4);
    ASSERT_EQ(desk.scene.Figures().size(), 7u);
    const auto& section = static_cast<const TPlaneCut&>(*desk.scene.Figures()[6]);
    EXPECT_EQ(section.Color, 0x0000FFu);
    EXPECT_GE(section.Outline.size(), 3u);

    // The eraser leaves a section alone.
    desk.mouse.SetTool(base::kToolEraser);
    desk.Click(0.0, 0.0);
    EXPECT_TRUE(section.Visible);
}

TEST(SpaceInteraction, TheEraserDeletesMeasuresAndHidesPoints)
{
    Desk desk;
    TPoint& a = desk.scene.AddPoint({0, 0, 0});
    TPoint& b = desk.scene.AddPoint({4, 0, 0});
    desk.scene.AddDistance(a, b);
    desk.mouse.SetTool(base::kToolEraser);
    desk.Click(0, 0);
    EXPECT_FALSE(a.Visible);
    EXPECT_EQ(desk.scene.Points().size(), 2u);
    desk.Hover(0, 0);
    EXPECT_FALSE(desk.mouse.HotPoint()) << "a hidden point is not picked";
    desk.mouse.ShowHidden = true;
    desk.Hover(0, 0);
    EXPECT_TRUE(desk.mouse.HotPoint());

    const QRect label = MeasureLabelRect(desk.view, *desk.scene.Measures()[0], QSize(32, 14));
    const QPoint inside = label.center();
    desk.mouse.MouseMove(false, false, inside);
    ASSERT_TRUE(desk.mouse.HotMeasure());
    desk.mouse.MouseDown(MouseButton::Left, inside);
    EXPECT_TRUE(desk.scene.Measures().empty());
}

TEST(SpaceInteraction, BlinkingNeverChangesAChosenElementsColour)
{
    Desk desk;
    TPoint& a = desk.scene.AddPoint({-2, -2, 0});
    TPoint& b = desk.scene.AddPoint({2, -2, 0});
    TPoint& c = desk.scene.AddPoint({0, 2, 1});
    TFigure* plane = desk.scene.AddPlaneFigure(FigureKind::Plane, {&a, &b, &c}, 0x00FFFF);
    desk.mouse.SetTool(kToolChooseMirror);
    desk.Click(0, 0);
    ASSERT_EQ(desk.mouse.MirrorPlane(), plane);
    base::Bgr seen[2];
    for (int tick = 0; tick < 2; ++tick) {
        desk.mouse.BlinkTick();
        seen[tick] = desk.mouse.Options().BlinkColour;
        EXPECT_EQ(desk.mouse.Options().MirrorPlane, plane);
    }
    EXPECT_NE(seen[0], seen[1]);
    EXPECT_EQ(plane->Color, 0x00FFFFu);

    desk.mouse.SetTool(kToolMirror);
    desk.Click(3, 3);
    EXPECT_TRUE(desk.host.messages.isEmpty()) << "the plane is chosen";
    desk.mouse.SetTool(kToolRotate);
    desk.Click(3, 3);
    EXPECT_EQ(desk.host.messages, QStringList{QStringLiteral("Сначала задайте ось поворота")});
}

TEST(SpaceInteraction, TheMidpointFollowsItsSegment)
{
    Desk desk;
    TPoint& a = desk.scene.AddPoint({0, 0, 0});
    TPoint& b = desk.scene.AddPoint({4, 0, 2});
    desk.scene.AddLineFigure(FigureKind::Segment, a, b, 0);
    desk.mouse.SetTool(kToolMidpoint);
    desk.Click(1, 0);
    ASSERT_EQ(desk.scene.Points().size(), 3u);
    TPoint& middle = *desk.scene.Points()[2];
    ExpectAt(middle, {2, 0, 1});
    desk.mouse.SetTool(base::kToolHand);
    desk.Drag(MouseButton::Left, desk.Pixel(4, 0), desk.Pixel(4, 4));
    ExpectAt(middle, {2, 2, 1});
}
