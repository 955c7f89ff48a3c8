#include "ui/screenfit.h"
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace ui {

QRect FitInto(const QRect& window, const QRect& area)
{
    const QSize size = window.size().boundedTo(area.size());
    const int x = std::clamp(window.x(), area.left(), area.right() + 1 - size.width());
    const int y = std::clamp(window.y(), area.top(), area.bottom() + 1 - size.height());
    return QRect(QPoint(x, y), size);
}

QRect ClientAreaOf(const QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return window.geometry();
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return screen->availableGeometry().adjusted(client.left() - frame.left(), client.top() - frame.top(),
                                                client.right() - frame.right(), client.bottom() - frame.bottom());
}

} // namespace ui
