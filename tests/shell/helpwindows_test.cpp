// The hint, lab help and history page windows, and the shell calls that reach them.
#include "shell/helplab.h"
#include "shell/helpwindows.h"
#include "shell/messagepopup.h"
#include "labframe/demo.h"
#include "base/apperror.h"
#include "base/paths.h"
#include "labframe/labregistry.h"
#include "labframe/testlab.h"
#include "support/fakedialogs.h"
#include "support/htmlclick.h"
#include "support/testsupport.h"
#include "shell/windowcalls.h"
#include "ui/htmlview.h"
#include "ui/music.h"
#include "ui/windowstack.h"
#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

class HelpWindowsTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        shell::CreateHelpWindows();
        help = shell::LabHelpWindow();
    }
    void TearDown() override
    {
        labframe::DemoPlayer().StopScript();
        shell::ReleaseHelpWindows();
        labframe::ReleaseLabs();
        ui::WindowStack::instance().clear();
        ProgramFolderTest::TearDown();
    }

    TestLab* openLab()
    {
        labframe::RegisterLab(6, [] { return new TestLab(6); });
        auto* lab = static_cast<TestLab*>(labframe::CreateLab(6));
        lab->setGeometry(100, 100, 800, 600);
        lab->show();
        ui::WindowStack::instance().push(lab);
        return lab;
    }

    static QStringList page(const QString& title, const QString& body)
    {
        return {QStringLiteral("<HTML><HEAD><TITLE>") + title + QStringLiteral("</TITLE></HEAD>"),
                QStringLiteral("<BODY>") + body + QStringLiteral("</BODY></HTML>")};
    }

    [[nodiscard]] bool showHelp(const QString& file)
    {
        if (!help->ShowPage(file)) return false;
        return WaitUntil([&] { return help->view()->IsReady() && help->view()->CurrentFile() == file; });
    }


    FakeDialogs dialogs;
    shell::TffHelp1* help = nullptr;
};

TEST(GlidePoint, RunsFromStartToTargetRoundingEachStep)
{
    EXPECT_EQ(shell::GlidePoint({10, 20}, {110, -80}, 0, 100), QPoint(10, 20));
    EXPECT_EQ(shell::GlidePoint({10, 20}, {110, -80}, 100, 100), QPoint(110, -80));
    EXPECT_EQ(shell::GlidePoint({0, 0}, {3, 1}, 50, 100), QPoint(2, 1));
    EXPECT_EQ(shell::GlidePoint({0, 0}, {3, 1}, 33, 100), QPoint(1, 0));
}

TEST_F(HelpWindowsTest, PagesGetFormulaPicturesNumberedFromTheirCounter)
{
    writeLines(QStringLiteral("OS\\Page.htm"),
               {QStringLiteral("<P>Корни <FORMULA=[sqrt[][x]]> и <FORMULA=[drob[1][2]]>, хвост <FORMULA=[x]"),
                QStringLiteral("<P>конец</P>")});
    int counter = 1000;
    const QStringList lines = shell::ReadPageWithFormulas(QStringLiteral("OS\\Page.htm"), counter);
    EXPECT_EQ(counter, 1002);
    ASSERT_EQ(lines.size(), 2);
    const QString temp = base::TempFolder();
    EXPECT_TRUE(lines[0].contains(QStringLiteral("<IMG SRC=\"") + temp + QStringLiteral("1001.GIF\">")));
    EXPECT_TRUE(lines[0].contains(QStringLiteral("<IMG SRC=\"") + temp + QStringLiteral("1002.GIF\">")));
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("хвост <FORMULA=[x]")));
    EXPECT_TRUE(QFile::exists(temp + QStringLiteral("1002.GIF")));
    EXPECT_THROW(shell::ReadPageWithFormulas(QStringLiteral("OS\\None.htm"), counter), base::AppError);

    // Help pages: untouched without tags (line ends kept), numbered from 2001 with them.
    const QString plain = QStringLiteral("<P>a</P>\r\n<P>b</P>\r\n");
    EXPECT_EQ(shell::ExpandHelpFormulas(plain), plain);
    const QString expanded = shell::ExpandHelpFormulas(QStringLiteral("<P><formula=[x]></P>\r\n<P><FORMULA=[y]></P>"));
    EXPECT_TRUE(expanded.contains(temp + QStringLiteral("2001.GIF")));
    EXPECT_TRUE(expanded.contains(temp + QStringLiteral("2002.GIF")));
}

TEST_F(HelpWindowsTest, FollowedHelpPagesShowTheirFormulas)
{
    writeLines(QStringLiteral("HELP\\Lab6.HTM"),
               page(QStringLiteral("Первая"), QStringLiteral("<P><A ID=\"next\" HREF=\"Lab6\\F.htm\">Формулы</A></P>")));
    writeLines(QStringLiteral("HELP\\Lab6\\F.htm"), page(QStringLiteral("Формулы"), QStringLiteral("<P><FORMULA=[drob[a][b]]></P>")));
    ASSERT_TRUE(showHelp(QStringLiteral("HELP\\Lab6.HTM")));
    EXPECT_FALSE(QFile::exists(real(QStringLiteral("tmp/2001.GIF"))));
    ClickInPage(help->view(), QStringLiteral("#next"));
    ASSERT_TRUE(WaitUntil([&] { return help->view()->IsReady() && help->windowTitle() == QStringLiteral("Формулы"); }));
    EXPECT_TRUE(QFile::exists(real(QStringLiteral("tmp/2001.GIF"))));
    // The picture is in the page the browser shows, not the tag.
    bool done = false;
    int pictures = -1;
    help->view()->engineView()->page()->runJavaScript(QStringLiteral("document.images.length"), [&](const QVariant& v) {
        pictures = v.toInt();
        done = true;
    });
    ASSERT_TRUE(WaitUntil([&] { return done; }));
    EXPECT_EQ(pictures, 1);
}

TEST_F(HelpWindowsTest, CreatedOnceAndReachedThroughTheShellCalls)
{
    shell::TffMess* mess = shell::MessageWindow();
    shell::CreateHelpWindows();
    EXPECT_EQ(shell::MessageWindow(), mess);
    EXPECT_EQ(shell::LabHelpWindow(), help);

    shellcalls::guide().ShowNote(QStringLiteral("ОТЛИЧНО!"), 5);
    EXPECT_TRUE(mess->isVisible());
    EXPECT_EQ(mess->text(), QStringLiteral("ОТЛИЧНО!"));

    writeLines(QStringLiteral("HELP\\Main.HTM"), page(QStringLiteral("Главное окно"), QStringLiteral("<P>Справка</P>")));
    shellcalls::guide().ShowLabHelp(QStringLiteral("HELP\\Main.HTM"));
    EXPECT_TRUE(help->isVisible());
    shellcalls::guide().CloseLabHelp();
    EXPECT_FALSE(help->isVisible());
    shellcalls::guide().ShowLabHelpAgain();
    EXPECT_TRUE(help->isVisible());

    // A page without a title does not keep the caption of the one before.
    ASSERT_TRUE(WaitUntil([&] { return help->windowTitle() == QStringLiteral("Главное окно"); }));
    writeLines(QStringLiteral("HELP\\Bare.HTM"), {QStringLiteral("<P>Без заголовка</P>")});
    ASSERT_TRUE(showHelp(QStringLiteral("HELP\\Bare.HTM")));
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Помощь по работе в лаборатории"));
}

TEST_F(HelpWindowsTest, HelpPageLoadsItsPairedLabFileEachTimeItIsShown)
{
    TestLab* lab = openLab();
    writeLines(QStringLiteral("HELP\\Lab6\\Graph.htm"), page(QStringLiteral("Парабола"), QStringLiteral("<P>Вершина</P>")));
    writeLines(QStringLiteral("HELP\\Lab6\\Graph.LAB"), {QStringLiteral("6"), QStringLiteral("edName=y=x^2"), QStringLiteral("#")});
    writeLines(QStringLiteral("HELP\\Lab6\\Plain.htm"), page(QStringLiteral("Без сцены"), QStringLiteral("<P>Текст</P>")));

    ASSERT_TRUE(showHelp(QStringLiteral("HELP\\Lab6\\Graph.htm")));
    EXPECT_EQ(lab->edName->text(), QStringLiteral("y=x^2"));
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Парабола"));
    EXPECT_EQ(help->height(), help->view()->DocumentHeight() + 5);

    lab->edName->setText(QStringLiteral("изменено"));
    ASSERT_TRUE(showHelp(QStringLiteral("HELP\\Lab6\\Plain.htm")));
    EXPECT_EQ(lab->edName->text(), QStringLiteral("изменено"));

    ASSERT_TRUE(showHelp(QStringLiteral("HELP\\Lab6\\Graph.htm")));
    EXPECT_EQ(lab->edName->text(), QStringLiteral("y=x^2"));
}

TEST_F(HelpWindowsTest, HelpWindowOpensBelowTheGuideFigure)
{
    QWidget window;
    window.setGeometry(200, 150, 600, 400);
    QWidget* figure = new QWidget(&window);
    figure->setGeometry(10, 0, 125, 107);
    window.show();
    struct FigureAt : shell::WindowCalls {
        QWidget* figure = nullptr;
        QWidget* Figure() const override { return figure; }
    } calls;
    calls.figure = figure;
    const shellcalls::Installed<shellcalls::Guide> installed(&calls);
    writeLines(QStringLiteral("HELP\\Main.HTM"), page(QStringLiteral("Помощь"), QStringLiteral("<P>Текст</P>")));
    ASSERT_TRUE(help->ShowPage(QStringLiteral("HELP\\Main.HTM")));
    EXPECT_EQ(help->pos(), figure->mapToGlobal(QPoint(0, 107)));

    // A missing page says so and shows nothing.
    help->close();
    EXPECT_FALSE(help->ShowPage(QStringLiteral("HELP\\Nothing.HTM")));
    EXPECT_FALSE(help->isVisible());
    EXPECT_TRUE(dialogs.lastMessage().startsWith(QStringLiteral("Не удается открыть файл")));
}

TEST_F(HelpWindowsTest, MovLinkGlidesThePointerToTheControlAndClicks)
{
    TestLab* lab = openLab();
    QSignalSpy sounds(&ui::TffMusic::instance(), &ui::TffMusic::soundRequested);
    QCursor::setPos(5, 5);

    EXPECT_TRUE(help->HTMLHotSpotClick(QStringLiteral("MOV:btNothing")));
    EXPECT_EQ(QCursor::pos(), QPoint(5, 5));
    EXPECT_EQ(sounds.count(), 0);

    EXPECT_TRUE(help->HTMLHotSpotClick(QStringLiteral("MOV:EDNAME")));
    EXPECT_EQ(QCursor::pos(), lab->edName->mapToGlobal(QPoint(lab->edName->width() / 2, lab->edName->height() / 2)));
    ASSERT_EQ(sounds.count(), 1);
    EXPECT_EQ(sounds.first().first().toString(), QStringLiteral("WAV\\1.wav"));
}

TEST_F(HelpWindowsTest, DemLinkWithoutScriptApologises)
{
    openLab();
    EXPECT_TRUE(help->HTMLHotSpotClick(QStringLiteral("DEM:Graph1")));
    EXPECT_EQ(dialogs.lastMessage(), QStringLiteral("Извините, эта демонстрация еще не записывалась"));
    EXPECT_FALSE(labframe::DemoPlayer().playing());
}

TEST_F(HelpWindowsTest, DemonstrationHidesHelpAndBringsItBackWithANote)
{
    openLab();
    writeLines(QStringLiteral("HELP\\Lab6.HTM"), page(QStringLiteral("Лаборатория"), QStringLiteral("<A HREF=\"DEM:one\">Ролик</A>")));
    writeLines(QStringLiteral("DEMO\\one.SCI"), {QStringLiteral("0 512 10 10")});
    ASSERT_TRUE(showHelp(QStringLiteral("HELP\\Lab6.HTM")));

    EXPECT_TRUE(help->HTMLHotSpotClick(QStringLiteral("DEM:one")));
    EXPECT_FALSE(help->isVisible());
    ASSERT_TRUE(WaitUntil([] { return !labframe::DemoPlayer().playing(); }, 5000));
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(shell::MessageWindow()->isVisible());
    EXPECT_EQ(shell::MessageWindow()->text(), QStringLiteral("А теперь попробуйте сами!"));
}

TEST_F(HelpWindowsTest, BackPanelShowsOnlyWhileThereIsHistory)
{
    writeLines(QStringLiteral("HELP\\Lab6.HTM"),
               page(QStringLiteral("Первая"), QStringLiteral("<P><A ID=\"next\" HREF=\"Lab6\\More.htm\">Дальше</A></P>")));
    writeLines(QStringLiteral("HELP\\Lab6\\More.htm"),
               page(QStringLiteral("Вторая"), QStringLiteral("<P><A ID=\"next\" HREF=\"Last.htm\">Ещё</A></P>")));
    writeLines(QStringLiteral("HELP\\Lab6\\Last.htm"), page(QStringLiteral("Третья"), QStringLiteral("<P>Конец</P>")));
    ASSERT_TRUE(showHelp(QStringLiteral("HELP\\Lab6.HTM")));
    EXPECT_TRUE(help->backPanel()->isHidden());

    ClickInPage(help->view(), QStringLiteral("#next"));
    ASSERT_TRUE(WaitUntil([&] { return help->view()->IsReady() && help->windowTitle() == QStringLiteral("Вторая"); }));
    EXPECT_FALSE(help->backPanel()->isHidden());
    EXPECT_EQ(help->height(), help->view()->DocumentHeight() + 5 + help->backPanel()->height());
    ClickInPage(help->view(), QStringLiteral("#next"));
    ASSERT_TRUE(WaitUntil([&] { return help->view()->IsReady() && help->windowTitle() == QStringLiteral("Третья"); }));

    QTest::mouseClick(help->backButton(), Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return help->view()->IsReady() && help->windowTitle() == QStringLiteral("Вторая"); }));
    EXPECT_FALSE(help->backPanel()->isHidden());
    QTest::mouseClick(help->backButton(), Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return help->view()->IsReady() && help->windowTitle() == QStringLiteral("Первая"); }));
    EXPECT_TRUE(help->backPanel()->isHidden());

    // Hiding forgets the history; Esc hides.
    ClickInPage(help->view(), QStringLiteral("#next"));
    ASSERT_TRUE(WaitUntil([&] { return help->view()->HasOlderHistory(); }));
    QTest::keyClick(help, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    EXPECT_FALSE(help->view()->HasOlderHistory());
    EXPECT_TRUE(help->backPanel()->isHidden());
}

TEST_F(HelpWindowsTest, HintPageFitsItsContentBelowTheFigure)
{
    shell::TffHelp* hint = shell::HintWindow();
    writeLines(QStringLiteral("ZADS\\A05\\012.HLP"),
               {QStringLiteral("<P>Вспомните формулу площади круга.</P>"), QStringLiteral("<P><FORMULA=[S = ][powr[пr][2]]></P>")});
    ASSERT_TRUE(hint->ShowHintPage(QStringLiteral("ZADS\\A05\\012.HLP")));
    EXPECT_EQ(hint->windowTitle(), QStringLiteral("ПОДСКАЗКА:"));
    EXPECT_EQ(hint->view()->BaseFolder(), QStringLiteral("ZADS\\00000000\\"));
    EXPECT_EQ(hint->pos(), shell::BelowGuideFigure());
    ASSERT_TRUE(WaitUntil([&] { return hint->view()->IsReady() && hint->view()->DocumentHeight() > 0; }));
    EXPECT_EQ(hint->height(), hint->view()->DocumentHeight() + 10);
    EXPECT_TRUE(QFile::exists(real(QStringLiteral("tmp/1001.GIF"))));

    hint->close();
    EXPECT_FALSE(hint->ShowHintPage(QStringLiteral("ZADS\\A05\\013.HLP")));
    EXPECT_FALSE(hint->isVisible());
    EXPECT_TRUE(dialogs.lastMessage().startsWith(QStringLiteral("Не удается открыть файл")));
}

TEST(PlaceClearOf, PutsAWindowBesideAnObstacleOnScreen)
{
    const QRect screen(0, 0, 1280, 800);
    const QRect editor(260, 230, 760, 340); // the formula editor, centred
    struct Case {
        const char* what;
        QRect window;
        QRect obstacle;
        QPoint expected;
    };
    const Case cases[] = {
        {"already clear", {10, 10, 200, 100}, editor, {10, 10}},
        {"room on the right", {300, 300, 200, 100}, {100, 250, 700, 300}, {800, 300}},
        {"room on the left only", {900, 300, 200, 100}, {300, 250, 900, 300}, {100, 300}},
        {"room below only", {300, 300, 360, 150}, editor, {300, 570}},
        {"room above only", {300, 600, 360, 150}, {0, 200, 1280, 600}, {300, 50}},
        {"the right runs off the screen", {1050, 300, 200, 100}, {1000, 250, 200, 300}, {800, 300}},
        {"nowhere whole: the least covered", {300, 300, 500, 300}, {0, 100, 1280, 550}, {300, 500}},
    };
    for (const Case& c : cases) {
        const QPoint place = shell::PlaceClearOf(c.window, c.obstacle, screen);
        EXPECT_EQ(place, c.expected) << c.what << ": " << place.x() << "," << place.y();
        EXPECT_TRUE(screen.contains(QRect(place, c.window.size()))) << c.what;
    }
}

TEST_F(HelpWindowsTest, HintMovesOffAModalWindowItWouldCover)
{
    shell::TffHelp* hint = shell::HintWindow();
    writeLines(QStringLiteral("ZADS\A05\012.HLP"), {QStringLiteral("<P>Дробь вводится кнопкой на панели.</P>")});
    ASSERT_TRUE(hint->ShowHintPage(QStringLiteral("ZADS\A05\012.HLP")));
    ASSERT_TRUE(WaitUntil([&] { return hint->view()->IsReady() && hint->view()->DocumentHeight() > 0; }));
    QDialog editor; // stands for the formula editor: modal, over the hint
    editor.setModal(true);
    editor.setGeometry(QRect(hint->geometry().center() - QPoint(200, 100), QSize(400, 200)));
    editor.show();
    editor.activateWindow();
    ASSERT_TRUE(WaitUntil([&] { return QApplication::activeModalWidget() == &editor; }));
    EXPECT_TRUE(WaitUntil([&] { return !hint->frameGeometry().intersects(editor.frameGeometry()); }))
        << hint->x() << "," << hint->y();
    EXPECT_TRUE(hint->isVisible());
}

TEST_F(HelpWindowsTest, HistoryPageTakesItsTitleAndResolvesBesideItsFile)
{
    writeLines(QStringLiteral("OS\\Koord.htm"), page(QStringLiteral("Метод координат"), QStringLiteral("<FORMULA=[y = kx + b]>")));
    shellcalls::guide().ShowHistoryPage(QStringLiteral("OS\\Koord.htm"));
    shell::TffHist* history = shell::HistoryWindow();
    EXPECT_TRUE(history->isVisible());
    EXPECT_EQ(history->windowTitle(), QStringLiteral("Метод координат"));
    EXPECT_EQ(history->view()->BaseFolder(), QStringLiteral("OS\\"));
    const QRect screen = history->screen()->availableGeometry();
    EXPECT_LE(std::abs(history->geometry().center().x() - screen.center().x()), 3);
    EXPECT_TRUE(QFile::exists(real(QStringLiteral("tmp/1.GIF"))));
}

} // namespace
