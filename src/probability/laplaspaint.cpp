// Painting of the outcome table, the event table and the frequency graph,
// and the texts they show.
#include "probability/laplas.h"
#include "probability/graphscale.h"
#include <QPainter>
#include <cmath>

namespace probability {
namespace {

constexpr int kTile = 30;          // picture strip tiles of coins and dice
constexpr int kNumberColumn = 50;  // width of the row number column
constexpr int kValueColumn = 60;   // width of the value column
constexpr int kFixedColumns = 230; // what the element columns leave to the others
constexpr int kGraphLeft = 20;     // x of the graph's vertical axis

// Rounds halves to the even neighbour, as the runtime's Round does.
int RoundEven(double value) { return int(std::nearbyint(value)); }

// "0,2500": four decimals with the program's decimal comma.
QString Fixed4(double value)
{
    return QString::number(value, 'f', 4).replace(u'.', u',');
}

// Text with its top-left corner at (x, y), as text output on a canvas places it.
void TextAt(QPainter& painter, int x, int y, const QString& text)
{
    painter.drawText(QRect(x, y, 10000, 10000), Qt::AlignLeft | Qt::AlignTop, text);
}

void TextCentredAt(QPainter& painter, int centreX, int y, const QString& text)
{
    TextAt(painter, centreX - painter.fontMetrics().horizontalAdvance(text) / 2, y, text);
}

} // namespace

// --- pictures of balls, coins and dice ------------------------------------

void DrawBall(QPainter& painter, const QPoint& cellTopLeft, int cellWidth, int colour, int number)
{
    const int diameter = cellWidth - 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setBrush(BgrColor(BallPalette[size_t(colour) % kColorCount]));
    painter.drawEllipse(QRectF(cellTopLeft.x() + 1.5, cellTopLeft.y() + 1.5, diameter - 1, diameter - 1));
    painter.restore();
    if (number > 0) TextCentredAt(painter, cellTopLeft.x() + cellWidth / 2, cellTopLeft.y() + 5, QString::number(number));
}

void DrawTile(QPainter& painter, const QPoint& topLeft, const QImage& strip, int value)
{
    if (!strip.isNull() && value >= 1) painter.drawImage(topLeft, strip, QRect((value - 1) * kTile, 0, kTile, kTile));
}

// --- texts ---------------------------------------------------------------

QString TLaplas::SummaryText() const
{
    const OutcomeTable& table = ShownTable();
    // A colour table that was cut knows only that there are more rows.
    const bool totalUnknown = table.Saturated() || (IsColourView(m_view) && table.Cut);
    QString text = table.Cut ? QStringLiteral(". . .  ") : QString();
    text += totalUnknown ? QStringLiteral("Всего исходов - более ") : QStringLiteral("Всего исходов - ");
    return text + QString::number(table.Total);
}

double TLaplas::RowValue(int row) const
{
    const OutcomeTable& table = ShownTable();
    if (m_mode == 0) return table.Probability[row];
    if (m_mode == 1) return table.Frequency[row];
    return double(table.Frequency[row]) / m_experimentCount;
}

QString TLaplas::OutcomeValueText(int row) const
{
    if (row < 0 || row >= RowCount()) return {};
    if (m_mode != 0 && m_experimentCount == 0) return {};
    if (m_mode == 1) return QString::number(ShownTable().Frequency[row]).rightJustified(6);
    return Fixed4(RowValue(row)).rightJustified(6);
}

QString EventRowCaption(int row)
{
    switch (row) {
    case kEventLetterRow: return QStringLiteral("Событие");
    case kEventFrequencyRow: return QStringLiteral("Частота");
    case kEventProbabilityRow: return QStringLiteral("Вероятность");
    default: return {};
    }
}

int EventColumnWidth(int gridWidth, int widest, int narrowest)
{
    return std::clamp(gridWidth / kMaxEvents - 1, narrowest, std::max(narrowest, widest));
}

QString TLaplas::EventFrequencyText(int e) const
{
    if (e < 0 || e >= EventCount() || m_experimentCount == 0) return {};
    return Fixed4(double(m_events[e].Hits) / m_experimentCount);
}

QString TLaplas::EventProbabilityText(int e) const
{
    if (e < 0 || e >= EventCount()) return {};
    return Fixed4(m_events[e].Probability);
}

// --- grids ---------------------------------------------------------------

void TLaplas::BindGrid1(const GridLook& look)
{
    m_grid1 = look;
    emit Grid1LayoutChanged();
    emit Grid1Changed();
}

void TLaplas::BindGrid2(const GridLook& look)
{
    m_grid2 = look;
    emit Grid2LayoutChanged();
    emit Grid2Changed();
}

GridLayout TLaplas::Grid1Layout() const
{
    const int k = m_model.k;
    GridLayout layout;
    layout.rows = RowCount() + 1; // the last row sums up
    layout.colWidths.append(kNumberColumn);
    const int element = std::max(1, std::min(m_grid1.defaultColWidth, (m_grid1.width - kFixedColumns) / k));
    for (int i = 0; i < k; ++i) layout.colWidths.append(element);
    layout.colWidths.append(kValueColumn);
    layout.colWidths.append(m_grid1.width);
    return layout;
}

GridLayout TLaplas::Grid2Layout() const
{
    GridLayout layout;
    layout.rows = kEventRows;
    for (int e = 0; e < EventCount(); ++e) layout.colWidths.append(m_grid2.defaultColWidth);
    return layout;
}

void TLaplas::SetPictureStrip(const QImage& strip)
{
    m_strip = strip.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < m_strip.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(m_strip.scanLine(y));
        for (int x = 0; x < m_strip.width(); ++x)
            if ((line[x] & 0xFFFFFF) == 0xFFFFFF) line[x] = 0;
    }
    emit Grid1Changed();
}

void TLaplas::DrawOutcomeCell(QPainter& painter, int col, int row, const QRect& rect) const
{
    if (m_model.kind == kNoModel || row < 0 || row > RowCount()) return;
    const int k = m_model.k;
    painter.save();
    painter.setFont(m_grid1.font);
    painter.setPen(m_grid1.fontColor);
    if (row == RowCount()) {
        // The summary row is painted whole, across all its cells, with its first cell.
        if (col == 0) {
            painter.fillRect(0, rect.top(), m_grid1.width, rect.height(), m_grid1.color);
            TextAt(painter, 10, rect.top() + 5, SummaryText());
        }
        painter.restore();
        return;
    }
    painter.setClipRect(rect);
    painter.fillRect(rect, m_grid1.color);
    const OutcomeTable& table = ShownTable();
    if (col == 0) {
        const QRect box = rect.adjusted(2, 2, -2, -2);
        if (EventHasRow(m_selectedEvent, row)) {
            painter.fillRect(box, BgrColor(EventPalette[m_selectedEvent]));
            painter.setPen(Qt::white);
        }
        QFont bold = m_grid1.font;
        bold.setBold(true);
        painter.setFont(bold);
        const QString number = QString::number(row + 1);
        TextAt(painter, rect.left() + 40 - painter.fontMetrics().horizontalAdvance(number), rect.top() + 5, number);
    } else if (col <= k) {
        const int value = table.Rows[row][col - 1];
        if (m_model.kind == kCoins || m_model.kind == kDice)
            DrawTile(painter, rect.topLeft(), m_strip, value);
        else if (IsColourView(m_view))
            DrawBall(painter, rect.topLeft(), m_grid1.defaultColWidth, value, 0);
        else
            DrawBall(painter, rect.topLeft(), m_grid1.defaultColWidth, m_ballColors[value], value);
    } else if (col == k + 1) {
        TextCentredAt(painter, rect.left() + 30, rect.top() + 5, OutcomeValueText(row));
    } else if (col == k + 2) {
        if (m_mode == 0)
            painter.fillRect(rect.left(), rect.top(), RoundEven(m_barScale * table.Probability[row]), rect.height(),
                             BgrColor(kSilver));
        else if (m_experimentCount > 0)
            painter.fillRect(rect.left(), rect.top(),
                             RoundEven(double(table.Frequency[row]) * m_barScale / m_experimentCount), rect.height(),
                             BgrColor(kFrequencyBar));
    }
    painter.restore();
}

void TLaplas::DrawEventCell(QPainter& painter, int col, int row, const QRect& rect) const
{
    if (col < 0 || col >= EventCount() || row < 0 || row >= kEventRows) return;
    painter.save();
    painter.setClipRect(rect);
    painter.setFont(m_grid2.font);
    if (row == kEventLetterRow) {
        painter.fillRect(rect, BgrColor(EventPalette[col]));
        painter.setPen(Qt::white);
        const QString letter(QChar(u'A' + col));
        TextAt(painter, rect.left() + 10, rect.top(),
               col == m_selectedEvent ? QStringLiteral("» ") + letter + QStringLiteral(" «") : letter);
    } else {
        const bool frequency = row == kEventFrequencyRow;
        painter.fillRect(rect, frequency ? m_grid1.color : m_grid2.color);
        painter.setPen(m_grid2.fontColor);
        TextAt(painter, rect.left() + 5, rect.top(), frequency ? EventFrequencyText(col) : EventProbabilityText(col));
    }
    painter.restore();
}

namespace {
// Calls paint(col, row, rect) for every cell a draw grid with one-pixel lines shows.
template <typename PaintCell>
void PaintCells(const GridLayout& layout, int topRow, int rowHeight, int height, PaintCell paint)
{
    for (int row = topRow, y = 0; row < layout.rows && y < height; ++row, y += rowHeight + 1) {
        int x = 0;
        for (int col = 0; col < layout.columns(); ++col) {
            paint(col, row, QRect(x, y, layout.colWidths[col], rowHeight));
            x += layout.colWidths[col] + 1;
        }
    }
}
} // namespace

void TLaplas::PaintGrid1(QPainter& painter, int topRow, int rowHeight, int height) const
{
    painter.fillRect(0, 0, m_grid1.width, height, BgrColor(kSilver));
    const GridLayout layout = Grid1Layout();
    // The summary row paints across its row: its other cells must not cover it.
    PaintCells(layout, topRow, rowHeight, height, [&](int col, int row, const QRect& rect) {
        if (row < RowCount() || col == 0) DrawOutcomeCell(painter, col, row, rect);
    });
}

void TLaplas::PaintGrid2(QPainter& painter) const
{
    const GridLayout layout = Grid2Layout();
    const int height = layout.rows * (m_grid2.defaultRowHeight + 1);
    painter.fillRect(0, 0, m_grid2.width, height, BgrColor(kSilver));
    PaintCells(layout, 0, m_grid2.defaultRowHeight, height, [&](int col, int row, const QRect& rect) {
        DrawEventCell(painter, col, row, rect);
    });
}

// --- frequency graph -----------------------------------------------------

void TLaplas::SetGraphCanvas(QSize size, QColor background)
{
    m_graph = size.isEmpty() ? QImage() : QImage(size, QImage::Format_RGB32);
    m_graphBackground = background;
    imXYInit();
}

void TLaplas::imXYInit()
{
    if (m_graph.isNull()) return;
    m_graph.fill(m_graphBackground);
    QPainter painter(&m_graph);
    painter.setFont(m_grid2.font);
    QPen dotted(BgrColor(kSilver));
    dotted.setStyle(Qt::DotLine);
    const QFontMetrics metrics = painter.fontMetrics();
    const GraphScale scale = LayOutGraphScale(m_graph.height(), kGraphLeft, [&](const QString& text) {
        return QSize(metrics.horizontalAdvance(text), metrics.height());
    });
    painter.setPen(dotted);
    for (const int y : scale.lineY) painter.drawLine(0, y, m_graph.width() - 1, y);
    painter.setPen(m_grid2.fontColor);
    for (const GraphScaleLabel& label : scale.labels)
        painter.drawText(label.box, Qt::AlignLeft | Qt::AlignTop, label.text);
    painter.setPen(dotted);
    painter.drawLine(kGraphLeft, m_graph.height() - 1, kGraphLeft, 0);
    painter.end();
    emit GraphChanged();
}

// One pixel per experiment: the event's relative frequency after the
// previous experiment joined to the one after this experiment.
void TLaplas::PlotEvent(int e, int previousHits)
{
    const int count = m_experimentCount;
    if (m_graph.isNull() || count < 2) return;
    const double bottom = m_graph.height() - 1;
    const int x = count + kGraphLeft;
    const int y0 = RoundEven(bottom - double(previousHits) / (count - 1) * bottom);
    const int y1 = RoundEven(bottom - double(m_events[e].Hits) / count * bottom);
    QPainter painter(&m_graph);
    painter.setPen(BgrColor(EventPalette[e]));
    painter.drawLine(x - 1, y0, x, y1);
}

} // namespace probability
