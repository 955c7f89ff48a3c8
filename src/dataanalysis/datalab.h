#pragma once
#include "dataanalysis/dataseries.h"
#include "dataanalysis/sheet.h"
#include "dataanalysis/statistics.h"
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

// The data analysis lab without its window: the sheet, the series table in
// diagram order, the current series and the diagram kind, and the commands of
// the lab's buttons. A command that cannot run on the selection returns the
// note the lab shows (empty when it ran).
namespace dataanalysis {

// Notes of the commands.
inline const QString kSelectDataNote = QStringLiteral("Сначала выделите область данных");
inline const QString kAddSeriesFirstNote = QStringLiteral("Сначала добавьте ряд");
inline const QString kSortShapeNote = QStringLiteral("Выделите одну строку или столбец");
inline const QString kSortFormulasNote = QStringLiteral("В области есть формулы: упорядочить можно только числа и тексты");
inline const QString kSelectSumNote = QStringLiteral("Сначала выделите область данных для суммирования");
inline const QString kSelectSmoothNote = QStringLiteral("Сначала выделите область данных для сглаживания");
inline const QString kSmoothShapeNote = QStringLiteral("Область сглаживания должна быть в одной строке или столбце");
inline const QString kTooManySeriesNote = QStringLiteral("Больше рядов добавить нельзя");
inline const QString kSumOutsideNote = QStringLiteral("Сумме нет места: выделенная область у края таблицы");

// Half the width of the smoothing window (three cells).
constexpr int kSmoothingHalfWidth = 1;

enum class SortOrder { Ascending = 1, Descending = -1 };

class DataLab {
public:
    Sheet& sheet() { return m_sheet; }
    const Sheet& sheet() const { return m_sheet; }
    const std::vector<DataSeries>& series() const { return m_series; }
    // -1 when there is no series.
    int current() const { return m_current; }
    ChartKind kind() const { return m_kind; }

    // A series of the current kind over the selection; it becomes current.
    QString AddSeries(const CellRange& selection);
    // The current series' points take their labels from the selection.
    QString SetLabels(const CellRange& selection);
    // Removes the current series; the one after it (or the last) becomes current.
    void DeleteCurrent();
    void SetCurrent(int index);
    void Rename(int index, const QString& title);
    // Every series takes the kind; false when it was the kind already.
    bool SetKind(ChartKind kind);

    // Sorts the cells of a single row or column by their numbers (cells
    // without a number last). A range with formulas is refused: a formula
    // moved along its own row or column could come to refer to itself.
    QString Sort(const CellRange& selection, SortOrder order);
    // Puts =SUM(selection) right of a row, below a column, or at the lower
    // right corner of a block. sumCell receives the cell written.
    QString Sum(const CellRange& selection, CellPos* sumCell = nullptr);
    // Replaces each inner cell of a row or column by the mean of its window
    // of 2h+1 cells (values before smoothing); the h cells at either end keep
    // theirs, and so does a cell whose window holds a cell without a number.
    QString Smooth(const CellRange& selection);

    // Removes every series and empties the sheet.
    void ClearAll();
    // The series read from a lab file, over the cells now in the sheet.
    void SetSeries(std::vector<DataSeries> series);

    // The numbers of a series' points (nullopt for a cell without a number).
    std::vector<std::optional<double>> Values(int index) const;
    // The labels of a series' points (empty texts where there is no label cell).
    QStringList Labels(int index) const;
    // Over the numbers of every cell of the series' data range.
    SeriesStatistics Statistics(int index) const;

private:
    Sheet m_sheet;
    std::vector<DataSeries> m_series;
    int m_current = -1;
    ChartKind m_kind = ChartKind::Line;
};

// The rows of "Ряды данных и их характеристики:": per series its title,
// mean, min, max and standard deviation as the window shows them.
constexpr int kStatisticsColumns = 5;
using StatisticsRow = std::array<QString, kStatisticsColumns>;
std::vector<StatisticsRow> StatisticsTable(const DataLab& lab);

} // namespace dataanalysis
