// Lab files of the probability lab: the window part and the engine's section
// written and read back byte for byte, the fixed seed after a load, a series
// started by a loaded file, malformed files refused with a message, and the
// examples of the course.
#include "probabilitylabtest.h"
#include "labs/probability/format/labformat.h"
#include "labs/probability/paintedcontrols.h"
#include "probability/laplas.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "ui/htmlview.h"
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QPushButton>

using namespace probability;

namespace {

QList<QList<int>> TenOutcomes(TLaplas& laplas)
{
    QList<QList<int>> outcomes;
    for (int i = 0; i < 10; ++i) {
        laplas.RunOne();
        outcomes.append(laplas.CurrentOutcome());
    }
    return outcomes;
}

} // namespace

class Lab16FileTest : public Lab16Test {
protected:
    // An urn of three red and two blue balls, two drawn without replacement,
    // colours only, order not counted; events "two of one colour" and
    // "red and blue"; frequencies shown, a few experiments made.
    void buildUrnScene()
    {
        QTest::mouseClick(lab->bt4, Qt::LeftButton);
        confirm({"Count=5", "CountGet=2"});
        for (int ball = 1; ball <= 5; ++ball) {
            lab->ComboColor->setCurrentIndex(ball <= 3 ? 2 : 5);
            QTest::mouseClick(lab->grBox, Qt::LeftButton, {}, QPoint((ball - 1) * 31 + 10, 10));
        }
        confirm({"Tip2=только их цвета"});
        QTest::mouseClick(lab->btAdd, Qt::LeftButton);
        clickOutcome(0); // [red, red]
        clickOutcome(2); // [blue, blue]
        QTest::mouseClick(lab->btAdd, Qt::LeftButton);
        clickOutcome(1); // [red, blue]
        lab->ComboBox1->setCurrentIndex(1);
        for (int i = 0; i < 7; ++i) QTest::mouseClick(lab->btDo, Qt::LeftButton);
    }

    QByteArray saved(const QString& name)
    {
        EXPECT_TRUE(lab->SaveLabFile(real(name)));
        return readBytes(name);
    }
};

TEST_F(Lab16FileTest, SaveClearLoadGivesTheSameFileAndScene)
{
    buildUrnScene();
    TLaplas& laplas = *lab->Laplas;
    ASSERT_EQ(laplas.View(), 3);
    ASSERT_EQ(laplas.RowCount(), 3);
    EXPECT_NEAR(laplas.Event(0).Probability, 0.4, 1e-12);
    EXPECT_NEAR(laplas.Event(1).Probability, 0.6, 1e-12);

    const QByteArray first = saved("urn.LAB");
    const QString text = QString::fromLatin1(first);
    EXPECT_TRUE(text.startsWith("16\r\nbtClear=10\r\nbtLoad=10\r\nbtSave=10\r\nbtExample=10\r\n"
                                "bt1=10\r\nbt2=10\r\nbt3=10\r\nbt4=11\r\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("\r\nComboColor=5\r\n"));
    EXPECT_TRUE(text.contains("\r\nComboBox1=1\r\n"));
    EXPECT_TRUE(text.endsWith("\r\nTimeMash=0\r\n#\r\n4 5 2 3\r\n 2 2 2 5 5\r\n 1 3\r\n 2\r\n")) << text.toStdString();

    QTest::mouseClick(lab->btClear, Qt::LeftButton);
    EXPECT_EQ(laplas.EventCount(), 0);
    EXPECT_EQ(laplas.ExperimentCount(), 0);
    EXPECT_EQ(laplas.SelectedEvent(), -1);

    QTest::mouseClick(lab->bt1, Qt::LeftButton); // another model in between
    lab->ComboBox1->setCurrentIndex(0);
    ASSERT_TRUE(lab->LoadLabFile(real("urn.LAB")));
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(laplas.ModelKind(), kBallsWithoutReplacement);
    EXPECT_TRUE(lab->bt4->isChecked());
    EXPECT_FALSE(lab->bt1->isChecked());
    EXPECT_EQ(laplas.Mode(), 1);
    EXPECT_EQ(laplas.EventCount(), 2);
    EXPECT_EQ(laplas.ExperimentCount(), 0);
    EXPECT_NEAR(laplas.Event(1).Probability, 0.6, 1e-12);
    EXPECT_EQ(lab->HTML->GetFormValue("Count"), "5");
    EXPECT_EQ(lab->HTML->GetFormValue("Tip2"), "только их цвета");
    EXPECT_EQ(saved("again.LAB"), first);
}

TEST_F(Lab16FileTest, EventWithoutRowsSurvivesTheRoundTripAndPanelsKeepTheirPlace)
{
    QTest::mouseClick(lab->bt2, Qt::LeftButton);
    QTest::mouseClick(lab->btAdd, Qt::LeftButton);
    QTest::mouseClick(lab->btAdd, Qt::LeftButton);
    clickOutcome(3);
    const QRect panel = lab->Panel2->geometry();
    const QByteArray first = saved("dice.LAB");
    EXPECT_TRUE(QString::fromLatin1(first).endsWith("#\r\n2 6 2 1\r\n 0 0 0 0 0 0\r\n\r\n 4\r\n"));
    ASSERT_TRUE(lab->LoadLabFile(real("dice.LAB")));
    EXPECT_EQ(lab->Laplas->EventCount(), 2);
    EXPECT_FALSE(lab->Laplas->EventHasRow(0, 3));
    EXPECT_TRUE(lab->Laplas->EventHasRow(1, 3));
    EXPECT_EQ(saved("dice2.LAB"), first);

    // Panel sizes from a file made in a window of another size yield to the layout.
    const QRect events = lab->PEvents->geometry();
    writeLines("small.LAB", {"16", "Panel2=300 100", "PEvents=50 20", "#", "2 6 2 1", " 0 0 0 0 0 0"});
    ASSERT_TRUE(lab->LoadLabFile(real("small.LAB")));
    EXPECT_EQ(lab->Panel2->geometry(), panel);
    EXPECT_EQ(lab->PEvents->geometry(), events);
}

TEST_F(Lab16FileTest, LoadedSceneRepeatsItsExperiments)
{
    buildUrnScene();
    saved("urn.LAB");
    ASSERT_TRUE(lab->LoadLabFile(real("urn.LAB")));
    const auto first = TenOutcomes(*lab->Laplas);
    lab->Laplas->RunOne(); // the generator moves on
    ASSERT_TRUE(lab->LoadLabFile(real("urn.LAB")));
    EXPECT_EQ(TenOutcomes(*lab->Laplas), first);
}

TEST_F(Lab16FileTest, NumberInMaxExpStartsTheSeriesOnLoad)
{
    QTest::keyClicks(lab->edMaxExp, "3");
    saved("series.LAB");
    QTest::mouseClick(lab->btClear, Qt::LeftButton);
    EXPECT_TRUE(lab->edMaxExp->text().isEmpty());
    EXPECT_EQ(lab->Laplas->MaxExp(), 0);
    ASSERT_TRUE(lab->LoadLabFile(real("series.LAB")));
    EXPECT_TRUE(lab->SeriesTimer->isActive());
    ASSERT_TRUE(WaitUntil([&] { return !lab->SeriesTimer->isActive(); }, 5000));
    EXPECT_EQ(lab->Laplas->ExperimentCount(), 3);
}

TEST_F(Lab16FileTest, MalformedFilesAreRefusedWithAMessage)
{
    const QStringList window = {"16", "bt2=11", "#"};
    const QList<QStringList> engines = {
        {},                                  // no model line
        {"2 6 x 1"},                         // text instead of a number
        {"2 6 2"},                           // too few numbers
        {"2 0 2 1"},                         // n out of range
        {"1 2 121 0"},                       // k out of range
        {"5 2 2 0"},                         // no such kind
        {"2 6 2 4"},                         // no such view
        {"3 2 2 2", " 1 12"},                // no such colour
        {"2 6 2 1", "", " 1 1001"},          // row beyond 1000
        {"2 6 2 1", "", " 0"},               // rows count from 1
        {"2 6 2 1", "", " 22"},              // beyond the 21 rows of the table
        {"2 6 2 1", "", " 99999999999999"},  // beyond any integer
        {"2 6 2 1", "", "", "", "", "", "", ""}, // six events
    };
    const labframe::LabFormat format = probabilitylab::Lab16Format();
    for (const QStringList& engine : engines) {
        dialogs.messages.clear();
        writeLines("bad.LAB", window + engine);
        EXPECT_FALSE(lab->LoadLabFile(real("bad.LAB"))) << engine.join('|').toStdString();
        EXPECT_EQ(dialogs.messages.size(), 1) << engine.join('|').toStdString();
        // Checked without the window: the same message, at the engine's first line.
        const auto refusal = labframe::CheckLabText(format, (window + engine).join("\r\n") + "\r\n");
        ASSERT_TRUE(refusal.has_value()) << engine.join('|').toStdString();
        EXPECT_EQ(refusal->message, dialogs.lastMessage());
        EXPECT_EQ(refusal->line, 4);
        EXPECT_LE(lab->Laplas->EventCount(), 5);
        // The lab goes on working.
        lab->Laplas->RunOne();
    }
    dialogs.messages.clear();
    writeLines("other.LAB", {"3", "#", "2 6 2 1"});
    EXPECT_FALSE(lab->LoadLabFile(real("other.LAB")));
    EXPECT_EQ(dialogs.lastMessage(), "Неверный формат файла");
}

// The examples of the course, taken from content/ into this test's program folder.
TEST_F(Lab16FileTest, EveryExampleOfTheCourseLoadsWithoutMessage)
{
    const QDir source(SampleCoursePath(QStringLiteral("LABS/LAB16")));
    ASSERT_TRUE(source.exists("examples.txt"));
    for (const QString& name : source.entryList({"*.txt", "*.LAB", "*.htm"}, QDir::Files)) {
        QFile file(source.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        writeLines("LABS\\LAB16\\" + name, QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts));
    }
    // The window builds its example menu on its first showing.
    lab = std::make_unique<probabilitylab::TfmLab16>();
    lab->show();
    const QList<QAction*> items = lab->PopupEx->actions();
    ASSERT_GE(items.size(), 4);
    for (QAction* item : items) {
        lab->SeriesTimer->stop();
        item->trigger();
        EXPECT_TRUE(dialogs.messages.isEmpty()) << item->text().toStdString() << ": "
                                                << dialogs.lastMessage().toStdString();
        EXPECT_EQ(lab->lbExample->text(), "( " + item->text() + " )");
        EXPECT_NE(lab->Laplas->ModelKind(), kNoModel);
    }
    // The same files checked without a window.
    for (int i = 0; i < items.size(); ++i) {
        const QString text = base::ReadText(QString("LABS\\LAB16\\%1.LAB").arg(i));
        const auto refusal = labframe::CheckLabText(probabilitylab::Lab16Format(), text);
        EXPECT_FALSE(refusal) << i << ": " << refusal->message.toStdString();
    }
}

// The format the course checker reads lab 16 files with lists the window's
// own controls, in the window's order.
TEST_F(Lab16FileTest, FormatListsTheControlsOfTheWindow)
{
    EXPECT_EQ(probabilitylab::Lab16Format().controls, labframe::ControlFormats(lab->components()));
}

TEST_F(Lab16FileTest, SceneWithoutModelShowsNoModelUntilAButtonIsPressed)
{
    writeLines("none.LAB", {"16", "#", "0 2 2 1", ""});
    ASSERT_TRUE(lab->LoadLabFile(real("none.LAB")));
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(lab->Laplas->ModelKind(), kNoModel);
    for (QToolButton* button : lab->modelButtons) EXPECT_FALSE(button->isChecked());
    EXPECT_FALSE(lab->PBox->isVisible());
    EXPECT_FALSE(lab->grBox->isVisible());
    QTest::mouseClick(lab->btDo, Qt::LeftButton);
    QTest::mouseClick(lab->btOK, Qt::LeftButton);
    EXPECT_EQ(lab->Laplas->ExperimentCount(), 0);
    lab->grab(); // paints the empty tables
    QTest::mouseClick(lab->bt3, Qt::LeftButton);
    EXPECT_EQ(lab->Laplas->ModelKind(), kBallsWithReplacement);
    EXPECT_TRUE(lab->bt3->isChecked());
}
