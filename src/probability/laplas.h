#pragma once
#include "probability/outcometable.h"
#include "probability/palette.h"
#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QPainter;
class QPoint;
class QRect;

namespace probability {

// What the engine needs to know of a draw grid it paints into.
struct GridLook {
    int width = 400;            // client width in pixels
    int defaultColWidth = 30;
    int defaultRowHeight = 30;
    QColor color = Qt::white;   // the grid's background colour
    QColor fontColor = Qt::black;
    QFont font;
};

// Columns, rows and column widths a grid must take for the engine's content.
struct GridLayout {
    int rows = 0;
    QList<int> colWidths;       // one entry per column
    int columns() const { return int(colWidths.size()); }
};

// The rows of the event table (Grid2): the event's letter, its relative
// frequency and its probability; the caption the lab writes beside each.
enum EventRow { kEventLetterRow, kEventFrequencyRow, kEventProbabilityRow, kEventRows };
QString EventRowCaption(int row);
// The width of an event's column in a table gridWidth pixels wide: the
// widest that lets all kMaxEvents columns (with their grid lines) show, but
// no wider than widest and no narrower than narrowest.
int EventColumnWidth(int gridWidth, int widest, int narrowest);

// A user-defined event: a set of rows of the shown table.
struct LaplasEvent {
    std::array<bool, kMaxRows> Member{};
    int Hits = 0;               // experiments whose outcome was one of its rows
    double Probability = 0;
};

// One classical probability model with its four outcome tables, random
// experiments one by one or in a series, absolute and relative frequencies,
// events formed by clicking outcomes, and the painting of the outcome table
// (Grid1), the event table (Grid2) and the frequency graph (imXY). The
// engine has no window; the lab window owns the grids, the experiment label
// and the series timer, calls the engine from their handlers and repaints
// when the engine signals.
class TLaplas : public QObject {
    Q_OBJECT
public:
    static constexpr int kSeriesInterval = 30; // ms between experiments of a series

    explicit TLaplas(QObject* parent = nullptr);
    ~TLaplas() override;

    // --- model -----------------------------------------------------------
    // Ignored when n or k is outside 1 ... 120, kind outside 0 ... 4 or view
    // outside 0 ... 3; for balls without replacement k is lowered to n.
    void SetModel(int kind, int n, int view, int k);
    int ModelKind() const { return m_model.kind; }
    int ElementCount() const { return m_model.n; }
    int DrawCount() const { return m_model.k; }
    int View() const { return m_view; }
    // Colour index 0 ... 9 of element 1 ... 120, as the lab shows it; the
    // tables take it at the next SetModel.
    int BallColor(int element) const;
    void SetBallColor(int element, int colour);
    // The colour the current tables were built with.
    int ModelColor(int element) const;

    const OutcomeTable& Table(int view) const { return (*m_tables)[view]; }
    const OutcomeTable& ShownTable() const { return Table(m_view); }
    int RowCount() const { return ShownTable().RowCount; }
    int Total() const { return ShownTable().Total; }
    // "Всего исходов - 4", with ". . .  " before it when rows were left out.
    QString SummaryText() const;

    // --- experiments -----------------------------------------------------
    // One experiment with all its bookkeeping (single-experiment button, series step).
    void RunOne();
    void ResetExperiments();
    void ResetAll(); // ResetExperiments, then ClearEvents (the lab is cleared)
    int ExperimentCount() const { return m_experimentCount; }
    // The k values of the last experiment in drawing order (empty before the first).
    QList<int> CurrentOutcome() const;
    // Row of the shown table / of a table that the last experiment hit; -1 none.
    int ShownIndex() const { return m_shownIndex; }
    int TableIndex(int view) const { return m_tableIndex[view]; }

    void StartSeries();
    void StopSeries();
    bool SeriesRunning() const { return m_seriesRunning; }
    // What the lab's series timer calls on every tick.
    void SeriesStep();
    int MaxExp() const { return m_maxExp; }
    void SetMaxExp(int count) { m_maxExp = count; }

    // --- display settings ------------------------------------------------
    // 0 probabilities, 1 absolute frequencies, 2 relative frequencies.
    int Mode() const { return m_mode; }
    void SetMode(int mode);
    int BarScale() const { return m_barScale; }
    void SetBarScale(int pixels);

    // --- events ----------------------------------------------------------
    int EventCount() const { return int(m_events.size()); }
    const LaplasEvent& Event(int e) const { return m_events[size_t(e)]; }
    bool EventHasRow(int e, int row) const;
    int SelectedEvent() const { return m_selectedEvent; }
    void AddEvent();
    void DeleteEvent();
    void ClearEvents();
    // Recomputes the probability of event e from the rows it holds.
    void EventProbability(int e);
    // Mouse down on an outcome row: toggles it in the selected event (an event
    // is added first when none is selected). The summary row is ignored.
    void Grid1MouseDown(int row);
    // Mouse down on, or selection of, a cell of the event table.
    void Grid2MouseDown(int column);

    // --- lab file section ------------------------------------------------
    // Reads the lines after the lab file's "#" up to the end of the file.
    // Throws base::AppError with a Russian message on malformed records.
    virtual void LoadModel(const QStringList& lines);
    virtual QStringList SaveModel() const;

    // --- painting --------------------------------------------------------
    void BindGrid1(const GridLook& look);
    void BindGrid2(const GridLook& look);
    const GridLook& Grid1Look() const { return m_grid1; }
    const GridLook& Grid2Look() const { return m_grid2; }
    GridLayout Grid1Layout() const;
    GridLayout Grid2Layout() const;
    // Coins or dice: 30 x 30 tiles side by side, tile v - 1 for value v, white transparent.
    void SetPictureStrip(const QImage& strip);
    const QImage& PictureStrip() const { return m_strip; }

    virtual void DrawOutcomeCell(QPainter& painter, int col, int row, const QRect& rect) const;
    void DrawEventCell(QPainter& painter, int col, int row, const QRect& rect) const;
    // Paint whole grids the way a draw grid lays out its cells (one-pixel
    // lines between them): Grid1 from topRow on, rowHeight pixels per row,
    // down to height; Grid2 with the row height of its look.
    void PaintGrid1(QPainter& painter, int topRow, int rowHeight, int height) const;
    void PaintGrid2(QPainter& painter) const;

    // The frequency graph: a picture of the given size on the background of
    // its parent; the engine draws one pixel per experiment into it.
    void SetGraphCanvas(QSize size, QColor background);
    const QImage& imXY() const { return m_graph; }
    void imXYInit();

    // Texts of the cells, as painted.
    QString OutcomeValueText(int row) const;
    QString EventFrequencyText(int e) const;
    QString EventProbabilityText(int e) const;

signals:
    void OnExperiment();
    void OnSetModel();
    void ExperimentCountChanged(int count); // LabelNexp
    void SeriesChanged(bool running);       // start or stop the series timer
    void Grid1Changed();                    // repaint the outcome table
    void Grid1ValuesChanged();              // repaint its value and bar cells
    void Grid1LayoutChanged();
    void Grid2Changed();
    void Grid2LayoutChanged();
    void GraphChanged();

protected:
    virtual void BuildTables();
    virtual void Experiment();

private:
    OutcomeTable& MutableTable(int view) { return (*m_tables)[view]; }
    void SetEventCount(int count);
    void LocateOutcome(const uint8_t* outcome, int rowInAll);
    void DrawOutcome(uint8_t* outcome) const;
    void CountHit();
    void PlotEvent(int e, int previousHits);
    double RowValue(int row) const;

    ModelParams m_model;                                // colours as built
    std::array<uint8_t, kMaxElements + 1> m_ballColors{}; // colours as shown
    int m_view = 1;
    std::unique_ptr<OutcomeTables> m_tables;
    OutcomeRow m_outcome{};
    bool m_hasOutcome = false;
    std::array<int, kTableCount> m_tableIndex{-1, -1, -1, -1};
    int m_shownIndex = -1;
    int m_experimentCount = 0;
    int m_mode = 0;
    int m_barScale = 100;
    int m_maxExp = 0;
    bool m_seriesRunning = false;
    std::vector<LaplasEvent> m_events;
    int m_selectedEvent = -1;

    GridLook m_grid1;
    GridLook m_grid2;
    QImage m_strip;
    QImage m_graph;
    QColor m_graphBackground = Qt::white;
};

// The pictures the engine's cells share with the lab's urn and draw panels.
// A ball of palette colour 0 ... 9 in a cell: a circle from (left + 1, top + 1)
// with diameter cellWidth - 2, and its number (when above 0) centred at top + 5.
void DrawBall(QPainter& painter, const QPoint& cellTopLeft, int cellWidth, int colour, int number);
// Tile value - 1 (30 x 30 pixels) of a picture strip of coins or dice.
void DrawTile(QPainter& painter, const QPoint& topLeft, const QImage& strip, int value);

} // namespace probability
