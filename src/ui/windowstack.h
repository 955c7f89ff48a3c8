#pragma once
#include <QList>
#include <QPointer>
#include <QWidget>
#include <functional>

// The full-size windows of the program replace each other on screen. The last
// window of the stack is the one shown; the login window is entry 0 and the
// main window entry 1. A few controls of the main window (back and main-window
// buttons, status bar, guide figure) travel into whichever window is shown.
namespace ui {

class WindowStack {
public:
    static WindowStack& instance();

    // Appends without showing or hiding anything (the login window at start).
    void push(QWidget* window);
    // Shows window in place of the top one (taking its bounds and its window
    // state, so that a window opened over a maximised one opens maximised),
    // moves the travelling controls into it and pushes it.
    void openWindow(QWidget* window);
    // Pops the top window and shows the one below it the same way.
    void closeTopWindow();
    // Hides every window above the first and shows the first (the login
    // window, when the user changes). The travelling controls stay where
    // they are: the next openWindow takes them along.
    void returnToFirst();

    QWidget* top() const;
    int count() const { return int(m_windows.size()); }
    QWidget* at(int index) const { return m_windows.value(index); }
    bool contains(const QWidget* window) const;

    // Controls that move into the shown window, keeping their coordinates.
    void setTravellingControls(QList<QWidget*> controls);
    // Called after every change of the window on top.
    void setTopChangedHandler(std::function<void(QWidget* top)> handler);

    void clear(); // tests

private:
    void replace(QWidget* from, QWidget* to);
    void moveControlsInto(QWidget* window);

    QList<QPointer<QWidget>> m_windows;
    QList<QPointer<QWidget>> m_travelling;
    std::function<void(QWidget*)> m_topChanged;
};

inline void OpenWindow(QWidget* window) { WindowStack::instance().openWindow(window); }
inline void CloseTopWindow() { WindowStack::instance().closeTopWindow(); }

} // namespace ui
