#pragma once
#include <QRect>

class QWidget;

// Keeping windows on the screen they are shown on.
namespace ui {

// window moved (and, when larger, shrunk) so that it lies inside area.
QRect FitInto(const QRect& window, const QRect& area);
// Where the client area of a top-level window may lie: the free area of its
// screen less the window's frame.
QRect ClientAreaOf(const QWidget& window);

} // namespace ui
