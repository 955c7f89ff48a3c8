#include "labs/probability/paintedcontrols.h"
#include <QMouseEvent>
#include <QResizeEvent>
#include <QPainter>
#include <QScrollBar>

namespace probabilitylab {

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPaintBox::setPreferredWidth(int width)
{
    m_preferredWidth = std::max(0, width);
    updateGeometry();
}

QSize TPaintBox::sizeHint() const { return QSize(m_preferredWidth, height()); }

QSize TPaintBox::minimumSizeHint() const { return QSize(0, minimumHeight()); }

void TPaintBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    if (m_painter) m_painter(painter);
}

void TPaintBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_pressed) m_pressed(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void TPaintBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_resized) m_resized(event->size());
}

TOutcomeGrid::TOutcomeGrid(QWidget* parent) : QAbstractScrollArea(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    verticalScrollBar()->setSingleStep(1);
}

void TOutcomeGrid::setRowCount(int rows)
{
    m_rows = std::max(0, rows);
    updateScrollBar();
    repaintRows();
}

void TOutcomeGrid::setRowHeight(int height)
{
    m_rowHeight = std::max(1, height);
    updateScrollBar();
    repaintRows();
}

int TOutcomeGrid::topRow() const { return verticalScrollBar()->value(); }

int TOutcomeGrid::rowAt(int y) const
{
    if (y < 0) return -1;
    const int row = topRow() + y / (m_rowHeight + 1);
    return row < m_rows ? row : -1;
}

// The scroll bar counts rows; its end shows the last row at the bottom.
void TOutcomeGrid::updateScrollBar()
{
    const int visible = std::max(1, viewport()->height() / (m_rowHeight + 1));
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, std::max(0, m_rows - visible));
    bar->setPageStep(visible);
}

void TOutcomeGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Base));
    if (m_painter) m_painter(painter, topRow(), m_rowHeight, viewport()->height());
}

void TOutcomeGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    const int row = rowAt(event->position().toPoint().y());
    if (row >= 0) emit rowPressed(row);
}

void TOutcomeGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBar();
    emit widthChanged(viewport()->width());
}

void TOutcomeGrid::scrollContentsBy(int, int) { repaintRows(); }

void TGraphBox::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    emit resized(viewport()->size());
}

} // namespace probabilitylab
