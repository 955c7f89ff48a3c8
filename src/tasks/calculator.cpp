#include "tasks/calculator.h"
#include "ui/dialogs.h"
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace tasks {

namespace {
// How long the window tool may take to find and raise a window.
constexpr int kRaiseTimeoutMs = 2000;
}

DesktopCalculator::DesktopCalculator(QObject* parent) : QObject(parent) {}

const QStringList& DesktopCalculator::KnownPrograms()
{
    static const QStringList programs{QStringLiteral("galculator"), QStringLiteral("gnome-calculator"),
                                      QStringLiteral("kcalc"), QStringLiteral("xcalc")};
    return programs;
}

QString DesktopCalculator::FindProgram()
{
    for (const QString& program : KnownPrograms()) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty()) return path;
    }
    return {};
}

bool DesktopCalculator::IsRunning() const
{
    if (m_pid <= 0) return false;
    // "pid (name) state ...": an ended process that nobody has reaped yet is "Z".
    QFile stat(QStringLiteral("/proc/%1/stat").arg(m_pid));
    if (!stat.open(QIODevice::ReadOnly)) return false;
    const QByteArray line = stat.readAll();
    const qsizetype nameEnd = line.lastIndexOf(')');
    return nameEnd > 0 && line.mid(nameEnd + 2, 1) != "Z";
}

bool DesktopCalculator::bringForward(const QString& program) const
{
    // The window tool finds the calculator's window by its class, whoever
    // started it; without the tool (or a window system) nothing is raised.
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    if (tool.isEmpty() || qEnvironmentVariableIsEmpty("DISPLAY")) return false;
    QProcess raise;
    raise.start(tool, {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--class"),
                       QFileInfo(program).fileName(), QStringLiteral("windowactivate")});
    if (!raise.waitForFinished(kRaiseTimeoutMs)) {
        raise.kill();
        raise.waitForFinished();
        return false;
    }
    return raise.exitStatus() == QProcess::NormalExit && raise.exitCode() == 0;
}

bool DesktopCalculator::Show()
{
    const QString program = FindProgram();
    if (program.isEmpty()) {
        ui::ShowMessage(kNoCalculatorText);
        return false;
    }
    if (bringForward(program) || IsRunning()) return true;
    // Detached: the calculator belongs to the user and outlives the program.
    if (!QProcess::startDetached(program, {}, QString(), &m_pid)) {
        ui::ShowMessage(QStringLiteral("Не удается запустить калькулятор \"%1\"").arg(program));
        return false;
    }
    return true;
}

} // namespace tasks
