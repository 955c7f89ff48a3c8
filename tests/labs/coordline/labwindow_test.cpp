#include "labframe/labregistry.h"
#include "labs/coordline/format/labformat.h"
#include "labs/coordline/labwindow.h"
#include "labs/coordline/pointswindow.h"
#include "numberline/picking.h"
#include "numberline/pointstable.h"
#include "numberline/view/dec1d.h"
#include "support/fakedialogs.h"
#include "support/shellcallsrecorder.h"
#include "support/testsupport.h"
#include "ui/inputdialog.h"
#include <QApplication>
#include <QScreen>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QMenu>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <memory>

using coordlinelab::TfmLab2;
using numberline::TPoint;

namespace {

class Lab2Test : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        lab = std::make_unique<TfmLab2>();
        lab->resize(1000, 700);
        lab->show();
    }
    void TearDown() override
    {
        lab.reset();
        labframe::ReleaseLabs();
        ProgramFolderTest::TearDown();
    }
    QPoint pixelOf(double x, double lift = 0) const
    {
        const auto& view = lab->Dec->View();
        return QPoint(view.ToScreenX(x), view.LineRow() - int(lift));
    }
    void click(QPoint pixel, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseMove(lab->Dec, pixel);
        QTest::mouseClick(lab->Dec, button, Qt::NoModifier, pixel);
    }
    const std::vector<std::unique_ptr<TPoint>>& points() const { return lab->Dec->Scene().Points(); }

    FakeDialogs dialogs;
    std::unique_ptr<TfmLab2> lab;
};

} // namespace

TEST_F(Lab2Test, FormatListsTheControlsOfTheWindow)
{
    EXPECT_EQ(coordlinelab::Lab2Format().controls, labframe::ControlFormats(lab->components()));
}

TEST_F(Lab2Test, StartsWithTheHandThreeDivisionsDecimalLabelsAndTheTable)
{
    EXPECT_TRUE(lab->bt0->isChecked());
    EXPECT_EQ(lab->Dec->Tools().Tool(), base::kToolHand);
    EXPECT_EQ(lab->Dec->Scene().Parts(), 3);
    EXPECT_TRUE(lab->Dec->Scene().ShowDivisions);
    EXPECT_TRUE(lab->Dec->Scene().DecimalLabels);
    EXPECT_TRUE(lab->btNumb->isChecked());
    EXPECT_TRUE(lab->ffNumb->isVisible());
}

TEST_F(Lab2Test, ThePointsTableOpensOnTheScreen)
{
    const QRect screen = lab->screen()->availableGeometry();
    lab->btNumb->click();
    lab->move(screen.topLeft());
    lab->resize(screen.width() / 2, screen.height() / 2);
    lab->btNumb->click();
    EXPECT_TRUE(screen.contains(lab->ffNumb->frameGeometry()));
    EXPECT_FALSE(lab->frameGeometry().intersects(lab->ffNumb->frameGeometry())) << "there is room beside the lab";
}

// The course's windows open 800 pixels wide; the lab's two rows of controls
// must fit into that.
TEST_F(Lab2Test, FitsTheWidthOfTheCoursesWindows)
{
    constexpr int kCourseWindowWidth = 800;
    lab->resize(kCourseWindowWidth, 576);
    EXPECT_LE(lab->minimumSizeHint().width(), kCourseWindowWidth);
    EXPECT_LE(lab->Dec->width(), kCourseWindowWidth);
}

TEST_F(Lab2Test, ToolHintsGoToTheStatusLine)
{
    ShellCallsRecorder shellCalls;
    lab->btFig->click();
    lab->bt255->click();
    lab->bt243->click(); // the magic wand has no hint
    EXPECT_EQ(shellCalls.calls, (QStringList{"status Щелкните мышью - и на координатной прямой появится точка",
                                             "status Щелкните мышью по объекту, который нужно удалить"}));
}

// The tools stand in two rows; pressing one must release the pressed one of
// the other row, or a click on the pressed-looking one does nothing.
TEST_F(Lab2Test, ExactlyOneToolIsPressedAcrossBothRows)
{
    const QList<QToolButton*> tools = {lab->bt0, lab->btFig, lab->bt244, lab->bt255, lab->bt243, lab->bt230};
    for (QToolButton* chosen : tools) {
        chosen->click();
        EXPECT_EQ(lab->Dec->Tools().Tool(), labframe::Tag(chosen)) << chosen->objectName().toStdString();
        for (QToolButton* other : tools)
            EXPECT_EQ(other->isChecked(), other == chosen)
                << chosen->objectName().toStdString() << " / " << other->objectName().toStdString();
    }
}

TEST_F(Lab2Test, PartsAcceptOnlyPositiveIntegers)
{
    lab->edParts->setText("5");
    EXPECT_EQ(lab->Dec->Scene().Parts(), 5);
    for (const char* text : {"0", "", "-2"}) {
        lab->edParts->setText(text);
        EXPECT_EQ(lab->Dec->Scene().Parts(), 5) << text;
    }
    lab->edParts->clear();
    QTest::keyClicks(lab->edParts, "x7-");
    EXPECT_EQ(lab->edParts->text(), "7") << "only digits are typed";
    EXPECT_EQ(lab->Dec->Scene().Parts(), 7);
}

TEST_F(Lab2Test, ClicksWithThePointToolMakeFormulaPointsAndTheTableListsThem)
{
    lab->btFig->click();
    EXPECT_EQ(lab->Dec->Tools().Tool(), base::kToolPoint);
    click(pixelOf(0.70));
    ASSERT_EQ(points().size(), 1u);
    EXPECT_EQ(points()[0]->FormulaText(), "[drob[2][3]]");
    EXPECT_TRUE(lab->ffNumb->DrawGrid->isVisible());
    EXPECT_EQ(numberline::PointRows(lab->Dec->Scene(), lab->Dec->Scale())[0].ValueText, "= 0,666666666666667");

    lab->bt0->click();
    QTest::mouseMove(lab->Dec, pixelOf(-3)); // the pointer jumped onto the new point; leave it first
    QTest::mouseMove(lab->Dec, pixelOf(2.0 / 3));
    QTest::mousePress(lab->Dec, Qt::LeftButton, Qt::NoModifier, pixelOf(2.0 / 3));
    // QTest moves the mouse without a button held; the control needs one.
    QMouseEvent drag(QEvent::MouseMove, QPointF(pixelOf(0.9)), lab->Dec->mapToGlobal(QPointF(pixelOf(0.9))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(lab->Dec, &drag);
    QTest::mouseRelease(lab->Dec, Qt::LeftButton, Qt::NoModifier, pixelOf(0.9));
    EXPECT_DOUBLE_EQ(points()[0]->X, 1);
    EXPECT_TRUE(numberline::PointRows(lab->Dec->Scene(), lab->Dec->Scale())[0].OffValue);
}

TEST_F(Lab2Test, TheFigureMenuChoosesSegmentOrRay)
{
    const QList<QAction*> items = lab->PopupFig->actions();
    ASSERT_EQ(items.size(), 3);
    items[2]->trigger(); // "Луч"
    EXPECT_EQ(lab->Dec->Tools().Tool(), base::kToolRay);
    EXPECT_TRUE(lab->btFig->isChecked());
    click(pixelOf(1));
    click(pixelOf(3));
    ASSERT_EQ(lab->Dec->Scene().Figures().size(), 1u);
    EXPECT_EQ(points().size(), 1u);
    items[1]->trigger(); // "Отрезок"
    EXPECT_EQ(lab->Dec->Tools().Tool(), base::kToolSegment);
}

TEST_F(Lab2Test, ARightClickNamesThePointInEveryTool)
{
    lab->Dec->AddPoint("[1]");
    for (QToolButton* tool : {lab->bt0, lab->bt255, lab->btFig}) {
        tool->click();
        dialogs.dialogActions.push_back([](QDialog&) {
            ui::ffDlg().Fields().front()->setText("Точка A");
            return int(QDialog::Accepted);
        });
        click(pixelOf(1), Qt::RightButton);
        EXPECT_EQ(points()[0]->Name(), "Точка A");
        points()[0]->SetName("");
    }
    EXPECT_EQ(points().size(), 1u) << "a right click makes nothing";
}

TEST_F(Lab2Test, ParameterButtonsStepTheCurrentParameterAndMoveItsPoints)
{
    lab->Dec->AddPoint("[a+1]");
    lab->RefreshTable();
    ASSERT_TRUE(lab->ffNumb->Grid->isVisibleTo(lab->ffNumb));
    EXPECT_EQ(lab->ffNumb->Grid->item(0, 0)->text(), "a");
    for (int i = 0; i < 3; ++i) QTest::mouseClick(lab->ffNumb->btInc, Qt::LeftButton);
    EXPECT_EQ(lab->ffNumb->Grid->item(1, 0)->text(), "1,3");
    EXPECT_NEAR(points()[0]->X, 2.3, 1e-12);
    EXPECT_TRUE(points()[0]->AtExactValue(lab->Dec->Scale()));

    lab->ffNumb->Grid->item(1, 0)->setText("0,1");
    lab->ffNumb->StepParameter(-1);
    EXPECT_EQ(lab->ffNumb->Grid->item(1, 0)->text(), "0");
    EXPECT_NEAR(points()[0]->X, 1, 1e-12);
    lab->ffNumb->Grid->item(1, 0)->setText("два");
    EXPECT_NEAR(points()[0]->X, 1, 1e-12) << "a value that is no number is ignored";
}

TEST_F(Lab2Test, ClosingTheTableReleasesItsButtonAndClearingHidesItsGrids)
{
    lab->Dec->AddPoint("[a]");
    lab->RefreshTable();
    lab->ffNumb->close();
    EXPECT_FALSE(lab->btNumb->isChecked());
    lab->btNumb->click();
    EXPECT_TRUE(lab->ffNumb->isVisible());
    lab->btClear->click();
    EXPECT_TRUE(points().empty());
    EXPECT_FALSE(lab->ffNumb->DrawGrid->isVisibleTo(lab->ffNumb));
    EXPECT_FALSE(lab->ffNumb->Grid->isVisibleTo(lab->ffNumb));
}

TEST_F(Lab2Test, SavingAndLoadingAgainGivesTheSameBytes)
{
    lab->Dec->Scene().SetParameter(u"a", 2);
    TPoint& a = lab->Dec->AddPoint("[a - 1]");
    a.SetName("точка с пробелами");
    TPoint& b = lab->Dec->AddPoint("[drob[7][3]]");
    b.X = 2;
    b.Y = 1.5;
    lab->Dec->Scene().AddRay(a, false, 255);
    lab->Dec->Scene().AddSegment(a, b, 0);
    lab->edParts->setText("4");
    lab->btGrid->setChecked(false);
    lab->Dec->SetScale(61);
    ASSERT_TRUE(lab->SaveLabFile(real("one.LAB")));
    ASSERT_TRUE(lab->LoadLabFile(real("one.LAB")));
    EXPECT_EQ(points()[0]->Name(), "точка с пробелами");
    EXPECT_FALSE(lab->Dec->Scene().ShowDivisions);
    EXPECT_EQ(lab->Dec->Scene().Parts(), 4);
    ASSERT_TRUE(lab->SaveLabFile(real("two.LAB")));
    EXPECT_EQ(readBytes("one.LAB"), readBytes("two.LAB"));
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.lastMessage().toStdString();
}

TEST_F(Lab2Test, HostileFilesAreRefusedWithTheCheckersMessageAndLeaveTheLabWorking)
{
    ASSERT_TRUE(lab->SaveLabFile(real("base.LAB")));
    const QString window = QString::fromLatin1(readBytes("base.LAB")).section("#\r\n", 0, 0) + "#\r\n";
    const QStringList engines = {
        "0 0\r\n",
        "40 nan\r\n",
        "40 0\r\nTCircle: 0 0 1\r\n",
        "40 0\r\nTPoint: 1 0 TRUE TRUE [1] A\r\nTSegment: 0 5 TRUE 0\r\n",
        "40 0\r\nTPoint: 1 0 TRUE TRUE [drob[1][2] A\r\n",
    };
    for (const QString& engine : engines) {
        dialogs.messages.clear();
        writeBytes("bad.LAB", (window + engine).toLatin1());
        EXPECT_FALSE(lab->LoadLabFile(real("bad.LAB"))) << engine.toStdString();
        const auto refusal = labframe::CheckLabText(coordlinelab::Lab2Format(), window + engine);
        ASSERT_TRUE(refusal.has_value()) << engine.toStdString();
        // The checker names the refused file line apart; the window names it in its message.
        EXPECT_EQ(QStringLiteral("Строка %1: %2").arg(refusal->line).arg(refusal->message),
                  dialogs.lastMessage());
        lab->Dec->AddPoint("[1]");
    }
    writeBytes("far.LAB", (window + "40 1e300\r\n").toLatin1());
    EXPECT_TRUE(lab->LoadLabFile(real("far.LAB")));
    lab->Dec->repaint();
}

// The examples of the course, taken from content/ into this test's program
// folder: each loads without a message, is listed by the checker as loadable,
// and saved again gives its own bytes.
TEST_F(Lab2Test, EveryExampleOfTheCourseLoadsAndSavesItsOwnBytes)
{
    const QDir source(SampleCoursePath(QStringLiteral("LABS/LAB2")));
    ASSERT_TRUE(source.exists("examples.txt"));
    for (const QString& name : source.entryList({"*.txt", "*.LAB"}, QDir::Files)) {
        QFile file(source.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        writeLines("LABS\\LAB2\\" + name, QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts));
    }
    lab = std::make_unique<TfmLab2>();
    lab->show();
    const QList<QAction*> items = lab->PopupEx->actions();
    ASSERT_EQ(items.size(), 4);
    for (int i = 0; i < items.size(); ++i) {
        items[i]->trigger();
        EXPECT_TRUE(dialogs.messages.isEmpty()) << i << ": " << dialogs.lastMessage().toStdString();
        EXPECT_FALSE(points().empty()) << i;
        const QString example = QString("LABS\\LAB2\\%1.LAB").arg(i);
        ASSERT_TRUE(lab->SaveLabFile(real("saved.LAB")));
        EXPECT_EQ(readBytes("saved.LAB"), readBytes(example)) << i;
        const auto refusal = labframe::CheckLabText(coordlinelab::Lab2Format(), QString::fromLatin1(readBytes(example)));
        EXPECT_FALSE(refusal) << i << ": " << refusal->message.toStdString();
    }
}

TEST_F(Lab2Test, ExamplesShowTheirVerdicts)
{
    const QDir source(SampleCoursePath(QStringLiteral("LABS/LAB2")));
    QFile file(source.filePath("2.LAB"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    writeLines("a.LAB", QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts));
    ASSERT_TRUE(lab->LoadLabFile(real("a.LAB")));
    ASSERT_EQ(points().size(), 3u);
    EXPECT_EQ(points()[1]->Name(), "a + 1");
    for (const auto& point : points()) EXPECT_TRUE(point->AtExactValue(lab->Dec->Scale()));
    lab->ffNumb->Grid->item(1, 0)->setText("-1,5");
    EXPECT_NEAR(points()[2]->X, -2.5, 1e-12);
}

// The course's "place the points" tasks: every point starts away from its
// number (red), and each can be placed so that the whole scene turns black.
TEST_F(Lab2Test, PlacingTasksStartRedAndCanBeSolved)
{
    const QDir source(SampleCoursePath(QStringLiteral("ZADS/B01")));
    const QStringList tasks = source.entryList({"*.LAB"}, QDir::Files);
    ASSERT_GE(tasks.size(), 2);
    for (const QString& name : tasks) {
        QFile file(source.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
        writeLines("task.LAB", lines);
        EXPECT_FALSE(labframe::CheckLabText(coordlinelab::Lab2Format(), lines.join("\r\n") + "\r\n")) << name.toStdString();
        ASSERT_TRUE(lab->LoadLabFile(real("task.LAB"))) << name.toStdString();
        ASSERT_FALSE(points().empty());
        const double scale = lab->Dec->Scale();
        for (const auto& point : points()) {
            EXPECT_FALSE(point->AtExactValue(scale)) << name.toStdString() << ' ' << point->Name().toStdString();
            // Dropped near its number, as a pupil does, the point turns black.
            point->X = *point->Exact() + 1 / scale;
            point->Y = 0.5;
            numberline::DropPoint(*point, lab->Dec->View(), lab->Dec->Scene().Parts(), true);
            EXPECT_TRUE(point->AtExactValue(scale)) << name.toStdString() << ' ' << point->Name().toStdString();
            EXPECT_EQ(point->Y, 0);
        }
    }
}
