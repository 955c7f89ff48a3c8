#include "probability/laplas.h"
#include "base/random.h"
#include <algorithm>
#include <numeric>

namespace probability {

TLaplas::TLaplas(QObject* parent)
    : QObject(parent), m_tables(std::make_unique<OutcomeTables>())
{
    BuildOutcomeTables(m_model, *m_tables);
}

TLaplas::~TLaplas() = default;

// --- model ---------------------------------------------------------------

void TLaplas::SetModel(int kind, int n, int view, int k)
{
    if (n < 1 || n > kMaxElements || k < 1 || k > kMaxElements) return;
    if (kind < kNoModel || kind > kBallsWithoutReplacement || view < 0 || view >= kTableCount) return;
    if (WithoutReplacement(kind) && k > n) k = n;
    ResetExperiments();
    m_model.kind = kind;
    m_model.n = n;
    m_model.k = k;
    m_model.colors = m_ballColors;
    BuildTables();
    m_view = view;
    ClearEvents();
    emit OnSetModel();
    emit Grid1LayoutChanged();
    emit Grid1Changed();
}

void TLaplas::BuildTables()
{
    BuildOutcomeTables(m_model, *m_tables);
}

int TLaplas::BallColor(int element) const
{
    return element >= 1 && element <= kMaxElements ? m_ballColors[element] : 0;
}

void TLaplas::SetBallColor(int element, int colour)
{
    if (element < 1 || element > kMaxElements || colour < 0 || colour >= kColorCount) return;
    m_ballColors[element] = uint8_t(colour);
}

int TLaplas::ModelColor(int element) const
{
    return element >= 1 && element <= kMaxElements ? m_model.colors[element] : 0;
}

// --- experiments ---------------------------------------------------------

QList<int> TLaplas::CurrentOutcome() const
{
    QList<int> values;
    if (m_hasOutcome)
        for (int i = 0; i < m_model.k; ++i) values.append(m_outcome[i]);
    return values;
}

void TLaplas::Experiment()
{
    const OutcomeTable& all = Table(0);
    const int n = m_model.n, k = m_model.k;
    m_outcome.fill(0);
    int rowInAll = -1;
    if (all.Saturated()) {
        DrawOutcome(m_outcome.data());
        rowInAll = all.Find(m_outcome.data(), k);
    } else {
        // r is the rank of the outcome in lexicographic order.
        const int r = base::RandomInt(all.Total);
        if (r < all.RowCount) {
            m_outcome = all.Rows[r];
            rowInAll = r;
        } else if (WithoutReplacement(m_model.kind)) {
            UnrankArrangement(n, k, r, m_outcome.data());
        } else {
            UnrankSequence(n, k, r, m_outcome.data());
        }
    }
    m_hasOutcome = true;
    LocateOutcome(m_outcome.data(), rowInAll);
}

// Draws the values one by one, for models too large to number their outcomes.
void TLaplas::DrawOutcome(uint8_t* outcome) const
{
    const int n = m_model.n, k = m_model.k;
    if (!WithoutReplacement(m_model.kind)) {
        for (int i = 0; i < k; ++i) outcome[i] = uint8_t(base::RandomInt(n) + 1);
        return;
    }
    std::array<uint8_t, kMaxElements> urn{};
    std::iota(urn.begin(), urn.begin() + n, uint8_t(1));
    for (int i = 0; i < k; ++i) std::swap(urn[i], urn[i + base::RandomInt(n - i)]);
    std::copy(urn.begin(), urn.begin() + k, outcome);
}

// The row of every table that shows the outcome; outcomes left out of a
// cut table have none.
void TLaplas::LocateOutcome(const uint8_t* outcome, int rowInAll)
{
    const int k = m_model.k;
    OutcomeRow sorted{}, colours{}, sortedColours{};
    std::copy(outcome, outcome + k, sorted.begin());
    std::sort(sorted.begin(), sorted.begin() + k);
    for (int i = 0; i < k; ++i) colours[i] = m_model.colors[outcome[i]];
    sortedColours = colours;
    std::sort(sortedColours.begin(), sortedColours.begin() + k);
    m_tableIndex[0] = rowInAll;
    m_tableIndex[1] = Table(1).Find(sorted.data(), k);
    m_tableIndex[2] = Table(2).Find(colours.data(), k);
    m_tableIndex[3] = Table(3).Find(sortedColours.data(), k);
    m_shownIndex = m_tableIndex[m_view];
}

void TLaplas::RunOne()
{
    if (m_model.kind == kNoModel) return;
    Experiment();
    ++m_experimentCount;
    emit ExperimentCountChanged(m_experimentCount);
    for (int view = 0; view < kTableCount; ++view)
        if (m_tableIndex[view] >= 0) ++MutableTable(view).Frequency[m_tableIndex[view]];
    if (m_mode != 0) emit Grid1ValuesChanged();
    CountHit();
    emit Grid2Changed();
    if (m_maxExp > 0 && m_experimentCount >= m_maxExp) StopSeries();
    emit OnExperiment();
}

void TLaplas::CountHit()
{
    for (int e = 0; e < EventCount(); ++e) {
        const int previous = m_events[e].Hits;
        if (m_shownIndex >= 0 && m_events[e].Member[m_shownIndex]) ++m_events[e].Hits;
        PlotEvent(e, previous);
    }
    if (!m_graph.isNull() && EventCount() > 0) emit GraphChanged();
}

void TLaplas::ResetExperiments()
{
    m_experimentCount = 0;
    emit ExperimentCountChanged(0);
    StopSeries();
    for (OutcomeTable& table : *m_tables) table.ClearFrequencies();
    m_tableIndex.fill(-1);
    m_shownIndex = -1;
    m_hasOutcome = false;
    for (LaplasEvent& event : m_events) event.Hits = 0;
    imXYInit();
    emit Grid1Changed();
    emit Grid2Changed();
}

void TLaplas::ResetAll()
{
    ResetExperiments();
    ClearEvents();
    emit Grid1Changed();
}

void TLaplas::StartSeries()
{
    if (m_seriesRunning) return;
    m_seriesRunning = true;
    emit SeriesChanged(true);
}

void TLaplas::StopSeries()
{
    if (!m_seriesRunning) return;
    m_seriesRunning = false;
    emit SeriesChanged(false);
}

void TLaplas::SeriesStep()
{
    if (!m_seriesRunning) return;
    // A series started again after reaching its limit would otherwise run
    // one experiment past it on every start.
    if (m_maxExp > 0 && m_experimentCount >= m_maxExp) {
        StopSeries();
        return;
    }
    RunOne();
}

// --- display settings ----------------------------------------------------

void TLaplas::SetMode(int mode)
{
    if (mode < 0 || mode > 2) return;
    m_mode = mode;
    emit Grid1Changed();
}

void TLaplas::SetBarScale(int pixels)
{
    m_barScale = pixels;
    emit Grid1Changed();
}

// --- events --------------------------------------------------------------

void TLaplas::SetEventCount(int count)
{
    if (count < 0 || count > kMaxEvents) return;
    m_events.resize(size_t(count));
    emit Grid2LayoutChanged();
    emit Grid2Changed();
}

bool TLaplas::EventHasRow(int e, int row) const
{
    return e >= 0 && e < EventCount() && row >= 0 && row < kMaxRows && m_events[e].Member[row];
}

void TLaplas::AddEvent()
{
    SetEventCount(std::min(EventCount() + 1, kMaxEvents));
    m_selectedEvent = EventCount() - 1;
    emit Grid1Changed();
    emit Grid2Changed();
}

void TLaplas::DeleteEvent()
{
    if (EventCount() == 0) return;
    SetEventCount(EventCount() - 1);
    m_selectedEvent = std::min(m_selectedEvent, EventCount() - 1);
    emit Grid1Changed();
    emit Grid2Changed();
}

void TLaplas::ClearEvents()
{
    SetEventCount(0);
    m_selectedEvent = -1;
}

void TLaplas::EventProbability(int e)
{
    if (e < 0 || e >= EventCount()) return;
    const OutcomeTable& table = ShownTable();
    double sum = 0;
    for (int r = 0; r < table.RowCount; ++r)
        if (m_events[e].Member[r]) sum += table.Probability[r];
    m_events[e].Probability = sum;
}

void TLaplas::Grid1MouseDown(int row)
{
    if (m_model.kind == kNoModel || row < 0 || row >= RowCount()) return;
    if (m_selectedEvent < 0) AddEvent();
    LaplasEvent& event = m_events[m_selectedEvent];
    const bool member = !event.Member[row];
    event.Member[row] = member;
    // Past hits of the row count for the event from now on (or no longer).
    event.Hits += (member ? 1 : -1) * ShownTable().Frequency[row];
    EventProbability(m_selectedEvent);
    emit Grid1Changed();
    emit Grid2Changed();
}

void TLaplas::Grid2MouseDown(int column)
{
    if (column < 0 || column >= EventCount()) return;
    m_selectedEvent = column;
    emit Grid1Changed();
    emit Grid2Changed();
}

} // namespace probability
