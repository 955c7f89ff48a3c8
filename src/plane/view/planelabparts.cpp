#include "plane/view/planelabparts.h"
#include "plane/view/planecontrol.h"
#include <QAbstractButton>
#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QTimer>

namespace planeview {

ZoomButtons::ZoomButtons(TDec2D& plane, QAbstractButton& zoomIn, QAbstractButton& zoomOut, QTimer& timer,
                         int interval)
    : QObject(&plane), m_plane(plane), m_timer(timer)
{
    m_timer.setInterval(interval);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (m_heldTag == 0) m_timer.stop();
        else Step(m_heldTag);
    });
    for (QAbstractButton* button : {&zoomIn, &zoomOut}) {
        const int tag = button == &zoomIn ? kZoomIn : kZoomOut;
        connect(button, &QAbstractButton::pressed, this, [this, tag] {
            m_heldTag = tag;
            Step(tag);
            m_timer.start();
        });
        connect(button, &QAbstractButton::released, this, [this] {
            m_heldTag = 0;
            m_timer.stop();
        });
    }
}

void ZoomButtons::Step(int tag)
{
    if (tag == kZoomIn) m_plane.SetScale(m_plane.Scale() * kFactor);
    else if (tag == kZoomOut) m_plane.SetScale(m_plane.Scale() / kFactor);
}

void ShowColourDot(QLabel& dot, const QColor& colour)
{
    dot.setStyleSheet(QStringLiteral("background: %1; border: 1px solid gray; border-radius: %2px;")
                          .arg(colour.name())
                          .arg(dot.height() / 2));
}

void FillPenWidths(QComboBox& widths)
{
    for (int width = 1; width <= kPenWidthCount; ++width) widths.addItem(QString::number(width));
}

} // namespace planeview
