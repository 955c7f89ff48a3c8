#include "labs/fractions/paintbox.h"
#include <QMouseEvent>
#include <QPainter>

namespace fractionslab {

void TPaintBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_painter) m_painter(painter);
}

void TPaintBox::mousePressEvent(QMouseEvent* event)
{
    if (m_pressed) m_pressed(event->position().toPoint());
}

void TPaintBox::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragged && (event->buttons() & Qt::LeftButton)) m_dragged(event->position().toPoint());
}

void TPaintBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_resized) m_resized(size());
}

} // namespace fractionslab
