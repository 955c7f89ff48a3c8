#include "ui/windowstack.h"
#include "ui/fullsizewindow.h"
#include "ui/screenfit.h"

namespace ui {

WindowStack& WindowStack::instance()
{
    static WindowStack stack;
    return stack;
}

void WindowStack::push(QWidget* window) { m_windows.append(window); }

QWidget* WindowStack::top() const { return m_windows.isEmpty() ? nullptr : m_windows.last().data(); }

bool WindowStack::contains(const QWidget* window) const
{
    for (const auto& w : m_windows)
        if (w == window) return true;
    return false;
}

void WindowStack::replace(QWidget* from, QWidget* to)
{
    if (from && to != from) {
        // The new window covers what the old one covered: its bounds, and
        // its maximised state. A maximised old window passes its bounds as
        // well, because the window system may not maximise a window that
        // is only being mapped, and the new window would then keep the
        // size it was made with.
        const bool maximized = from->isMaximized();
        to->setWindowState(Qt::WindowNoState);
        // A window made for a larger screen than this one stays on it.
        to->setGeometry(FitInto(from->geometry(), ClientAreaOf(*from)));
        if (maximized) to->setWindowState(Qt::WindowMaximized);
    }
    to->show();
    if (from && from != to) from->hide();
    moveControlsInto(to);
}

void WindowStack::moveControlsInto(QWidget* window)
{
    for (const auto& control : m_travelling) {
        if (!control || control->parentWidget() == window) continue;
        const QPoint position = control->pos();
        const bool visible = !control->isHidden();
        control->setParent(window);
        control->move(position);
        control->setVisible(visible);
        control->raise();
    }
    if (auto* full = qobject_cast<FullSizeWindow*>(window)) full->placeNavigationButtons();
}

void WindowStack::openWindow(QWidget* window)
{
    if (!window) return;
    replace(top(), window);
    m_windows.append(window);
    if (m_topChanged) m_topChanged(window);
}

void WindowStack::closeTopWindow()
{
    if (m_windows.size() < 2) return;
    QWidget* current = m_windows.last();
    QWidget* below = m_windows[m_windows.size() - 2];
    if (current && below) replace(current, below);
    m_windows.removeLast();
    if (m_topChanged) m_topChanged(below);
}

void WindowStack::returnToFirst()
{
    if (m_windows.size() < 2) return;
    QWidget* first = m_windows.first();
    if (first) first->show();
    for (qsizetype i = m_windows.size() - 1; i >= 1; --i)
        if (m_windows[i]) m_windows[i]->hide();
    m_windows.resize(1);
    if (m_topChanged) m_topChanged(first);
}

void WindowStack::setTravellingControls(QList<QWidget*> controls)
{
    m_travelling.clear();
    for (QWidget* control : controls) m_travelling.append(control);
}

void WindowStack::setTopChangedHandler(std::function<void(QWidget*)> handler)
{
    m_topChanged = std::move(handler);
}

void WindowStack::clear()
{
    m_windows.clear();
    m_travelling.clear();
    m_topChanged = nullptr;
}

} // namespace ui
