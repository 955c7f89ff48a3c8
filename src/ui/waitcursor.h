#pragma once
#include <QCursor>
#include <QGuiApplication>

namespace ui {

// The hourglass for the life of the object (nothing without an application).
class WaitCursor {
public:
    WaitCursor() : m_shown(qGuiApp != nullptr)
    {
        if (m_shown) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~WaitCursor() { Release(); }
    // The normal cursor again before the object ends.
    void Release()
    {
        if (m_shown) QGuiApplication::restoreOverrideCursor();
        m_shown = false;
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool m_shown;
};

} // namespace ui
