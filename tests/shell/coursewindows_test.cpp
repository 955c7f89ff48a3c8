#include "formulas/view/formulapages.h"
#include "labframe/labregistry.h"
#include "labframe/testlab.h"
#include "base/appstate.h"
#include "base/paths.h"
#include "shell/contentswindow.h"
#include "shell/coursewindows.h"
#include "shell/startmode.h"
#include "shell/workspace.h"
#include "shell/lessonbuilder.h"
#include "shell/topicwindow.h"
#include "support/fakedialogs.h"
#include "support/htmlclick.h"
#include "support/testsupport.h"
#include "support/shellcallsrecorder.h"
#include "ui/htmlview.h"
#include "ui/imagebuttons.h"
#include "ui/windowstack.h"
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPrinterInfo>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

using namespace shell;

namespace {

class StandIn : public ui::FullSizeWindow {
public:
    explicit StandIn(const QString& name) : ui::FullSizeWindow(name) { resize(800, 576); }
};

// A course of one section with a topic of theory, tools and variant
// exercises, and a teacher's lesson.
class CourseWindowsTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        writeLines("ZADS\\Contents.txt", {"Курс", "\tМатематика", "\t\tНатуральные числа", "\t\t\tЧисла",
                                          "\t\t\t\tA01 §1. Запись чисел", "\t\t\t\tA02 §2. Без страниц"});
        writeLines("ZADS\\LESS00.TXT", {"USER0001 Урок учителя"});
        writeLines("ZADS\\Regims.txt", {"Теория", "Инструменты", "Упражнения"});
        writeLines("ZADS\\A01\\HTM.CFG", {"T01", "I01", "011 012"});
        writeLines("ZADS\\A01\\T01.HTM", {"<P>Цифры и разряды"});
        writeLines("ZADS\\A01\\I01.HTM", {"<P>Счёты"});
        writeLines("ZADS\\A01\\011.HTM", {"<COMMON>", "<P>Запишите число", "</COMMON>", "<P>сорок два"});
        writeLines("ZADS\\A01\\012.HTM", {"<COMMON>", "<P>Запишите число", "</COMMON>", "<P>семьдесят"});
        writeLines("ZADS\\00000000\\USER0001.CFG", {" A01\\T01", "", ""});
        base::App().currentUserId = "00000007";
        login = std::make_unique<StandIn>("fmZast");
        ui::WindowStack::instance().push(login.get());
        login->show();
        contents = std::make_unique<TfmCont>();
        work = std::make_unique<TfmWork>(contents.get());
        builder = std::make_unique<TffOwn>();
        contents->setTopicWindow(work.get());
        contents->setLessonBuilder(builder.get());
        work->setLessonBuilder(builder.get());
        builder->onVisibilityChanged = [this] { work->RebuildPage(); };
        ui::OpenWindow(contents.get());
    }

    void TearDown() override
    {
        labframe::ReleaseLabs();
        builder.reset();
        work.reset();
        contents.reset();
        login.reset();
        ui::WindowStack::instance().clear();
        ProgramFolderTest::TearDown();
    }

    // The text of the page shown in view, once the browser has it.
    static QString PageText(ui::HtmlView* view)
    {
        EXPECT_TRUE(WaitUntil([&] { return view->IsReady(); }));
        QString text;
        bool done = false;
        view->engineView()->page()->runJavaScript(QStringLiteral("document.body.innerText"), [&](const QVariant& v) {
            text = v.toString();
            done = true;
        });
        EXPECT_TRUE(WaitUntil([&] { return done; }));
        return text;
    }


    ShellCallsRecorder shellCalls;
    const QStringList& notes = shellCalls.notes;
    // The tasks asked for, as "code|caption", and the last font size given to the task window.
    QStringList tasks() const
    {
        QStringList asked;
        for (const shellcalls::TaskOpening& opening : shellCalls.openings) asked.append(opening.taskCode + "|" + opening.caption);
        return asked;
    }
    int taskFont() const
    {
        const QStringList sizes = shellCalls.calls.filter(QStringLiteral("task font "));
        return sizes.isEmpty() ? 0 : sizes.last().mid(10).toInt();
    }
    FakeDialogs dialogs;
    std::unique_ptr<StandIn> login;
    std::unique_ptr<TfmCont> contents;
    std::unique_ptr<TfmWork> work;
    std::unique_ptr<TffOwn> builder;
};

} // namespace

TEST_F(CourseWindowsTest, ContentsLinkOpensTheTopicOnItsExercisesAndPageButtonsSwitch)
{
    contents->ShowContents(0);
    for (ui::TMyButton* button : contents->btSection)
        EXPECT_EQ(button->isEnabled(), button->property("tag").toInt() != 0);
    const QString list = PageText(contents->HTML);
    EXPECT_TRUE(list.contains("Запись чисел"));
    EXPECT_TRUE(list.contains("Урок учителя"));
    EXPECT_FALSE(list.contains("Создать новый урок")); // pupils only see lessons

    ClickInPage(contents->HTML, "a[href^=\"A01\"]");
    ASSERT_TRUE(WaitUntil([&] { return ui::WindowStack::instance().top() == work.get(); }));
    EXPECT_EQ(work->lbTitle->text(), "Запись чисел");
    EXPECT_EQ(work->currentPage(), 3);
    EXPECT_FALSE(work->btPage[2]->isEnabled());
    const QString exercises = PageText(work->HTML);
    EXPECT_TRUE(exercises.contains("Вариант 1"));
    EXPECT_TRUE(exercises.contains("Вариант 2"));
    EXPECT_EQ(exercises.count("Запишите число"), 1);

    QTest::mouseClick(work->btPage[0], Qt::LeftButton);
    EXPECT_EQ(work->currentPage(), 1);
    EXPECT_TRUE(work->btPage[2]->isEnabled());
    EXPECT_TRUE(PageText(work->HTML).contains("Цифры и разряды"));

    // Back in the contents the topic's entry is bold.
    ui::CloseTopWindow();
    ASSERT_TRUE(WaitUntil([&] { return contents->HTML->IsReady(); }));
    bool bold = false, done = false;
    contents->HTML->engineView()->page()->runJavaScript(QStringLiteral("!!document.querySelector('a[href^=\"A01\"] b')"),
                                                        [&](const QVariant& v) { bold = v.toBool(); done = true; });
    ASSERT_TRUE(WaitUntil([&] { return done; }));
    EXPECT_TRUE(bold);
}

TEST_F(CourseWindowsTest, TopicsWithoutPagesAndUnsafeCodesAreRefused)
{
    contents->ShowContents(0);
    contents->HTMLHotSpotClick("A02 §2. Без страниц");
    EXPECT_EQ(dialogs.lastMessage(), "Раздел находится в стадии разработки");
    EXPECT_EQ(ui::WindowStack::instance().top(), contents.get());
    EXPECT_FALSE(work->OpenTopic("..\\..\\USERS", "x"));
    EXPECT_EQ(ui::WindowStack::instance().top(), contents.get());

    // A page file gone missing is named; the rest of the page still shows.
    QFile::remove(real("ZADS\\A01\\I01.HTM"));
    ASSERT_TRUE(work->OpenTopic("A01", "Запись чисел"));
    work->ShowPage(2);
    EXPECT_EQ(dialogs.lastMessage(), "Не удается открыть файл ZADS\\A01\\I01.HTM");
    EXPECT_TRUE(PageText(work->HTML).contains("Инструментарий"));
}

TEST_F(CourseWindowsTest, LessonOpensFromItsOwnPageListAndTaskLinksReachTheTaskWindow)
{
    contents->ShowContents(0);
    contents->HTMLHotSpotClick("USER0001 Урок учителя");
    EXPECT_EQ(work->lbTitle->text(), "Урок учителя");
    work->ShowPage(1);
    EXPECT_TRUE(PageText(work->HTML).contains("Цифры и разряды"));
    EXPECT_TRUE(work->HTMLHotSpotClick("ZAD:A01\\011 1"));
    EXPECT_EQ(tasks(), QStringList{"A01\\011|Упражнение №1 :"});
    EXPECT_FALSE(work->HTMLHotSpotClick("T02.HTM")); // followed by the view itself
}

TEST_F(CourseWindowsTest, FontButtonsEnlargeTextAndFormulaPictures)
{
    ASSERT_TRUE(work->OpenTopic("A01", "Запись чисел"));
    const int start = work->pageFontSize();
    QTest::mouseClick(work->btUp, Qt::LeftButton);
    QTest::mouseClick(work->btUp, Qt::LeftButton);
    EXPECT_EQ(work->pageFontSize(), start + 2);
    EXPECT_EQ(work->HTML->DefaultFontSize(), start + 2);
    EXPECT_EQ(formulas::PictureFontSize(), start + 4);
    EXPECT_EQ(taskFont(), start + 2);
    QTest::mouseClick(work->btDown, Qt::LeftButton);
    EXPECT_EQ(work->pageFontSize(), start + 1);
}

TEST_F(CourseWindowsTest, ActivationRebuildsExercisesAfterAVerdict)
{
    ASSERT_TRUE(work->OpenTopic("A01", "Запись чисел"));
    EXPECT_FALSE(PageText(work->HTML).contains("Вариант 1\n")); // settles the first page
    base::App().userResults.append("A01\\011", "1  1    10 01.09.2026");
    base::App().resultsChanged = true;
    work->FormActivate();
    EXPECT_FALSE(base::App().resultsChanged);
    ASSERT_TRUE(WaitUntil([&] { return work->HTML->IsReady(); }));
    bool right = false, done = false;
    work->HTML->engineView()->page()->runJavaScript(QStringLiteral("!!document.querySelector('img[src$=\"F1.gif\"]')"),
                                                    [&](const QVariant& v) { right = v.toBool(); done = true; });
    ASSERT_TRUE(WaitUntil([&] { return done; }));
    EXPECT_TRUE(right);
}

TEST_F(CourseWindowsTest, PrintingWithoutAPrinterWritesAPdfFile)
{
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a printer";
    ASSERT_TRUE(work->OpenTopic("A01", "Запись чисел"));
    ASSERT_TRUE(WaitUntil([&] { return work->HTML->IsReady(); }));
    work->btPrintClick(); // cancelled: nothing is written
    ASSERT_EQ(dialogs.fileFilters, QStringList{"Документы PDF|*.pdf"});
    const QString pdf = real("Запись чисел.pdf");
    dialogs.files.push_back(pdf);
    // The page writes the file in the background; the test ends only after the
    // view says it is done, so that no print job outlives the view.
    QSignalSpy finished(work->HTML->engineView(), &QWebEngineView::pdfPrintingFinished);
    work->btPrintClick();
    ASSERT_TRUE(WaitUntil([&] { return !finished.isEmpty(); }, 20000));
    EXPECT_TRUE(finished.first().value(1).toBool());
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
}

TEST_F(CourseWindowsTest, TeacherBuildsALessonAndFindsItInTheContents)
{
    base::App().isTeacher = true;
    contents->ShowContents(0);
    ClickInPage(contents->HTML, "input[type=submit]");
    ASSERT_TRUE(WaitUntil([&] { return builder->isVisible(); }));
    ASSERT_TRUE(work->OpenTopic("A01", "Запись чисел"));
    work->ShowPage(1);
    EXPECT_TRUE(PageText(work->HTML).contains("Добавить в урок"));
    EXPECT_TRUE(work->HTMLHotSpotClick("ADD:A01\\T01"));

    builder->btSaveClick();
    EXPECT_EQ(notes, QStringList{"Урок должен иметь название!"});
    EXPECT_TRUE(builder->isVisible());

    qsizetype notesBeforeWindowsChanged = -1;
    builder->onSaved = [&](int section) {
        notesBeforeWindowsChanged = notes.size();
        if (ui::WindowStack::instance().top() == work.get()) ui::CloseTopWindow();
        contents->ShowContents(section);
    };
    builder->Edit1->setText("Разряды");
    QTest::mouseClick(builder->btSave, Qt::LeftButton);
    EXPECT_FALSE(builder->isVisible());
    EXPECT_EQ(notes.last(), "Урок сохранен");
    EXPECT_EQ(notesBeforeWindowsChanged, 1); // shown over the contents window, not under it
    EXPECT_EQ(readBytes("ZADS\\00000000\\USER0002.CFG"), cp1251Lines({" A01\\T01", "", ""}));
    EXPECT_EQ(ui::WindowStack::instance().top(), contents.get());
    EXPECT_TRUE(PageText(contents->HTML).contains("Разряды"));
}

TEST_F(CourseWindowsTest, TeacherEditsAndDeletesALessonFromTheContents)
{
    base::App().isTeacher = true;
    builder->captionOf = [this](const QString& code) { return contents->TopicTitleOf(code.section('\\', 0, 0)); };
    contents->ShowContents(0);
    EXPECT_TRUE(PageText(contents->HTML).contains("изменить"));

    // Changing: the builder opens with the lesson's title and pages; saving writes over it.
    ClickInPage(contents->HTML, "a[href^='EDIT:']");
    ASSERT_TRUE(WaitUntil([&] { return builder->isVisible(); }));
    EXPECT_EQ(builder->Edit1->text(), "Урок учителя");
    EXPECT_EQ(builder->pages()[0], QStringList{"A01\\T01"});
    EXPECT_EQ(builder->TreeView1->topLevelItem(0)->child(0)->text(0), "Запись чисел");
    builder->AddToLesson(3, "A01\\011");
    builder->Edit1->setText("Урок о разрядах");
    builder->btSaveClick();
    EXPECT_EQ(readBytes("ZADS\\00000000\\USER0001.CFG"), cp1251Lines({" A01\\T01", "", " A01\\011"}));
    EXPECT_EQ(readBytes("ZADS\\LESS00.TXT"), cp1251Lines({"USER0001 Урок о разрядах"}));
    EXPECT_FALSE(base::FileExists("ZADS\\00000000\\USER0002.CFG"));
    // A new lesson afterwards starts empty and gets a number of its own.
    contents->NewLessonClick();
    EXPECT_TRUE(builder->Edit1->text().isEmpty());
    EXPECT_TRUE(builder->lessonCode().isEmpty());
    builder->btCancelClick();

    // Deleting asks first; No keeps the lesson.
    dialogs.answers = {ui::Answer::No};
    contents->DeleteLessonClick("USER0001");
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions[0].text.contains("Урок о разрядах"));
    EXPECT_EQ(dialogs.questionDefaults[0], ui::Answer::No);
    EXPECT_TRUE(base::FileExists("ZADS\\00000000\\USER0001.CFG"));
    // Deleting the lesson the builder has open closes the builder, which
    // would otherwise write the lesson back.
    contents->EditLessonClick("USER0001");
    ASSERT_TRUE(builder->isVisible());
    dialogs.answers = {ui::Answer::Yes};
    contents->DeleteLessonClick("USER0001");
    EXPECT_FALSE(builder->isVisible());
    EXPECT_FALSE(base::FileExists("ZADS\\00000000\\USER0001.CFG"));
    EXPECT_EQ(readBytes("ZADS\\LESS00.TXT"), QByteArray());
    EXPECT_FALSE(PageText(contents->HTML).contains("Урок о разрядах"));
}

TEST_F(CourseWindowsTest, PupilsCanNeitherEditNorDeleteLessons)
{
    base::App().isTeacher = false;
    contents->ShowContents(0);
    const QString page = PageText(contents->HTML);
    EXPECT_TRUE(page.contains("Урок учителя"));
    EXPECT_FALSE(page.contains("изменить"));
    EXPECT_FALSE(page.contains("удалить"));
    // Links typed into a page by other means are refused as well.
    EXPECT_TRUE(contents->HTMLHotSpotClick("DELETE:USER0001"));
    EXPECT_TRUE(contents->HTMLHotSpotClick("EDIT:USER0001"));
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_FALSE(builder->isVisible());
    EXPECT_TRUE(base::FileExists("ZADS\\00000000\\USER0001.CFG"));
}

TEST_F(CourseWindowsTest, IllustrationLabTakesThePageViewIntoTheReferenceWindow)
{
    labframe::RegisterLab(6, [] { return new TestLab(6); });
    writeLines("RIS\\scene.LAB", {"6", "#", "запись сцены"});
    ASSERT_TRUE(work->OpenTopic("A01", "Запись чисел"));
    EXPECT_TRUE(work->HTMLHotSpotClick("SPR:scene"));
    auto* lab = static_cast<TestLab*>(labframe::CurrentLab());
    ASSERT_NE(lab, nullptr);
    EXPECT_EQ(ui::WindowStack::instance().top(), lab);
    EXPECT_EQ(lab->engineRecords, QStringList{"запись сцены"});
    EXPECT_TRUE(work->ffSpr->isVisible());
    EXPECT_EQ(work->HTML->parentWidget(), work->ffSpr);
    EXPECT_EQ(work->ffSpr->windowTitle(), "Основные сведения:");

    work->ffSpr->close();
    EXPECT_EQ(ui::WindowStack::instance().top(), work.get());
    EXPECT_EQ(work->HTML->parentWidget(), work.get());

    // A scene that names no lab and a link out of "RIS\" open nothing.
    writeLines("RIS\\broken.LAB", {"сцена", "#"});
    EXPECT_TRUE(work->HTMLHotSpotClick("SPR:broken"));
    EXPECT_TRUE(dialogs.lastMessage().contains("broken.LAB"));
    EXPECT_TRUE(work->HTMLHotSpotClick("SPR:..\\DATA\\users"));
    EXPECT_EQ(ui::WindowStack::instance().top(), work.get());
}

TEST_F(CourseWindowsTest, TopicsOpenFromOutsideWithTheirTitlesOnTheAskedPage)
{
    Workspace windows;
    CreateCourseWindows(windows);
    ASSERT_NE(windows.fmWork, nullptr);
    const std::unique_ptr<TfmCont> ownContents(windows.fmCont);
    const std::unique_ptr<TfmWork> ownWork(windows.fmWork);
    const std::unique_ptr<TffOwn> ownBuilder(windows.ffOwn);

    ASSERT_TRUE(OpenTopicOnPage(windows, "A01", 2));
    EXPECT_EQ(windows.fmWork->currentPage(), 2);
    EXPECT_EQ(windows.fmWork->lbTitle->text(), "Запись чисел");
    EXPECT_TRUE(PageText(windows.fmWork->HTML).contains("Счёты"));
    EXPECT_FALSE(OpenTopicOnPage(windows, "A02", 1));
    EXPECT_EQ(windows.fmWork->currentPage(), 2);

    // The command line's topic mode opens on the theory page.
    ASSERT_TRUE(startModeTargets().openTopic("A01"));
    EXPECT_EQ(windows.fmWork->currentPage(), 1);
    startModeTargets() = {};
}
