#include "dataanalysis/datasection.h"
#include "base/apperror.h"

namespace dataanalysis {

namespace {

constexpr QChar kSeparator = u' ';

struct LineReader {
    const QString& line;
    int lineNumber;
    qsizetype at = 0;

    [[noreturn]] void refuse(const QString& reason) const { throw base::LineError(lineNumber, reason); }

    // The integer up to the next blank, which is consumed with it.
    int nextInt()
    {
        const qsizetype end = line.indexOf(kSeparator, at);
        if (end < 0) refuse(QStringLiteral("в строке ряда меньше девяти чисел"));
        bool ok = false;
        const int value = line.mid(at, end - at).toInt(&ok);
        if (!ok) refuse(QStringLiteral("\"%1\" не целое число").arg(line.mid(at, end - at)));
        at = end + 1;
        return value;
    }
};

CellRange ReadRange(LineReader& reader)
{
    CellRange range;
    range.left = reader.nextInt();
    range.top = reader.nextInt();
    range.right = reader.nextInt();
    range.bottom = reader.nextInt();
    return range;
}

QString RangeNumbers(const CellRange& range)
{
    return QStringLiteral("%1 %2 %3 %4 ").arg(range.left).arg(range.top).arg(range.right).arg(range.bottom);
}

DataSeries ReadSeries(const QString& line, int lineNumber)
{
    LineReader reader{line, lineNumber};
    DataSeries series;
    series.data = ReadRange(reader);
    if (!series.data.fitsSheet()) reader.refuse(QStringLiteral("диапазон данных вне таблицы"));
    const int kind = reader.nextInt();
    if (kind < 0 || kind >= kChartKindCount) reader.refuse(QStringLiteral("неизвестный вид диаграммы %1").arg(kind));
    series.kind = ChartKind(kind);
    const CellRange labels = ReadRange(reader);
    // A label range whose left column is 0 means "no labels".
    if (labels.left != 0) {
        if (!labels.fitsSheet()) reader.refuse(QStringLiteral("диапазон подписей вне таблицы"));
        series.labels = labels;
    }
    series.title = line.mid(reader.at);
    return series;
}

} // namespace

std::vector<DataSeries> ReadDataSection(const QStringList& lines, int firstLine)
{
    std::vector<DataSeries> result;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty()) continue;
        if (int(result.size()) == kMaxSeries)
            throw base::LineError(firstLine + i, QStringLiteral("рядов больше %1").arg(kMaxSeries));
        result.push_back(ReadSeries(lines[i], firstLine + i));
    }
    return result;
}

QStringList DataSectionLines(const std::vector<DataSeries>& series)
{
    QStringList lines;
    for (const DataSeries& one : series) {
        const CellRange labels = one.labels.isEmpty() ? kNoRange : one.labels;
        QString title = one.title;
        title.replace(u'\r', kSeparator).replace(u'\n', kSeparator);
        lines << RangeNumbers(one.data) + QString::number(int(one.kind)) + kSeparator + RangeNumbers(labels) + title;
    }
    return lines;
}

} // namespace dataanalysis
