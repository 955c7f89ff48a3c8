// Many copies of the program on one program folder at once.
//
//   sharedfolder_stress [--processes N] [--records M] [--folder DIR]
//       N workers record M results each for their own user and M for a
//       shared user, on one common task, every third one as a teacher
//       overruling; lessons are added and removed, users added. Afterwards
//       every entry must be there exactly once and every file read back.
//   On several machines sharing DIR: --prepare once, then on each machine
//   --first K --processes N --no-check (worker numbers K .. K+N-1, ranges
//   apart), and at the end --check --processes <all workers>.
//   sharedfolder_stress --kill [--processes N] [--kills K] [--folder DIR]
//       kills writers with SIGKILL at random moments; every file must still
//       read back whole, and the locks they left are taken over.
//   sharedfolder_stress --limits
//       a full disk and a read-only folder (a small file system of its own,
//       mounted in a user namespace): the write is reported, the old file
//       stays. Exits 77 (skipped) where user namespaces are not allowed.
// Exit code 0 when everything holds; the problems are printed otherwise.
#include "base/paths.h"
#include "base/random.h"
#include "base/sharedfile.h"
#include "base/textfile.h"
#include "sharedfolder/limits.h"
#include "sharedfolder/worker.h"
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kSkipped = 77;
constexpr int kTeacherEvery = 3;
constexpr int kWorkerTimeoutMs = 600000;
// Kill test: how long a writer runs before it may be killed, at most.
constexpr int kLongestRunBeforeKillMs = 300;
constexpr int kRecordsUntilKilled = 1000000;
constexpr int kTakeOverWaitMs = 4000;

struct Options {
    int processes = 8;
    int records = 20;
    int kills = 20;
    int worker = -1;
    int first = 0;
    bool prepare = false;
    bool check = true;
    bool checkOnly = false;
    bool teacher = false;
    bool kill = false;
    bool limits = false;
    QString folder;
    QString hold;
    QString limitsInside;
};

Options ParseOptions(const QStringList& args)
{
    Options options;
    for (int i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        const QString next = i + 1 < args.size() ? args[i + 1] : QString();
        if (arg == QLatin1String("--processes")) options.processes = next.toInt(), ++i;
        else if (arg == QLatin1String("--records")) options.records = next.toInt(), ++i;
        else if (arg == QLatin1String("--kills")) options.kills = next.toInt(), ++i;
        else if (arg == QLatin1String("--folder")) options.folder = next, ++i;
        else if (arg == QLatin1String("--worker")) options.worker = next.toInt(), ++i;
        else if (arg == QLatin1String("--hold")) options.hold = next, ++i;
        else if (arg == QLatin1String("--limits-inside")) options.limitsInside = next, ++i;
        else if (arg == QLatin1String("--first")) options.first = next.toInt(), ++i;
        else if (arg == QLatin1String("--prepare")) options.prepare = true;
        else if (arg == QLatin1String("--no-check")) options.check = false;
        else if (arg == QLatin1String("--check")) options.checkOnly = true;
        else if (arg == QLatin1String("--teacher")) options.teacher = true;
        else if (arg == QLatin1String("--kill")) options.kill = true;
        else if (arg == QLatin1String("--limits")) options.limits = true;
    }
    return options;
}

void Print(const QString& text) { std::fprintf(stdout, "%s\n", text.toLocal8Bit().constData()), std::fflush(stdout); }

int Report(const QStringList& problems, const QString& what)
{
    for (const QString& problem : problems) Print(QStringLiteral("PROBLEM ") + problem);
    Print(problems.isEmpty() ? what + QStringLiteral(": all held") : what + QStringLiteral(": %1 problems").arg(problems.size()));
    return problems.isEmpty() ? 0 : 1;
}

std::unique_ptr<QProcess> StartWorker(const Options& options, int index, int records)
{
    auto process = std::make_unique<QProcess>();
    QStringList args{QStringLiteral("--worker"), QString::number(index), QStringLiteral("--records"),
                     QString::number(records), QStringLiteral("--folder"), options.folder};
    if (index % kTeacherEvery == 0) args.append(QStringLiteral("--teacher"));
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QCoreApplication::applicationFilePath(), args);
    return process;
}

int RunAsWorker(const Options& options)
{
    QStringList out;
    const int left = stress::RunWorker({options.worker, options.records, options.teacher}, out);
    for (const QString& line : out) Print(line);
    Print(QStringLiteral("PENDING %1").arg(left));
    return left == 0 ? 0 : 1;
}

// Holds the lock of a file until killed.
int HoldLock(const QString& file)
{
    // A writer killed earlier may have left its lock in a state only the age
    // rule clears (killed between its two lock files): wait past that age.
    const base::SharedFileTimes times;
    base::ChangeSharedFile(file, [](QStringList&, bool) {
        Print(QStringLiteral("HELD"));
        for (;;) QThread::sleep(1);
        return false;
    }, base::SharedFileTimes{times.staleMs + times.waitMs, times.staleMs});
    return 0;
}

int RunStress(const Options& options)
{
    QElapsedTimer timer;
    timer.start();
    std::vector<std::unique_ptr<QProcess>> workers;
    for (int i = 0; i < options.processes; ++i)
        workers.push_back(StartWorker(options, options.first + i, options.records));
    QStringList problems;
    for (int i = 0; i < int(workers.size()); ++i) {
        QProcess& worker = *workers[i];
        if (!worker.waitForFinished(kWorkerTimeoutMs) || worker.exitCode() != 0)
            problems.append(QStringLiteral("worker %1 failed (exit %2)").arg(options.first + i).arg(worker.exitCode()));
        for (const QString& line : QString::fromLocal8Bit(worker.readAllStandardOutput()).split(u'\n'))
            if (line.startsWith(QLatin1String("ERROR"))) problems.append(QStringLiteral("worker %1: %2").arg(options.first + i).arg(line));
    }
    Print(QStringLiteral("%1 processes x %2 records in %3 ms").arg(options.processes).arg(options.records).arg(timer.elapsed()));
    if (options.check) problems += stress::CheckFolder({options.processes, options.records});
    return Report(problems, QStringLiteral("stress"));
}

// A writer killed while holding a lock: the next writer takes the lock over.
QStringList CheckTakeOver(const Options& options)
{
    const QString file = stress::kSharedUser + QStringLiteral("results.txt");
    QProcess holder;
    holder.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--hold"), file, QStringLiteral("--folder"), options.folder});
    if (!holder.waitForReadyRead(kWorkerTimeoutMs)) return {QStringLiteral("the lock holder did not start")};
    holder.kill();
    holder.waitForFinished();
    if (!QFileInfo::exists(base::RealPath(file) + QStringLiteral(".lock")))
        return {QStringLiteral("the killed holder left no lock to take over")};
    QElapsedTimer timer;
    timer.start();
    const auto result = base::ChangeSharedFile(file, [](QStringList& lines, bool) {
        lines.append(QStringLiteral("AFTER\\KILL=1  1     1 01.01.2026"));
        return true;
    }, base::SharedFileTimes{kTakeOverWaitMs, 20000});
    if (result.status != base::SharedChangeStatus::Written)
        return {QStringLiteral("the lock of a killed writer was not taken over")};
    Print(QStringLiteral("lock of a killed writer taken over in %1 ms").arg(timer.elapsed()));
    return {};
}

int RunKill(const Options& options)
{
    std::vector<std::unique_ptr<QProcess>> workers;
    int nextIndex = 0;
    for (int i = 0; i < options.processes; ++i) workers.push_back(StartWorker(options, nextIndex++, kRecordsUntilKilled));
    for (int k = 0; k < options.kills; ++k) {
        QThread::msleep(unsigned(base::RandomInt(kLongestRunBeforeKillMs)));
        auto& victim = workers[size_t(base::RandomInt(int(workers.size())))];
        victim->kill(); // SIGKILL
        victim->waitForFinished();
        victim = StartWorker(options, nextIndex++, kRecordsUntilKilled);
    }
    for (auto& worker : workers) {
        worker->kill();
        worker->waitForFinished();
    }
    Print(QStringLiteral("%1 writers killed at random moments").arg(options.kills + options.processes));
    QStringList problems = stress::CheckFilesWhole();
    problems += CheckTakeOver(options);
    // The locks the killed writers left are no obstacle to a new writer.
    auto last = StartWorker(options, nextIndex++, 5);
    if (!last->waitForFinished(kWorkerTimeoutMs) || last->exitCode() != 0)
        problems.append(QStringLiteral("a writer after the kills could not write everything"));
    problems += stress::CheckFilesWhole();
    return Report(problems, QStringLiteral("kill"));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Options options = ParseOptions(app.arguments());
    if (!options.limitsInside.isEmpty()) return stress::CheckLimitsInside(options.limitsInside);
    if (options.limits) {
        const int status = stress::CheckLimits(QCoreApplication::applicationFilePath());
        if (status == stress::kLimitsUnavailable) {
            Print(QStringLiteral("limits: skipped, no user namespace to mount a small file system in"));
            return kSkipped;
        }
        return status;
    }

    std::unique_ptr<QTemporaryDir> temporary;
    if (options.folder.isEmpty()) {
        temporary = std::make_unique<QTemporaryDir>();
        options.folder = temporary->path();
    }
    base::SetProgramFolder(options.folder);
    if (!options.hold.isEmpty()) return HoldLock(options.hold);
    if (options.worker >= 0) return RunAsWorker(options);

    base::Randomize();
    if (options.checkOnly) return Report(stress::CheckFolder({options.processes, options.records}), QStringLiteral("check"));
    if (options.prepare) return stress::PrepareFolder() ? 0 : 2;
    const bool joins = options.first > 0 || !options.check; // another machine laid the folder out
    if (!joins) {
        if (!QDir(options.folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot)) {
            Print(QStringLiteral("the folder must be empty: ") + options.folder);
            return 2;
        }
        if (!stress::PrepareFolder()) {
            Print(QStringLiteral("cannot lay out the program folder in ") + options.folder);
            return 2;
        }
    }
    return options.kill ? RunKill(options) : RunStress(options);
}
