#pragma once
#include "plane/functionlistgrids.h"
#include <QImage>
#include <QWidget>
#include <vector>

class QColorDialog;
class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;

// The function list: a small tool window beside a plane lab that shows every
// graph and equation of the plane with its formula and colour, and the
// parameters the formulas read with their values, which the pupil changes
// here (typed, or stepped with the two buttons) to watch the graphs move.
// What the grids hold comes from plane/functionlistgrids.h; changes go
// through the engine's FunctionList.
namespace planeview {

class TDec2D;

class TffFunc : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 200;
    static constexpr int kColourColumnWidth = 24;
    static constexpr int kCellPadding = 5; // formulas are drawn this far from the cell's corner
    static constexpr int kStepInterval = 50; // ms between steps while a step button is held
    static constexpr double kParameterStep = 0.1;
    static constexpr int kStepUp = 1; // the tags of btInc and btDec
    static constexpr int kStepDown = 2;

    explicit TffFunc(QWidget* parent = nullptr);

    // Rebuilds both grids for the engine's graphs; the last row is selected.
    void RefreshList(TDec2D* engine);
    // The row of the selected graph; -1 when there is none.
    int SelectedRow() const;
    TDec2D* Engine() const { return m_engine; }

    // Handlers, named after their controls.
    void GridCellEdited(int row, int column);
    // One step of the value in the parameter grid's current cell (tag kStepUp or kStepDown).
    void StepParameter(int tag);
    void DrawGridDoubleClick(int row, int column);

    QTableWidget* DrawGrid;
    QWidget* Panel1;
    QLabel* lbParams;
    QPushButton* btInc;
    QPushButton* btDec;
    QTableWidget* Grid;
    QTimer* Timer1;

signals:
    // A graph's formula or colour changed here: the lab redraws the plane.
    void GraphsEdited();

private:
    void FillRows();
    void FillParameters();
    void FitHeight();
    // The parameter's value was refused: the note and the old value back in the cell.
    void RefuseParameter(int column, const QString& message);
    void ParameterApplied();
    void EditFormula(plane::TAlgebra& object);

    TDec2D* m_engine = nullptr;
    std::vector<plane::FunctionRow> m_rows;
    std::vector<plane::ParameterColumn> m_parameters;
    // Each row's formula drawn on white and on the selection's light blue.
    std::vector<QImage> m_plain, m_selected;
    int m_stepTag = 0;
    bool m_filling = false;
};

} // namespace planeview
