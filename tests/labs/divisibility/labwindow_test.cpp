#include "arithmetic/divisibility.h"
#include "labframe/labregistry.h"
#include "labs/divisibility/format/labformat.h"
#include "labs/divisibility/labwindow.h"
#include "support/fakedialogs.h"
#include "support/shellcallsrecorder.h"
#include "support/testsupport.h"
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <memory>

using divisibilitylab::TfmLab1;

namespace {

const QString dot(arithmetic::kTimesDot);

class Lab1Test : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        lab = std::make_unique<TfmLab1>();
        lab->resize(1100, 700);
        lab->show();
    }
    void TearDown() override
    {
        lab.reset();
        labframe::ReleaseLabs();
        ProgramFolderTest::TearDown();
    }
    // Opens the cell's editor as a click does and returns it.
    QLineEdit* editorOf(QTableWidget* grid, int row, int column)
    {
        grid->setCurrentCell(row, column);
        grid->editItem(grid->item(row, column));
        // The editor of the cell before is deleted later; let it go first.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return grid->viewport()->findChild<QLineEdit*>();
    }
    void type(QTableWidget* grid, int row, int column, const QString& keys)
    {
        QLineEdit* editor = editorOf(grid, row, column);
        ASSERT_NE(editor, nullptr);
        QTest::keyClicks(editor, keys);
    }
    void erase(QTableWidget* grid, int row, int column)
    {
        QLineEdit* editor = editorOf(grid, row, column);
        ASSERT_NE(editor, nullptr);
        editor->end(false);
        while (!editor->text().isEmpty()) QTest::keyClick(editor, Qt::Key_Backspace);
    }
    static QString cell(QTableWidget* grid, int row, int column)
    {
        const QTableWidgetItem* item = grid->item(row, column);
        return item ? item->text() : QString();
    }
    static QStringList column(QTableWidget* grid, int column, int from)
    {
        QStringList texts;
        for (int row = from; row < grid->rowCount(); ++row)
            if (!cell(grid, row, column).isEmpty()) texts.append(cell(grid, row, column));
        return texts;
    }
    QString file(const QString& name) const { return m_dir.path() + u'/' + name; }

    FakeDialogs dialogs;
    ShellCallsRecorder shellCalls;
    std::unique_ptr<TfmLab1> lab;
};

} // namespace

TEST_F(Lab1Test, FormatListsTheControlsOfTheWindow)
{
    EXPECT_EQ(divisibilitylab::Lab1Format().controls, labframe::ControlFormats(lab->components()));
}

TEST_F(Lab1Test, ModeButtonsShowTheirPagesAndStayPressed)
{
    EXPECT_TRUE(lab->bt0->isChecked());
    EXPECT_EQ(lab->PageControl1->currentIndex(), 0);
    for (const int mode : {2, 2, 3, 0, 1, 1}) {
        lab->modeButtons[size_t(mode)]->click();
        EXPECT_EQ(lab->Mode(), mode);
        EXPECT_EQ(lab->PageControl1->currentIndex(), mode);
        for (int other = 0; other < TfmLab1::kModeCount; ++other)
            EXPECT_EQ(lab->modeButtons[size_t(other)]->isChecked(), other == mode) << mode << " " << other;
    }
}

TEST_F(Lab1Test, DivisionFollowsEveryKeystroke)
{
    type(lab->MyTable3, 0, 0, "17");
    type(lab->MyTable3, 0, 1, "5");
    EXPECT_EQ(cell(lab->MyTable3, 0, 2), "3");
    EXPECT_EQ(cell(lab->MyTable3, 0, 3), "2");
    EXPECT_EQ(cell(lab->MyTable3, 0, 4), " 17 = 5" + dot + "3+2");
    type(lab->MyTable3, 0, 1, "0"); // 50
    EXPECT_EQ(cell(lab->MyTable3, 0, 4), " 17 = 50" + dot + "0+17");
    erase(lab->MyTable3, 0, 1);
    type(lab->MyTable3, 0, 1, "0");
    for (int c = 2; c <= 4; ++c) EXPECT_EQ(cell(lab->MyTable3, 0, c), QString()) << c;
    type(lab->MyTable3, 1, 0, "017");
    type(lab->MyTable3, 1, 1, "5");
    EXPECT_EQ(cell(lab->MyTable3, 1, 4), " 017 = 5" + dot + "3+2");
}

TEST_F(Lab1Test, OnlyDigitsGoInAndATenthDigitIsRefused)
{
    type(lab->MyTable3, 0, 0, "12-3 a,4567890");
    EXPECT_EQ(cell(lab->MyTable3, 0, 0), "123456789");
    EXPECT_TRUE(shellCalls.notes.isEmpty()) << "typed keys are dropped silently";
    type(lab->MyTable1, 0, 0, "123456789");
    EXPECT_EQ(cell(lab->MyTable1, 0, 0), "12345678");
}

TEST_F(Lab1Test, PastedTextPassesTheSameCheckWithAMessage)
{
    struct Case {
        const char* pasted;
        const char* kept;
    };
    for (const Case& c : {Case{"-17", ""}, Case{"12 34", ""}, Case{"1234567890", ""}, Case{"360", "360"}}) {
        QLineEdit* editor = editorOf(lab->MyTable2, 0, 0);
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        editor->del();
        shellCalls.notes.clear();
        QApplication::clipboard()->setText(QString::fromUtf8(c.pasted));
        editor->paste();
        EXPECT_EQ(editor->text(), QString::fromUtf8(c.kept)) << c.pasted;
        EXPECT_EQ(shellCalls.notes.size(), QString::fromUtf8(c.kept).isEmpty() ? 1 : 0) << c.pasted;
    }
    EXPECT_EQ(cell(lab->MyTable2, 1, 0), "1" + dot + "360");
    QLineEdit* edMax = lab->edMax;
    edMax->selectAll();
    QApplication::clipboard()->setText("abc");
    edMax->paste();
    EXPECT_EQ(edMax->text(), "1000");
}

TEST_F(Lab1Test, FactorPairsFillTheirOwnColumnAndTheRowsOnlyGrow)
{
    type(lab->MyTable2, 0, 0, "36");
    EXPECT_EQ(column(lab->MyTable2, 0, 1),
              (QStringList{"1" + dot + "36", "2" + dot + "18", "3" + dot + "12", "4" + dot + "9", "6" + dot + "6"}));
    EXPECT_EQ(lab->MyTable2->rowCount(), 6);
    type(lab->MyTable2, 0, 1, "12");
    EXPECT_EQ(column(lab->MyTable2, 1, 1), (QStringList{"1" + dot + "12", "2" + dot + "6", "3" + dot + "4"}));
    EXPECT_EQ(column(lab->MyTable2, 0, 1).size(), 5);
    erase(lab->MyTable2, 0, 0);
    EXPECT_TRUE(column(lab->MyTable2, 0, 1).isEmpty());
    type(lab->MyTable2, 0, 2, "720720");
    EXPECT_EQ(lab->MyTable2->rowCount(), 1 + arithmetic::FactorPairs(720720).size());
    erase(lab->MyTable2, 0, 2);
    EXPECT_EQ(lab->MyTable2->rowCount(), 1 + arithmetic::FactorPairs(720720).size());
}

TEST_F(Lab1Test, PrimeFactorisationOfEachRow)
{
    struct Case {
        const char* number;
        QString factors;
    };
    int row = 0;
    for (const Case& c : {Case{"360", "2" + dot + "2" + dot + "2" + dot + "3" + dot + "3" + dot + "5"}, Case{"1", ""},
                          Case{"97", "97"}, Case{"99999989", "99999989"}}) {
        type(lab->MyTable1, row, 0, c.number);
        EXPECT_EQ(cell(lab->MyTable1, row, 1), c.factors) << c.number;
        ++row;
    }
    erase(lab->MyTable1, 0, 0);
    EXPECT_EQ(cell(lab->MyTable1, 0, 1), QString());
}

TEST_F(Lab1Test, TheSegmentSetsTheRowsAndTheOtherEndMoves)
{
    lab->ShowMode(3);
    EXPECT_EQ(lab->Table1->rowCount(), 1000);
    lab->edMin->setText("5");
    lab->edMax->setText("20");
    EXPECT_EQ(lab->Table1->rowCount(), 16);
    lab->edMin->setText("1");
    lab->edMax->setText("20000");
    EXPECT_EQ(lab->edMin->text(), "10000");
    EXPECT_EQ(lab->Table1->rowCount(), 10001);
    lab->edMin->setText("30000");
    EXPECT_EQ(lab->Table1->rowCount(), 1);
    lab->edDivCount->setText("2");
    EXPECT_EQ(lab->Segment().Target(), 2);
    QTest::qWait(1);
    EXPECT_FALSE(lab->Table1->grab().isNull());
}

TEST_F(Lab1Test, ClearingEmptiesCellsButKeepsTheSegment)
{
    type(lab->MyTable3, 0, 0, "17");
    lab->edMin->setText("5");
    lab->edMax->setText("20");
    lab->edDivCount->setText("2");
    lab->ClearLab();
    EXPECT_EQ(cell(lab->MyTable3, 0, 0), QString());
    EXPECT_EQ(lab->edMin->text(), QString());
    EXPECT_EQ(lab->Table1->rowCount(), 16);
    EXPECT_EQ(lab->Segment().Target(), 0);
}

TEST_F(Lab1Test, SaveAndReloadAreByteExactAndKeepLeadingBlanks)
{
    type(lab->MyTable3, 0, 0, "17");
    type(lab->MyTable3, 0, 1, "5");
    type(lab->MyTable2, 0, 0, "36");
    type(lab->MyTable1, 0, 0, "360");
    lab->edMin->setText("5");
    lab->edMax->setText("20");
    lab->edDivCount->setText("2");
    lab->ShowMode(2);
    ASSERT_TRUE(lab->SaveLabFile(file("a.LAB")));

    TfmLab1 other;
    ASSERT_TRUE(other.LoadLabFile(file("a.LAB")));
    EXPECT_EQ(cell(other.MyTable3, 0, 4), " 17 = 5" + dot + "3+2");
    EXPECT_EQ(other.Mode(), 2);
    EXPECT_EQ(other.Table1->rowCount(), 16);
    EXPECT_EQ(other.Segment().Target(), 2);
    ASSERT_TRUE(other.SaveLabFile(file("b.LAB")));
    QFile a(file("a.LAB"));
    QFile b(file("b.LAB"));
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    const QByteArray bytes = a.readAll();
    EXPECT_EQ(bytes, b.readAll());
    EXPECT_TRUE(bytes.contains(QByteArray("| 17 = 5\xB7" "3+2|"))) << "Windows-1251 middle dot, blank kept";
}

TEST_F(Lab1Test, StoredCellsComeBackWithoutBeingRecomputed)
{
    const QString text = "1\r\nbt1=11\r\nMyTable3=2 5 7|2|9|9| 7 = 2" + dot + "9+9|  8|3|||x|\r\nedMin=abc\r\n#\r\n";
    ASSERT_TRUE(lab->LoadLabText(text));
    EXPECT_EQ(cell(lab->MyTable3, 0, 2), "9");
    EXPECT_EQ(cell(lab->MyTable3, 1, 0), "  8");
    EXPECT_EQ(lab->Mode(), 1);
    EXPECT_EQ(lab->Segment().Min(), 1) << "a field that is no number changes nothing";
    // The pupil's next keystroke recomputes the row (an editor opens with
    // its text selected, so the key replaces the divisor).
    type(lab->MyTable3, 0, 1, "3");
    EXPECT_EQ(cell(lab->MyTable3, 0, 2), "2");
    EXPECT_EQ(cell(lab->MyTable3, 0, 3), "1");
}

// --- the sample course's pages and examples of the lab ------------------------

TEST_F(Lab1Test, EveryControlOfTheLabHasItsHelpPage)
{
    for (const labframe::LabControlFormat& control : divisibilitylab::Lab1Format().controls)
        EXPECT_TRUE(QFile::exists(SampleCoursePath("HELP/Lab1/" + control.name + ".HTM"))) << control.name.toStdString();
    EXPECT_TRUE(QFile::exists(SampleCoursePath("HELP/Lab1.HTM")));
}

TEST_F(Lab1Test, EveryExampleOfTheCourseLoads)
{
    QFile list(SampleCoursePath("LABS/LAB1/examples.txt"));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    const QStringList captions = QString::fromUtf8(list.readAll()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GE(captions.size(), 3);
    for (int i = 0; i < captions.size(); ++i) {
        QFile example(SampleCoursePath(QStringLiteral("LABS/LAB1/%1.LAB").arg(i)));
        ASSERT_TRUE(example.open(QIODevice::ReadOnly)) << i;
        EXPECT_TRUE(lab->LoadLabText(QString::fromUtf8(example.readAll()))) << i;
        EXPECT_EQ(dialogs.lastMessage(), QString()) << i;
    }
}
