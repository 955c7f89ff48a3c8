#include "labframe/labregistry.h"
#include "labframe/testlab.h"
#include "base/appstate.h"
#include "base/clock.h"
#include "support/fakedialogs.h"
#include "support/testsupport.h"
#include "tasks/recording.h"
#include "tasks/answerarea.h"
#include "support/shellcallsrecorder.h"
#include <QDir>
#include <QFile>
#include <memory>

using namespace tasks;
using base::App;

namespace {

const QString kPupil = QStringLiteral("10000501");
const QString kCode = QStringLiteral("A05\\012");

class CheckTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        App().currentUserId = kPupil;
        App().userFolder = QStringLiteral("USERS\\") + kPupil + u'\\';
        state.taskCode = kCode;
        state.ShowUser(kPupil);
        state.pageLines = {"<HTML><BODY><FORM>", "x = <INPUT NAME=x>", "<INPUT TYPE=CHECKBOX NAME=c1 VALUE=ю>", "</FORM>"};
        page.hasForm = true;
        page.controlNames = {"x", "c1"};
    }
    void TearDown() override
    {
        ProgramFolderTest::TearDown();
    }
    void writeExpected(const QStringList& lines) { writeLines(QStringLiteral("ZADS\\") + kCode + ".ANS", lines); }
    QByteArray userFile(const QString& ext) const { return readBytes(state.UserFile(ext)); }

    FakeDialogs dialogs;
    ShellCallsRecorder shellCalls;
    // The notes shown, as "note text/seconds".
    const QStringList& notes = shellCalls.calls;
    TaskState state;
    PageAnswers page;
};

} // namespace

TEST_F(CheckTest, RightAnswersAreJudgedSavedAndRecorded)
{
    FixedClock clock(QStringLiteral("2004-03-07T10:02:05"));
    state.startTime = 10 * 3600;
    writeExpected({"x=5", "c1=ю"});
    page.formValues = {"x= 5 ", "c1=ю"};

    const CheckResult result = CheckAnswers(state, page);
    ASSERT_EQ(result.status, CheckStatus::Judged);
    EXPECT_EQ(result.verdict, 1);
    EXPECT_EQ(state.pageLines, (QStringList{"<HTML><BODY><FORM>", "x = 5", "<FONT FACE=\"Wingdings\">☑</FONT>", "</FORM>"}));

    EXPECT_TRUE(RecordResult(state, result.verdict, {App()}));
    EXPECT_EQ(notes, QStringList{"note ОТЛИЧНО!/5"});
    EXPECT_EQ(userFile(".ANS"), cp1251Lines({"x=5", "c1=ю"}));
    EXPECT_EQ(readBytes(QStringLiteral("USERS\\10000501\\results.txt")), QByteArray("A05\\012=1  1   125 07.03.2004\r\n"));
    EXPECT_TRUE(App().resultsChanged);
}

// A lab that judges a task itself adds its lines to the page's answers; they
// are judged like plain fields and saved with them.
TEST_F(CheckTest, TheLabsOwnAnswerLinesAreJudgedWithThePage)
{
    writeExpected({"x=5", "LAB1=[1]"});
    page.formValues = {"x=5"};
    const struct { QStringList lab; int verdict; } cases[] = {
        {{"LAB1=[1]", "LAB2="}, 1}, // an empty lab line is no incomplete page
        {{"LAB1="}, 2},
        {{}, 2},
    };
    for (const auto& c : cases) {
        page.labAnswers = c.lab;
        const CheckResult result = CheckAnswers(state, page);
        EXPECT_EQ(result.verdict, c.verdict) << c.lab.join(' ').toStdString();
        for (const QString& line : c.lab) EXPECT_TRUE(state.answers.contains(line)) << line.toStdString();
    }
}

TEST_F(CheckTest, AnUntickedBoxIsPaddedAndShownAsAWrongEmptyBox)
{
    writeExpected({"x=5", "c1=ю"});
    page.formValues = {"x=5"};
    const CheckResult result = CheckAnswers(state, page);
    EXPECT_EQ(result.verdict, 2);
    EXPECT_EQ(state.answers, (QStringList{"x=5", "c1=Ё"}));
    EXPECT_EQ(state.pageLines.value(2), QStringLiteral("<FONT FACE=\"Wingdings\" COLOR=RED>☐</FONT>"));
    RecordResult(state, result.verdict, {App()});
    EXPECT_EQ(notes, QStringList{"note Вы ошиблись!/5"});
}

TEST_F(CheckTest, NothingIsJudgedForAnotherUserOrWithEmptyFields)
{
    writeExpected({"x=5"});
    page.formValues = {"x=  "};
    EXPECT_EQ(CheckAnswers(state, page).status, CheckStatus::Incomplete);
    EXPECT_EQ(notes, QStringList{"note Ответ неполный .../5"});

    state.ShowUser(QStringLiteral("10000777"));
    page.formValues = {"x=5"};
    EXPECT_EQ(CheckAnswers(state, page).status, CheckStatus::WrongUser);
    EXPECT_EQ(notes.last(), QStringLiteral("note Вы не можете отвечать за другого ученика!/5"));
    EXPECT_TRUE(state.answers.isEmpty());
    EXPECT_FALSE(QFile::exists(real(QStringLiteral("USERS\\10000501\\results.txt"))));
    EXPECT_FALSE(QFile::exists(real(QStringLiteral("USERS\\10000777"))));
}

TEST_F(CheckTest, AMissingAnswerFileIsReportedNotJudged)
{
    page.formValues = {"x=5"};
    const CheckResult result = CheckAnswers(state, page);
    EXPECT_EQ(result.status, CheckStatus::NoAnswerFile);
    EXPECT_EQ(result.message, QStringLiteral("Не удается открыть файл \"ZADS\\A05\\012.ANS\""));
    EXPECT_TRUE(dialogs.lastMessage().isEmpty()); // the window shows it
}

TEST_F(CheckTest, FreeAnswersWaitForTheTeacher)
{
    state.pageLines = {"<FORM><INPUT NAME=x><TEXTAREA NAME=comment_></TEXTAREA></FORM>"};
    page.controlNames = {"x", "comment_"};
    writeExpected({"x=5", "comment_="});
    page.formValues = {"x=5", "comment_=так"};
    const CheckResult result = CheckAnswers(state, page);
    EXPECT_EQ(result.verdict, 0);
    EXPECT_EQ(state.pageLines, QStringList{"<FORM>5<FONT COLOR=GRAY> так </FONT></FORM>"});
    RecordResult(state, result.verdict, {App()});
    EXPECT_EQ(notes, QStringList{"note Ваше решение отправлено на проверку/5"});
}

TEST_F(CheckTest, SendingWithoutAnswerFileSavesUnjudgedAnswers)
{
    FixedClock clock(QStringLiteral("2004-03-07T00:00:10"));
    state.startTime = 86400 - 20; // shown 20 seconds before midnight
    page.formValues = {"x=что-то"};
    EXPECT_TRUE(SendAnswers(state, page, {App()}));
    EXPECT_EQ(userFile(".ANS"), cp1251Lines({"x=что-то"}));
    EXPECT_EQ(App().userResults.value(kCode), QStringLiteral("0  1    30 07.03.2004"));

    // A page without a form leaves nothing to save but still records.
    QFile::remove(real(state.UserFile(".ANS")));
    page.hasForm = false;
    EXPECT_TRUE(SendAnswers(state, page, {App()}));
    EXPECT_FALSE(QFile::exists(real(state.UserFile(".ANS"))));
    EXPECT_EQ(App().userResults.value(kCode).left(4), QStringLiteral("0  2"));
}

TEST_F(CheckTest, FilesThatCannotBeWrittenAreReportedAndTheAttemptStillCounts)
{
    writeBytes(QStringLiteral("USERS\\10000501\\A05"), "a file where the folder should be");
    page.formValues = {"x=5"};
    EXPECT_FALSE(SendAnswers(state, page, {App()}));
    EXPECT_EQ(dialogs.lastMessage(), base::SharedChangeMessage(base::SharedChangeStatus::Failed, QStringLiteral("USERS\\10000501\\A05\\012.ANS")));
    EXPECT_EQ(App().userResults.value(kCode).left(4), QStringLiteral("0  1"));

    QDir(real(QStringLiteral("USERS\\10000501"))).removeRecursively();
    writeBytes(QStringLiteral("USERS\\10000501"), "a file where the user's folder should be");
    EXPECT_FALSE(SendAnswers(state, page, {App()}));
    EXPECT_EQ(dialogs.lastMessage(), base::SharedChangeMessage(base::SharedChangeStatus::Failed, QStringLiteral("USERS\\10000501\\results.txt")));
}

TEST_F(CheckTest, AnAreaIsJudgedByItsCardsAndSavedWithTheirPlaces)
{
    QWidget panel;
    TConteiner area(&panel);
    writeLines(QStringLiteral("ZADS\\A05\\012.CNT"), {"100 60 20 50 30", "TARGETS:", "T1 0 0 1", "T2 100 0 2", "SENDERS:", "A 0 60 a", "B 60 60 b"});
    ASSERT_TRUE(area.Load(QStringLiteral("ZADS\\A05\\012.CNT")));
    state.hasContainer = true;
    writeExpected({"A=T2", "B=0"});

    area.ShowAnswers({"A=T2"});
    page.areaAnswers = area.CollectAnswers();
    CheckResult result = CheckAnswers(state, page);
    ASSERT_EQ(result.status, CheckStatus::Judged);
    EXPECT_EQ(result.verdict, 1); // B lies on no place, as expected
    const QStringList pageBefore = state.pageLines;
    EXPECT_TRUE(RecordResult(state, result.verdict, {App(), &area}));
    EXPECT_EQ(state.pageLines, pageBefore);
    EXPECT_EQ(userFile(".ANS"), cp1251Lines({"A=T2", "B=0"}));
    EXPECT_EQ(userFile(".CNT"), cp1251Lines({"100 60 20 50 30", "TARGETS:", "T1 0 0 1", "T2 100 0 2", "SENDERS:", "A 100 0 a", "B 60 60 b"}));

    area.ShowAnswers({"B=T1"});
    page.areaAnswers = area.CollectAnswers();
    EXPECT_EQ(CheckAnswers(state, page).verdict, 2);
}

TEST_F(CheckTest, TheTasksLabIsSavedBesideTheAnswers)
{
    labframe::RegisterLab(6, [] { return new TestLab(6); });
    auto* lab = static_cast<TestLab*>(labframe::CreateLab(6));
    ASSERT_TRUE(lab);
    lab->engineRecords = {"P 1 2"};
    page.formValues = {"x=5"};
    EXPECT_TRUE(SendAnswers(state, page, {App(), nullptr, lab}));
    const QByteArray saved = userFile(".LAB");
    labframe::ReleaseLabs();
    EXPECT_TRUE(saved.startsWith("6\r\n")) << saved.toStdString();
    EXPECT_TRUE(saved.endsWith("#\r\nP 1 2\r\n")) << saved.toStdString();
}

TEST_F(CheckTest, TheAttemptGoesToTheGivenStateAndOnlyTheGivenLabIsSaved)
{
    labframe::RegisterLab(6, [] { return new TestLab(6); });
    ASSERT_TRUE(labframe::CreateLab(6)); // on screen, but not handed over
    base::AppState other;
    other.userFolder = QStringLiteral("USERS\\10000777\\");
    page.formValues = {"x=5"};
    EXPECT_TRUE(SendAnswers(state, page, {other}));
    labframe::ReleaseLabs();
    EXPECT_TRUE(userFile(".LAB").isEmpty());
    EXPECT_TRUE(other.resultsChanged);
    EXPECT_EQ(other.userResults.indexOfName(kCode), 0);
    EXPECT_TRUE(QFile::exists(real("USERS\\10000777\\results.txt")));
    EXPECT_FALSE(App().resultsChanged);
    EXPECT_EQ(App().userResults.indexOfName(kCode), -1);
}

TEST(TaskState, CodesThatLeaveTheTasksFolderAreRefused)
{
    EXPECT_TRUE(IsSafeTaskCode(QStringLiteral("A05\\012")));
    EXPECT_TRUE(IsSafeTaskCode(QStringLiteral("A05/012 b")));
    for (const char* code : {"", "..\\USERS\\x", "A05\\..\\..\\x", "\\A05\\012", "C:\\x", "A05\\\\012", "A05\\.\\012", "A05\\ ..\\x"})
        EXPECT_FALSE(IsSafeTaskCode(QString::fromUtf8(code))) << code;
}

TEST(TaskState, TheClockInTheCaption)
{
    EXPECT_EQ(ClockCaption(QStringLiteral("Упражнение №3 :"), 125), QStringLiteral("Упражнение №3: 2 мин  5 сек"));
    EXPECT_EQ(ClockCaption(QStringLiteral("Упражнение №3: 2 мин  5 сек"), 59.6), QStringLiteral("Упражнение №3: 1 мин  0 сек"));
    EXPECT_EQ(FaceFile(2), QStringLiteral("GIF\\Face2.GIF"));
}
