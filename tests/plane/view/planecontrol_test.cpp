// The plane control as a window: mouse clicks reach the scene, the dialogs
// answer through the dialogs service, the status line gets the hints, lab
// sections load whole or not at all, and what is built shows on the screen.
#include "plane/planerecords.h"
#include "plane/planetools.h"
#include "plane/view/planecontrol.h"
#include "plane/view/pointdialogs.h"
#include "support/fakedialogs.h"
#include "support/shellcallsrecorder.h"
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace planeview;
using plane::geometry::Vec2;

namespace {

class PlaneControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dec.resize(400, 300);
        dec.NameDialog = &nameDialog;
        dec.CoordDialog = &coordDialog;
        dec.show();
    }
    QPoint Pixel(Vec2 world) const { return {dec.View().ToScreenX(world.x), dec.View().ToScreenY(world.y)}; }
    void Click(Vec2 world)
    {
        QTest::mouseMove(&dec, Pixel(world));
        QTest::mouseClick(&dec, Qt::LeftButton, {}, Pixel(world));
    }
    QImage Shot() { return dec.grab().toImage(); }

    FakeDialogs dialogs;
    ShellCallsRecorder shell;
    TDec2D dec;
    TffDialog nameDialog;
    TffDialog1 coordDialog;
};

bool HasColour(const QImage& image, QRect area, QColor colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == colour) return true;
    return false;
}

} // namespace

TEST_F(PlaneControlTest, ClicksBuildASegmentThatShows)
{
    dec.SetTool(plane::kToolSegment);
    EXPECT_EQ(shell.calls.last(), "status Щелкните мышью сначала в одном, а потом в другом конце отрезка");
    Click({-2, 0});
    // The rubber band follows the mouse in blue.
    QTest::mouseMove(&dec, Pixel({2, 2}));
    EXPECT_TRUE(HasColour(Shot(), QRect(Pixel({0, 1}) - QPoint(2, 2), QSize(5, 5)), Qt::blue));
    Click({2, 0});
    ASSERT_EQ(dec.Scene().FigureCount(), 1);
    EXPECT_EQ(dec.Scene().Figure(0)->Kind(), plane::FigureKind::Segment);
    QTest::mouseMove(&dec, Pixel({0, 3})); // nothing hot: the segment is black
    const QImage shot = Shot();
    EXPECT_TRUE(HasColour(shot, QRect(Pixel({0, 0}) - QPoint(0, 1), QSize(1, 3)), Qt::black));
    EXPECT_FALSE(HasColour(shot, QRect(Pixel({0, 1}) - QPoint(2, 2), QSize(5, 5)), Qt::blue));
}

TEST_F(PlaneControlTest, NameDialogRenamesOnOkOnly)
{
    plane::TPoint* point = dec.Scene().AddPoint({1, 1});
    point->SetName("A");
    dec.SetTool(plane::kToolNamePoint);
    QString shown;
    dialogs.dialogActions.push_back([&](QDialog&) {
        shown = nameDialog.Edit1->text();
        nameDialog.Edit1->setText("AB 1");
        return int(QDialog::Accepted);
    });
    dialogs.dialogActions.push_back([&](QDialog&) {
        nameDialog.Edit1->setText("lost");
        return int(QDialog::Rejected);
    });
    Click({1, 1});
    EXPECT_EQ(shown, "A");
    EXPECT_EQ(point->Name(), "AB 1");
    Click({1, 1});
    EXPECT_EQ(point->Name(), "AB 1");
    EXPECT_EQ(nameDialog.windowTitle(), "Введите имя:");
}

TEST_F(PlaneControlTest, CoordinatesDialogShowsCommasAndMovesThePoint)
{
    plane::TPoint* point = dec.Scene().AddPoint({1.5, -2});
    dec.SetTool(plane::kToolCoordinates);
    QStringList shown;
    dialogs.dialogActions.push_back([&](QDialog&) {
        shown << coordDialog.Edit1->text() << coordDialog.Edit2->text();
        coordDialog.SetCoordinates("2,5", "3");
        return int(QDialog::Accepted);
    });
    Click({1.5, -2});
    EXPECT_EQ(shown, (QStringList{"1,5", "-2"}));
    EXPECT_DOUBLE_EQ(point->X(), 2.5);
    EXPECT_DOUBLE_EQ(point->Y(), 3);
    EXPECT_EQ(coordDialog.windowTitle(), "Введите координаты:");
}

TEST(PointDialogs, CoordinatesAreTheFirstTwoWordsOfBothFields)
{
    struct Case {
        QString x, y, expectedX, expectedY;
    };
    TffDialog1 dialog;
    for (const Case& c : {Case{"1,5", "-2", "1,5", "-2"}, Case{"1 2", "", "1", "2"}, Case{" 3 ", " 4 5", "3", "4"},
                          Case{"", "7", "7", ""}}) {
        dialog.SetCoordinates(c.x, c.y);
        EXPECT_EQ(dialog.Coordinates(), (std::pair{c.expectedX, c.expectedY})) << c.x.toStdString();
    }
}

TEST_F(PlaneControlTest, RefusedSectionLeavesSceneAndBusyAsTheyWere)
{
    plane::PlaneScene scene;
    scene.AddSegment(scene.AddPoint({0, 0}), scene.AddPoint({1, 2}));
    plane::PlaneView view;
    view.SetScale(30);
    const QStringList good = plane::WritePlaneSection(scene, view);
    dec.SetDrawColor(base::colour::kRed);
    int changes = 0;
    QObject::connect(&dec, &TDec2D::OnChange, [&] { ++changes; });
    dec.LoadScene(good);
    EXPECT_FALSE(dec.Busy());
    EXPECT_EQ(dec.Scene().FigureCount(), 1);
    EXPECT_DOUBLE_EQ(dec.Scale(), 30);
    EXPECT_EQ(dec.DrawColor(), base::colour::kRed);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(dec.SaveScene(), good);

    for (const QStringList& bad : {QStringList{"nan 0 0"}, QStringList{"0 0 0"}, QStringList{"40 0 0", "TLine: TRUE 0 0 5"},
                                   QStringList{"40 0 0", "TPoint: 0x1p3 0 TRUE"}}) {
        EXPECT_THROW(dec.LoadScene(bad), plane::SceneFormatError) << bad.join('|').toStdString();
        EXPECT_FALSE(dec.Busy());
        EXPECT_EQ(dec.Scene().FigureCount(), 1);
        EXPECT_DOUBLE_EQ(dec.Scale(), 30);
    }
    EXPECT_EQ(changes, 1);
}

TEST_F(PlaneControlTest, FlagGuardRestoresOnEveryWayOut)
{
    bool flag = false;
    try {
        const FlagGuard guard(flag, true);
        EXPECT_TRUE(flag);
        throw std::runtime_error("stop");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(flag);
}

TEST_F(PlaneControlTest, ClearSceneKeepsScaleAndRecentresAndBlinkTimerRuns)
{
    dec.SetScale(60);
    dec.SetCenter(2, 3);
    dec.Scene().AddPoint({1, 1});
    dec.ClearScene();
    EXPECT_EQ(dec.Scene().PointCount(), 0);
    EXPECT_DOUBLE_EQ(dec.Scale(), 60);
    EXPECT_DOUBLE_EQ(dec.View().CenterX(), 0);
    EXPECT_TRUE(dec.BlinkTimer->isActive());
    EXPECT_EQ(dec.BlinkTimer->interval(), TDec2D::kBlinkInterval);
    // Scales that are no scale change nothing.
    for (double bad : {0.0, -3.0, std::numeric_limits<double>::infinity(), std::nan("")}) dec.SetScale(bad);
    EXPECT_DOUBLE_EQ(dec.Scale(), 60);
}

TEST_F(PlaneControlTest, RotatedPolygonEndsAtItsFinalPlaceBeforeTheNextClick)
{
    plane::TPolygon* polygon = dec.Scene().AddPolygon({{0, 0}, {2, 0}, {2, 2}});
    dec.Scene().SetRotationAngle(90);
    dec.SetTool(plane::kToolRotate);
    Click({1.5, 0.5});
    Click({-5, -3}); // a click elsewhere finishes the turn at once
    EXPECT_NEAR(polygon->Vertices[0].x, 2, 1e-9);
    EXPECT_NEAR(polygon->Vertices[0].y, -1, 1e-9);
}

// --- the region layer ----------------------------------------------------------------

TEST_F(PlaneControlTest, PaintToolShadesTheClickedRegionAndTheEraserClearsIt)
{
    plane::TEquation* circle = dec.Algebra().AddEquation(QStringLiteral("[x*x+y*y-4]"), dec.Scene(), base::colour::kRed);
    dec.RebuildRegions();
    dec.FinishRegions();
    const QColor silver = base::BgrColor(base::colour::plane::kShading);
    const QColor red = base::BgrColor(base::colour::kRed);
    EXPECT_TRUE(HasColour(Shot(), QRect(Pixel({1.414, 1.414}) - QPoint(2, 2), QSize(5, 5)), red));
    EXPECT_EQ(Shot().pixelColor(Pixel({0.5, 0.5})), QColor(Qt::white));

    int changes = 0;
    QObject::connect(&dec, &TDec2D::OnChange, [&changes] { ++changes; });
    dec.SetTool(plane::kToolRecolour);
    Click({0.5, 0.5});
    dec.FinishRegions();
    EXPECT_EQ(circle->Relation(), plane::TAlgebra::kLess);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Shot().pixelColor(Pixel({0.5, 0.5})), silver);
    EXPECT_EQ(Shot().pixelColor(Pixel({3.5, 2.5})), QColor(Qt::white));

    Click({3.5, 2.5});
    dec.FinishRegions();
    EXPECT_EQ(circle->Relation(), plane::TAlgebra::kGreater);
    EXPECT_EQ(Shot().pixelColor(Pixel({3.5, 2.5})), silver);

    dec.SetTool(plane::kToolEraser);
    Click({-4, -3});
    dec.FinishRegions();
    EXPECT_EQ(circle->Relation(), plane::TAlgebra::kEqual);
    EXPECT_FALSE(HasColour(Shot(), dec.rect(), silver));
    EXPECT_TRUE(HasColour(Shot(), dec.rect(), red)); // the curve stays
}

TEST_F(PlaneControlTest, ASlowRebuildShowsACoarsePictureFirstAndFinishesBetweenEvents)
{
    // Enough equations that the whole picture cannot be made within one slice.
    for (int i = 0; i < 40; ++i)
        dec.Algebra().AddEquation(QStringLiteral("[sin(x*y)+cos(x+y)-0.%1]").arg(i % 10), dec.Scene(), 0)->SetRelation(u'<');
    dec.RebuildRegions();
    ASSERT_TRUE(dec.RegionsPending());
    ASSERT_NE(dec.Regions(), nullptr);
    EXPECT_EQ(dec.Regions()->Step, TDec2D::kCoarseStep);
    QTRY_VERIFY_WITH_TIMEOUT(!dec.RegionsPending(), 20000);
    EXPECT_EQ(dec.Regions()->Step, 1);
    EXPECT_EQ(dec.Regions()->Columns, dec.width());
}

TEST_F(PlaneControlTest, EquationsAndShadingSurviveTheSectionAndFollowAPan)
{
    dec.Algebra().AddEquation(QStringLiteral("[y-x]"), dec.Scene(), base::colour::kBlue)->SetRelation(u'>');
    const QStringList lines = dec.SaveScene();
    EXPECT_EQ(lines.last(), QStringLiteral("TEquation: >16711680 [y-x]"));
    dec.ClearScene();
    EXPECT_EQ(dec.Regions(), nullptr);
    dec.LoadScene(lines);
    dec.FinishRegions();
    ASSERT_NE(dec.Regions(), nullptr);
    EXPECT_EQ(Shot().pixelColor(Pixel({-2.5, 1.5})), base::BgrColor(base::colour::plane::kShading));
    // A pan with the right button: the picture moves along, then is made anew.
    QTest::mousePress(&dec, Qt::RightButton, {}, QPoint(200, 150));
    QTest::mouseMove(&dec, QPoint(250, 150));
    QTest::mouseRelease(&dec, Qt::RightButton, {}, QPoint(250, 150));
    dec.FinishRegions();
    EXPECT_DOUBLE_EQ(dec.Regions()->Left, dec.View().ToWorldX(0));
}

TEST_F(PlaneControlTest, GraphUnderTheMouseIsGreenAndAPointBuiltOnItFollowsIt)
{
    dec.Algebra().AddFormula(QStringLiteral("[a*x]"), dec.Scene(), base::colour::kBlue);
    const QColor hot = base::BgrColor(base::colour::plane::kHot);
    const QRect nearGraph(Pixel({2, 2}) - QPoint(2, 2), QSize(5, 5));
    QTest::mouseMove(&dec, Pixel({-3, 3}));
    EXPECT_FALSE(HasColour(Shot(), nearGraph, hot));
    QTest::mouseMove(&dec, Pixel({1, 1.1}));
    EXPECT_TRUE(HasColour(Shot(), nearGraph, hot));

    dec.SetTool(plane::kToolPoint);
    Click({1, 1.1});
    ASSERT_EQ(dec.Scene().PointCount(), 1);
    plane::TPoint* p = dec.Scene().Point(0);
    EXPECT_EQ(p->Position(), (Vec2{1, 1}));
    // A parameter step repaints the plane: the point follows before it is painted.
    dec.Algebra().StepParameter(dec.Scene(), QStringLiteral("a"), 1);
    Shot();
    EXPECT_EQ(p->Position(), (Vec2{1, 2}));

    // Saved, read back, and the graph deleted: the point stays free where it is.
    dec.LoadScene(dec.SaveScene());
    p = dec.Scene().Point(0);
    ASSERT_NE(p->Graph(), nullptr);
    QTest::mouseMove(&dec, Pixel({1, 2}));
    dec.Algebra().Delete(dec.Algebra().At(0));
    dec.RebuildRegions();
    EXPECT_TRUE(p->IsFree());
    EXPECT_EQ(p->Position(), (Vec2{1, 2}));
    EXPECT_EQ(dec.Interaction().HotFunction(), nullptr);
    Shot(); // paints without the deleted graph
}
