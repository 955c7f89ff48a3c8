#include "sharedfolder/limits.h"
#include "base/appstate.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "users/results.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

namespace stress {
namespace {

// Small enough to fill in a moment.
const QString kFileSystemSize = QStringLiteral("size=256k");
const QString kUser = QStringLiteral("USERS\\P0\\");
constexpr int kFillChunk = 4096;
constexpr int kNamespaceTimeoutMs = 120000;

QByteArray ResultsBytes()
{
    QFile file(base::RealPath(kUser + users::kResultsFile));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Writes until the file system is full; the filler's path.
QString FillFileSystem(const QString& folder)
{
    const QString path = folder + QStringLiteral("/filler");
    QFile filler(path);
    if (!filler.open(QIODevice::WriteOnly)) return path;
    const QByteArray chunk(kFillChunk, 'x');
    while (filler.write(chunk) == chunk.size() && filler.flush()) {
    }
    return path;
}

// Files of the user's folder besides the results: temporary files or locks
// left by a failed write.
QStringList StrayFiles()
{
    QStringList names = QDir(base::RealPath(kUser)).entryList(QDir::Files | QDir::Hidden);
    names.removeAll(users::kResultsFile);
    return names;
}

void Expect(bool holds, const QString& what, QStringList& problems)
{
    if (!holds) problems.append(what);
}

// One write that cannot succeed: reported, the old file as it was, nothing
// left behind, the attempt kept.
void ExpectRefusedWrite(base::AppState& app, const QString& task, const QString& why, QStringList& problems)
{
    const QByteArray before = ResultsBytes();
    const base::SharedChangeStatus status = users::RecordAttempt(app, task, 1, 1);
    Expect(status == base::SharedChangeStatus::Failed, why + QStringLiteral(": the write was not reported"), problems);
    Expect(ResultsBytes() == before, why + QStringLiteral(": the old file changed"), problems);
    Expect(StrayFiles().isEmpty(), why + QStringLiteral(": files left behind: ") + StrayFiles().join(u' '), problems);
    Expect(app.userResults.indexOfName(task) >= 0, why + QStringLiteral(": the attempt was dropped"), problems);
}

} // namespace

int CheckLimits(const QString& program)
{
    // No user namespaces here (unshare missing or refused): nothing to run in.
    QProcess probe;
    probe.start(QStringLiteral("unshare"), {QStringLiteral("-rm"), QStringLiteral("true")});
    if (!probe.waitForFinished(kNamespaceTimeoutMs) || probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
        return kLimitsUnavailable;
    QTemporaryDir folder;
    const QString script = QStringLiteral("mount -t tmpfs -o %1 tmpfs \"$0\" || exit %2; exec \"$1\" --limits-inside \"$0\"")
                               .arg(kFileSystemSize)
                               .arg(kLimitsUnavailable);
    QProcess inside;
    inside.setProcessChannelMode(QProcess::ForwardedChannels);
    inside.start(QStringLiteral("unshare"), {QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-c"), script,
                                             folder.path(), program});
    if (!inside.waitForFinished(kNamespaceTimeoutMs) || inside.exitStatus() != QProcess::NormalExit) return 1;
    return inside.exitCode();
}

int CheckLimitsInside(const QString& folder)
{
    base::SetProgramFolder(folder);
    QStringList problems;
    base::AppState app;
    app.userFolder = kUser;
    for (const char* task : {"A\\1", "A\\2"})
        Expect(users::RecordAttempt(app, QString::fromLatin1(task), 1, 1) == base::SharedChangeStatus::Written,
               QStringLiteral("a first write failed"), problems);

    const QString filler = FillFileSystem(folder);
    std::fprintf(stdout, "limits: file system filled with %lld bytes\n", QFileInfo(filler).size());
    ExpectRefusedWrite(app, QStringLiteral("A\\3"), QStringLiteral("full disk"), problems);
    QFile::remove(filler);
    Expect(users::RecordAttempt(app, QStringLiteral("A\\4"), 1, 1) == base::SharedChangeStatus::Written,
           QStringLiteral("full disk: the write after freeing space failed"), problems);

    if (QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-o"), QStringLiteral("remount,ro"), folder}) != 0) {
        problems.append(QStringLiteral("cannot make the folder read-only"));
    } else {
        ExpectRefusedWrite(app, QStringLiteral("A\\5"), QStringLiteral("read-only folder"), problems);
        QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-o"), QStringLiteral("remount,rw"), folder});
        Expect(users::RecordAttempt(app, QStringLiteral("A\\6"), 1, 1) == base::SharedChangeStatus::Written,
               QStringLiteral("read-only folder: the write after making it writable failed"), problems);
    }
    // The kept attempts went in first: nothing was lost.
    base::NameValueList written;
    users::LoadResults(kUser, written);
    for (const char* task : {"A\\1", "A\\2", "A\\3", "A\\4", "A\\5", "A\\6"})
        Expect(written.indexOfName(QString::fromLatin1(task)) >= 0,
               QStringLiteral("%1 is missing from the file").arg(QString::fromLatin1(task)), problems);

    for (const QString& problem : problems) std::fprintf(stdout, "PROBLEM %s\n", problem.toLocal8Bit().constData());
    std::fprintf(stdout, "limits: %s\n", problems.isEmpty() ? "all held" : "problems found");
    return problems.isEmpty() ? 0 : 1;
}

} // namespace stress
