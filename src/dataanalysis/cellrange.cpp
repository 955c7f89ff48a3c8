#include "dataanalysis/cellrange.h"

namespace dataanalysis {

namespace {
constexpr int kLetters = 26;
}

QString ColumnName(int col)
{
    QString name;
    for (int rest = col; rest > 0; rest = (rest - 1) / kLetters)
        name.prepend(QChar(u'A' + (rest - 1) % kLetters));
    return name;
}

QString CellName(CellPos cell)
{
    return ColumnName(cell.col) + QString::number(cell.row);
}

QString RangeName(const CellRange& range)
{
    const QString first = CellName({range.top, range.left});
    if (range.isSingleCell()) return first;
    return first + u':' + CellName({range.bottom, range.right});
}

} // namespace dataanalysis
