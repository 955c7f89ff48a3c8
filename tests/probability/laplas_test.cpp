#include "probability/laplas.h"
#include "base/random.h"
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <set>

using namespace probability;

namespace {

QList<int> RowOf(const TLaplas& lab, int row)
{
    QList<int> values;
    for (int i = 0; i < lab.DrawCount(); ++i) values.append(lab.ShownTable().Rows[row][i]);
    return values;
}

int RowWith(const TLaplas& lab, const QList<int>& values)
{
    for (int r = 0; r < lab.RowCount(); ++r)
        if (RowOf(lab, r) == values) return r;
    return -1;
}

// A seed whose first draw below range satisfies the condition.
uint32_t SeedWhere(int range, const std::function<bool(int)>& condition)
{
    for (uint32_t seed = 1;; ++seed) {
        base::SetRandomSeed(seed);
        if (condition(base::RandomInt(range))) return seed;
    }
}

class LaplasTest : public ::testing::Test {
protected:
    void SetUp() override { base::SetRandomSeed(8); }
    TLaplas lab;
};

} // namespace

TEST_F(LaplasTest, StartsWithoutModelAndIgnoresBadParameters)
{
    EXPECT_EQ(lab.ModelKind(), kNoModel);
    EXPECT_EQ(lab.ElementCount(), 2);
    EXPECT_EQ(lab.DrawCount(), 2);
    EXPECT_EQ(lab.View(), 1);
    EXPECT_EQ(lab.BarScale(), 100);
    EXPECT_EQ(lab.RowCount(), 0);
    lab.RunOne(); // nothing to draw from
    EXPECT_EQ(lab.ExperimentCount(), 0);

    lab.SetModel(kDice, 6, 0, 2);
    const std::array<int, 4> ignored[] = {{kDice, 0, 0, 2}, {kDice, 121, 0, 2}, {kDice, 6, 0, 0},
                                          {kDice, 6, 0, 121}, {5, 6, 0, 2}, {kDice, 6, 4, 2}, {-1, 6, 0, 2}};
    for (auto [kind, n, view, k] : ignored) {
        lab.SetModel(kind, n, view, k);
        EXPECT_EQ(lab.RowCount(), 36) << kind << " " << n << " " << view << " " << k;
    }
    lab.SetModel(kBallsWithoutReplacement, 4, 0, 5);
    EXPECT_EQ(lab.DrawCount(), 4);
    EXPECT_EQ(lab.Total(), 24);
}

TEST_F(LaplasTest, ThreeCoins)
{
    lab.SetModel(kCoins, 2, 1, 3);
    ASSERT_EQ(lab.RowCount(), 4);
    const QList<QList<int>> rows = {{1, 1, 1}, {1, 1, 2}, {1, 2, 2}, {2, 2, 2}};
    const QStringList texts = {"0,1250", "0,3750", "0,3750", "0,1250"};
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(RowOf(lab, r), rows[r]);
        EXPECT_EQ(lab.OutcomeValueText(r), texts[r]);
    }
    EXPECT_EQ(lab.SummaryText(), "Всего исходов - 4");

    lab.SetModel(kCoins, 2, 0, 3);
    ASSERT_EQ(lab.RowCount(), 8);
    for (int r = 0; r < 8; ++r) EXPECT_EQ(lab.OutcomeValueText(r), "0,1250");
    EXPECT_EQ(lab.SummaryText(), "Всего исходов - 8");
}

TEST_F(LaplasTest, TwoDiceOrderNotCounted)
{
    lab.SetModel(kDice, 6, 1, 2);
    EXPECT_EQ(lab.RowCount(), 21);
    EXPECT_EQ(lab.OutcomeValueText(RowWith(lab, {1, 2})), "0,0556");
    EXPECT_EQ(lab.OutcomeValueText(RowWith(lab, {3, 3})), "0,0278");
}

TEST_F(LaplasTest, TenCoinsCutAtThousandRows)
{
    lab.SetModel(kCoins, 2, 0, 10);
    EXPECT_EQ(lab.RowCount(), 1000);
    EXPECT_EQ(lab.Total(), 1024);
    EXPECT_EQ(lab.SummaryText(), ". . .  Всего исходов - 1024");
    lab.AddEvent();
    for (int r = 0; r < 1000; ++r) lab.Grid1MouseDown(r);

    base::SetRandomSeed(SeedWhere(1024, [](int r) { return r >= 1000; }));
    lab.RunOne();
    EXPECT_EQ(lab.ExperimentCount(), 1);
    EXPECT_EQ(lab.ShownIndex(), -1);
    EXPECT_EQ(lab.TableIndex(0), -1);
    EXPECT_EQ(lab.Event(0).Hits, 0);
    int frequencies = 0;
    for (int r = 0; r < 1000; ++r) frequencies += lab.ShownTable().Frequency[r];
    EXPECT_EQ(frequencies, 0);
    // The outcome is still known and lies past the last kept row.
    const QList<int> outcome = lab.CurrentOutcome();
    ASSERT_EQ(outcome.size(), 10);
    EXPECT_EQ(outcome.mid(0, 5), QList<int>({2, 2, 2, 2, 2}));
    // Its row still exists in the sorted table.
    EXPECT_GE(lab.TableIndex(1), 0);
}

TEST_F(LaplasTest, SummaryRowOfSaturatedAndExactTotals)
{
    lab.SetModel(kCoins, 2, 0, 31);
    EXPECT_EQ(lab.SummaryText(), ". . .  Всего исходов - более 2147483647");
    // Exactly a thousand outcomes: nothing was left out.
    lab.SetModel(kBallsWithReplacement, 10, 0, 3);
    EXPECT_EQ(lab.SummaryText(), "Всего исходов - 1000");
    // A colour table cut at 1000 rows does not know its total.
    for (int e = 1; e <= 10; ++e) lab.SetBallColor(e, e - 1);
    lab.SetModel(kBallsWithReplacement, 10, 2, 4);
    EXPECT_EQ(lab.SummaryText(), ". . .  Всего исходов - более 1000");
}

TEST_F(LaplasTest, BallsWithoutReplacementByColour)
{
    const int red = 2, blue = 5;
    for (int e = 1; e <= 4; ++e) lab.SetBallColor(e, e <= 2 ? red : blue);
    lab.SetModel(kBallsWithoutReplacement, 4, 3, 2);
    ASSERT_EQ(lab.RowCount(), 3);
    EXPECT_EQ(RowOf(lab, 0), QList<int>({red, red}));
    EXPECT_EQ(RowOf(lab, 1), QList<int>({red, blue}));
    EXPECT_EQ(RowOf(lab, 2), QList<int>({blue, blue}));
    EXPECT_NEAR(lab.ShownTable().Probability[0], 1.0 / 6, 1e-15);
    EXPECT_NEAR(lab.ShownTable().Probability[1], 4.0 / 6, 1e-15);
    EXPECT_NEAR(lab.ShownTable().Probability[2], 1.0 / 6, 1e-15);

    // Colours set later count only from the next model.
    lab.SetBallColor(4, red);
    EXPECT_EQ(lab.RowCount(), 3);
    lab.SetModel(kBallsWithoutReplacement, 4, 3, 2);
    EXPECT_EQ(lab.RowCount(), 2);
}

TEST_F(LaplasTest, ExperimentsAgreeAcrossTables)
{
    for (int e = 1; e <= 9; ++e) lab.SetBallColor(e, e % 3 * 2);
    for (int kind : {kBallsWithReplacement, kBallsWithoutReplacement}) {
        lab.SetModel(kind, 9, 3, 4);
        for (int i = 0; i < 300; ++i) {
            lab.RunOne();
            const QList<int> outcome = lab.CurrentOutcome();
            ASSERT_EQ(outcome.size(), 4);
            if (kind == kBallsWithoutReplacement) {
                EXPECT_EQ(std::set<int>(outcome.begin(), outcome.end()).size(), 4u);
            }
            QList<int> sorted = outcome, colours, sortedColours;
            std::sort(sorted.begin(), sorted.end());
            for (int v : outcome) colours.append(lab.BallColor(v));
            sortedColours = colours;
            std::sort(sortedColours.begin(), sortedColours.end());
            const QList<int> expected[] = {outcome, sorted, colours, sortedColours};
            for (int view = 0; view < kTableCount; ++view) {
                const int row = lab.TableIndex(view);
                if (row < 0) {
                    EXPECT_EQ(view, 0); // only 9^4 or 3024 sequences overflow
                    continue;
                }
                QList<int> got;
                for (int j = 0; j < 4; ++j) got.append(lab.Table(view).Rows[row][j]);
                EXPECT_EQ(got, expected[view]) << "view " << view;
            }
            EXPECT_EQ(lab.ShownIndex(), lab.TableIndex(3));
        }
        int sum = 0;
        for (int r = 0; r < lab.RowCount(); ++r) sum += lab.ShownTable().Frequency[r];
        EXPECT_EQ(sum, 300);
    }
}

TEST_F(LaplasTest, OutcomesAreEquallyLikely)
{
    lab.SetModel(kDice, 6, 0, 2);
    for (int i = 0; i < 36000; ++i) lab.RunOne();
    for (int r = 0; r < 36; ++r) {
        EXPECT_GT(lab.ShownTable().Frequency[r], 850) << r;
        EXPECT_LT(lab.ShownTable().Frequency[r], 1150) << r;
    }
    // Arrangements past the kept rows are drawn by rank: 1520 of 2520 lie there.
    lab.SetModel(kBallsWithoutReplacement, 7, 0, 5);
    int beyond = 0;
    std::set<QList<int>> seen;
    for (int i = 0; i < 20000; ++i) {
        lab.RunOne();
        if (lab.ShownIndex() < 0) ++beyond;
        seen.insert(lab.CurrentOutcome());
    }
    EXPECT_NEAR(beyond / 20000.0, 1520.0 / 2520, 0.02);
    EXPECT_GT(seen.size(), 2400u);
}

TEST_F(LaplasTest, SaturatedModelsDrawValuesDirectly)
{
    lab.SetModel(kBallsWithoutReplacement, 40, 0, 12);
    EXPECT_TRUE(lab.Table(0).Saturated());
    std::array<int, 41> first{};
    for (int i = 0; i < 4000; ++i) {
        lab.RunOne();
        const QList<int> outcome = lab.CurrentOutcome();
        ASSERT_EQ(std::set<int>(outcome.begin(), outcome.end()).size(), 12u);
        for (int v : outcome) ASSERT_TRUE(v >= 1 && v <= 40);
        ++first[outcome[0]];
    }
    for (int v = 1; v <= 40; ++v) EXPECT_NEAR(first[v], 100, 45) << v;

    lab.SetModel(kDice, 6, 1, 40);
    lab.RunOne();
    ASSERT_EQ(lab.CurrentOutcome().size(), 40);
    for (int v : lab.CurrentOutcome()) EXPECT_TRUE(v >= 1 && v <= 6);
}

TEST_F(LaplasTest, SameSeedRepeatsTheExperiments)
{
    auto run = [](TLaplas& engine) {
        engine.SetModel(kDice, 6, 0, 3);
        base::SetRandomSeed(8);
        QList<QList<int>> outcomes;
        for (int i = 0; i < 10; ++i) {
            engine.RunOne();
            outcomes.append(engine.CurrentOutcome());
        }
        return outcomes;
    };
    TLaplas other;
    const auto first = run(lab);
    EXPECT_EQ(first, run(other));
    EXPECT_NE(first[0], first[1]);
}

TEST_F(LaplasTest, EventsAreAddedUpToFiveAndDeletedFromTheEnd)
{
    lab.SetModel(kCoins, 2, 0, 2);
    for (int i = 0; i < 6; ++i) lab.AddEvent();
    EXPECT_EQ(lab.EventCount(), 5);
    EXPECT_EQ(lab.SelectedEvent(), 4);
    lab.Grid2MouseDown(1);
    EXPECT_EQ(lab.SelectedEvent(), 1);
    lab.Grid2MouseDown(7);
    EXPECT_EQ(lab.SelectedEvent(), 1);
    lab.Grid2MouseDown(4);
    lab.DeleteEvent();
    EXPECT_EQ(lab.EventCount(), 4);
    EXPECT_EQ(lab.SelectedEvent(), 3);
    for (int i = 0; i < 4; ++i) lab.DeleteEvent();
    EXPECT_EQ(lab.EventCount(), 0);
    EXPECT_EQ(lab.SelectedEvent(), -1);
    lab.DeleteEvent();
    EXPECT_EQ(lab.EventCount(), 0);
}

TEST_F(LaplasTest, ClickingOutcomesFormsTheSelectedEvent)
{
    lab.SetModel(kDice, 6, 0, 2);
    for (int i = 0; i < 200; ++i) lab.RunOne();
    // No event yet: the first click creates one.
    lab.Grid1MouseDown(0);
    lab.Grid1MouseDown(35);
    ASSERT_EQ(lab.EventCount(), 1);
    const LaplasEvent& a = lab.Event(0);
    EXPECT_NEAR(a.Probability, 2.0 / 36, 1e-15);
    EXPECT_EQ(a.Hits, lab.ShownTable().Frequency[0] + lab.ShownTable().Frequency[35]);
    lab.Grid1MouseDown(0); // removed again
    EXPECT_FALSE(lab.EventHasRow(0, 0));
    EXPECT_NEAR(a.Probability, 1.0 / 36, 1e-15);
    EXPECT_EQ(a.Hits, lab.ShownTable().Frequency[35]);
    lab.Grid1MouseDown(36); // the summary row
    lab.Grid1MouseDown(-1);
    EXPECT_NEAR(a.Probability, 1.0 / 36, 1e-15);

    // Hits from now on follow the shown row.
    const int before = a.Hits;
    int expected = before;
    for (int i = 0; i < 200; ++i) {
        lab.RunOne();
        if (lab.ShownIndex() == 35) ++expected;
    }
    EXPECT_EQ(a.Hits, expected);
    EXPECT_EQ(a.Hits, lab.ShownTable().Frequency[35]);

    lab.SetModel(kDice, 6, 0, 2);
    EXPECT_EQ(lab.EventCount(), 0);
    EXPECT_EQ(lab.ExperimentCount(), 0);
}

TEST_F(LaplasTest, EventOfAllOutcomesIsCertain)
{
    lab.SetModel(kDice, 6, 1, 2);
    lab.AddEvent();
    for (int r = 0; r < lab.RowCount(); ++r) lab.Grid1MouseDown(r);
    EXPECT_EQ(lab.EventProbabilityText(0), "1,0000");
    EXPECT_EQ(lab.EventFrequencyText(0), "");
    for (int i = 0; i < 37; ++i) {
        lab.RunOne();
        EXPECT_EQ(lab.EventFrequencyText(0), "1,0000");
    }
}

TEST_F(LaplasTest, ResetKeepsEventsAndClearsFrequencies)
{
    lab.SetModel(kCoins, 2, 1, 3);
    lab.AddEvent();
    lab.Grid1MouseDown(1);
    lab.SetMode(1);
    lab.StartSeries();
    for (int i = 0; i < 20; ++i) lab.SeriesStep();
    EXPECT_EQ(lab.ExperimentCount(), 20);
    EXPECT_FALSE(lab.OutcomeValueText(1).isEmpty());

    QSignalSpy label(&lab, &TLaplas::ExperimentCountChanged);
    lab.ResetExperiments();
    EXPECT_FALSE(lab.SeriesRunning());
    EXPECT_EQ(label.count(), 1);
    EXPECT_EQ(label.at(0).at(0).toInt(), 0);
    EXPECT_EQ(lab.ExperimentCount(), 0);
    EXPECT_EQ(lab.ShownIndex(), -1);
    EXPECT_TRUE(lab.CurrentOutcome().isEmpty());
    EXPECT_EQ(lab.EventCount(), 1);
    EXPECT_EQ(lab.EventProbabilityText(0), "0,3750");
    EXPECT_EQ(lab.Event(0).Hits, 0);
    EXPECT_EQ(lab.EventFrequencyText(0), "");
    EXPECT_EQ(lab.OutcomeValueText(1), "");
    for (int view = 0; view < kTableCount; ++view)
        for (int r = 0; r < lab.Table(view).RowCount; ++r) ASSERT_EQ(lab.Table(view).Frequency[r], 0);

    lab.ResetAll();
    EXPECT_EQ(lab.EventCount(), 0);
}

TEST_F(LaplasTest, ValueColumnFollowsTheMode)
{
    lab.SetModel(kCoins, 2, 0, 1);
    base::SetRandomSeed(SeedWhere(2, [](int r) { return r == 1; }));
    lab.RunOne();
    lab.SetMode(1);
    EXPECT_EQ(lab.OutcomeValueText(0), "     0");
    EXPECT_EQ(lab.OutcomeValueText(1), "     1");
    lab.SetMode(2);
    EXPECT_EQ(lab.OutcomeValueText(1), "1,0000");
    lab.SetMode(3);
    EXPECT_EQ(lab.Mode(), 2);
}

TEST_F(LaplasTest, SeriesStopsAtTheLimit)
{
    lab.SetModel(kCoins, 2, 0, 1);
    QSignalSpy series(&lab, &TLaplas::SeriesChanged);
    QSignalSpy done(&lab, &TLaplas::OnExperiment);
    lab.SetMaxExp(5);
    lab.SeriesStep(); // not running: nothing
    EXPECT_EQ(lab.ExperimentCount(), 0);
    lab.StartSeries();
    for (int tick = 0; tick < 10; ++tick) lab.SeriesStep();
    EXPECT_EQ(lab.ExperimentCount(), 5);
    EXPECT_FALSE(lab.SeriesRunning());
    ASSERT_EQ(series.count(), 2);
    EXPECT_TRUE(series.at(0).at(0).toBool());
    EXPECT_FALSE(series.at(1).at(0).toBool());
    EXPECT_EQ(done.count(), 5);
    // Starting again at the limit runs nothing more; a single experiment still runs.
    lab.StartSeries();
    lab.SeriesStep();
    EXPECT_EQ(lab.ExperimentCount(), 5);
    EXPECT_FALSE(lab.SeriesRunning());
    lab.RunOne();
    EXPECT_EQ(lab.ExperimentCount(), 6);
    lab.SetMaxExp(0);
    lab.StartSeries();
    for (int tick = 0; tick < 10; ++tick) lab.SeriesStep();
    EXPECT_EQ(lab.ExperimentCount(), 16);
    EXPECT_TRUE(lab.SeriesRunning());
}

TEST_F(LaplasTest, Grid1LayoutFitsTheElements)
{
    GridLook look;
    look.width = 530;
    look.defaultColWidth = 30;
    lab.BindGrid1(look);
    lab.SetModel(kDice, 6, 1, 2);
    GridLayout layout = lab.Grid1Layout();
    EXPECT_EQ(layout.rows, 22);
    EXPECT_EQ(layout.colWidths, QList<int>({50, 30, 30, 60, 530}));
    lab.SetModel(kCoins, 2, 0, 20); // (530 - 230) div 20
    layout = lab.Grid1Layout();
    EXPECT_EQ(layout.columns(), 23);
    EXPECT_EQ(layout.colWidths[1], 15);
    EXPECT_EQ(layout.rows, 1001);
    lab.AddEvent();
    lab.AddEvent();
    EXPECT_EQ(lab.Grid2Layout().columns(), 2);
    EXPECT_EQ(lab.Grid2Layout().rows, 3);
}
