#pragma once
#include <QWidget>
#include <functional>
#include <vector>

class QLabel;
class QTableWidget;
class QTimer;
class QToolButton;

namespace numberline { class TDec1D; }

// The points table "Точки на прямой:": a stay-on-top tool window that lists
// every point of the number line with its formula and its position (red when
// off its value), and the parameters the formulas use, which the pupil edits
// or steps by ±0.1.
namespace coordlinelab {

// The rows of the table: the formula of each point in column 0, its
// position in column 1. Row heights follow the formulas.
class TPointsGrid : public QWidget {
public:
    TPointsGrid(numberline::TDec1D& engine, QWidget* parent);

    // Row heights and the formula column's width anew from the points.
    void Measure();
    int RowAt(int y) const;

    int Row = -1; // the selected row
    std::function<void(int row)> OnDoubleClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    numberline::TDec1D& m_engine;
    std::vector<int> m_heights;
    int m_formulaWidth = 0;
};

class TffNumb : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMinWidth = 200;

    TffNumb(numberline::TDec1D& engine, QWidget* parent = nullptr);

    // Rows and parameter columns anew from the engine.
    void Refresh();
    // Hides both grids (the lab was cleared).
    void HideGrids();

    void GridEdited(int column);
    // One step of btInc (+1) or btDec (−1) on the current parameter cell.
    void StepParameter(int direction);

    TPointsGrid* DrawGrid;
    QWidget* Panel1;
    QToolButton* btInc;
    QToolButton* btDec;
    QTableWidget* Grid;

signals:
    void Closed();
    // A parameter or a formula changed the points.
    void EngineChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FitHeight();

    numberline::TDec1D& m_engine;
    QTimer* m_repeat;
    int m_repeatDirection = 0;
    bool m_filling = false;
};

} // namespace coordlinelab
