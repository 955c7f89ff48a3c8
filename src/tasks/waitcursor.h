#pragma once
#include <QCursor>
#include <QGuiApplication>

namespace tasks {

// The hourglass for the life of the object (nothing without an application).
class WaitCursor {
public:
    WaitCursor() : m_shown(qGuiApp != nullptr)
    {
        if (m_shown) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~WaitCursor()
    {
        if (m_shown) QGuiApplication::restoreOverrideCursor();
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool m_shown;
};

} // namespace tasks
