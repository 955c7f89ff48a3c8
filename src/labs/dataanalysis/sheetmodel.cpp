#include "labs/dataanalysis/sheetmodel.h"
#include <iterator>

namespace dataanalysislab {

using dataanalysis::CellPos;

QColor SeriesColour(int index)
{
    return base::BgrColor(base::colour::dataanalysis::kSeries[size_t(index) % std::size(base::colour::dataanalysis::kSeries)]);
}

SheetModel::SheetModel(const dataanalysis::DataLab& lab, QObject* parent) : QAbstractTableModel(parent), m_lab(lab) {}

int SheetModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : dataanalysis::kMaxRow; }
int SheetModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : dataanalysis::kMaxCol; }

QVariant SheetModel::data(const QModelIndex& index, int role) const
{
    const CellPos cell = CellOf(index);
    switch (role) {
    case Qt::DisplayRole: return m_lab.sheet().text(cell);
    case Qt::EditRole: return m_lab.sheet().input(cell);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter | (m_lab.sheet().number(cell) ? Qt::AlignRight : Qt::AlignLeft));
    case Qt::ForegroundRole: {
        const auto& series = m_lab.series();
        for (int i = 0; i < int(series.size()); ++i)
            if (series[size_t(i)].data.contains(cell)) return SeriesColour(i);
        return {};
    }
    default: return {};
    }
}

bool SheetModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid()) return false;
    emit cellEdited(CellOf(index), value.toString());
    return true;
}

Qt::ItemFlags SheetModel::flags(const QModelIndex& index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

QVariant SheetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    return orientation == Qt::Horizontal ? dataanalysis::ColumnName(section + 1) : QString::number(section + 1);
}

void SheetModel::refresh()
{
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

} // namespace dataanalysislab
