#pragma once
#include <QWidget>
#include <functional>

// A control the lab paints itself and that reports the mouse: presses of any
// button, and moves while the left button is held.
namespace fractionslab {

class TPaintBox : public QWidget {
public:
    using Painter = std::function<void(QPainter&)>;
    using MouseHandler = std::function<void(QPoint)>;
    using SizeHandler = std::function<void(QSize)>;
    explicit TPaintBox(QWidget* parent = nullptr) : QWidget(parent) {}

    void setPainter(Painter painter) { m_painter = std::move(painter); }
    void setPressed(MouseHandler handler) { m_pressed = std::move(handler); }
    void setDragged(MouseHandler handler) { m_dragged = std::move(handler); }
    void setResized(SizeHandler handler) { m_resized = std::move(handler); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Painter m_painter;
    MouseHandler m_pressed;
    MouseHandler m_dragged;
    SizeHandler m_resized;
};

} // namespace fractionslab
