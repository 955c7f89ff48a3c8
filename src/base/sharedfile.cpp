#include "base/sharedfile.h"
#include "base/paths.h"
#include "base/textfile.h"
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryFile>
#include <QThread>
#include <algorithm>

namespace base {
namespace {

const QString kLockSuffix = QStringLiteral(".lock");
const QString kTakeOverSuffix = QStringLiteral(".takeover");
// Polling a busy lock: short first, so that thirty writers of small files
// take turns quickly, then at most this often.
constexpr int kFirstPauseMs = 2;
constexpr int kLongestPauseMs = 50;
// Telling the age of a busy lock makes a file in the folder (a round trip to
// the server): once at the start of a wait and then at most this often.
constexpr int kAgeCheckEveryMs = 1000;

// "Now" as the folder's file system stamps it: the modification time of a
// file made there this moment. The local clock when nothing can be made
// (a read-only folder), where no other writer can be either.
QDateTime FolderNow(const QString& folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.clock-XXXXXX"));
    if (probe.open() && probe.write("0", 1) == 1 && probe.flush()) {
        const QDateTime stamp = QFileInfo(probe.fileName()).lastModified();
        if (stamp.isValid()) return stamp;
    }
    return QDateTime::currentDateTime();
}

bool LockIsAbandoned(const QString& lockPath, const QString& folder, int staleMs)
{
    const QFileInfo info(lockPath);
    if (!info.exists()) return false;
    return info.lastModified().msecsTo(FolderNow(folder)) > staleMs;
}

// Removes an abandoned lock. Two writers may find the same abandoned lock:
// the one that gets the take-over lock looks again and removes it; the other
// then finds either no lock or the first writer's fresh one.
void TakeOverAbandoned(QLockFile& lock, const QString& lockPath, const QString& folder, int staleMs)
{
    QLockFile takeOver(lockPath + kTakeOverSuffix);
    takeOver.setStaleLockTime(staleMs);
    if (!takeOver.tryLock(0)) return;
    if (LockIsAbandoned(lockPath, folder, staleMs)) lock.removeStaleLockFile();
}

bool OwnsLock(const QLockFile& lock)
{
    qint64 pid = 0;
    QString host, application;
    return lock.getLockInfo(&pid, &host, &application) && pid == QCoreApplication::applicationPid()
        && host == QSysInfo::machineHostName();
}

enum class Locking { Locked, Busy, Failed };

Locking TakeLock(QLockFile& lock, const QString& lockPath, const QString& folder, const SharedFileTimes& times)
{
    // Abandoned locks of this machine are QLockFile's to find (by process);
    // the age rule is ours, on the folder's clock.
    lock.setStaleLockTime(0);
    QElapsedTimer waited;
    waited.start();
    qint64 ageCheckedAt = -kAgeCheckEveryMs;
    int pause = kFirstPauseMs;
    for (;;) {
        if (lock.tryLock(0)) return Locking::Locked;
        if (lock.error() != QLockFile::LockFailedError) return Locking::Failed;
        const bool checkAge = waited.elapsed() - ageCheckedAt >= kAgeCheckEveryMs;
        if (checkAge) ageCheckedAt = waited.elapsed();
        if (checkAge && LockIsAbandoned(lockPath, folder, times.staleMs)) {
            TakeOverAbandoned(lock, lockPath, folder, times.staleMs);
            if (lock.tryLock(0)) return Locking::Locked;
        }
        if (waited.elapsed() >= times.waitMs) return Locking::Busy;
        QThread::msleep(pause);
        pause = std::min(pause * 2, kLongestPauseMs);
    }
}

} // namespace

SharedChangeResult ChangeSharedFile(const QString& path, const LinesChange& change, const SharedFileTimes& times)
{
    const QString real = RealPath(path);
    const QString folder = QFileInfo(real).absolutePath();
    // No folder, no file: a change that leaves no lines alone makes nothing.
    if (QStringList none; !QFileInfo::exists(folder) && !change(none, false)) return {SharedChangeStatus::Unchanged, {}};
    if (!QDir().mkpath(folder)) return {SharedChangeStatus::Failed, {}};
    const QString lockPath = real + kLockSuffix;
    QLockFile lock(lockPath);
    switch (TakeLock(lock, lockPath, folder, times)) {
    case Locking::Locked:
        break;
    case Locking::Busy:
        return {SharedChangeStatus::Busy, {}};
    case Locking::Failed:
        return {SharedChangeStatus::Failed, {}};
    }

    const bool existed = QFileInfo::exists(real);
    QStringList lines;
    if (existed) {
        std::optional<QStringList> current = TryReadLines(path);
        // Writing over a file that cannot be read would lose what it holds.
        if (!current) return {SharedChangeStatus::Failed, {}};
        lines = std::move(*current);
    }
    if (!change(lines, existed)) return {SharedChangeStatus::Unchanged, lines};
    if (!OwnsLock(lock)) return {SharedChangeStatus::Busy, {}};
    if (!WriteLines(path, lines)) return {SharedChangeStatus::Failed, {}};
    return {SharedChangeStatus::Written, lines};
}

LinesChange ReplaceLines(QStringList lines)
{
    return [lines = std::move(lines)](QStringList& current, bool existed) {
        if (existed && current == lines) return false;
        current = lines;
        return true;
    };
}

SharedChangeResult SharedChanges::Apply(const QString& path, LinesChange change)
{
    RetryPending();
    if (hasPending(path)) {
        m_pending.push_back({path, std::move(change)});
        return {SharedChangeStatus::Busy, {}};
    }
    SharedChangeResult result = ChangeSharedFile(path, change, m_times);
    if (!result.done()) m_pending.push_back({path, std::move(change)});
    return result;
}

int SharedChanges::RetryPending()
{
    std::vector<Pending> kept;
    QStringList stillBehind; // files whose earlier change is still kept
    for (Pending& pending : m_pending) {
        const bool behind = stillBehind.contains(pending.path, Qt::CaseInsensitive);
        if (!behind && ChangeSharedFile(pending.path, pending.change, m_times).done()) continue;
        stillBehind.append(pending.path);
        kept.push_back(std::move(pending));
    }
    m_pending = std::move(kept);
    return pendingCount();
}

QStringList SharedChanges::pendingFiles() const
{
    QStringList files;
    for (const Pending& pending : m_pending)
        if (!files.contains(pending.path, Qt::CaseInsensitive)) files.append(pending.path);
    return files;
}

bool SharedChanges::hasPending(const QString& path) const
{
    return std::any_of(m_pending.begin(), m_pending.end(), [&](const Pending& pending) {
        return pending.path.compare(path, Qt::CaseInsensitive) == 0;
    });
}

QString SharedChangeMessage(SharedChangeStatus status, const QString& path)
{
    switch (status) {
    case SharedChangeStatus::Busy:
        return QStringLiteral("Файл \"%1\" сейчас изменяет другой пользователь. Ваши изменения не потеряны: "
                              "они будут записаны при следующем сохранении.")
            .arg(path);
    case SharedChangeStatus::Failed:
        return QStringLiteral("Не удается сохранить файл \"%1\" (папка закрыта для записи или диск заполнен). "
                              "Прежний файл не изменен; ваши изменения будут записаны при следующем сохранении.")
            .arg(path);
    default:
        return {};
    }
}

} // namespace base
