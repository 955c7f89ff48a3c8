#include "base/appstate.h"
#include "support/testsupport.h"
#include "users/results.h"
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include "base/textfile.h"

using base::App;
constexpr auto Written = base::SharedChangeStatus::Written;
constexpr auto Failed = base::SharedChangeStatus::Failed;

namespace {
class ResultsTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        App().userFolder = QStringLiteral("USERS\\10000501\\");
    }
    QByteArray resultsBytes(const QString& folder = QStringLiteral("USERS\\10000501\\")) const
    {
        return readBytes(folder + QStringLiteral("results.txt"));
    }
};
} // namespace

TEST(ResultValue, FixedColumnsAndTheirReading)
{
    const QString value = users::FormatResultValue(u'1', 1, 125, QDate(2004, 3, 7));
    EXPECT_EQ(value, QStringLiteral("1  1   125 07.03.2004"));
    EXPECT_EQ(users::ReadAttempts(value), 1);
    EXPECT_EQ(users::ReadSeconds(value), 125);
    // Fields that do not read as numbers count as 0; short values too.
    EXPECT_EQ(users::ReadAttempts(QStringLiteral("1abc   125 07.03.2004")), 0);
    EXPECT_EQ(users::ReadSeconds(QStringLiteral("1  2 x9999 07.03.2004")), 0);
    EXPECT_EQ(users::ReadSeconds(QStringLiteral("1")), 0);
    // Counts past the columns stay at the widest number, so columns never shift.
    EXPECT_EQ(users::FormatResultValue(u'2', 1000, 1234567, QDate(2004, 3, 7)), QStringLiteral("2999999999 07.03.2004"));
}

TEST_F(ResultsTest, AttemptsAddUpInTheFileByteForByte)
{
    FixedClock clock(QStringLiteral("2004-03-07T10:00:00"));
    EXPECT_EQ(users::RecordAttempt(App(), QStringLiteral("A05\\012"), 2, 60.4), Written);
    EXPECT_EQ(users::RecordAttempt(App(), QStringLiteral("A05\\013"), 0, 0.6), Written);
    EXPECT_EQ(users::RecordAttempt(App(), QStringLiteral("a05\\012"), 1, 65.0), Written); // another letter case, same task
    EXPECT_TRUE(App().resultsChanged);
    EXPECT_EQ(resultsBytes(), QByteArray("A05\\012=1  2   125 07.03.2004\r\n"
                                         "A05\\013=0  1     1 07.03.2004\r\n"));
}

TEST_F(ResultsTest, RoundingAndBrokenValues)
{
    FixedClock clock(QStringLiteral("2004-03-08T10:00:00"));
    writeLines(QStringLiteral("USERS\\10000501\\results.txt"),
               {QStringLiteral("A01\\001=2 zz     x 01.01.2004"), QStringLiteral("garbage line")});
    users::RecordAttempt(App(), QStringLiteral("A01\\001"), 1, 0.4);
    EXPECT_EQ(App().userResults.value(QStringLiteral("A01\\001")), QStringLiteral("1  1     0 08.03.2004"));
    EXPECT_EQ(App().userResults.lines().value(1), QStringLiteral("garbage line")); // kept as it was
    users::RecordAttempt(App(), QStringLiteral("A01\\001"), 1, -5); // a clock that went back adds nothing
    EXPECT_EQ(App().userResults.value(QStringLiteral("A01\\001")), QStringLiteral("1  2     0 08.03.2004"));
}

TEST_F(ResultsTest, LoadingReplacesTheListAndMissingFilesEmptyIt)
{
    writeLines(QStringLiteral("USERS\\10000501\\results.txt"), {QStringLiteral("A05\\012=1  1    10 07.03.2004")});
    base::NameValueList list({QStringLiteral("old=1")});
    users::LoadResults(QStringLiteral("USERS\\10000501\\"), list);
    EXPECT_EQ(list.lines(), QStringList{QStringLiteral("A05\\012=1  1    10 07.03.2004")});
    users::LoadResults(QStringLiteral("USERS\\99999999\\"), list);
    EXPECT_EQ(list.count(), 0);
}

TEST_F(ResultsTest, NobodyLoggedInWritesNoFile)
{
    App().userFolder.clear();
    EXPECT_EQ(users::RecordAttempt(App(), QStringLiteral("A05\\012"), 1, 10), Failed);
    EXPECT_EQ(App().userResults.count(), 1);
    EXPECT_FALSE(QFileInfo::exists(real(QStringLiteral("results.txt"))));
}

TEST_F(ResultsTest, FileThatCannotBeReadIsNotWrittenOverAndTheAttemptIsKept)
{
    FixedClock clock(QStringLiteral("2004-03-07T10:00:00"));
    users::RecordAttempt(App(), QStringLiteral("A05\\012"), 1, 10);
    const QByteArray before = resultsBytes();
    // The file's place is taken by a folder: it can be neither read nor written.
    const QString file = real(QStringLiteral("USERS\\10000501\\results.txt"));
    ASSERT_TRUE(QFile::rename(file, file + QStringLiteral(".aside")));
    QDir().mkpath(file);
    EXPECT_EQ(users::RecordAttempt(App(), QStringLiteral("A05\\013"), 2, 20), Failed);
    EXPECT_EQ(App().userResults.count(), 2);
    EXPECT_EQ(App().sharedChanges.pendingCount(), 1);
    QDir(file).removeRecursively();
    ASSERT_TRUE(QFile::rename(file + QStringLiteral(".aside"), file));
    // The kept attempt goes first, on the file as it is.
    EXPECT_EQ(users::RecordAttempt(App(), QStringLiteral("A05\\014"), 1, 5), Written);
    EXPECT_EQ(resultsBytes(), before + "A05\\013=2  1    20 07.03.2004\r\nA05\\014=1  1     5 07.03.2004\r\n");
    EXPECT_EQ(App().sharedChanges.pendingCount(), 0);
}

TEST_F(ResultsTest, BusyFileKeepsTheAttemptUntilTheNextOne)
{
    FixedClock clock(QStringLiteral("2004-03-07T10:00:00"));
    App().sharedChanges.setTimes({100, 20000});
    users::RecordAttempt(App(), QStringLiteral("A05\\012"), 1, 10);
    {
        QLockFile other(real(QStringLiteral("USERS\\10000501\\results.txt")) + QStringLiteral(".lock"));
        ASSERT_TRUE(other.tryLock(0));
        EXPECT_EQ(users::RecordAttempt(App(), QStringLiteral("A05\\012"), 2, 7), base::SharedChangeStatus::Busy);
        EXPECT_EQ(App().userResults.value(QStringLiteral("A05\\012")), QStringLiteral("2  2    17 07.03.2004"));
        EXPECT_EQ(resultsBytes(), QByteArray("A05\\012=1  1    10 07.03.2004\r\n"));
    }
    EXPECT_EQ(users::RecordAttempt(App(), QStringLiteral("A05\\013"), 1, 1), Written);
    EXPECT_EQ(resultsBytes(), QByteArray("A05\\012=2  2    17 07.03.2004\r\nA05\\013=1  1     1 07.03.2004\r\n"));
}

// The pupil works while the teacher overrules from another machine: neither
// the teacher's verdict nor the pupil's attempts are lost, whichever order.
TEST_F(ResultsTest, TeachersVerdictAndPupilsAttemptsBothSurvive)
{
    FixedClock clock(QStringLiteral("2004-03-07T10:00:00"));
    const QString pupilFolder = App().userFolder;
    base::AppState teacher;
    teacher.userFolder = QStringLiteral("USERS\\27182818\\");
    users::RecordAttempt(App(), QStringLiteral("A05\\012"), 0, 30); // waits for the teacher
    users::RecordAttempt(App(), QStringLiteral("A05\\013"), 2, 40);
    EXPECT_EQ(users::OverruleVerdict(teacher, pupilFolder, QStringLiteral("A05\\012"), 1), Written);
    // The pupil's list in memory still says "0"; the next attempt must not bring it back.
    EXPECT_EQ(users::RecordAttempt(App(), QStringLiteral("A05\\013"), 1, 5), Written);
    EXPECT_EQ(users::OverruleVerdict(teacher, pupilFolder, QStringLiteral("A05\\013"), 2), Written);
    EXPECT_EQ(users::RecordAttempt(App(), QStringLiteral("A05\\014"), 1, 1), Written);
    EXPECT_EQ(resultsBytes(), QByteArray("A05\\012=1  1    30 07.03.2004\r\n"
                                         "A05\\013=2  2    45 07.03.2004\r\n"
                                         "A05\\014=1  1     1 07.03.2004\r\n"));
    EXPECT_EQ(App().userResults.lines(), base::SplitLines(base::DecodeCp1251(resultsBytes())));
    EXPECT_FALSE(QFileInfo::exists(real(QStringLiteral("USERS/27182818/results.txt"))));
}

TEST_F(ResultsTest, OverrulingChangesOnlyTheVerdictOfThePupil)
{
    writeLines(QStringLiteral("USERS\\10000502\\results.txt"),
               {QStringLiteral("A05\\012=0  3   200 05.03.2004"), QStringLiteral("A05\\013=1  1    10 05.03.2004")});
    App().userFolder = QStringLiteral("USERS\\27182818\\");
    App().userResults.setLines({QStringLiteral("T\\1=1  1     1 01.03.2004")});
    EXPECT_EQ(users::OverruleVerdict(App(), QStringLiteral("USERS\\10000502\\"), QStringLiteral("a05\\012"), 2), Written);
    EXPECT_EQ(resultsBytes(QStringLiteral("USERS\\10000502\\")),
              cp1251Lines({QStringLiteral("A05\\012=2  3   200 05.03.2004"), QStringLiteral("A05\\013=1  1    10 05.03.2004")}));
    EXPECT_EQ(App().userResults.lines(), QStringList{QStringLiteral("T\\1=1  1     1 01.03.2004")});
    EXPECT_TRUE(App().resultsChanged);

    EXPECT_EQ(users::OverruleVerdict(App(), QStringLiteral("USERS\\10000502\\"), QStringLiteral("A05\\013"), 0), Failed);
    // A code without an entry changes nothing and creates no file.
    EXPECT_EQ(users::OverruleVerdict(App(), QStringLiteral("USERS\\10000503\\"), QStringLiteral("A05\\012"), 1),
              base::SharedChangeStatus::Unchanged);
    EXPECT_FALSE(QFileInfo::exists(real(QStringLiteral("USERS\\10000503"))));
}

TEST_F(ResultsTest, OverrulingOnesOwnEntryShowsInTheOwnList)
{
    writeLines(QStringLiteral("USERS\\10000501\\results.txt"), {QStringLiteral("A05\\012=0  1    10 05.03.2004")});
    users::LoadResults(App().userFolder, App().userResults);
    users::OverruleVerdict(App(), QStringLiteral("USERS\\10000501\\"), QStringLiteral("A05\\012"), 1);
    EXPECT_EQ(App().userResults.value(QStringLiteral("A05\\012")), QStringLiteral("1  1    10 05.03.2004"));
}
