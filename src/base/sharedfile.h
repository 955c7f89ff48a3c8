#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

// Files that several copies of the program change at once: the program
// folder lies on a school server and the whole class works in it. A change
// is a function of the file's current lines; it runs while the file is
// locked, on what the file holds at that moment, so two writers never drop
// each other's work (a stale copy in memory is never written over the file).
//
// The lock is a QLockFile beside the file ("<file>.lock"). Readers take no
// lock: the file is replaced by an atomic rename, so a reader sees either the
// old or the new file, never half of one, and never holds a writer up.
//
// Abandoned locks. A writer that died holding the lock leaves the lock file.
// On the same machine QLockFile sees at once that its process is gone. A
// writer on another machine cannot be checked that way, so a lock also
// counts as abandoned when it is older than SharedFileTimes::staleMs, its age
// measured on the folder's own clock (the time stamp of a file just made in
// the same folder), so that machines whose clocks disagree still agree on the
// age. A lock is held only for one read, one change and one write of a small
// file, far below that age. A writer that was held up for longer than that
// anyway checks, just before replacing the file, that the lock is still its
// own, and gives up (the change is kept to be tried again) when it is not.
namespace base {

struct SharedFileTimes {
    int waitMs = 4000;   // how long to wait for a lock held by another writer
    int staleMs = 20000; // a lock older than this on the folder's clock is abandoned
};

enum class SharedChangeStatus {
    Written,   // the changed file replaced the old one
    Unchanged, // the change left the lines as they were: nothing written
    Busy,      // another writer held the lock for the whole wait
    Failed,    // the file could not be read or written (read-only folder, full disk)
};

// Changes lines in place; false when nothing needs writing. current tells
// whether the file existed (a missing file comes as no lines).
using LinesChange = std::function<bool(QStringList& lines, bool existed)>;

struct SharedChangeResult {
    SharedChangeStatus status = SharedChangeStatus::Failed;
    QStringList lines; // the file's lines after the change (Written, Unchanged)
    bool done() const { return status == SharedChangeStatus::Written || status == SharedChangeStatus::Unchanged; }
};

// Locks the file (a program path), reads it, applies the change, writes it
// atomically (creating its folder) and unlocks. On Busy and Failed the file
// is as it was.
SharedChangeResult ChangeSharedFile(const QString& path, const LinesChange& change, const SharedFileTimes& times = {});

// A change that replaces the whole file (the user's saved answers, an area).
LinesChange ReplaceLines(QStringList lines);

// Changes that could not be written yet, kept in memory and tried again
// before the next change of the same owner, in the order they were made.
class SharedChanges {
public:
    SharedChanges() = default;
    explicit SharedChanges(SharedFileTimes times) : m_times(times) {}

    // Tries the kept changes first; a change of a file that still has kept
    // changes waits behind them. The result is this change's: on Busy and
    // Failed it is kept.
    SharedChangeResult Apply(const QString& path, LinesChange change);
    // Tries the kept changes again; the number still kept.
    int RetryPending();
    int pendingCount() const { return int(m_pending.size()); }
    // Files with kept changes, each once, in order.
    QStringList pendingFiles() const;
    bool hasPending(const QString& path) const;

    const SharedFileTimes& times() const { return m_times; }
    void setTimes(const SharedFileTimes& times) { m_times = times; }

private:
    struct Pending {
        QString path;
        LinesChange change;
    };
    SharedFileTimes m_times;
    std::vector<Pending> m_pending;
};

// The Russian message for a change that could not be written; empty for
// Written and Unchanged.
QString SharedChangeMessage(SharedChangeStatus status, const QString& path);

} // namespace base
