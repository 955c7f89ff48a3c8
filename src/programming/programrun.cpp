#include "programming/programrun.h"
#include <QFileInfo>
#include <QTimer>

namespace programming {

QString StartFailureMessage(const QString& program, const QString& reason)
{
    return QStringLiteral("Не удается запустить программу \"%1\": %2").arg(program, reason);
}

QString ExecutableProblem(const QString& executable)
{
    const QFileInfo file(executable);
    if (!file.exists()) return QStringLiteral("файл не найден");
    if (file.isDir() || !file.isExecutable()) return QStringLiteral("это не исполняемый файл");
    return {};
}

ProgramRun::ProgramRun(QObject* parent) : QObject(parent) {}

ProgramRun::~ProgramRun() { detach(); }

bool ProgramRun::running() const { return m_process != nullptr; }

bool ProgramRun::start(const ProgramCommand& command)
{
    if (m_process) return false;
    m_program = command.program;
    m_process = new QProcess(this);
    m_process->setProgram(command.program);
    m_process->setArguments(command.arguments);
    if (!command.workingFolder.isEmpty()) m_process->setWorkingDirectory(command.workingFolder);
    // The program talks to its own window or terminal, not to us.
    m_process->setProcessChannelMode(QProcess::ForwardedChannels);
    m_process->setInputChannelMode(QProcess::ForwardedInputChannel);
    connect(m_process, &QProcess::finished, this, &ProgramRun::processFinished);
    connect(m_process, &QProcess::errorOccurred, this, &ProgramRun::processError);
    m_process->start();
    // A start that failed has already finished the process (processError).
    return m_process != nullptr;
}

void ProgramRun::detach()
{
    if (!m_process) return;
    m_process->disconnect(this);
    // A program left running is not killed with us: it belongs to the user.
    m_process->setParent(nullptr);
    QProcess* process = m_process;
    m_process = nullptr;
    connect(process, &QProcess::finished, process, &QObject::deleteLater);
    if (process->state() == QProcess::NotRunning) process->deleteLater();
    QTimer::singleShot(0, this, &ProgramRun::ended);
}

void ProgramRun::processFinished()
{
    finish();
    emit ended();
}

void ProgramRun::processError(QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart && error != QProcess::Crashed) return;
    const QString reason = m_process->errorString();
    const bool crashed = error == QProcess::Crashed;
    finish();
    // Told from the event loop, so that a caller never hears of the end
    // before start() has returned.
    if (crashed) QTimer::singleShot(0, this, &ProgramRun::ended); // a crash ends the program like a close
    else QTimer::singleShot(0, this, [this, message = StartFailureMessage(m_program, reason)] { emit failed(message); });
}

void ProgramRun::finish()
{
    if (!m_process) return;
    m_process->disconnect(this);
    m_process->deleteLater();
    m_process = nullptr;
}

} // namespace programming
