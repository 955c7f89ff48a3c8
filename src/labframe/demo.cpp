#include "labframe/demo.h"
#include "labframe/labregistry.h"
#include "labframe/labwindow.h"
#include "labframe/virtualkeys.h"
#include "base/numfmt.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "shellcalls/shellcalls.h"
#include "ui/music.h"
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>
#include <limits>

namespace labframe {
namespace {

constexpr QSize kDemoClientSize(800, 600);
// Script lines are a few numbers; a longer line is junk.
constexpr qint64 kMaxScriptLine = 1024;
// The replay thread looks for a stop request this often while it waits.
constexpr int kWaitSliceMs = 10;
const QString kClosingNote = QStringLiteral("А теперь попробуйте сами!");
constexpr int kClosingNoteSeconds = 3;

std::optional<int> ScriptInt(const QString& word)
{
    const auto number = base::ParseInt(word);
    if (!number || *number < std::numeric_limits<int>::min() || *number > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(*number);
}

// Gives the keyboard focus as a real click would: to the nearest widget under
// the pointer that takes focus by clicking.
void GiveClickFocus(QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (widget->isEnabled() && (widget->focusPolicy() & Qt::ClickFocus)) {
            widget->setFocus(Qt::MouseFocusReason);
            return;
        }
        if (widget->isWindow()) return;
    }
}

} // namespace

std::optional<ScriptEvent> ParseScriptLine(const QString& line)
{
    const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() < 4) return std::nullopt;
    int values[4];
    for (int i = 0; i < 4; ++i) {
        const auto value = ScriptInt(words[i]);
        if (!value) return std::nullopt;
        values[i] = *value;
    }
    return ScriptEvent{values[0], values[1], values[2], values[3]};
}

bool IsScriptMouseEvent(int code) { return code == kScriptMouseMove || code == kScriptLeftDown || code == kScriptLeftUp; }

bool IsScriptKeyEvent(int code) { return code == 256 || code == 257 || code == 260 || code == 261; }

bool EndsReplay(const ScriptEvent& event)
{
    if (event.delay < 0) return true;
    return IsScriptKeyEvent(event.code) && (event.a < 0 || event.a > 255 || event.b < 0);
}

bool ScriptReader::open(const QString& realPath)
{
    m_file.setFileName(realPath);
    return m_file.open(QIODevice::ReadOnly);
}

std::optional<QString> ScriptReader::nextLine()
{
    while (m_file.isOpen() && !m_file.atEnd()) {
        QByteArray line = m_file.readLine(kMaxScriptLine + 1);
        const bool whole = line.endsWith('\n') || m_file.atEnd();
        if (!whole) {
            // Skip the rest of an overlong line.
            while (!m_file.atEnd() && !m_file.readLine(kMaxScriptLine + 1).endsWith('\n')) {}
            continue;
        }
        while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
        return base::DecodeCp1251(line);
    }
    return std::nullopt;
}

TDemoThread::TDemoThread(TDemo* player, quint64 run, QString scriptRealPath)
    : m_player(player), m_run(run), m_script(std::move(scriptRealPath))
{
}

bool TDemoThread::waitFor(int delay)
{
    while (delay > 0) {
        if (isInterruptionRequested()) return false;
        const int slice = std::min(delay, kWaitSliceMs);
        msleep(slice);
        delay -= slice;
    }
    return !isInterruptionRequested();
}

void TDemoThread::run()
{
    ScriptReader script;
    if (script.open(m_script)) {
        while (!isInterruptionRequested()) {
            const auto line = script.nextLine();
            if (!line) break;
            const auto event = ParseScriptLine(*line);
            if (!event) continue;
            if (EndsReplay(*event) || !waitFor(event->delay)) break;
            if (!IsScriptMouseEvent(event->code) && !IsScriptKeyEvent(event->code)) continue;
            TDemo* player = m_player;
            const quint64 run = m_run;
            QMetaObject::invokeMethod(player, [player, run, e = *event] { player->replay(run, e); }, Qt::QueuedConnection);
        }
    }
    TDemo* player = m_player;
    const quint64 run = m_run;
    QMetaObject::invokeMethod(player, [player, run] { player->replayEnded(run); }, Qt::QueuedConnection);
}

TDemo::TDemo(QObject* parent) : QObject(parent) {}

TDemo::~TDemo()
{
    if (m_playing && QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
    // The thread calls back into this object; it must be gone first.
    if (m_thread) {
        m_thread->requestInterruption();
        m_thread->wait();
        delete m_thread.data();
    }
}

void TDemo::prepareTarget()
{
    m_target->setWindowState(Qt::WindowNoState);
    m_target->resize(kDemoClientSize);
    const QScreen* screen = m_target->screen();
    if (!screen) return;
    const QSize window = m_target->frameGeometry().size();
    const QRect area = screen->geometry();
    // Centred, but never off the screen's top left, where the system would move it later.
    m_target->move(area.x() + std::max(0, (area.width() - window.width()) / 2),
                   area.y() + std::max(0, (area.height() - window.height()) / 2));
}

void TDemo::StartScript(const QString& path)
{
    if (m_playing || !m_target) return;
    prepareTarget();
    shellcalls::guide().CloseLabHelp();
    m_scriptPath = path;
    m_playing = true;
    m_expected.reset();
    m_lastKey = 0;
    m_pressed = nullptr;
    m_heldKeys.clear();
    m_modifiers = Qt::NoModifier;
    auto* thread = new TDemoThread(this, ++m_run, base::RealPath(path));
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    m_thread = thread;
    thread->start();
    qApp->installEventFilter(this);
}

void TDemo::StopScript()
{
    if (!m_playing) return;
    if (m_thread) m_thread->requestInterruption();
    qApp->removeEventFilter(this);
    releaseHeldInput();
    m_scriptPath.clear();
    m_playing = false;
    m_expected.reset();
    m_lastKey = 0;
    ui::StopSound();
    if (TfmLab* lab = CurrentLab()) lab->lbExample->clear();
    shellcalls::guide().ShowLabHelpAgain();
    shellcalls::guide().ShowNote(kClosingNote, kClosingNoteSeconds);
}

void TDemo::replayEnded(quint64 run)
{
    if (run == m_run) StopScript();
}

void TDemo::replay(quint64 run, const ScriptEvent& event)
{
    if (run != m_run || !m_playing) return;
    if (!m_target) {
        StopScript();
        return;
    }
    if (IsScriptMouseEvent(event.code)) replayMouse(event);
    else replayKey(event);
}

QWidget* TDemo::widgetAt(const QPoint& screenPoint) const
{
    QWidget* child = m_target->childAt(m_target->mapFromGlobal(screenPoint));
    return child ? child : m_target.data();
}

void TDemo::replayMouse(const ScriptEvent& event)
{
    const QPoint point = m_target->mapToGlobal(QPoint(0, 0)) + QPoint(event.a, event.b);
    if (point.x() < 0 || point.y() < 0) {
        StopScript();
        return;
    }
    m_expected = point;
    if (event.code == kScriptLeftDown) ui::PlayClick();
    if (event.code == kScriptLeftUp) ui::PlayKey();

    QCursor::setPos(point);
    QWidget* receiver = m_pressed ? m_pressed.data() : widgetAt(point);
    QEvent::Type type = QEvent::MouseMove;
    Qt::MouseButton button = Qt::NoButton;
    if (event.code == kScriptLeftDown) {
        type = QEvent::MouseButtonPress;
        button = Qt::LeftButton;
        m_pressed = receiver;
        GiveClickFocus(receiver);
    } else if (event.code == kScriptLeftUp) {
        type = QEvent::MouseButtonRelease;
        button = Qt::LeftButton;
        m_pressed = nullptr;
    }
    const Qt::MouseButtons held = m_pressed ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent mouse(type, receiver->mapFromGlobal(QPointF(point)), QPointF(point), button, held, m_modifiers);
    QCoreApplication::sendEvent(receiver, &mouse);
}

void TDemo::replayKey(const ScriptEvent& event)
{
    const bool release = (event.b & kScriptKeyUpFlag) != 0;
    m_lastKey = event.a;
    const Qt::KeyboardModifier modifier = ModifierOfVirtualKey(event.a);
    if (release) {
        m_heldKeys.remove(event.a);
        m_modifiers &= ~modifier;
    } else {
        m_heldKeys.insert(event.a);
        m_modifiers |= modifier;
    }
    const VirtualKey key = TranslateVirtualKey(event.a, m_modifiers.testFlag(Qt::ShiftModifier));
    const bool types = !(m_modifiers & (Qt::ControlModifier | Qt::AltModifier));
    QWidget* receiver = m_target->focusWidget() ? m_target->focusWidget() : m_target.data();
    QKeyEvent keyEvent(release ? QEvent::KeyRelease : QEvent::KeyPress, key.key, m_modifiers,
                       types ? key.text : QString());
    QCoreApplication::sendEvent(receiver, &keyEvent);
    ui::PlayKey();
}

void TDemo::releaseHeldInput()
{
    if (m_pressed) {
        const QPoint point = m_expected.value_or(QCursor::pos());
        QMouseEvent mouse(QEvent::MouseButtonRelease, m_pressed->mapFromGlobal(QPointF(point)), QPointF(point),
                          Qt::LeftButton, Qt::NoButton, m_modifiers);
        QWidget* pressed = m_pressed;
        m_pressed = nullptr;
        QCoreApplication::sendEvent(pressed, &mouse);
    }
    if (!m_target) return;
    QWidget* receiver = m_target->focusWidget() ? m_target->focusWidget() : m_target.data();
    for (const int code : std::exchange(m_heldKeys, {})) {
        QKeyEvent keyEvent(QEvent::KeyRelease, TranslateVirtualKey(code, false).key, Qt::NoModifier);
        QCoreApplication::sendEvent(receiver, &keyEvent);
    }
    m_modifiers = Qt::NoModifier;
}

bool TDemo::FilterMessage(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // A foreign key must not fire a shortcut; its key press then ends the replay.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == TranslateVirtualKey(m_lastKey, false).key) return false;
        event->accept();
        return true;
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == TranslateVirtualKey(m_lastKey, false).key) return false;
        StopScript();
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
        [[fallthrough]];
    case QEvent::MouseMove: {
        if (!m_expected) return false;
        const QPoint offset = static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - *m_expected;
        if (std::abs(offset.x()) <= kPointerSlack && std::abs(offset.y()) <= kPointerSlack) return false;
        StopScript();
        return true;
    }
    default:
        return false;
    }
}

bool TDemo::eventFilter(QObject* watched, QEvent* event)
{
    if (m_playing && FilterMessage(event)) return true;
    return QObject::eventFilter(watched, event);
}

TDemo& DemoPlayer()
{
    static QPointer<TDemo> player;
    if (!player) player = new TDemo(QCoreApplication::instance());
    return *player;
}

} // namespace labframe
