#pragma once
#include <QAbstractScrollArea>
#include <QScrollArea>
#include <QWidget>
#include <functional>

// The painted controls of the probability lab: paint boxes and one-row grids
// (PBox, PGet, grBox, grGet, Grid2, Image1) whose picture and clicks the window
// supplies, and the scrolling outcome table (Grid1), whose rows the engine paints.
namespace probabilitylab {

class TPaintBox : public QWidget {
    Q_OBJECT
public:
    using Painter = std::function<void(QPainter&)>;
    using Pressed = std::function<void(QPoint)>;
    using Resized = std::function<void(QSize)>;

    explicit TPaintBox(QWidget* parent = nullptr);
    void setPainter(Painter painter) { m_painter = std::move(painter); }
    void setPressed(Pressed pressed) { m_pressed = std::move(pressed); }
    void setResized(Resized resized) { m_resized = std::move(resized); }
    // The width the box asks for; the layout may give it less (the picture
    // is then cut at the right), so a long row never widens the window.
    void setPreferredWidth(int width);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Painter m_painter;
    Pressed m_pressed;
    Resized m_resized;
    int m_preferredWidth = 0;
};

// A draw grid of the engine's rows: rowHeight pixels per row with one-pixel
// lines between rows, a vertical scroll bar, and the painting and clicks
// handed to the window.
class TOutcomeGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    // Painter(painter, topRow, rowHeight, height) paints the visible rows.
    using Painter = std::function<void(QPainter&, int, int, int)>;

    explicit TOutcomeGrid(QWidget* parent = nullptr);
    void setPainter(Painter painter) { m_painter = std::move(painter); }

    int rowCount() const { return m_rows; }
    void setRowCount(int rows);
    int rowHeight() const { return m_rowHeight; }
    void setRowHeight(int height);
    int topRow() const;
    // The row under a point of the viewport; -1 below the last row.
    int rowAt(int y) const;
    // Paints the visible rows again.
    void repaintRows() { viewport()->update(); }

signals:
    void rowPressed(int row);
    void widthChanged(int width);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void updateScrollBar();

    Painter m_painter;
    int m_rows = 0;
    int m_rowHeight = 30;
};

// The scroll box of the frequency graph; says when its size changed.
class TGraphBox : public QScrollArea {
    Q_OBJECT
public:
    explicit TGraphBox(QWidget* parent = nullptr) : QScrollArea(parent) {}

signals:
    void resized(QSize viewportSize);

protected:
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace probabilitylab
