// The equation graphs lab as a pupil uses it: equations and graphs y = f(x)
// typed in the editor, the sign menu on the list's selected row, the paint
// and eraser tools, and the lab's files with its examples.
#include "formulas/view/formulaeditor.h"
#include "labframe/file/labformats.h"
#include "labframe/labcontrols.h"
#include "labframe/labregistry.h"
#include "labs/equationgraphs/format/labformat.h"
#include "labs/equationgraphs/labwindow.h"
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
#include <QMenu>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <memory>

using namespace plane;
using equationgraphslab::TfmLab11;

namespace {

using planelabtest::kSilver;
using planelabtest::kWhite;

class Lab11Test : public planelabtest::PlaneLabFixture<TfmLab11> {
protected:
    FunctionList& Objects() { return lab->Dec->Algebra(); }
    // Answers the next formula editor with this bracket text.
    void AnswerFormula(const QString& text)
    {
        dialogs.dialogActions.push_back([text](QDialog& dialog) {
            static_cast<formulas::TffEditFormula&>(dialog).Formula()->SetText(text);
            return int(QDialog::Accepted);
        });
    }
    void Type(QToolButton* button, const QString& text)
    {
        AnswerFormula(text);
        QTest::mouseClick(button, Qt::LeftButton);
        lab->Dec->FinishRegions();
    }
    QString Relations()
    {
        QString relations;
        for (int i = 0; i < Objects().Count(); ++i) relations += Objects().At(i)->Relation();
        return relations;
    }

};

TEST_F(Lab11Test, FormatListsTheControlsAndEveryControlHasAHintAndItsHelp)
{
    EXPECT_EQ(equationgraphslab::Lab11Format().controls, labframe::ControlFormats(lab->components()));
    const QList<labframe::LabComponent> components = lab->components().all().mid(labframe::BaseLabControls().size());
    for (const labframe::LabComponent& component : components) {
        auto* control = qobject_cast<QWidget*>(component.object);
        if (!control) continue; // the timer
        EXPECT_FALSE(control->toolTip().isEmpty()) << control->objectName().toStdString();
        EXPECT_EQ(control->contextMenuPolicy(), Qt::CustomContextMenu) << control->objectName().toStdString();
    }
    EXPECT_EQ(lab->btAddFunction->toolTip(), QStringLiteral("График уравнения вида y=f(x)"));
    EXPECT_EQ(labframe::Tag(lab->bt1), kToolPoint);
    EXPECT_EQ(lab->Dec->font().family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(lab->FunctionList->windowTitle(), QStringLiteral("Уравнения и неравенства:"));
    EXPECT_EQ(lab->Timer1->interval(), TfmLab11::kZoomInterval);
}

TEST_F(Lab11Test, CircleFromTheEditorThenDiscThenPaintOutsideThenErase)
{
    Type(lab->btAdd, QStringLiteral("[x*x+y*y-9]"));
    ASSERT_EQ(Objects().Count(), 1);
    EXPECT_EQ(Objects().At(0)->Kind(), AlgebraKind::Equation);
    EXPECT_EQ(lab->FunctionList->DrawGrid->rowCount(), 1);
    EXPECT_EQ(ColourAt({1.5, 0.5}), kWhite);
    Choose(lab->PopupType, "< 0");
    EXPECT_EQ(ColourAt({1.5, 0.5}), kSilver);
    EXPECT_EQ(ColourAt({4.5, 1.5}), kWhite);
    QTest::mouseClick(lab->bt230, Qt::LeftButton);
    Click({4.5, 3.5});
    EXPECT_EQ(Relations(), QStringLiteral(">"));
    EXPECT_EQ(ColourAt({4.5, 3.5}), kSilver);
    EXPECT_EQ(ColourAt({1.5, 0.5}), kWhite);
    QTest::mouseClick(lab->bt255, Qt::LeftButton);
    Click({-5, 4});
    EXPECT_EQ(Relations(), QStringLiteral("="));
    EXPECT_EQ(ColourAt({4.5, 3.5}), kWhite);
}

// y > x² from a graph y = f(x) and the equation x − 1 = 0 made "< 0": the
// shading is the part of the parabola's inside left of x = 1.
TEST_F(Lab11Test, AGraphWithASignShadesWithTheEquations)
{
    Type(lab->btAddFunction, QStringLiteral("[x*x]"));
    ASSERT_EQ(Objects().Count(), 1);
    EXPECT_EQ(Objects().At(0)->Kind(), AlgebraKind::FunctionFormula);
    EXPECT_EQ(Objects().At(0)->Formula().PrefixText(), QStringLiteral("y = "));
    Choose(lab->PopupType, "> 0");
    EXPECT_EQ(Objects().At(0)->Formula().PrefixText(), QStringLiteral("y > "));
    EXPECT_EQ(ColourAt({0.5, 2.5}), kSilver);
    EXPECT_EQ(ColourAt({2.5, 1.5}), kWhite);
    Type(lab->btAdd, QStringLiteral("[x-1]"));
    Choose(lab->PopupType, "< 0");
    EXPECT_EQ(Relations(), QStringLiteral("><"));
    EXPECT_EQ(ColourAt({0.5, 2.5}), kSilver);
    EXPECT_EQ(ColourAt({1.5, 3.5}), kWhite);
}

TEST_F(Lab11Test, SignAndDeleteActOnTheSelectedRow)
{
    lab->AddEquation(QStringLiteral("[y-x]"));
    lab->AddFunction(QStringLiteral("[2]"));
    ASSERT_EQ(lab->FunctionList->DrawGrid->rowCount(), 2);
    lab->SelectRow(0);
    Choose(lab->PopupType, "> 0");
    EXPECT_EQ(Relations(), QStringLiteral(">="));
    EXPECT_EQ(lab->FunctionList->SelectedRow(), 0); // the list was refreshed, the row stays chosen
    lab->SelectRow(1);
    Choose(lab->PopupType, "< 0");
    EXPECT_EQ(Relations(), QStringLiteral("><"));
    EXPECT_EQ(ColourAt({-3.5, 1.5}), kSilver);
    lab->SelectRow(0);
    QTest::mouseClick(lab->btDel, Qt::LeftButton);
    lab->Dec->FinishRegions();
    ASSERT_EQ(Objects().Count(), 1);
    EXPECT_EQ(Objects().At(0)->Kind(), AlgebraKind::FunctionFormula);
    EXPECT_EQ(ColourAt({3.5, 1.5}), kSilver); // y < 2 alone
}

TEST_F(Lab11Test, FormulasThatDoNotParseAreRefusedWithTheMessage)
{
    EXPECT_EQ(lab->AddFunction(QStringLiteral("[x+*2]")), nullptr);
    EXPECT_FALSE(dialogs.lastMessage().isEmpty());
    EXPECT_FALSE(lab->AddEquation(QStringLiteral("[x+*y]")));
    EXPECT_EQ(Objects().Count(), 0);
    EXPECT_EQ(dialogs.messages.size(), 2);
    Choose(lab->PopupType, "< 0");
    EXPECT_EQ(shellCalls.calls.last(), QStringLiteral("note Сначала введите хотя бы одно уравнение/3"));
}

TEST_F(Lab11Test, ClearEmptiesThePlaneAndHidesTheListsGrids)
{
    lab->AddEquation(QStringLiteral("[x*x+y*y-4]"));
    lab->Dec->Scene().AddPoint({1, 1});
    lab->ClearLab();
    EXPECT_EQ(Objects().Count(), 0);
    EXPECT_EQ(lab->Dec->Scene().PointCount(), 0);
    EXPECT_FALSE(lab->FunctionList->DrawGrid->isVisibleTo(lab->FunctionList));
}

TEST_F(Lab11Test, SavedSceneComesBackByteForByteAndShaded)
{
    lab->AddFunction(QStringLiteral("[x*x]"));
    Choose(lab->PopupType, "> 0");
    lab->AddEquation(QStringLiteral("[x*x+y*y-9]"));
    Choose(lab->PopupType, "< 0");
    QTest::mouseClick(lab->bt1, Qt::LeftButton);
    Click({1, 2});
    ASSERT_EQ(lab->Dec->Scene().PointCount(), 1);
    QDir().mkpath(real("USERS"));
    ASSERT_TRUE(lab->SaveLabFile(real("USERS\\mine.LAB")));
    const QByteArray saved = readBytes("USERS\\mine.LAB");
    EXPECT_TRUE(saved.startsWith("11\r\n"));
    EXPECT_TRUE(saved.contains("\r\nbt1=11\r\n"));
    EXPECT_TRUE(saved.contains("\r\nTEquation: <0 [x*x+y*y-9]\r\n"));
    lab->ClearLab();
    ASSERT_TRUE(lab->LoadLabFile(real("USERS\\mine.LAB")));
    lab->Dec->FinishRegions();
    ASSERT_EQ(Objects().Count(), 2);
    EXPECT_EQ(lab->Dec->Tool(), kToolPoint); // the pressed tool button is the plane's tool again
    EXPECT_EQ(ColourAt({0.5, 1.5}), kSilver);
    EXPECT_EQ(ColourAt({2.5, 2.5}), kWhite);
    ASSERT_TRUE(lab->SaveLabFile(real("USERS\\again.LAB")));
    EXPECT_EQ(readBytes("USERS\\again.LAB"), saved);
}

TEST_F(Lab11Test, EveryExampleShadesSomethingAndSavesAgainByteForByte)
{
    const QList<QByteArray> examples = installLabExamples(11);
    ASSERT_GE(examples.size(), 4);
    QDir().mkpath(real("USERS"));
    for (int i = 0; i < examples.size(); ++i) {
        const QByteArray& example = examples[i];
        ASSERT_TRUE(lab->LoadLabFile(lab->exampleFolder() + QStringLiteral("%1.LAB").arg(i))) << i;
        lab->Dec->FinishRegions();
        ASSERT_GT(Objects().Count(), 0) << i;
        for (int k = 0; k < Objects().Count(); ++k)
            EXPECT_TRUE(Objects().At(k)->Valid()) << i << ": " << Objects().At(k)->Problem().toStdString();
        ASSERT_NE(lab->Dec->Regions(), nullptr) << i;
        EXPECT_NE(std::count(lab->Dec->Regions()->Inside.begin(), lab->Dec->Regions()->Inside.end(), 1), 0) << i;
        ASSERT_TRUE(lab->SaveLabFile(real("USERS\\again.LAB")));
        EXPECT_EQ(readBytes("USERS\\again.LAB"), example) << i;
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

} // namespace
