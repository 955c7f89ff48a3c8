#include "programming/programcommand.h"
#include "programming/programrun.h"
#include "support/testsupport.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>

using namespace programming;

namespace {

// A finder that knows exactly the given programs, under /usr/bin.
ExecutableFinder Knowing(const QStringList& names)
{
    return [names](const QString& name) { return names.contains(name) ? QStringLiteral("/usr/bin/") + name : QString(); };
}

const QString kFile = QStringLiteral("/home/pupil name/my \"first\" prog.PAS");
const QString kFolder = QStringLiteral("/home/pupil name");

} // namespace

struct CommandCase {
    const char* name;
    QString environment;
    TextEncoding encoding;
    QStringList installed;
    ProgramCommand expected;
};

class EnvironmentCommandTest : public ::testing::TestWithParam<CommandCase> {};

TEST_P(EnvironmentCommandTest, PassesTheFileAsOneArgument)
{
    const CommandCase& c = GetParam();
    const ProgramSettings settings{c.environment, QStringLiteral("PAS"), QStringLiteral("Среда"), c.encoding};
    EXPECT_EQ(EnvironmentCommand(settings, kFile, kFolder, Knowing(c.installed)), c.expected);
}

const QString kFp = QStringLiteral("/usr/bin/fp");
const QString kGui = QStringLiteral("/opt/ide/bin/ide");
const QString kTerminal = QStringLiteral("/usr/bin/x-terminal-emulator");
const QString kXterm = QStringLiteral("/usr/bin/xterm");

INSTANTIATE_TEST_SUITE_P(
    Environments, EnvironmentCommandTest,
    ::testing::Values(
        CommandCase{"graphical", kGui, TextEncoding::Dos, {QStringLiteral("x-terminal-emulator")}, {kGui, {kFile}, kFolder}},
        CommandCase{"text_mode_in_terminal", kFp, TextEncoding::Windows, {QStringLiteral("x-terminal-emulator")},
                    {kTerminal, {QStringLiteral("-e"), kFp, kFile}, kFolder}},
        CommandCase{"xterm_when_no_system_terminal", kFp, TextEncoding::Windows, {QStringLiteral("xterm")},
                    {kXterm, {QStringLiteral("-e"), kFp, kFile}, kFolder}},
        CommandCase{"system_terminal_first", kFp, TextEncoding::Dos, {QStringLiteral("x-terminal-emulator"), QStringLiteral("xterm")},
                    {kTerminal, {QStringLiteral("-e"), kFp, kFile}, kFolder}},
        CommandCase{"no_terminal_runs_directly", kFp, TextEncoding::Dos, {}, {kFp, {kFile}, kFolder}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExampleCommandTest, RunsInATerminalInItsOwnFolder)
{
    EXPECT_EQ(ExampleCommand(QStringLiteral("/prog/ZADS/GCD.exe"), Knowing({QStringLiteral("xterm")})),
              (ProgramCommand{kXterm, {QStringLiteral("-e"), QStringLiteral("/prog/ZADS/GCD.exe")}, QStringLiteral("/prog/ZADS")}));
    EXPECT_TRUE(IsTextModeEnvironment(QStringLiteral("/usr/local/bin/fp")));
    EXPECT_FALSE(IsTextModeEnvironment(QStringLiteral("/usr/bin/fpc-ide-gui")));
}

class ProgramRunTest : public ProgramFolderTest {
protected:
    // A shell script at a real path, made executable when asked.
    QString script(const QString& name, const QByteArray& body, bool executable)
    {
        const QString path = real(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n" + body);
        file.close();
        if (executable) file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        return path;
    }
    ProgramRun run;
    QSignalSpy ended{&run, &ProgramRun::ended};
    QSignalSpy failed{&run, &ProgramRun::failed};
};

TEST_F(ProgramRunTest, EndsWhenTheProgramClosesWithoutBlockingTheLoop)
{
    const QString marker = real(QStringLiteral("changed.txt"));
    const QString program = script(QStringLiteral("edit.sh"), "sleep 0.3; echo done > \"$1\"\n", true);
    ASSERT_TRUE(run.start({program, {marker}, real(QString())}));
    EXPECT_TRUE(run.running());
    int loopRounds = 0;
    EXPECT_TRUE(WaitUntil([&] { ++loopRounds; return ended.count() == 1; }, 10000));
    EXPECT_GT(loopRounds, 1); // the event loop kept turning while the program ran
    EXPECT_TRUE(QFile::exists(marker));
    EXPECT_FALSE(run.running());
    EXPECT_EQ(failed.count(), 0);
}

struct BrokenProgram {
    const char* name;
    bool exists;
    bool executable;
};

class ProgramRunFailure : public ProgramRunTest, public ::testing::WithParamInterface<BrokenProgram> {};

TEST_P(ProgramRunFailure, IsReportedInRussianAndNothingWaits)
{
    const QString program = GetParam().exists ? script(QStringLiteral("tool.sh"), "exit 0\n", GetParam().executable)
                                              : real(QStringLiteral("missing.exe"));
    EXPECT_FALSE(ExecutableProblem(program).isEmpty());
    // Whether start() already knows depends on the platform; the failure is
    // told from the event loop either way, never during start().
    run.start({program, {}, real(QString())});
    EXPECT_EQ(failed.count(), 0);
    ASSERT_TRUE(WaitUntil([&] { return failed.count() == 1; }, 5000));
    EXPECT_FALSE(run.running());
    EXPECT_TRUE(failed.at(0).at(0).toString().startsWith(QStringLiteral("Не удается запустить программу \"") + program));
    EXPECT_EQ(ended.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Starts, ProgramRunFailure,
                         ::testing::Values(BrokenProgram{"missing", false, false}, BrokenProgram{"not_executable", true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProgramRunTest, DetachStopsWaitingAndRefusesNoNewStart)
{
    // Long enough for the checks below; a detached run keeps our output
    // channels, so CTest waits for it to end.
    const QString program = script(QStringLiteral("long.sh"), "sleep 3\n", true);
    EXPECT_TRUE(ExecutableProblem(program).isEmpty());
    ASSERT_TRUE(run.start({program, {}, real(QString())}));
    EXPECT_FALSE(run.start({program, {}, real(QString())})); // one at a time
    run.detach();
    EXPECT_FALSE(run.running());
    ASSERT_TRUE(WaitUntil([&] { return ended.count() == 1; }, 5000));
    ASSERT_TRUE(run.start({program, {}, real(QString())}));
    run.detach();
}
