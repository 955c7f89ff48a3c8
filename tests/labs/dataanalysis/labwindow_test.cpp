#include "labframe/labregistry.h"
#include "labs/dataanalysis/format/labformat.h"
#include "labs/dataanalysis/labwindow.h"
#include "labs/dataanalysis/statwindow.h"
#include "support/fakedialogs.h"
#include "support/shellcallsrecorder.h"
#include "support/testsupport.h"
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QLineSeries>
#include <QPieSeries>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <memory>

using dataanalysis::CellPos;
using dataanalysis::CellRange;
using dataanalysislab::TfmLab17;

namespace {

class Lab17Test : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        lab = std::make_unique<TfmLab17>();
        lab->resize(1000, 700);
        lab->show();
        QTest::qWait(1);
    }
    void TearDown() override
    {
        lab.reset();
        labframe::ReleaseLabs();
        ProgramFolderTest::TearDown();
    }
    // Types into a cell through the grid's editor, as a pupil does.
    void type(CellPos cell, const QString& text)
    {
        const QModelIndex index = lab->Grid->model()->index(cell.row - 1, cell.col - 1);
        lab->Grid->setCurrentIndex(index);
        lab->Grid->edit(index);
        auto* editor = qobject_cast<QLineEdit*>(lab->Grid->indexWidget(index));
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        editor->insert(text); // QTest types Latin keys only
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents(); // the grid commits a finished edit queued
        ASSERT_EQ(lab->Lab().sheet().input(cell), text) << "editor " << editor->text().toStdString();
    }
    QList<QPointF> linePoints(int series) const
    {
        const auto all = lab->Chart->chart()->series();
        auto* line = qobject_cast<QLineSeries*>(all.value(series));
        return line ? line->points() : QList<QPointF>();
    }
    QString file(const QString& name) const { return m_dir.path() + u'/' + name; }

    FakeDialogs dialogs;
    ShellCallsRecorder shellCalls;
    std::unique_ptr<TfmLab17> lab;
};

} // namespace

TEST_F(Lab17Test, FormatListsTheControlsOfTheWindow)
{
    EXPECT_EQ(dataanalysislab::Lab17Format().controls, labframe::ControlFormats(lab->components()));
}

TEST_F(Lab17Test, TypingIntoACellChangesTheDiagramAndTheStatistics)
{
    type({1, 1}, "1");
    type({2, 1}, "2");
    type({3, 1}, "=A1+A2");
    lab->Select({1, 1, 1, 3});
    lab->btY->click();
    EXPECT_EQ(linePoints(0), (QList<QPointF>{{1, 1}, {2, 2}, {3, 3}}));
    EXPECT_EQ(lab->ffStat->Grid->item(0, 1)->text(), QStringLiteral("2,000"));

    type({1, 1}, "10");
    EXPECT_EQ(linePoints(0), (QList<QPointF>{{1, 10}, {2, 2}, {3, 12}})) << "the formula's point follows A1";
    EXPECT_EQ(lab->ffStat->Grid->item(0, 3)->text(), QStringLiteral("12,000"));
}

TEST_F(Lab17Test, CommandsOnASingleCellTellTheirNotes)
{
    lab->Select({2, 2, 2, 2});
    lab->btY->click();
    lab->btSUM->click();
    lab->btMovAvr->click();
    lab->btX->click();
    ASSERT_EQ(shellCalls.notes.size(), 4);
    EXPECT_EQ(shellCalls.notes[0], QStringLiteral("Сначала выделите область данных"));
    EXPECT_EQ(shellCalls.notes[1], QStringLiteral("Сначала выделите область данных для суммирования"));
    EXPECT_EQ(shellCalls.notes[2], QStringLiteral("Сначала выделите область данных для сглаживания"));
    EXPECT_EQ(shellCalls.notes[3], QStringLiteral("Сначала добавьте ряд"));
    EXPECT_TRUE(shellCalls.calls.contains(QStringLiteral("note Сначала выделите область данных/5")))
        << shellCalls.calls.join(u'|').toStdString();
}

TEST_F(Lab17Test, KindButtonsRedrawEverySeriesAsPies)
{
    for (int row = 1; row <= 3; ++row) type({row, 1}, QString::number(row));
    lab->Select({1, 1, 1, 3});
    lab->btY->click();
    lab->btPie->click();
    const auto series = lab->Chart->chart()->series();
    ASSERT_EQ(series.size(), 1);
    auto* pie = qobject_cast<QPieSeries*>(series[0]);
    ASSERT_NE(pie, nullptr);
    EXPECT_EQ(pie->count(), 3);
    EXPECT_TRUE(pie->slices()[0]->isLabelVisible());
    lab->btLine->click();
    EXPECT_EQ(linePoints(0).size(), 3);
}

TEST_F(Lab17Test, SavedLabReloadsCellsSeriesKindAndTitles)
{
    type({1, 1}, "январь");
    type({1, 2}, "февраль");
    type({2, 1}, "-5,5");
    type({2, 2}, "=A2+3");
    lab->Select({1, 2, 2, 2});
    lab->btY->click();
    lab->Select({1, 1, 2, 1});
    lab->btX->click();
    lab->btBar->click();
    lab->ffStat->Grid->item(0, 0)->setText(QStringLiteral("Температура"));
    ASSERT_TRUE(lab->SaveLabFile(file("data.LAB")));
    EXPECT_TRUE(QFile::exists(file("data.XLS")));

    lab->btClear->click();
    EXPECT_TRUE(lab->Lab().series().empty());
    EXPECT_TRUE(lab->Lab().sheet().inputs().empty());

    ASSERT_TRUE(lab->LoadLabFile(file("data.LAB")));
    ASSERT_EQ(lab->Lab().series().size(), 1u);
    EXPECT_EQ(lab->Lab().series()[0].title, QStringLiteral("Температура"));
    EXPECT_EQ(lab->Lab().kind(), dataanalysis::ChartKind::Bar);
    EXPECT_TRUE(lab->btBar->isChecked());
    EXPECT_EQ(lab->Lab().sheet().input({2, 2}), QStringLiteral("=A2+3"));
    EXPECT_EQ(lab->Lab().Values(0), (std::vector<std::optional<double>>{-5.5, -2.5}));
    EXPECT_EQ(lab->Lab().Labels(0), (QStringList{"январь", "февраль"}));
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.lastMessage().toStdString();
}

TEST_F(Lab17Test, ALabFileIsNotClaimedSavedWhenItsWorkbookCannotBeWritten)
{
    type({1, 1}, "1");
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("data.XLS")));
    EXPECT_FALSE(lab->SaveLabFile(file("data.LAB")));
    EXPECT_FALSE(QFile::exists(file("data.LAB")));
    EXPECT_TRUE(dialogs.lastMessage().contains(QStringLiteral("рабочую книгу")));

    // A name that does not end in LAB would pair with some other file.
    QFile other(file("notes"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("keep me");
    other.close();
    EXPECT_FALSE(lab->SaveLabFile(file("notes.txt")));
    EXPECT_FALSE(lab->SaveLabFile(file("AB")));
    EXPECT_TRUE(dialogs.lastMessage().contains(QStringLiteral("LAB")));
    EXPECT_FALSE(QFile::exists(file("notes.tXLS")));
}

TEST_F(Lab17Test, HostileSectionIsRefusedAndLeavesNoSeries)
{
    writeLines(QStringLiteral("bad.LAB"), {"17", "#", "1 1 1 3 0 0 0 -1 -1 ok", "1 1 500 3 0 0 0 -1 -1 wide"});
    EXPECT_FALSE(lab->LoadLabFile(real(QStringLiteral("bad.LAB"))));
    EXPECT_TRUE(lab->Lab().series().empty());
    EXPECT_TRUE(dialogs.lastMessage().contains(QStringLiteral("Строка 4")));
}

TEST_F(Lab17Test, CopyPasteAndDeleteWorkOnTheSelection)
{
    type({1, 1}, "1");
    type({1, 2}, "=A1*2");
    lab->Select({1, 1, 2, 1});
    lab->btCopy->click();
    lab->Select({1, 3, 1, 3});
    lab->btPaste->click();
    EXPECT_EQ(lab->Lab().sheet().input({3, 1}), QStringLiteral("1"));
    EXPECT_EQ(lab->Lab().sheet().input({3, 2}), QStringLiteral("=A1*2"));
    lab->Select({1, 3, 2, 3});
    QTest::keyClick(lab->Grid, Qt::Key_Delete);
    EXPECT_EQ(lab->Lab().sheet().input({3, 1}), QString());
    EXPECT_EQ(lab->Lab().sheet().input({3, 2}), QString());
    EXPECT_EQ(lab->Lab().sheet().input({1, 1}), QStringLiteral("1"));
}

TEST_F(Lab17Test, StatisticsWindowFollowsTheButtonAndChoosesTheCurrentSeries)
{
    for (int row = 1; row <= 2; ++row) type({row, 1}, QString::number(row)), type({row, 2}, QString::number(row));
    lab->Select({1, 1, 1, 2});
    lab->btY->click();
    lab->Select({2, 1, 2, 2});
    lab->btY->click();
    EXPECT_EQ(lab->Lab().current(), 1);
    lab->btStat->click();
    EXPECT_TRUE(lab->ffStat->isVisible());
    EXPECT_EQ(lab->ffStat->Grid->rowCount(), 2);
    lab->ffStat->Grid->setCurrentCell(0, 2);
    EXPECT_EQ(lab->Lab().current(), 0);
    EXPECT_EQ(lab->ffStat->Grid->currentColumn(), 0) << "only titles are chosen";
    lab->ffStat->close();
    EXPECT_FALSE(lab->btStat->isChecked());
}
