#pragma once
#include "base/colours.h"
#include "dataanalysis/datalab.h"
#include <QAbstractTableModel>
#include <QColor>

namespace dataanalysislab {

// The colour of series index on the diagram and of its cells in the sheet.
QColor SeriesColour(int index);

// The lab's sheet as Qt's grid sees it: the shown texts, the inputs for
// editing, and the cells of each series in the series' colour. An edit is
// handed to the lab (cellEdited), which changes the sheet and refreshes.
class SheetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SheetModel(const dataanalysis::DataLab& lab, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Every cell may have changed (a recalculation, a sort, a load).
    void refresh();

    static dataanalysis::CellPos CellOf(const QModelIndex& index) { return {index.row() + 1, index.column() + 1}; }

signals:
    void cellEdited(dataanalysis::CellPos cell, const QString& input);

private:
    const dataanalysis::DataLab& m_lab;
};

} // namespace dataanalysislab
