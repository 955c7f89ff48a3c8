#include "dataanalysis/datalab.h"
#include <algorithm>

namespace dataanalysis {

namespace {

bool IsLine(const CellRange& range) { return range.height() == 1 || range.width() == 1; }

std::vector<CellPos> CellsOf(const CellRange& range)
{
    std::vector<CellPos> cells;
    cells.reserve(size_t(range.cellCount()));
    for (int i = 0; i < range.cellCount(); ++i) cells.push_back(range.cellAt(i));
    return cells;
}

QString DefaultTitle(int index) { return QStringLiteral("Ряд %1").arg(index + 1); }

} // namespace

QString DataLab::AddSeries(const CellRange& selection)
{
    if (selection.isEmpty() || selection.isSingleCell()) return kSelectDataNote;
    if (int(m_series.size()) >= kMaxSeries) return kTooManySeriesNote;
    m_current = int(m_series.size());
    m_series.push_back({selection, kNoRange, m_kind, DefaultTitle(m_current)});
    return {};
}

QString DataLab::SetLabels(const CellRange& selection)
{
    if (m_current < 0) return kAddSeriesFirstNote;
    if (selection.isEmpty()) return kSelectDataNote;
    m_series[size_t(m_current)].labels = selection;
    return {};
}

void DataLab::DeleteCurrent()
{
    if (m_current < 0) return;
    m_series.erase(m_series.begin() + m_current);
    m_current = std::min(m_current, int(m_series.size()) - 1);
}

void DataLab::SetCurrent(int index)
{
    if (index >= 0 && index < int(m_series.size())) m_current = index;
}

void DataLab::Rename(int index, const QString& title)
{
    if (index < 0 || index >= int(m_series.size())) return;
    QString oneLine = title;
    oneLine.replace(u'\r', u' ').replace(u'\n', u' ');
    m_series[size_t(index)].title = oneLine;
}

bool DataLab::SetKind(ChartKind kind)
{
    if (kind == m_kind) return false;
    m_kind = kind;
    for (DataSeries& one : m_series) one.kind = kind;
    return true;
}

QString DataLab::Sort(const CellRange& selection, SortOrder order)
{
    if (selection.isEmpty() || !IsLine(selection)) return kSortShapeNote;
    struct Entry {
        QString input;
        std::optional<double> number;
    };
    const std::vector<CellPos> cells = CellsOf(selection);
    for (const CellPos cell : cells)
        if (m_sheet.isFormula(cell)) return kSortFormulasNote;
    std::vector<Entry> entries;
    for (const CellPos cell : cells) entries.push_back({m_sheet.input(cell), m_sheet.number(cell)});
    std::stable_sort(entries.begin(), entries.end(), [order](const Entry& a, const Entry& b) {
        if (!a.number || !b.number) return a.number.has_value() && !b.number.has_value();
        return order == SortOrder::Ascending ? *a.number < *b.number : *a.number > *b.number;
    });
    for (size_t i = 0; i < cells.size(); ++i) m_sheet.setInput(cells[i], entries[i].input);
    m_sheet.recalculate();
    return {};
}

QString DataLab::Sum(const CellRange& selection, CellPos* sumCell)
{
    if (selection.isEmpty() || selection.isSingleCell()) return kSelectSumNote;
    const CellPos target{selection.height() > 1 ? selection.bottom + 1 : selection.bottom,
                         selection.width() > 1 ? selection.right + 1 : selection.right};
    if (target.row > kMaxRow || target.col > kMaxCol) return kSumOutsideNote;
    m_sheet.edit(target, QStringLiteral("=SUM(") + RangeName(selection) + u')');
    if (sumCell) *sumCell = target;
    return {};
}

QString DataLab::Smooth(const CellRange& selection)
{
    if (selection.isEmpty() || selection.isSingleCell()) return kSelectSmoothNote;
    if (!IsLine(selection)) return kSmoothShapeNote;
    const std::vector<CellPos> cells = CellsOf(selection);
    std::vector<std::optional<double>> before;
    for (const CellPos cell : cells) before.push_back(m_sheet.number(cell));
    const int h = kSmoothingHalfWidth;
    for (int i = h; i + h < int(cells.size()); ++i) {
        double sum = 0;
        bool complete = true;
        for (int j = i - h; j <= i + h; ++j) {
            complete = complete && before[size_t(j)].has_value();
            if (complete) sum += *before[size_t(j)];
        }
        if (complete) m_sheet.setInput(cells[size_t(i)], FormatCellNumber(sum / (2 * h + 1)));
    }
    m_sheet.recalculate();
    return {};
}

void DataLab::ClearAll()
{
    m_series.clear();
    m_current = -1;
    m_sheet.clear();
}

void DataLab::SetSeries(std::vector<DataSeries> series)
{
    m_series = std::move(series);
    m_current = int(m_series.size()) - 1;
    if (!m_series.empty()) m_kind = m_series.back().kind;
    for (DataSeries& one : m_series) one.kind = m_kind;
}

std::vector<std::optional<double>> DataLab::Values(int index) const
{
    std::vector<std::optional<double>> values;
    if (index < 0 || index >= int(m_series.size())) return values;
    const CellRange& range = m_series[size_t(index)].data;
    values.reserve(size_t(range.cellCount()));
    for (int i = 0; i < range.cellCount(); ++i) values.push_back(m_sheet.number(range.cellAt(i)));
    return values;
}

QStringList DataLab::Labels(int index) const
{
    QStringList labels;
    if (index < 0 || index >= int(m_series.size())) return labels;
    const DataSeries& one = m_series[size_t(index)];
    for (int i = 0; i < one.data.cellCount(); ++i)
        labels << (i < one.labels.cellCount() ? m_sheet.text(one.labels.cellAt(i)) : QString());
    return labels;
}

SeriesStatistics DataLab::Statistics(int index) const
{
    std::vector<double> numbers;
    for (const auto& value : Values(index))
        if (value) numbers.push_back(*value);
    return ComputeStatistics(numbers);
}

std::vector<StatisticsRow> StatisticsTable(const DataLab& lab)
{
    std::vector<StatisticsRow> rows;
    for (int i = 0; i < int(lab.series().size()); ++i) {
        const SeriesStatistics stats = lab.Statistics(i);
        rows.push_back({lab.series()[size_t(i)].title, FormatStatistic(stats, stats.mean), FormatStatistic(stats, stats.min),
                        FormatStatistic(stats, stats.max), FormatStatistic(stats, stats.deviation)});
    }
    return rows;
}

} // namespace dataanalysis
