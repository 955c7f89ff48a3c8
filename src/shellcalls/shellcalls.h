#pragma once
#include <QString>

class QWidget;

// Calls from the lower libraries (labs, tasks, users) up into the windows of
// the shell, which are built above them: one small interface per need. The
// shell installs its implementations once its windows exist; until then (and
// in tests that install nothing) the base classes serve, which do nothing.
namespace shellcalls {

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

// Moving about the course: topic pages, contents, the task window.
class Navigation {
public:
    virtual ~Navigation() = default;
    // Opens the topic (its title taken from the topic map) on page 1..4 of
    // the topic page window. False when the topic has no page list.
    virtual bool OpenTopicPage(const QString& topic, int page) { return false; }
    // Marks the first occurrence of text (letter case ignored) in the topic
    // page view and scrolls to it.
    virtual void FindInTopicPage(const QString& text) {}
    // Rebuilds the contents list of section n (a lesson was added to it).
    virtual void ShowContents(int section) {}
    // Opens a task in the task window: caption, ShowUser, LoadTask,
    // RestoreState (topic pages, the search, the results table).
    virtual void OpenTask(const TaskOpening& opening) {}
    // The code of the task in the visible task window (topic folder, "\",
    // task name, as "A05\012"); empty when the task window is hidden.
    virtual QString VisibleTaskCode() const { return {}; }
    // A lab window was hidden: close the task window (and its hint) when visible.
    virtual void CloseTaskWindows() {}
    // The topic page's font size, given to the task window's page view.
    virtual void SetTaskFontSize(int pointSize) {}
    // The quit question was answered Yes: close the popup and end the program.
    virtual void QuitConfirmed() {}
};

// The guide figure of the main window: its notes and the help it opens.
class Guide {
public:
    virtual ~Guide() = default;
    // The cloud-shaped message popup beside the figure.
    virtual void ShowNote(const QString& text, int seconds) {}
    // The figure itself (the popup and the help windows are placed from its
    // screen position; null without a main window) and its frame: 2 while a
    // note shows, 0 otherwise.
    virtual QWidget* Figure() const { return nullptr; }
    virtual void SetFigureFrame(int frame) {}
    // Help of the window that holds the figure (its click, or F1).
    virtual void ShowWindowHelp() {}
    // "Что это такое?" on a control.
    virtual void ShowControlHelp(QWidget* control) {}
    // Loads a page into the lab help window and shows it / closes that window.
    virtual void ShowLabHelp(const QString& pageFile) {}
    virtual void CloseLabHelp() {}
    // Shows the lab help window again with the page it held (a demonstration
    // hid it with CloseLabHelp while it played).
    virtual void ShowLabHelpAgain() {}
    // The hint window of the tasks and the history page window.
    virtual void ShowHintPage(const QString& file) {}
    virtual void CloseHintPage() {}
    virtual void ShowHistoryPage(const QString& file) {}
    virtual void CloseHistoryPage() {}
};

// The main window's status line (lbRegim).
class StatusLine {
public:
    virtual ~StatusLine() = default;
    virtual void ShowStatus(const QString& text) {}
};

// The installed implementations, or the do-nothing ones.
Navigation& navigation();
Guide& guide();
StatusLine& statusLine();

// Installs an implementation (not owned); nullptr goes back to the do-nothing one.
void Install(Navigation* navigation);
void Install(Guide* guide);
void Install(StatusLine* statusLine);
// All three back to the do-nothing ones (the end of a run, tests).
void InstallNone();

// Installs for the lifetime of the object and then puts back what was there
// (tests, and windows that serve a call while they live).
template <class Calls>
class Installed {
public:
    explicit Installed(Calls* calls) : m_previous(Current()) { Install(calls); }
    ~Installed() { Install(m_previous); }
    Installed(const Installed&) = delete;
    Installed& operator=(const Installed&) = delete;

private:
    static Calls* Current();
    Calls* m_previous;
};

template <>
Navigation* Installed<Navigation>::Current();
template <>
Guide* Installed<Guide>::Current();
template <>
StatusLine* Installed<StatusLine>::Current();

} // namespace shellcalls
