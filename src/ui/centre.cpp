#include "ui/centre.h"
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ui {

void CentreOnScreen(QWidget& window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

} // namespace ui
