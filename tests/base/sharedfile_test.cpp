#include "base/paths.h"
#include "base/sharedfile.h"
#include "base/textfile.h"
#include "support/testsupport.h"
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>

using namespace base;

namespace {
const QString kFile = QStringLiteral("USERS\\1\\results.txt");

// Waits briefly: the tests hold locks themselves and must not sit out the
// real few seconds.
constexpr SharedFileTimes kQuick{150, 20000};

LinesChange Append(const QString& line)
{
    return [line](QStringList& lines, bool) {
        lines.append(line);
        return true;
    };
}

// A lock file as QLockFile writes it: process id, program, machine.
void WriteLockFile(const QString& path, qint64 pid, const QString& host, const QDateTime& stamp)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray::number(pid) + "\norindo\n" + host.toUtf8() + "\n");
    file.close();
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(stamp, QFileDevice::FileModificationTime));
}
// The identifier of a process that has ended.
qint64 FinishedProcessId()
{
    QProcess process;
    process.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("echo $$")});
    if (!process.waitForFinished()) return 0;
    return process.readAllStandardOutput().trimmed().toLongLong();
}
} // namespace

class SharedFile : public ProgramFolderTest {
protected:
    QString lockPath() const { return RealPath(kFile) + QStringLiteral(".lock"); }
    QStringList fileLines() const { return TryReadLines(kFile).value_or(QStringList{QStringLiteral("<missing>")}); }
};

TEST_F(SharedFile, ChangeWorksOnWhatTheFileHoldsNow)
{
    bool sawFile = true;
    auto first = ChangeSharedFile(kFile, [&](QStringList& lines, bool existed) {
        sawFile = existed;
        lines.append(QStringLiteral("a=1"));
        return true;
    });
    EXPECT_EQ(first.status, SharedChangeStatus::Written);
    EXPECT_FALSE(sawFile); // the folder and the file are made
    // Another copy of the program writes meanwhile; the next change sees it.
    writeLines(QStringLiteral("USERS/1/results.txt"), {QStringLiteral("a=1"), QStringLiteral("b=2")});
    auto second = ChangeSharedFile(kFile, Append(QStringLiteral("c=3")));
    EXPECT_EQ(second.status, SharedChangeStatus::Written);
    EXPECT_EQ(second.lines, (QStringList{"a=1", "b=2", "c=3"}));
    EXPECT_EQ(readBytes(QStringLiteral("USERS/1/results.txt")), QByteArray("a=1\r\nb=2\r\nc=3\r\n"));
    EXPECT_FALSE(QFileInfo::exists(lockPath())); // unlocked
}

TEST_F(SharedFile, ChangeThatChangesNothingWritesNothing)
{
    auto result = ChangeSharedFile(kFile, [](QStringList&, bool) { return false; });
    EXPECT_EQ(result.status, SharedChangeStatus::Unchanged);
    EXPECT_FALSE(QFileInfo::exists(real(QStringLiteral("USERS/1/results.txt"))));
    EXPECT_EQ(ChangeSharedFile(kFile, ReplaceLines({"x"})).status, SharedChangeStatus::Written);
    EXPECT_EQ(ChangeSharedFile(kFile, ReplaceLines({"x"})).status, SharedChangeStatus::Unchanged);
}

TEST_F(SharedFile, BusyLockLeavesTheFileAndKeepsTheChangeInOrder)
{
    writeLines(QStringLiteral("USERS/1/results.txt"), {QStringLiteral("a=1")});
    SharedChanges changes(kQuick);
    {
        QLockFile other(lockPath()); // another writer of this machine, alive
        ASSERT_TRUE(other.tryLock(0));
        EXPECT_EQ(changes.Apply(kFile, Append(QStringLiteral("b=2"))).status, SharedChangeStatus::Busy);
        EXPECT_EQ(changes.Apply(kFile, Append(QStringLiteral("c=3"))).status, SharedChangeStatus::Busy);
        EXPECT_EQ(fileLines(), QStringList{"a=1"});
        EXPECT_EQ(changes.pendingCount(), 2);
        EXPECT_EQ(changes.pendingFiles(), QStringList{kFile});
    }
    // The next change of the file goes after the kept ones.
    auto result = changes.Apply(kFile, Append(QStringLiteral("d=4")));
    EXPECT_EQ(result.status, SharedChangeStatus::Written);
    EXPECT_EQ(fileLines(), (QStringList{"a=1", "b=2", "c=3", "d=4"}));
    EXPECT_EQ(changes.pendingCount(), 0);
}

TEST_F(SharedFile, KeptChangeOfOneFileDoesNotHoldUpAnother)
{
    const QString other = QStringLiteral("USERS\\2\\results.txt");
    SharedChanges changes(kQuick);
    QLockFile held(lockPath());
    ASSERT_TRUE(ChangeSharedFile(kFile, Append("a=1")).done());
    ASSERT_TRUE(held.tryLock(0));
    EXPECT_EQ(changes.Apply(kFile, Append("b=2")).status, SharedChangeStatus::Busy);
    EXPECT_EQ(changes.Apply(other, Append("z=9")).status, SharedChangeStatus::Written);
    EXPECT_TRUE(changes.hasPending(kFile));
    EXPECT_FALSE(changes.hasPending(other));
    held.unlock();
    EXPECT_EQ(changes.RetryPending(), 0);
    EXPECT_EQ(fileLines(), (QStringList{"a=1", "b=2"}));
}

// Which locks left behind are taken over at once, and which are respected.
TEST_F(SharedFile, AbandonedLocksAreTakenOverLiveOnesAreNot)
{
    struct Case {
        const char* what;
        qint64 pid;
        QString host;
        int ageSeconds;
        SharedChangeStatus expected;
    };
    const qint64 deadPid = FinishedProcessId();
    const QString here = QSysInfo::machineHostName();
    const Case cases[] = {
        {"writer of this machine killed", deadPid, here, 0, SharedChangeStatus::Written},
        {"writer of another machine, old lock", 1, QStringLiteral("class-pc-17"), 60, SharedChangeStatus::Written},
        {"writer of another machine, fresh lock", 1, QStringLiteral("class-pc-17"), 1, SharedChangeStatus::Busy},
        {"live writer of this machine, old lock", QCoreApplication::applicationPid(), here, 60,
         SharedChangeStatus::Written},
        {"lock file left empty, old", 0, QString(), 60, SharedChangeStatus::Written},
    };
    ASSERT_GT(deadPid, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(real(QStringLiteral("USERS/1/results.txt")));
        writeLines(QStringLiteral("USERS/1/keep.txt"), {}); // the folder
        const QDateTime stamp = QDateTime::currentDateTime().addSecs(-c.ageSeconds);
        if (c.pid == 0) {
            QFile empty(lockPath());
            ASSERT_TRUE(empty.open(QIODevice::WriteOnly | QIODevice::Truncate));
            ASSERT_TRUE(empty.setFileTime(stamp, QFileDevice::FileModificationTime));
        } else {
            WriteLockFile(lockPath(), c.pid, c.host, stamp);
        }
        const auto result = ChangeSharedFile(kFile, Append("a=1"), SharedFileTimes{300, 30000});
        EXPECT_EQ(result.status, c.expected);
        EXPECT_EQ(fileLines(), c.expected == SharedChangeStatus::Written ? QStringList{"a=1"}
                                                                          : QStringList{"<missing>"});
        QFile::remove(lockPath());
    }
}

TEST_F(SharedFile, MessagesSayTheChangeIsKept)
{
    EXPECT_TRUE(SharedChangeMessage(SharedChangeStatus::Busy, kFile).contains(QStringLiteral("другой пользователь")));
    EXPECT_TRUE(SharedChangeMessage(SharedChangeStatus::Failed, kFile).contains(QStringLiteral("не изменен")));
    for (auto status : {SharedChangeStatus::Busy, SharedChangeStatus::Failed}) {
        EXPECT_TRUE(SharedChangeMessage(status, kFile).contains(kFile));
        EXPECT_TRUE(SharedChangeMessage(status, kFile).contains(QStringLiteral("будут записаны")));
    }
    EXPECT_TRUE(SharedChangeMessage(SharedChangeStatus::Written, kFile).isEmpty());
}
