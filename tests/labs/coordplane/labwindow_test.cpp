// The coordinate plane lab as a pupil uses it: equations typed in, their
// curves and shading, the sign menu, the paint and eraser tools, figures,
// and the lab's files.
#include "labframe/file/labformats.h"
#include "labframe/labcontrols.h"
#include "labframe/labregistry.h"
#include "labs/coordplane/format/labformat.h"
#include "labs/coordplane/labwindow.h"
#include "labs/planelab/planelabfixture.h"
#include "plane/planetools.h"
#include "plane/view/functionwindow.h"
#include "plane/view/planecontrol.h"
#include "support/fakedialogs.h"
#include "support/shellcallsrecorder.h"
#include "support/testsupport.h"
#include <QAction>
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTableWidget>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <memory>

using namespace plane;
using coordplanelab::TfmLab6;

namespace {

using Lab6Test = planelabtest::PlaneLabFixture<TfmLab6>;
using planelabtest::kSilver;
using planelabtest::kWhite;

TEST_F(Lab6Test, FormatListsTheControlsOfTheWindow)
{
    EXPECT_EQ(coordplanelab::Lab6Format().controls, labframe::ControlFormats(lab->components()));
}

TEST_F(Lab6Test, EveryControlHasAHintAndItsHelp)
{
    const QList<labframe::LabComponent> components = lab->components().all().mid(labframe::BaseLabControls().size());
    for (const labframe::LabComponent& component : components) {
        auto* control = qobject_cast<QWidget*>(component.object);
        if (!control) continue; // the timer
        EXPECT_FALSE(control->toolTip().isEmpty()) << control->objectName().toStdString();
        EXPECT_EQ(control->contextMenuPolicy(), Qt::CustomContextMenu) << control->objectName().toStdString();
    }
    for (QAction* item : lab->PopupFig->actions()) EXPECT_NE(FindTool(labframe::Tag(item)), nullptr);
    for (QAction* item : lab->PopupType->actions()) EXPECT_EQ(item->toolTip(), QStringLiteral("Знак"));
}

TEST_F(Lab6Test, OpensWithAxesGridCoordinatesAndTheHand)
{
    EXPECT_EQ(lab->Dec->Tool(), kToolHand);
    EXPECT_TRUE(lab->bt0->isChecked());
    EXPECT_TRUE(lab->btGrid->isChecked());
    EXPECT_TRUE(lab->btCoord->isChecked());
    EXPECT_TRUE(lab->Dec->Interaction().AxesVisible);
    EXPECT_TRUE(lab->Dec->Interaction().ShowCoordinates);
    EXPECT_EQ(lab->Dec->CoordDialog, lab->CoordDialog);
    EXPECT_EQ(lab->Dec->CoordLabelX, lab->lbX);
    QTest::mouseClick(lab->btCoord, Qt::LeftButton);
    EXPECT_FALSE(lab->Dec->Interaction().ShowCoordinates);
}

TEST_F(Lab6Test, CircleThenDiscThenCircleAgain)
{
    ASSERT_TRUE(lab->AddEquation(QStringLiteral("[x*x+y*y-9]")));
    EXPECT_TRUE(shellCalls.calls.contains(QStringLiteral("note Минуточку .../1")));
    lab->Dec->FinishRegions();
    EXPECT_EQ(ColourAt({1.5, 0.5}), kWhite);
    Choose(lab->PopupType, "< 0");
    EXPECT_EQ(lab->ChosenObject()->Formula().SuffixText(), QStringLiteral(" < 0"));
    EXPECT_EQ(ColourAt({1.5, 0.5}), kSilver);
    EXPECT_EQ(ColourAt({4.5, 1.5}), kWhite);
    Choose(lab->PopupType, "= 0");
    EXPECT_EQ(ColourAt({1.5, 0.5}), kWhite);
}

TEST_F(Lab6Test, PaintToolShadesTheOutsideAndTheEraserClearsAll)
{
    lab->AddEquation(QStringLiteral("[x*x+y*y-9]"));
    QTest::mouseClick(lab->bt230, Qt::LeftButton);
    EXPECT_EQ(lab->Dec->Tool(), kToolRecolour);
    Click({4.5, 3.5});
    EXPECT_EQ(lab->ChosenObject()->Relation(), TAlgebra::kGreater);
    EXPECT_EQ(ColourAt({4.5, 3.5}), kSilver);
    EXPECT_EQ(ColourAt({1.5, 0.5}), kWhite);
    QTest::mouseClick(lab->bt255, Qt::LeftButton);
    Click({-5, 4});
    EXPECT_EQ(lab->ChosenObject()->Relation(), TAlgebra::kEqual);
    EXPECT_EQ(ColourAt({4.5, 3.5}), kWhite);
}

TEST_F(Lab6Test, TwoInequalitiesShadeTheirIntersection)
{
    lab->AddEquation(QStringLiteral("[y-x]"));
    Choose(lab->PopupType, "> 0");
    lab->AddEquation(QStringLiteral("[y-2]"));
    Choose(lab->PopupType, "< 0");
    EXPECT_EQ(ColourAt({-3.5, 1.5}), kSilver);
    EXPECT_EQ(ColourAt({1.5, -1.5}), kWhite);
    EXPECT_EQ(ColourAt({-3.5, 3.5}), kWhite);
    // Deleting the last one leaves y > x alone.
    QTest::mouseClick(lab->btDel, Qt::LeftButton);
    lab->Dec->FinishRegions();
    EXPECT_EQ(lab->Dec->Algebra().Count(), 1);
    EXPECT_EQ(ColourAt({-3.5, 3.5}), kSilver);
}

// The function list shows the equations; its selected row, not the last
// equation entered, is the one the sign menu and the delete button act on.
TEST_F(Lab6Test, SignAndDeleteActOnTheListsSelectedRow)
{
    lab->AddEquation(QStringLiteral("[y-x]"));
    lab->AddEquation(QStringLiteral("[y-2]"));
    EXPECT_EQ(lab->FunctionList->windowTitle(), QStringLiteral("Уравнения и неравенства:"));
    EXPECT_TRUE(lab->FunctionList->isVisible());
    ASSERT_EQ(lab->FunctionList->DrawGrid->rowCount(), 2);
    EXPECT_EQ(lab->FunctionList->SelectedRow(), 1); // a new equation is the chosen one
    lab->SelectRow(0);
    Choose(lab->PopupType, "> 0");
    EXPECT_EQ(lab->Dec->Algebra().At(0)->Relation(), TAlgebra::kGreater);
    EXPECT_EQ(lab->Dec->Algebra().At(1)->Relation(), TAlgebra::kEqual);
    EXPECT_EQ(lab->FunctionList->SelectedRow(), 0);
    EXPECT_EQ(ColourAt({-3.5, 3.5}), kSilver);
    QTest::mouseClick(lab->btDel, Qt::LeftButton);
    lab->Dec->FinishRegions();
    ASSERT_EQ(lab->Dec->Algebra().Count(), 1);
    EXPECT_EQ(lab->Dec->Algebra().At(0)->Formula().Text(), QStringLiteral("[y-2]"));
    EXPECT_EQ(ColourAt({-3.5, 3.5}), kWhite); // the shading went with its inequality
}

// Curves that lie on grid lines or on an axis stay drawn over them, shaded or not.
TEST_F(Lab6Test, CurvesOnGridLinesAndAxesStayInSight)
{
    const QColor blue = base::BgrColor(base::colour::kBlue);
    lab->SetDrawColor(blue);
    lab->AddEquation(QStringLiteral("[y-2]"));
    lab->AddEquation(QStringLiteral("[x]"));
    lab->Dec->FinishRegions();
    for (const geometry::Vec2 point : {geometry::Vec2{3.5, 2}, geometry::Vec2{-2.5, 2}, geometry::Vec2{0, -1.5}})
        EXPECT_EQ(ColourAt(point), blue) << point.x << ", " << point.y;
    lab->SelectRow(0);
    Choose(lab->PopupType, "< 0");
    EXPECT_EQ(ColourAt({3.5, 2}), blue);
    EXPECT_EQ(ColourAt({3.5, 1.5}), kSilver);
}

TEST_F(Lab6Test, AnEquationThatDoesNotParseIsRefusedWithAMessage)
{
    EXPECT_FALSE(lab->AddEquation(QStringLiteral("[x+*y]")));
    EXPECT_EQ(lab->Dec->Algebra().Count(), 0);
    EXPECT_FALSE(dialogs.lastMessage().isEmpty());
}

TEST_F(Lab6Test, SignWithoutAnEquationAsksForOneFirst)
{
    Choose(lab->PopupType, "< 0");
    EXPECT_EQ(shellCalls.calls.last(), QStringLiteral("note Сначала введите хотя бы одно уравнение/3"));
    QTest::mouseClick(lab->btDel, Qt::LeftButton); // nothing to delete: nothing happens
    EXPECT_EQ(lab->Dec->Algebra().Count(), 0);
}

TEST_F(Lab6Test, FilledPolygonTurnsBlackToCyanButKeepsAChosenColour)
{
    Choose(lab->PopupFig, QStringLiteral("Многоугольник с \"внутренностью\""));
    EXPECT_EQ(lab->Dec->DrawColor(), base::colour::kCyan);
    EXPECT_EQ(lab->Dec->Tool(), kToolPolygonFilled);
    EXPECT_TRUE(lab->btFig->isChecked());
    lab->SetDrawColor(base::BgrColor(base::colour::kRed));
    Choose(lab->PopupFig, QStringLiteral("Многоугольник с \"внутренностью\""));
    EXPECT_EQ(lab->Dec->DrawColor(), base::colour::kRed);
    Choose(lab->PopupFig, QStringLiteral("Точка"));
    Click({1, 2});
    ASSERT_EQ(lab->Dec->Scene().PointCount(), 1);
}

TEST_F(Lab6Test, SavedInequalityComesBackShaded)
{
    lab->AddEquation(QStringLiteral("[x*x+y*y-9]"));
    Choose(lab->PopupType, "< 0");
    lab->Dec->Scene().AddPoint({1, 2});
    QDir().mkpath(real("USERS"));
    const QString file = real("USERS\\disc.LAB");
    ASSERT_TRUE(lab->SaveLabFile(file));
    EXPECT_TRUE(readBytes("USERS\\disc.LAB").contains("\r\nTEquation: <0 [x*x+y*y-9]\r\n"));
    lab->ClearLab();
    EXPECT_EQ(lab->Dec->Algebra().Count(), 0);
    ASSERT_TRUE(lab->LoadLabFile(file));
    lab->Dec->FinishRegions();
    ASSERT_EQ(lab->Dec->Algebra().Count(), 1);
    EXPECT_EQ(ColourAt({1.5, 0.5}), kSilver);
}

TEST_F(Lab6Test, EveryExampleDrawsItsEquationsAndSavesAgainByteForByte)
{
    const QList<QByteArray> examples = installLabExamples(6);
    ASSERT_GE(examples.size(), 4);
    QDir().mkpath(real("USERS"));
    for (int i = 0; i < examples.size(); ++i) {
        const QByteArray& example = examples[i];
        ASSERT_TRUE(lab->LoadLabFile(lab->exampleFolder() + QStringLiteral("%1.LAB").arg(i))) << i;
        lab->Dec->FinishRegions();
        FunctionList& list = lab->Dec->Algebra();
        ASSERT_GT(list.Count(), 0) << i;
        for (int k = 0; k < list.Count(); ++k) EXPECT_TRUE(list.At(k)->Valid()) << i << ": " << list.At(k)->Problem().toStdString();
        // Every example shades something.
        ASSERT_NE(lab->Dec->Regions(), nullptr);
        EXPECT_NE(std::count(lab->Dec->Regions()->Inside.begin(), lab->Dec->Regions()->Inside.end(), 1), 0) << i;
        ASSERT_TRUE(lab->SaveLabFile(real("USERS\\again.LAB")));
        EXPECT_EQ(readBytes("USERS\\again.LAB"), example) << i;
    }
    // |x| + |y| < 2: the point (1.5, 0.25) is shaded, (1.5, 0.75) is not.
    ASSERT_TRUE(lab->LoadLabFile(lab->exampleFolder() + QStringLiteral("2.LAB")));
    lab->Dec->FinishRegions();
    EXPECT_EQ(ColourAt({1.5, 0.25}), kSilver);
    EXPECT_EQ(ColourAt({1.5, 0.75}), kWhite);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

} // namespace
