#include "labframe/labregistry.h"
#include "labframe/labwindow.h"
#include "base/appstate.h"
#include "shell/mainwindow.h"
#include "support/fakedialogs.h"
#include "support/htmlclick.h"
#include "support/shellcallsrecorder.h"
#include "support/testsupport.h"
#include "shell/windowcalls.h"
#include "shell/workspace.h"
#include "ui/htmlview.h"
#include "ui/imagebuttons.h"
#include "ui/windowstack.h"
#include <QAction>
#include <QFile>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QWebEngineView>

using shell::TfmMain;

namespace {

QStringList Page(const QString& title, const QString& body)
{
    return {QStringLiteral("<HTML><HEAD><TITLE>") + title + QStringLiteral("</TITLE></HEAD><BODY>"), body,
            QStringLiteral("</BODY></HTML>")};
}

// A full-size window of the course (contents, topic page, a lab).
class Window : public ui::FullSizeWindow {
public:
    explicit Window(const QString& name) : ui::FullSizeWindow(name) { resize(800, 576); }
};

class MainWindowTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        writeLines("DATA\\Main.htm", Page("Главная", "<A ID=c12 HREF=\"CNT_12\">Алгебра</A>"));
        writeLines("LABS\\Labs.htm", Page("Лаборатории", "<A ID=lab3 HREF=\"LAB_03\">Графики</A>"));
        writeLines("METH\\Method.htm", Page("Учителю", "<A ID=about HREF=\"..\\DATA\\About.htm\">Об авторах</A>"));
        writeLines("DATA\\About.htm", Page("Об авторах", "Мы"));
        // Each top picture has a width of its own, so the one shown tells its name.
        const QStringList tops{"MainTop", "LabsTop", "OsTop", "TabTop", "MetTop", "PoiskTop", "AboutTop"};
        for (int n = 0; n < tops.size(); ++n) savePicture("JPG\\" + tops[n] + ".JPG", 300 + n, 117);
        for (const char* name : {"MainLeft", "MainLeOn", "MainLeOf", "LabsLeft"}) savePicture(QString("JPG\\%1.JPG").arg(name), 170, 600);
        for (const char* name : {"MainBott", "MainBoOn", "MainBoOf", "Bottom"}) savePicture(QString("JPG\\%1.JPG").arg(name), 900, 56);
        shellcalls::Install(static_cast<shellcalls::Navigation*>(&calls));
        shellcalls::Install(static_cast<shellcalls::Guide*>(&calls));
        shellcalls::Install(static_cast<shellcalls::StatusLine*>(&calls));
        login = std::make_unique<Window>("fmZast");
        ui::WindowStack::instance().push(login.get());
        login->show();
    }

    void TearDown() override
    {
        labframe::ReleaseLabs();
        windows.clear();
        main.reset();
        login.reset();
        ui::WindowStack::instance().clear();
        shellcalls::InstallNone();
        shell::workspace() = {};
        ui::FullSizeWindow::SetQuitting(false);
        ProgramFolderTest::TearDown();
    }

    void savePicture(const QString& path, int width, int height)
    {
        writeBytes(path, {});
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        ASSERT_TRUE(image.save(real(path), "JPG"));
    }

    // The main window opened over the login window, as after a login.
    void openMain()
    {
        main = std::make_unique<TfmMain>();
        shell::workspace().fmMain = main.get();
        ui::OpenWindow(main.get());
    }


    Window* openWindow(const QString& name)
    {
        windows.push_back(std::make_unique<Window>(name));
        ui::OpenWindow(windows.back().get());
        return windows.back().get();
    }

    // The shell's own answers, but the lab help, the quit and the task window
    // are written down.
    struct Calls : shell::WindowCalls {
        void ShowLabHelp(const QString& file) override { helpShown.append(file); }
        void CloseLabHelp() override { ++helpClosed; }
        void QuitConfirmed() override { ++quits; }
        QString VisibleTaskCode() const override { return task; }
        QStringList helpShown;
        int helpClosed = 0;
        int quits = 0;
        QString task;
    } calls;
    QStringList& helpShown = calls.helpShown;
    int& helpClosed = calls.helpClosed;
    int& quits = calls.quits;
    FakeDialogs dialogs;
    std::unique_ptr<Window> login;
    std::unique_ptr<TfmMain> main;
    std::vector<std::unique_ptr<Window>> windows;
};

TEST_F(MainWindowTest, FirstShowingLoadsTheStartPageAndItsPictures)
{
    openMain();
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Ориндо"));
    EXPECT_EQ(main->section(), shell::kSectionStart);
    EXPECT_EQ(main->HTML->CurrentFile(), "DATA\\Main.htm");
    EXPECT_FALSE(main->btBook->isEnabled());
    EXPECT_TRUE(main->btLabs->isEnabled());
    EXPECT_EQ(main->imMainTop->pixmap().width(), 300);
    // The guide figure and the navigation pictures are missing here: one message names them.
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.lastMessage().contains("Fig.GIF"));
    EXPECT_FALSE(dialogs.lastMessage().contains("MainTop.JPG"));

    QFile::remove(real("JPG\\OsTop.JPG"));
    main->ShowSection(shell::kSectionTimeLine);
    EXPECT_EQ(dialogs.lastMessage(), QStringLiteral("Не удается открыть файл JPG\\OsTop.JPG"));
    EXPECT_EQ(main->imMainTop->pixmap().width(), 300); // the picture shown stays
}

TEST_F(MainWindowTest, EachSectionShowsItsContentButtonsAndTopPicture)
{
    QWidget timeLine;
    int timeLinePrepared = 0, tableTimerStarts = 0;
    openMain();
    main->plugs().timeLine = {&timeLine, [&] { ++timeLinePrepared; }};
    main->plugs().startTableTimer = [&] { ++tableTimerStarts; };
    QWidget* empty = main->findChild<QWidget*>("pnEmpty");
    ASSERT_NE(empty, nullptr);

    struct Expected {
        QString page;
        bool book, labs, time;
    };
    const QList<Expected> expected{{"DATA\\Main.htm", false, true, true}, {"LABS\\Labs.htm", true, false, true},
                                   {"", true, true, false},               {"", true, true, true},
                                   {"METH\\Method.htm", true, true, true}, {"", true, true, true},
                                   {"DATA\\About.htm", true, true, true}};
    for (int n = shell::kSectionCount - 1; n >= 0; --n) {
        SCOPED_TRACE(n);
        main->ShowSection(n);
        EXPECT_EQ(main->section(), n);
        EXPECT_EQ(main->btBook->isEnabled(), expected[n].book);
        EXPECT_EQ(main->btLabs->isEnabled(), expected[n].labs);
        EXPECT_EQ(main->btTime->isEnabled(), expected[n].time);
        EXPECT_EQ(main->imMainTop->pixmap().width(), 300 + n);
        EXPECT_EQ(main->HTML->isVisible(), n != 2 && n != 3);
        if (!expected[n].page.isEmpty()) {
            EXPECT_EQ(main->HTML->CurrentFile(), expected[n].page);
        }
        EXPECT_EQ(timeLine.isVisible(), n == 2);
        EXPECT_EQ(empty->isVisible(), n == 3 || n == 5); // nothing plugged in there yet
    }
    EXPECT_EQ(timeLine.parentWidget(), main->MyPanel1);
    EXPECT_EQ(timeLine.geometry(), main->HTML->geometry());
    EXPECT_EQ(timeLinePrepared, 1);
    EXPECT_EQ(tableTimerStarts, shell::kSectionCount);

    main->ShowSection(7); // not a section
    EXPECT_EQ(main->section(), 0);
}

TEST_F(MainWindowTest, SectionButtonsSwitchAndTeacherButtonsFollowTheRole)
{
    base::App().isTeacher = false;
    openMain();
    EXPECT_FALSE(main->btTable->isEnabled());
    EXPECT_FALSE(main->btMethod->isEnabled());
    EXPECT_TRUE(main->btAbout->isEnabled()); // search is for everybody

    QTest::mouseClick(main->btLabs, Qt::LeftButton);
    EXPECT_EQ(main->section(), shell::kSectionLabs);
    QTest::mouseClick(main->btAbout, Qt::LeftButton);
    EXPECT_EQ(main->section(), shell::kSectionSearch);
    QTest::mouseClick(main->lbAbout, Qt::LeftButton);
    EXPECT_EQ(main->section(), shell::kSectionAbout);

    // The role is applied on every showing.
    main->hide();
    base::App().isTeacher = true;
    main->show();
    EXPECT_TRUE(main->btTable->isEnabled());
    QTest::mouseClick(main->btMethod, Qt::LeftButton);
    EXPECT_EQ(main->section(), shell::kSectionMethod);
}

TEST_F(MainWindowTest, BackButtonReturnsToTheStartPageThenAsksToQuit)
{
    base::App().currentUserName = "Маша";
    openMain();
    main->ShowSection(shell::kSectionAbout);
    main->btBackClick();
    EXPECT_EQ(main->section(), shell::kSectionStart);
    EXPECT_TRUE(dialogs.questions.isEmpty());

    dialogs.answers = {ui::Answer::No};
    main->btBackClick();
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(dialogs.questions[0].text, QStringLiteral("Маша, Вы действительно хотите выйти из программы?"));
    EXPECT_EQ(dialogs.questions[0].caption, QStringLiteral("Ориндо"));
    EXPECT_EQ(dialogs.questionDefaults[0], ui::Answer::No);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(quits, 0);

    dialogs.answers = {ui::Answer::Yes};
    main->btBackClick();
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(helpClosed, 3); // every press closes the lab help first
}

TEST_F(MainWindowTest, QuitQuestionWithoutAUserStartsWithTheComma)
{
    openMain();
    main->close(); // the default answer is No
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(dialogs.questions[0].text, QStringLiteral(", Вы действительно хотите выйти из программы?"));
    EXPECT_TRUE(main->isVisible());
}

TEST_F(MainWindowTest, BackWalksThePageHistoryBeforeLeavingTheSection)
{
    openMain();
    main->resize(800, 576);
    main->ShowSection(shell::kSectionMethod);
    // A real click on a link of the teaching notes: the view follows it.
    ClickInPage(main->HTML, "#about");
    ASSERT_TRUE(WaitUntil([&] { return main->HTML->CurrentFile().endsWith("About.htm"); }));
    EXPECT_EQ(main->section(), shell::kSectionMethod);

    main->btBackClick();
    EXPECT_EQ(main->HTML->CurrentFile(), "METH\\Method.htm");
    EXPECT_EQ(main->section(), shell::kSectionMethod);
    main->btBackClick();
    EXPECT_EQ(main->section(), shell::kSectionStart);
    EXPECT_FALSE(main->HTML->HasOlderHistory()); // switching sections clears the history
}

TEST_F(MainWindowTest, WindowStackWithBackAndMainButtons)
{
    openMain();
    main->setGeometry(40, 30, 720, 540); // inside the test screen
    main->ShowSection(shell::kSectionLabs);
    Window* contents = openWindow("fmCont");
    Window* topic = openWindow("fmWork");
    Window* lab = openWindow("fmLab3");
    ui::WindowStack& stack = ui::WindowStack::instance();
    ASSERT_EQ(stack.count(), 5);
    // The shared controls travel with the window shown and keep their places.
    EXPECT_EQ(main->btBack->parentWidget(), lab);
    EXPECT_EQ(main->Fig->parentWidget(), lab);
    EXPECT_EQ(main->pBott->parentWidget(), lab);
    EXPECT_EQ(main->btMain->x(), lab->width() - main->btMain->width() - 20);
    EXPECT_EQ(main->pBott->y(), lab->height() - main->pBott->height());
    EXPECT_EQ(lab->geometry(), main->geometry());
    EXPECT_FALSE(main->lbAbout->isVisibleTo(lab));

    main->btBackClick();
    EXPECT_EQ(stack.top(), topic);
    EXPECT_FALSE(lab->isVisible());
    EXPECT_TRUE(topic->isVisible());

    openWindow("fmLab5");
    QTest::mouseClick(main->btMain, Qt::LeftButton);
    EXPECT_EQ(stack.top(), main.get());
    EXPECT_EQ(stack.count(), 2);
    EXPECT_FALSE(contents->isVisible());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->section(), shell::kSectionStart);
    EXPECT_EQ(main->btBack->parentWidget(), main.get());
    EXPECT_TRUE(main->lbAbout->isVisible());
    EXPECT_EQ(helpClosed, 2);
}

TEST_F(MainWindowTest, LinksOfTheStartAndLabsPages)
{
    Window contents("fmCont");
    QList<int> contentsShown;
    openMain();
    // Without a contents window the start page's links open nothing.
    EXPECT_TRUE(main->HTMLHotSpotClick("CNT_12"));
    EXPECT_EQ(ui::WindowStack::instance().top(), main.get());

    main->plugs().contents = &contents;
    main->plugs().showContents = [&](int n) { contentsShown.append(n); };
    EXPECT_TRUE(main->HTMLHotSpotClick("xxxx12"));
    EXPECT_TRUE(main->HTMLHotSpotClick("CNT_1a")); // not a number: nothing opens
    EXPECT_EQ(contentsShown, QList<int>{12});
    EXPECT_EQ(ui::WindowStack::instance().top(), &contents);
    main->btMainClick();

    int made = 0;
    labframe::RegisterLab(3, [&] {
        ++made;
        return new labframe::TfmLab(3);
    });
    main->ShowSection(shell::kSectionLabs);
    ShellCallsRecorder shellCalls;
    const QStringList& notes = shellCalls.notes;
    EXPECT_TRUE(main->HTMLHotSpotClick("LAB_05")); // a lab without a window says so
    EXPECT_EQ(notes, QStringList{"Эта лаборатория ещё не готова."});
    EXPECT_TRUE(main->HTMLHotSpotClick("LAB")); // not a link to a lab at all
    EXPECT_EQ(notes.size(), 1);
    EXPECT_EQ(ui::WindowStack::instance().top(), main.get());
    EXPECT_TRUE(main->HTMLHotSpotClick("LAB_03"));
    EXPECT_EQ(ui::WindowStack::instance().top(), labframe::ExistingLab(3));
    main->btBackClick();
    EXPECT_TRUE(main->HTMLHotSpotClick("LAB_03"));
    EXPECT_EQ(made, 1); // created once, opened twice
    EXPECT_EQ(notes.size(), 1);

    // Elsewhere the view follows links itself.
    main->btMainClick();
    main->ShowSection(shell::kSectionMethod);
    EXPECT_FALSE(main->HTMLHotSpotClick("LAB_03"));
}

TEST_F(MainWindowTest, ALabLinkClickedOnTheLabsPageOpensTheLab)
{
    labframe::RegisterLab(3, [] { return new labframe::TfmLab(3); });
    openMain();
    main->ShowSection(shell::kSectionLabs);
    ClickInPage(main->HTML, "#lab3");
    ASSERT_TRUE(WaitUntil([&] { return ui::WindowStack::instance().top() != main.get(); }));
    EXPECT_EQ(ui::WindowStack::instance().top(), labframe::ExistingLab(3));
}

TEST_F(MainWindowTest, HelpOfTheWindowThatHoldsTheFigure)
{
    for (const char* name : {"Main", "Labs", "Meth", "Work", "Zad"}) writeLines(QString("HELP\\%1.HTM").arg(name), {"x"});
    QString& task = calls.task;
    openMain();
    main->ShowSection(shell::kSectionLabs);
    QTest::mouseClick(main->Fig, Qt::LeftButton);
    main->ShowSection(shell::kSectionAbout); // about has the main help
    shellcalls::guide().ShowWindowHelp();    // F1
    main->ShowSection(shell::kSectionTimeLine); // "Os.HTM" is missing: nothing
    main->FigClick();
    openWindow("fmWork");
    main->FigClick();
    task = "A05\\012";
    main->FigClick();
    openWindow("fmLab3"); // no help page
    main->FigClick();
    EXPECT_EQ(helpShown, QStringList({"HELP\\Labs.HTM", "HELP\\Main.HTM", "HELP\\Work.HTM", "HELP\\Zad.HTM"}));
}

TEST_F(MainWindowTest, F1AsksForHelpWhileThePageHasTheFocus)
{
    writeLines("HELP\\Main.HTM", {"x"});
    openMain();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    ASSERT_TRUE(WaitUntil([&] { return main->HTML->IsReady(); }));
    main->HTML->setFocus();
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, Qt::Key_F1);
    EXPECT_TRUE(WaitUntil([&] { return !helpShown.isEmpty(); }, 3000));
    EXPECT_EQ(helpShown, QStringList({"HELP\\Main.HTM"}));
}

TEST_F(MainWindowTest, WhatIsThisOpensTheControlsOwnHelpPage)
{
    writeLines("HELP\\Main\\btLabs.HTM", {"x"});
    openMain();
    const auto item = [](QWidget* control) { return control->findChild<QAction*>("PopupMenu1"); };
    ASSERT_NE(item(main->btLabs), nullptr);
    EXPECT_EQ(item(main->btLabs)->text(), QStringLiteral("Что это такое?"));
    item(main->btLabs)->trigger();
    item(main->btTime)->trigger(); // no page: nothing
    Window* lab = openWindow("fmLab3");
    writeLines("HELP\\Lab3\\btFig.HTM", {"x"});
    auto* btFig = new QWidget(lab);
    btFig->setObjectName("btFig");
    shellcalls::guide().ShowControlHelp(btFig);
    EXPECT_EQ(helpShown, QStringList({"HELP\\Main\\btLabs.HTM", "HELP\\Lab3\\btFig.HTM"}));
}

TEST_F(MainWindowTest, StatusTextAndGuideFigureAreReachedThroughTheShellCalls)
{
    openMain();
    shellcalls::statusLine().ShowStatus("Точка");
    EXPECT_EQ(main->lbRegim->text(), QStringLiteral("Точка"));
    EXPECT_EQ(shellcalls::guide().Figure(), main->Fig);
    shellcalls::guide().SetFigureFrame(2);
    EXPECT_EQ(main->Fig->frame(), 2);
    shell::workspace().fmMain = nullptr; // the window is gone from the workspace
    main.reset();
    EXPECT_EQ(shellcalls::guide().Figure(), nullptr);
    shellcalls::statusLine().ShowStatus("после"); // and calls do nothing
    shellcalls::guide().SetFigureFrame(1);
}

TEST(MainWindowNames, HelpNamesAndLinkNumbers)
{
    EXPECT_EQ(shell::SectionHelpName(5), "Search");
    EXPECT_EQ(shell::SectionHelpName(6), "Main");
    EXPECT_EQ(shell::SectionHelpName(-1), "");
    EXPECT_EQ(shell::LinkNumber("CNT_12"), 12);
    EXPECT_EQ(shell::LinkNumber("LAB_03 extra"), 3);
    EXPECT_EQ(shell::LinkNumber("LAB_3"), std::nullopt);
    EXPECT_EQ(shell::LinkNumber("LAB_-3"), std::nullopt);
    EXPECT_EQ(shell::LinkNumber("LAB_ 3"), std::nullopt);
}

} // namespace
