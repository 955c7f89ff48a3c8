#pragma once
#include "dataanalysis/datalab.h"
#include "labframe/labwindow.h"
#include "labs/dataanalysis/format/controlnames.h"

class QChart;
class QChartView;
class QTableView;

namespace dataanalysislab {

class SheetModel;
class TffStat;

// The lab "Анализ данных" (lab 17): a sheet on the left (Qt's grid over the
// lab's sheet, formulas computed by the formula engine), the diagram of the
// marked series on the right, and the statistics window. Every edit, sort
// and smoothing refreshes the sheet, the diagram and the statistics.
//
// The lab file keeps the series (ranges, kind, labels, titles); the cells go
// to the workbook beside it (data.LAB pairs with data.XLS), which is written
// first: a lab file is saved only when its workbook was.
class TfmLab17 : public labframe::TfmLab {
    Q_OBJECT
public:
    explicit TfmLab17(QWidget* parent = nullptr);
    ~TfmLab17() override;

    void ClearLab() override;
    void ReadLab(const labframe::LabFileData& data) override;
    void WriteLab(labframe::LabFileData& data) override;
    bool LoadLabFile(const QString& file) override;
    bool SaveLabFile(const QString& file) override;

    const dataanalysis::DataLab& Lab() const { return m_lab; }
    // The selected cells (a single cell when nothing is selected).
    dataanalysis::CellRange Selection() const;
    void Select(const dataanalysis::CellRange& range);
    // What typing into a cell does.
    void EditCell(dataanalysis::CellPos cell, const QString& input);

    QTableView* Grid;
    QChartView* Chart;
    TffStat* ffStat;
    QToolButton* btY;
    QToolButton* btX;
    QToolButton* btDel;
    QToolButton* btLine;
    QToolButton* btBar;
    QToolButton* btPie;
    QToolButton* btSort1;
    QToolButton* btSort2;
    QToolButton* btSUM;
    QToolButton* btMovAvr;
    QToolButton* btCopy;
    QToolButton* btPaste;
    QToolButton* btStat;

    // Handlers, named after their controls.
    void btYClick();
    void btXClick();
    void btDelClick();
    void btKindClick(dataanalysis::ChartKind kind);
    void btSortClick(dataanalysis::SortOrder order);
    void btSUMClick();
    void btMovAvrClick();
    void btCopyClick();
    void btPasteClick();
    void btStatClick();
    // Key Delete: empties the selected cells.
    void ClearSelectedCells();

protected:
    void btClearClick() override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* makeButtonRow();
    QWidget* makeSheetPanel();
    QWidget* makeChartPanel();
    // Tells the note of a command that could not run; true when it ran.
    bool noted(const QString& note);
    // The sheet, the diagram and the statistics after any change.
    void RefreshAll();
    void RefreshStatistics();
    void placeStatWindow();

    dataanalysis::DataLab m_lab;
    SheetModel* m_model;
    QChart* m_chart;
};

} // namespace dataanalysislab
