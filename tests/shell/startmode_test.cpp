#include "labframe/labregistry.h"
#include "labframe/labwindow.h"
#include "base/appstate.h"
#include "base/paths.h"
#include "shell/loginwindow.h"
#include "shell/mainwindow.h"
#include "shell/startmode.h"
#include "shell/workspace.h"
#include "support/fakedialogs.h"
#include "support/testsupport.h"
#include "tasks/taskwindow.h"
#include "shellcalls/shellcalls.h"
#include "ui/imagebuttons.h"
#include "ui/windowstack.h"
#include <QFile>

using base::App;
using shell::StartTarget;

namespace {

// Lab 3 counting the files it reads.
class CountingLab : public labframe::TfmLab {
public:
    CountingLab() : labframe::TfmLab(3) {}
    void ReadLab(const labframe::LabFileData& data) override
    {
        labframe::TfmLab::ReadLab(data);
        ++reads;
    }
    int reads = 0;
};

TEST(StartModeParse, ModesAndPaths)
{
    const StartTarget topic = shell::ParseStartMode("1", "ZADS\\A05\\HTM.CFG");
    EXPECT_EQ(topic.kind, StartTarget::Kind::Topic);
    EXPECT_EQ(topic.topic, "A05");

    for (const char* mode : {"2", "3"}) {
        const StartTarget task = shell::ParseStartMode(mode, "USERS\\A05\\012.ANS");
        EXPECT_EQ(task.kind, StartTarget::Kind::Task);
        EXPECT_EQ(task.topic, "A05");
        EXPECT_EQ(task.task, "A05\\012");
        EXPECT_EQ(task.caption, QStringLiteral("Упражнение №012 :"));
    }
    // The name is cut at its last dot only; a name without one stays whole.
    EXPECT_EQ(shell::ParseStartMode("2", "X\\B07\\3.1.ANS").task, "B07\\3.1");
    EXPECT_EQ(shell::ParseStartMode("3", "B07\\014").task, "B07\\014");

    const StartTarget lab = shell::ParseStartMode("4", "LABS\\LAB3\\1.LAB");
    EXPECT_EQ(lab.kind, StartTarget::Kind::LabFile);
    EXPECT_EQ(lab.file, "LABS\\LAB3\\1.LAB");

    // Nothing to open.
    EXPECT_EQ(shell::ParseStartMode("7", "ZADS\\A05\\HTM.CFG").kind, StartTarget::Kind::None);
    EXPECT_EQ(shell::ParseStartMode("", "").kind, StartTarget::Kind::None);
    EXPECT_EQ(shell::ParseStartMode("1", "HTM.CFG").kind, StartTarget::Kind::None);
    EXPECT_EQ(shell::ParseStartMode("2", "A05\\.ANS").kind, StartTarget::Kind::None);
    EXPECT_EQ(shell::ParseStartMode("4", "  ").kind, StartTarget::Kind::None);
}

class StartModeTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        login = std::make_unique<shell::TfmZast>();
        shell::workspace().fmZast = login.get();
        ui::WindowStack::instance().push(login.get());
        // What a pupil might have chosen on the login panel before the mouse moved.
        App().currentUserName = "Маша";
        App().isTeacher = true;
    }

    void TearDown() override
    {
        delete shell::workspace().fmMain;
        delete shell::workspace().ffZad;
        labframe::ReleaseLabs();
        shell::workspace() = {};
        shell::startModeTargets() = {};
        login.reset();
        ui::WindowStack::instance().clear();
        shellcalls::InstallNone();
        ProgramFolderTest::TearDown();
    }

    void start(const QString& mode, const QString& path)
    {
        App().startMode = mode;
        App().startPath = path;
    }

    // A lab file of lab 3 as the lab itself writes it.
    void writeLabFile(const QString& path)
    {
        writeBytes(path, {}); // makes its folder
        labframe::TfmLab writer(3);
        ASSERT_TRUE(writer.SaveLabFile(path));
    }

    shell::TfmMain* main() const { return shell::workspace().fmMain; }
    bool navigationHidden() const { return main()->btBack->isHidden() && main()->btMain->isHidden(); }

    FakeDialogs dialogs;
    std::unique_ptr<shell::TfmZast> login;
};

TEST_F(StartModeTest, LabFileModeOpensTheLabWithTheFileAndNoWayBack)
{
    writeLabFile("LABS\\LAB3\\1.LAB");
    labframe::RegisterLab(3, [] { return new CountingLab; });
    start("4", "LABS\\LAB3\\1.LAB");

    EXPECT_TRUE(shell::RunStartMode());
    labframe::TfmLab* lab = labframe::ExistingLab(3);
    ASSERT_NE(lab, nullptr);
    EXPECT_EQ(ui::WindowStack::instance().top(), lab);
    EXPECT_EQ(ui::WindowStack::instance().count(), 2);
    EXPECT_EQ(main()->btBack->parentWidget(), lab);
    EXPECT_TRUE(navigationHidden());
    EXPECT_EQ(static_cast<CountingLab*>(lab)->reads, 1);
    // Nobody is logged in.
    EXPECT_TRUE(App().currentUserName.isEmpty());
    EXPECT_TRUE(App().userFolder.isEmpty());
    EXPECT_FALSE(App().isTeacher);
}

TEST_F(StartModeTest, LabFileModeWithoutATargetLeavesTheLoginUsable)
{
    labframe::RegisterLab(3, [] { return new labframe::TfmLab(3); });
    const auto expectNothingOpened = [&](const char* what) {
        SCOPED_TRACE(what);
        EXPECT_FALSE(shell::RunStartMode());
        EXPECT_EQ(ui::WindowStack::instance().top(), login.get());
        EXPECT_TRUE(login->isEnabled());
        ASSERT_NE(main(), nullptr);
        EXPECT_FALSE(navigationHidden());
    };

    start("4", "LABS\\missing.LAB");
    expectNothingOpened("missing file");
    EXPECT_TRUE(dialogs.lastMessage().startsWith(QStringLiteral("Не удается открыть файл")));

    writeLines("LABS\\text.LAB", {"лаборатория", "#"});
    start("4", "LABS\\text.LAB");
    expectNothingOpened("no number");
    EXPECT_EQ(dialogs.lastMessage(), QStringLiteral("Неверный формат файла"));

    // A number the course has no lab for, and a lab without a window here:
    // each is told, and no lab, not even the one registered, is created.
    const std::pair<const char*, QString> numbers[] = {
        {"42", QStringLiteral("Лаборатории с номером 42 нет")},
        {"-3", QStringLiteral("Лаборатории с номером -3 нет")},
        {"5", QStringLiteral("Лаборатория «Тригонометрия» в этой программе не открывается")},
    };
    for (const auto& [number, message] : numbers) {
        writeLines("LABS\\other.LAB", {number, "#", "30 0 0"});
        start("4", "LABS\\other.LAB");
        expectNothingOpened(number);
        EXPECT_EQ(dialogs.lastMessage(), message);
        EXPECT_EQ(labframe::CurrentLab(), nullptr);
        EXPECT_EQ(labframe::ExistingLab(3), nullptr);
    }
}

TEST_F(StartModeTest, TopicAndTaskModesUseTheirPluggedWindows)
{
    QStringList calls;
    start("2", "USERS\\A05\\012.ANS");
    // Without the topic window nothing opens.
    EXPECT_FALSE(shell::RunStartMode());
    EXPECT_TRUE(login->isEnabled());

    auto& targets = shell::startModeTargets();
    targets.openTopic = [&](const QString& topic) {
        calls.append("topic " + topic);
        return true;
    };
    targets.openTask = [&](const QString& task, const QString& caption) {
        calls.append("task " + task + " " + caption);
        return true;
    };
    EXPECT_TRUE(shell::RunStartMode());
    start("1", "ZADS\\B07\\HTM.CFG");
    EXPECT_TRUE(shell::RunStartMode());
    EXPECT_EQ(calls, QStringList({"topic A05", QStringLiteral("task A05\\012 Упражнение №012 :"), "topic B07"}));
    EXPECT_TRUE(navigationHidden());
}

TEST_F(StartModeTest, TaskModeOpensTheTaskWindowAndLinksCannotLeaveTheTasks)
{
    writeLines("ZADS\\A05\\012.HTM", {"<FORM><INPUT NAME=x></FORM>"});
    start("3", "ZADS\\A05\\012.HTM");
    EXPECT_FALSE(shell::RunStartMode()); // the workspace is there, the topic window is not
    shell::startModeTargets().openTopic = [](const QString&) { return true; };
    EXPECT_TRUE(shell::RunStartMode());
    tasks::TffZad* zad = shell::workspace().ffZad;
    ASSERT_NE(zad, nullptr);
    EXPECT_TRUE(zad->isVisible());
    EXPECT_EQ(zad->windowTitle(), QStringLiteral("Упражнение №012 :"));
    EXPECT_EQ(shellcalls::navigation().VisibleTaskCode(), QStringLiteral("A05\\012"));

    shellcalls::navigation().OpenTask({QString(), QStringLiteral("A05\\..\\..\\USERS\\x"), QStringLiteral("Упражнение :"), {}});
    EXPECT_EQ(dialogs.lastMessage(), QStringLiteral("Неверный код упражнения \"A05\\..\\..\\USERS\\x\""));
    EXPECT_EQ(shellcalls::navigation().VisibleTaskCode(), QStringLiteral("A05\\012"));
    shellcalls::navigation().CloseTaskWindows();
    EXPECT_FALSE(zad->isVisible());
    EXPECT_TRUE(shellcalls::navigation().VisibleTaskCode().isEmpty());
}

TEST_F(StartModeTest, OtherModesDoNothing)
{
    start("7", "ZADS\\A05\\HTM.CFG");
    EXPECT_FALSE(shell::RunStartMode());
    EXPECT_EQ(main(), nullptr); // not even the workspace
    EXPECT_EQ(App().currentUserName, QStringLiteral("Маша"));
}

TEST_F(StartModeTest, PreparingTheWorkspaceTwiceCreatesNothingTwice)
{
    writeLines("DLL\\compile.bat", {"cc"});
    writeLines("DLL\\include\\math.h", {"double sin(double);"});
    shell::PrepareWorkspace();
    shell::TfmMain* first = main();
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(login->isEnabled());
    EXPECT_TRUE(QFile::exists(base::TempFolder() + "include/math.h"));
    EXPECT_EQ(login->GIF1->frameCount(), 0); // the intro is released

    QFile::remove(base::TempFolder() + "compile.bat");
    shell::PrepareWorkspace();
    EXPECT_EQ(main(), first);
    EXPECT_TRUE(QFile::exists(base::TempFolder() + "compile.bat")); // the tools are copied again
    EXPECT_EQ(shellcalls::guide().Figure(), first->Fig);
}

} // namespace
