#pragma once
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

namespace ui {

// True only when the running application can show cursors. The qGuiApp macro
// is a plain cast of QCoreApplication::instance(), not a check: a tool that runs
// the judging code under a QCoreApplication would call into QGuiApplication on
// an object that is not one.
inline bool HasGuiApplication() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

// The hourglass for the life of the object (nothing without a GUI application).
class WaitCursor {
public:
    WaitCursor() : m_shown(HasGuiApplication())
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
    // A message or dialog in the middle of long work is shown with the normal
    // cursor; the hourglass comes back when it is done.
    template <typename Show> void WithNormalCursor(Show&& show)
    {
        const bool shown = m_shown;
        Release();
        show();
        if (shown && HasGuiApplication()) {
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
            m_shown = true;
        }
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool m_shown;
};

} // namespace ui
