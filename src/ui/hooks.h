#pragma once
#include <QString>
#include <functional>

class QWidget;

// Calls from the lower libraries (labs, tasks, users) up into the windows of
// the shell, which are built above them. The shell fills these at start-up;
// an empty hook does nothing, which is what tests without a shell get.
namespace ui {

// What a caller of the task window asks for: whose work, which task, the
// caption ("Упражнение №3 :"), and for a teacher's look from the results
// table the pupil's verdict ("1" presses "Верно" down, "2" "Неверно"); the
// search names the text to mark in the page.
struct TaskOpening {
    QString userId;
    QString taskCode;
    QString caption;
    QString pressedVerdict = {};
    QString findText = {};
};

struct ShellHooks {
    // The cloud-shaped message popup of the guide figure.
    std::function<void(const QString& text, int seconds)> showNote;
    // Help of the window that holds the guide figure (its click, or F1).
    std::function<void()> showWindowHelp;
    // "Что это такое?" on a control.
    std::function<void(QWidget* control)> showControlHelp;
    // Loads a page into the lab help window and shows it / closes that window.
    std::function<void(const QString& pageFile)> showLabHelp;
    std::function<void()> closeLabHelp;
    // Shows the lab help window again with the page it held (a demonstration
    // hid it with closeLabHelp while it played).
    std::function<void()> showLabHelpAgain;
    // A lab window was hidden: close the task window and the reference window
    // when they are visible.
    std::function<void()> closeTaskWindows;
    // The code of the task in the visible task window (topic folder, "\", task
    // name, as "A05\012"); empty when the task window is hidden.
    std::function<QString()> visibleTaskCode;
    // Opens a task in the task window: caption, ShowUser, LoadTask,
    // RestoreState (topic pages, the search, the results table).
    std::function<void(const TaskOpening& opening)> openTask;
    // The topic page's font size, given to the task window's page view.
    std::function<void(int pointSize)> setTaskFontSize;
    // The status text of the main window's status bar (lbRegim).
    std::function<void(const QString& text)> setStatusText;
    // The animated guide figure "Fig" of the main window (the popup and the
    // help windows are placed from its screen position) and its frame: 2
    // while a note shows, 0 otherwise.
    std::function<QWidget*()> guideFigure;
    std::function<void(int frame)> setGuideFrame;
    // The hint window of the tasks and the history page window.
    std::function<void(const QString& file)> showHintPage;
    std::function<void(const QString& file)> showHistoryPage;
    // Closes the hint window (the task window closed).
    std::function<void()> closeHintPage;
    // Closes the history page window (the main window changed its section).
    std::function<void()> closeHistoryPage;
    // The quit question was answered Yes: close the popup and end the program.
    std::function<void()> quitConfirmed;
};

ShellHooks& hooks();

// Convenience calls that do nothing when the hook is empty.
void ShowNote(const QString& text, int seconds);
void SetStatusText(const QString& text);

} // namespace ui
