#pragma once
#include "programming/programcommand.h"
#include <QObject>
#include <QProcess>

// One outside program at a time (the environment or an example), waited for
// through signals, so that the caller's windows keep repainting: ended()
// when it has closed, failed() with a Russian message when it could not
// start or broke down; exactly one of them per start.
namespace programming {

// "Не удается запустить программу "{program}"" with the reason.
QString StartFailureMessage(const QString& program, const QString& reason);
// Why an executable cannot be started, or empty when it can.
QString ExecutableProblem(const QString& executable);

class ProgramRun : public QObject {
    Q_OBJECT
public:
    explicit ProgramRun(QObject* parent = nullptr);
    ~ProgramRun() override;

    // Starts the program; failed() follows from the event loop when it
    // cannot start (on some platforms start() already returns false then).
    // A second start while one runs is refused with false and no signal.
    bool start(const ProgramCommand& command);
    bool running() const;
    // Stops waiting: the program keeps running on its own, ended() follows.
    void detach();

signals:
    void ended();
    void failed(const QString& message);

private:
    void processFinished();
    void processError(QProcess::ProcessError error);
    void finish();

    QProcess* m_process = nullptr;
    QString m_program;
};

} // namespace programming
