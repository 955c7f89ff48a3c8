// The probability lab as a pupil uses it: models from the buttons and the
// page, experiments and series, recolouring balls, events built by clicking
// outcomes, the scale buttons and what the panels show.
#include "probabilitylabtest.h"
#include "labs/probability/paintedcontrols.h"
#include "probability/laplas.h"
#include "ui/htmlview.h"
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace probability;
using probabilitylab::ModelPage;

TEST_F(Lab16Test, FirstShowSetsThreeCoinsOrderNotCounted)
{
    TLaplas& laplas = *lab->Laplas;
    EXPECT_EQ(laplas.ModelKind(), kCoins);
    EXPECT_EQ(laplas.DrawCount(), 3);
    EXPECT_EQ(laplas.View(), 1);
    EXPECT_EQ(laplas.RowCount(), 4);
    EXPECT_EQ(lab->Grid1->rowCount(), 5); // with the summary row
    EXPECT_EQ(lab->HTML->CurrentFile(), ModelPage(kCoins));
    EXPECT_EQ(lab->HTML->GetFormValue("CountGet"), "3");
    EXPECT_EQ(lab->HTML->GetFormValue("Tip1"), "не будем");
    EXPECT_TRUE(lab->bt1->isChecked());
    EXPECT_TRUE(lab->PBox->isVisible());
    EXPECT_FALSE(lab->grBox->isVisible());
    EXPECT_FALSE(lab->ComboColor->isVisible());
    EXPECT_EQ(lab->ComboBox1->currentIndex(), 0);
    EXPECT_EQ(lab->CurrentColor(), 4);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(Lab16Test, DiceButtonThenOrderCountedOnThePage)
{
    QTest::mouseClick(lab->bt2, Qt::LeftButton);
    TLaplas& laplas = *lab->Laplas;
    EXPECT_EQ(laplas.ModelKind(), kDice);
    EXPECT_EQ(laplas.RowCount(), 21);
    EXPECT_EQ(lab->HTML->CurrentFile(), ModelPage(kDice));
    EXPECT_EQ(lab->HTML->GetFormValue("CountGet"), "2");
    EXPECT_EQ(lab->HTML->GetFormValue("Tip1"), "не будем");
    EXPECT_TRUE(lab->bt2->isChecked());
    EXPECT_FALSE(lab->bt1->isChecked());

    confirm({"Tip1=будем"});
    EXPECT_EQ(laplas.View(), 0);
    EXPECT_EQ(laplas.RowCount(), 36);
    EXPECT_EQ(lab->Grid1->rowCount(), 37);

    // Pressing the model's button again keeps it down and sets its defaults.
    QTest::mouseClick(lab->bt2, Qt::LeftButton);
    EXPECT_TRUE(lab->bt2->isChecked());
    EXPECT_EQ(laplas.ModelKind(), kDice);
}

TEST_F(Lab16Test, OkRefusesNumbersOutsideTheModelsRangeAndKeepsTheModel)
{
    QTest::mouseClick(lab->bt4, Qt::LeftButton);
    TLaplas& laplas = *lab->Laplas;
    for (const QString& bad : {QStringLiteral("CountGet=abc"), QStringLiteral("CountGet=0"),
                               QStringLiteral("CountGet=121"), QStringLiteral("CountGet=300"),
                               QStringLiteral("Count=-4"), QStringLiteral("Count=")}) {
        dialogs.messages.clear();
        lab->HTML->SetFormValues({"Count=4", "CountGet=2"});
        confirm({bad});
        EXPECT_EQ(dialogs.messages.size(), 1) << bad.toStdString();
        EXPECT_EQ(laplas.ElementCount(), 4);
        EXPECT_EQ(laplas.DrawCount(), 2);
    }
    // Without replacement no more balls are drawn than the urn holds.
    dialogs.messages.clear();
    confirm({"Count=3", "CountGet=5", "Tip1=будем", "Tip2=только их цвета"});
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(laplas.DrawCount(), 3);
    EXPECT_EQ(laplas.View(), 2);
    EXPECT_EQ(lab->HTML->GetFormValue("CountGet"), "3");
}

TEST_F(Lab16Test, RecolouringABallResetsExperimentsAndTakesEffectOnOk)
{
    QTest::mouseClick(lab->bt3, Qt::LeftButton);
    TLaplas& laplas = *lab->Laplas;
    EXPECT_TRUE(lab->grBox->isVisible());
    EXPECT_TRUE(lab->ComboColor->isVisible());
    for (int i = 0; i < 50; ++i) QTest::mouseClick(lab->btDo, Qt::LeftButton);
    EXPECT_EQ(laplas.ExperimentCount(), 50);
    EXPECT_EQ(lab->lbN->text(), "50");

    lab->ComboColor->setCurrentIndex(2); // red
    QTest::mouseClick(lab->grBox, Qt::LeftButton, {}, QPoint(2 * 31 + 15, 15)); // ball 3
    EXPECT_EQ(laplas.ExperimentCount(), 0);
    EXPECT_EQ(lab->lbN->text(), "0");
    EXPECT_EQ(laplas.BallColor(3), 2);
    EXPECT_EQ(laplas.ModelColor(3), 0);

    confirm({"Tip2=только их цвета"});
    EXPECT_EQ(laplas.ModelColor(3), 2);
    // Colours white and red, two draws with replacement, order not counted.
    EXPECT_EQ(laplas.View(), 3);
    EXPECT_EQ(laplas.RowCount(), 3);
    EXPECT_NEAR(laplas.ShownTable().Probability[0], 9.0 / 16, 1e-12);
}

TEST_F(Lab16Test, DrawnBallsLeaveTheUrnWithoutReplacement)
{
    QTest::mouseClick(lab->bt4, Qt::LeftButton);
    QTest::mouseClick(lab->btDo, Qt::LeftButton);
    const QList<int> drawn = lab->Laplas->CurrentOutcome();
    ASSERT_EQ(drawn.size(), 2);
    const QImage urn = lab->grBox->grab().toImage();
    const QImage got = lab->grGet->grab().toImage();
    const QColor background = lab->grBox->palette().color(QPalette::Window);
    const QColor white = BgrColor(BallPalette[0]);
    for (int ball = 1; ball <= 4; ++ball) {
        // Left of the number, inside the circle.
        const QPoint inside((ball - 1) * 31 + 6, 15);
        EXPECT_EQ(urn.pixelColor(inside), drawn.contains(ball) ? background : white) << ball;
    }
    EXPECT_EQ(got.pixelColor(6, 15), white);
    EXPECT_EQ(got.pixelColor(31 + 6, 15), white);
}

TEST_F(Lab16Test, PGetShowsTheDiceOfTheLastExperiment)
{
    QTest::mouseClick(lab->bt2, Qt::LeftButton);
    const QColor background = lab->PGet->palette().color(QPalette::Window);
    EXPECT_EQ(lab->PGet->grab().toImage().pixelColor(45, 15), background);
    for (int i = 0; i < 5; ++i) {
        QTest::mouseClick(lab->btDo, Qt::LeftButton);
        const int row = lab->Laplas->ShownIndex();
        ASSERT_GE(row, 0);
        // Die i (from 1) of the shown row at x = 30 * i; the white around it is transparent.
        const QImage shown = lab->PGet->grab().toImage();
        for (int die = 1; die <= 2; ++die)
            EXPECT_EQ(shown.pixelColor(30 * die + 15, 15), DieColour(lab->Laplas->ShownTable().Rows[row][die - 1]));
        EXPECT_EQ(shown.pixelColor(30 + 1, 15), background);
    }
}

TEST_F(Lab16Test, EventOfSumSevenBuiltByClickingOutcomes)
{
    QTest::mouseClick(lab->bt2, Qt::LeftButton);
    confirm({"Tip1=будем"});
    TLaplas& laplas = *lab->Laplas;
    for (int i = 0; i < 36; ++i) QTest::mouseClick(lab->btDo, Qt::LeftButton);
    const int hitsOfSeven = [&] {
        int hits = 0;
        for (int r = 0; r < 36; ++r)
            if (laplas.ShownTable().Rows[r][0] + laplas.ShownTable().Rows[r][1] == 7)
                hits += laplas.ShownTable().Frequency[r];
        return hits;
    }();

    QTest::mouseClick(lab->btAdd, Qt::LeftButton);
    EXPECT_EQ(notes, QStringList{"Чтобы сформировать событие, щелкайте по исходам"});
    ASSERT_EQ(laplas.EventCount(), 1);
    // Rows [1,6], [2,5], ... [6,1] are rows 5, 10, 15, 20, 25, 30 (from 0).
    for (int row : {5, 10, 15, 20, 25, 30}) {
        lab->Grid1->verticalScrollBar()->setValue(row);
        clickOutcome(row);
    }
    EXPECT_NEAR(laplas.Event(0).Probability, 1.0 / 6, 1e-12);
    EXPECT_EQ(laplas.Event(0).Hits, hitsOfSeven); // past hits count at once
    EXPECT_EQ(laplas.EventProbabilityText(0), "0,1667");

    // A second event; a click in the first column of the event table selects A again.
    QTest::mouseClick(lab->btAdd, Qt::LeftButton);
    EXPECT_EQ(laplas.SelectedEvent(), 1);
    QTest::mouseClick(lab->Grid2, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(laplas.SelectedEvent(), 0);
    QTest::mouseClick(lab->btDel, Qt::LeftButton);
    EXPECT_EQ(laplas.EventCount(), 1);
}

TEST_F(Lab16Test, SeriesRunsOneExperimentPerTickAndStopsAtTheLimit)
{
    EXPECT_EQ(lab->SeriesTimer->interval(), 30);
    QTest::keyClicks(lab->edMaxExp, "4");
    EXPECT_EQ(lab->Laplas->MaxExp(), 4);
    // Connected after the lab: sees the count each tick left.
    QList<int> countAfterTick;
    QObject::connect(lab->SeriesTimer, &QTimer::timeout, lab.get(),
                     [&] { countAfterTick.append(lab->Laplas->ExperimentCount()); });
    QTest::mouseClick(lab->btStart, Qt::LeftButton);
    EXPECT_TRUE(lab->SeriesTimer->isActive());
    EXPECT_EQ(lab->Laplas->ExperimentCount(), 0); // nothing before the first tick
    ASSERT_TRUE(WaitUntil([&] { return !lab->SeriesTimer->isActive(); }, 5000));
    EXPECT_EQ(countAfterTick, (QList<int>{1, 2, 3, 4}));
    EXPECT_EQ(lab->lbN->text(), "4");

    // Pause stops a series without a limit; reset clears the count.
    lab->edMaxExp->clear();
    QTest::mouseClick(lab->btStart, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return lab->Laplas->ExperimentCount() >= 6; }, 5000));
    QTest::mouseClick(lab->btPause, Qt::LeftButton);
    EXPECT_FALSE(lab->SeriesTimer->isActive());
    QTest::mouseClick(lab->btStop, Qt::LeftButton);
    EXPECT_EQ(lab->Laplas->ExperimentCount(), 0);
    EXPECT_EQ(lab->lbN->text(), "0");
}

TEST_F(Lab16Test, ModeComboAndScaleButtonsStayWithinTheirBounds)
{
    lab->ComboBox1->setCurrentIndex(2);
    EXPECT_EQ(lab->Laplas->Mode(), 2);
    for (int i = 0; i < 5; ++i) lab->ScaleStep(3);
    EXPECT_EQ(lab->Laplas->BarScale(), 100);
    for (int i = 0; i < 120; ++i) lab->ScaleStep(4);
    EXPECT_EQ(lab->Laplas->BarScale(), 1000);
    lab->ScaleStep(3);
    EXPECT_EQ(lab->Laplas->BarScale(), 990);
    for (int i = 0; i < 40; ++i) lab->ScaleStep(1);
    EXPECT_EQ(lab->Grid1->rowHeight(), 4);
    for (int i = 0; i < 40; ++i) lab->ScaleStep(2);
    EXPECT_EQ(lab->Grid1->rowHeight(), 30);

    // Holding a scale button repeats its step on TimeMash; releasing stops it.
    QTest::mousePress(lab->scaleButtons[0], Qt::LeftButton);
    EXPECT_EQ(lab->Grid1->rowHeight(), 29);
    EXPECT_TRUE(lab->TimeMash->isActive());
    ASSERT_TRUE(WaitUntil([&] { return lab->Grid1->rowHeight() <= 27; }, 5000));
    QTest::mouseRelease(lab->scaleButtons[0], Qt::LeftButton);
    EXPECT_FALSE(lab->TimeMash->isActive());
}

TEST_F(Lab16Test, WhatIsThisOnAControlAsksForItsHelp)
{
    const QList<QWidget*>& asked = shellCalls.controlsAsked;
    for (QWidget* control : {static_cast<QWidget*>(lab->btOK), static_cast<QWidget*>(lab->Grid1),
                             static_cast<QWidget*>(lab->bt3)}) {
        emit control->customContextMenuRequested(QPoint(2, 2));
        QMenu* menu = nullptr;
        for (QMenu* candidate : lab->findChildren<QMenu*>())
            if (candidate->isVisible()) menu = candidate;
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(menu->actions().size(), 1);
        EXPECT_EQ(menu->actions()[0]->text(), "Что это такое?");
        menu->actions()[0]->trigger();
        menu->close();
    }
    EXPECT_EQ(asked, (QList<QWidget*>{lab->btOK, lab->Grid1, lab->bt3}));
}

TEST_F(Lab16Test, OutcomeBeyondTheCutTableShowsAsDrawn)
{
    // Ten dice, order not counted: 3003 outcomes, of which the table keeps 1000.
    QTest::mouseClick(lab->bt2, Qt::LeftButton);
    confirm({"CountGet=10"});
    ASSERT_EQ(lab->Laplas->RowCount(), 1000);
    int experiments = 0;
    do QTest::mouseClick(lab->btDo, Qt::LeftButton);
    while (lab->Laplas->ShownIndex() >= 0 && ++experiments < 200);
    ASSERT_EQ(lab->Laplas->ShownIndex(), -1);
    const QList<int> outcome = lab->Laplas->CurrentOutcome();
    ASSERT_EQ(outcome.size(), 10);
    const QImage shown = lab->PGet->grab().toImage();
    for (int die = 1; die <= 10; ++die) EXPECT_EQ(shown.pixelColor(30 * die + 15, 15), DieColour(outcome[die - 1]));
}
