#pragma once
#include <QFile>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QThread>
#include <QWidget>
#include <optional>

// Demonstrations: a script ".SCI" of recorded mouse and key input is replayed
// into a lab window, with music, until it ends or the user takes over (a key
// the script did not press, or the pointer more than 40 pixels away from where
// the script put it); then the user is invited to try alone.
//
// The replay thread reads the script and waits out the delays; every event is
// handed to the user-interface thread, which moves the pointer and sends the
// synthetic mouse or key event to the program's own target window.
namespace labframe {

// Event codes of script lines.
constexpr int kScriptMouseMove = 512;
constexpr int kScriptLeftDown = 513;
constexpr int kScriptLeftUp = 514;
// Flag of a key event that releases the key.
constexpr int kScriptKeyUpFlag = 2;
// How far the real pointer may stray from the script's before the user has taken over.
constexpr int kPointerSlack = 40;

struct ScriptEvent {
    int delay = 0; // milliseconds waited before the event
    int code = 0;
    int a = 0;     // x, or the virtual key code
    int b = 0;     // y, or the key flags
};

// One script line: four integers separated by blanks (more words are ignored);
// nullopt for a line that does not hold them.
std::optional<ScriptEvent> ParseScriptLine(const QString& line);
bool IsScriptMouseEvent(int code);
bool IsScriptKeyEvent(int code);
// A negative delay, a key code outside 0-255 or negative key flags end the
// replay as the end of the script does.
bool EndsReplay(const ScriptEvent& event);

// Reads a script line by line without holding the file; overlong lines are skipped.
class ScriptReader {
public:
    bool open(const QString& realPath);
    std::optional<QString> nextLine();

private:
    QFile m_file;
};

class TDemo;

// The replay thread of one demonstration; deletes itself when it ends.
class TDemoThread : public QThread {
    Q_OBJECT
public:
    TDemoThread(TDemo* player, quint64 run, QString scriptRealPath);

protected:
    void run() override;

private:
    // Waits delay milliseconds; false when told to stop meanwhile.
    bool waitFor(int delay);

    TDemo* m_player;
    quint64 m_run;
    QString m_script;
};

// The player: idle or playing one script into its target window.
class TDemo : public QObject {
    Q_OBJECT
public:
    explicit TDemo(QObject* parent = nullptr);
    ~TDemo() override;

    bool playing() const { return m_playing; }
    QString scriptPath() const { return m_scriptPath; }
    void setTargetWindow(QWidget* window) { m_target = window; }
    QWidget* targetWindow() const { return m_target; }

    // Ignored while playing. Puts the target window in its normal state with
    // an 800 x 600 client area in the middle of the screen, hides the lab help
    // window, starts the replay thread and the message filter.
    void StartScript(const QString& path);
    // Ignored while idle. Stops the replay, the filter and the music, clears
    // the current lab's example note, shows the lab help window again and the
    // note "А теперь попробуйте сами!".
    void StopScript();

    // The message filter: true when the event is swallowed (the user took over).
    bool FilterMessage(QEvent* event);

    // Where the script put the pointer (screen), none before its first mouse event.
    std::optional<QPoint> expectedPointer() const { return m_expected; }
    int lastKey() const { return m_lastKey; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class TDemoThread;
    // Called on the user-interface thread for events of replay run.
    void replay(quint64 run, const ScriptEvent& event);
    void replayEnded(quint64 run);

    void prepareTarget();
    void replayMouse(const ScriptEvent& event);
    void replayKey(const ScriptEvent& event);
    QWidget* widgetAt(const QPoint& screenPoint) const;
    // Releases the button and keys the script holds down when it stops.
    void releaseHeldInput();

    bool m_playing = false;
    QString m_scriptPath;
    QPointer<QWidget> m_target;
    QPointer<TDemoThread> m_thread;
    quint64 m_run = 0;
    std::optional<QPoint> m_expected;
    int m_lastKey = 0;
    QPointer<QWidget> m_pressed; // receives the moves and release of a press
    QSet<int> m_heldKeys;
    Qt::KeyboardModifiers m_modifiers;
};

// The player of the run, made on first use and owned by the application object.
TDemo& DemoPlayer();

} // namespace labframe
