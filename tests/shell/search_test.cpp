// The search: matching in capitals, the three sections of the result page,
// hits of theory pages, task pages and example lists, stopping, a search
// started over while one runs, and the links of the result page.
#include "labframe/labregistry.h"
#include "labframe/labwindow.h"
#include "base/apperror.h"
#include "base/appstate.h"
#include "shell/mainwindow.h"
#include "ui/imagebuttons.h"
#include "shell/timeline.h"
#include "shell/workspace.h"
#include "shell/search.h"
#include "shell/searchwindow.h"
#include "support/fakedialogs.h"
#include "support/testsupport.h"
#include "support/shellcallsrecorder.h"
#include "ui/htmlview.h"
#include "ui/windowstack.h"
#include "users/regwindow.h"
#include "users/tablewindow.h"
#include <QTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace shell;

namespace {

const QString kHead = QStringLiteral("<HTML><LINK REL=\"stylesheet\" HREF=\"..\\..\\CSS\\work.css\"><BODY>");

class SearchTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        writeLines("ZADS\\Contents.txt", {"Курс", "\tМатематика", "\t\tЧисла", "\t\t\tДроби",
                                          "\t\t\t\tA01 §1. Доли и дроби", "\t\t\t\tA02 §2. Проценты",
                                          "\tАлгебра", "\t\tУравнения", "\t\t\tЛинейные",
                                          "\t\t\t\tD01 §1. Линейные уравнения"});
        topic("A01", "T01 T02", "I01", "T03 0101 0102");
        topic("A02", "T01", "", "011 012");
        topic("D01", "T01", "", "0101");
        page("A01\\T01", "<P>Доля - это часть целого; дробь записывают с чертой.");
        page("A01\\T02", "<P>Сравнение долей.");
        page("A01\\I01", "<P>Инструменты: дробь на круге.");
        page("A01\\T03", "<P>Справка о дробях в упражнениях.");
        page("A01\\0101", "<P>Запишите дробь: три четверти.");
        page("A01\\0102", "<P>Сократите.");
        page("A02\\T01", "<P>Процент - сотая часть.");
        page("A02\\011", "<COMMON>\n<P>Найдите процент.\n</COMMON>\nДроби: 1/4");
        page("A02\\012", "<COMMON>\n</COMMON>\nЧисло 200");
        page("D01\\T01", "<P>Уравнение и его корни. ДРОБИ в уравнениях.");
        page("D01\\0101", "<P>Решите уравнение с дробью.");
    }

    void topic(const QString& code, const QString& theory, const QString& tools, const QString& tasks)
    {
        writeLines("ZADS\\" + code + "\\HTM.CFG", {theory, tools, tasks});
    }
    void page(const QString& fullCode, const QString& text)
    {
        writeLines("ZADS\\" + fullCode + ".HTM", text.split(u'\n'));
    }
    static base::NameValueList topicMap()
    {
        base::NameValueList map;
        map.append("A01", "§1. Доли и дроби");
        map.append("A02", "§2. Проценты");
        map.append("D01", "§1. Линейные уравнения");
        return map;
    }
    static QStringList run(const QString& text)
    {
        TextSearch search(text, topicMap());
        return search.Run();
    }
};

} // namespace

TEST(SearchMatching, CapitalsOfBothTextsAreCompared)
{
    EXPECT_TRUE(TextMatches("Обыкновенная дробь", "ДРОБ"));
    EXPECT_TRUE(TextMatches("ДРОБИ", "дроб"));
    EXPECT_TRUE(TextMatches("ёлка и Ёж", "ЁЖ"));
    EXPECT_TRUE(TextMatches("Fraction", "fRAC"));
    EXPECT_FALSE(TextMatches("дробь", "дробью"));
    EXPECT_FALSE(TextMatches("что угодно", ""));
}

TEST_F(SearchTest, ResultPageHasTheThreeSectionsWithTheirHits)
{
    writeLines("LABS\\LAB3\\examples.txt", {"Круг и его доли", "Квадрат", "Дробь три восьмых"});
    const QStringList lines = run("ДРОБ");
    const QStringList expected{
        kHead,
        "<H1>Теория</H1>",
        "<P><A HREF=\"SPR:A01\">§1. Доли и дроби</A></P>",
        "<P><A HREF=\"SPR:D01\">§1. Линейные уравнения</A></P>",
        "<H1>Задачи</H1>",
        "<P><A HREF=\"ZAD:A01\\T03\">§1. Доли и дроби: страница упражнений</A></P>",
        "<P><A HREF=\"ZAD:A01\\0101 1\">§1. Доли и дроби: упражнение №1</A></P>",
        "<P><A HREF=\"ZAD:A02\\011 1\">§2. Проценты: упражнение №1, вариант 1</A></P>",
        "<P><A HREF=\"ZAD:D01\\0101 1\">§1. Линейные уравнения: упражнение №1</A></P>",
        "<H1>Лаборатории</H1>",
        "<P><A HREF=\"LAB:LAB3\\2.LAB\">Дробь три восьмых</A></P>",
    };
    EXPECT_EQ(lines, expected);
}

TEST_F(SearchTest, EmptyTextFindsNothingInEverySection)
{
    writeLines("LABS\\LAB3\\examples.txt", {"Круг"});
    const QStringList expected{kHead,
                               "<H1>Теория</H1>",
                               "Информация отсутствует",
                               "<H1>Задачи</H1>",
                               "Информация отсутствует",
                               "<H1>Лаборатории</H1>",
                               "Информация отсутствует"};
    EXPECT_EQ(run(""), expected);
}

TEST_F(SearchTest, ATopicIsOneTheoryHitHoweverManyOfItsPagesMatch)
{
    topic("A01", "T01 T02 T03", "", "");
    page("A01\\T02", "<P>Дроби сравнивают.");
    const QStringList lines = run("дроб");
    EXPECT_EQ(lines.count("<P><A HREF=\"SPR:A01\">§1. Доли и дроби</A></P>"), 1);
}

TEST_F(SearchTest, TaskHitsCarryTheNumbersOfTheExercisesPage)
{
    topic("A02", "T01", "", "0101 021 022 0102");
    page("A02\\0101", "корень");
    page("A02\\021", "нет");
    page("A02\\022", "Корень");
    page("A02\\0102", "корни, корень");
    TextSearch search("корень", topicMap());
    search.Run();
    EXPECT_EQ(search.taskHits(), 3);
    EXPECT_TRUE(search.lines().contains("<P><A HREF=\"ZAD:A02\\022 2\">§2. Проценты: упражнение №2, вариант 2</A></P>"));
    EXPECT_TRUE(search.lines().contains("<P><A HREF=\"ZAD:A02\\0102 3\">§2. Проценты: упражнение №3</A></P>"));
}

TEST_F(SearchTest, ExampleListsAreFoundInEverySubfolderOfTheLabs)
{
    writeLines("LABS\\LAB3\\EXAMPLES.TXT", {"один", "два", "корень три"});
    writeLines("LABS\\Deep\\LAB7\\examples.txt", {"корень"});
    writeLines("LABS\\LAB4\\other.txt", {"корень"});
    writeLines("LABS\\.hidden\\examples.txt", {"корень"});
    TextSearch search("КОРЕН", topicMap());
    const QStringList lines = search.Run();
    const qsizetype labs = lines.indexOf("<H1>Лаборатории</H1>");
    EXPECT_EQ(lines.mid(labs + 1), QStringList({"<P><A HREF=\"LAB:LAB7\\0.LAB\">корень</A></P>",
                                                "<P><A HREF=\"LAB:LAB3\\2.LAB\">корень три</A></P>"}));
}

TEST_F(SearchTest, StopEndsTheLabPartWithTheHitsSoFar)
{
    writeLines("LABS\\LAB1\\examples.txt", {"дробь один"});
    writeLines("LABS\\LAB2\\examples.txt", {"дробь два"});
    writeLines("LABS\\LAB3\\examples.txt", {"дробь три"});
    TextSearch search("дробь", topicMap());
    int labFiles = 0;
    bool inLabs = false;
    search.pendingMessages = [&] {
        inLabs = search.lines().contains("<H1>Лаборатории</H1>");
        if (inLabs) ++labFiles;
    };
    // The theory and task parts do not look at the stop; the lab part stops
    // after its first example list.
    search.stopRequested = [&] { return labFiles >= 1; };
    const QStringList lines = search.Run();
    EXPECT_TRUE(lines.contains("<P><A HREF=\"LAB:LAB1\\0.LAB\">дробь один</A></P>"));
    EXPECT_FALSE(lines.contains("<P><A HREF=\"LAB:LAB2\\0.LAB\">дробь два</A></P>"));
    EXPECT_EQ(search.taskHits(), 2);
}

TEST_F(SearchTest, MissingPageListOrPageIsAnErrorKeepingTheHitsSoFar)
{
    writeLines("ZADS\\Contents.txt", {});
    base::NameValueList map = topicMap();
    map.append("Z09", "§9. Нет такой темы");
    TextSearch search("дроб", map);
    try {
        search.Run();
        FAIL() << "a topic without its page list must end the search";
    } catch (const base::AppError& e) {
        EXPECT_TRUE(e.message().contains("Z09")) << e.message().toStdString();
    }
    EXPECT_TRUE(search.lines().contains("<P><A HREF=\"SPR:A01\">§1. Доли и дроби</A></P>"));

    topic("A02", "T01 T09", "", "");
    EXPECT_THROW(run("дроб"), base::AppError);
}

// --- the panel ----------------------------------------------------------------------------------

namespace {

class CountingLab : public labframe::TfmLab {
public:
    CountingLab() : labframe::TfmLab(3) {}
    bool LoadLabFile(const QString& file) override
    {
        loaded.append(file);
        return true;
    }
    QStringList loaded;
};

class SearchPanelTest : public SearchTest {
protected:
    void TearDown() override
    {
        labframe::ReleaseLabs();
        ui::WindowStack::instance().clear();
        shellcalls::InstallNone();
        SearchTest::TearDown();
    }
    ShellCallsRecorder shellCalls;
    FakeDialogs dialogs;
    TfmSearch search;
};

} // namespace

TEST_F(SearchPanelTest, FindShowsTheResultAndTheFindButtonAgain)
{
    search.Edit1->setText("уравн");
    search.btFindClick();
    EXPECT_FALSE(search.searching());
    EXPECT_EQ(search.resultLines(), run("уравн"));
    EXPECT_EQ(search.searchedText(), "уравн");
    EXPECT_FALSE(search.btFind->isHidden());
    EXPECT_TRUE(search.btStop->isHidden());
    EXPECT_FALSE(search.HTML->isHidden());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(SearchPanelTest, ABrokenCourseEndsTheSearchWithAMessageAndUsableButtons)
{
    QFile::remove(real("ZADS\\A02\\HTM.CFG"));
    search.Edit1->setText("дроб");
    search.btFindClick();
    EXPECT_FALSE(search.searching());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.lastMessage().startsWith("Не удается открыть файл")) << dialogs.lastMessage().toStdString();
    EXPECT_FALSE(search.btFind->isHidden());
    EXPECT_TRUE(search.btStop->isHidden());
    // The hits found before the error are shown.
    EXPECT_TRUE(search.resultLines().contains("<P><A HREF=\"SPR:A01\">§1. Доли и дроби</A></P>"));
}

TEST_F(SearchPanelTest, EnterDuringASearchStartsItOverForTheNewText)
{
    search.Edit1->setText("дроб");
    int restarts = 0;
    // Arrives while the first search processes pending messages.
    QTimer::singleShot(0, &search, [&] {
        ASSERT_TRUE(search.searching());
        search.Edit1->setText("уравн");
        emit search.Edit1->returnPressed();
        ++restarts;
    });
    search.btFindClick();
    EXPECT_EQ(restarts, 1);
    EXPECT_FALSE(search.searching());
    EXPECT_EQ(search.searchedText(), "уравн");
    EXPECT_EQ(search.resultLines(), run("уравн"));
    EXPECT_FALSE(search.btFind->isHidden());
    EXPECT_TRUE(search.btStop->isHidden());
}

TEST_F(SearchPanelTest, LinksOpenTheTopicTheTaskAndTheLabExample)
{
    base::App().currentUserId = "12345678";
    search.Edit1->setText("дроб");
    search.btFindClick();

    EXPECT_TRUE(search.HTMLHotSpotClick("SPR:A01"));
    EXPECT_EQ(shellCalls.calls, (QStringList{"topic A01/1", "find дроб"}));
    // A topic that does not open is not searched in.
    shellCalls.topicOpens = false;
    shellCalls.calls.clear();
    EXPECT_TRUE(search.HTMLHotSpotClick("SPR:A01"));
    EXPECT_EQ(shellCalls.calls, QStringList{"topic A01/1"});

    EXPECT_TRUE(search.HTMLHotSpotClick("ZAD:A01\\0101 8"));
    ASSERT_EQ(shellCalls.openings.size(), 1);
    const shellcalls::TaskOpening& opening = shellCalls.openings[0];
    EXPECT_EQ(opening.userId, "12345678");
    EXPECT_EQ(opening.taskCode, "A01\\0101");
    EXPECT_EQ(opening.caption, "Упражнение №8 :");
    EXPECT_TRUE(opening.pressedVerdict.isEmpty());
    EXPECT_EQ(opening.findText, "дроб");

    writeLines("LABS\\LAB3\\2.LAB", {"3", "#"});
    labframe::RegisterLab(3, [] { return new CountingLab; });
    QWidget below;
    ui::WindowStack::instance().push(&below);
    EXPECT_TRUE(search.HTMLHotSpotClick("LAB:LAB3\\2.LAB"));
    auto* lab = static_cast<CountingLab*>(labframe::ExistingLab(3));
    ASSERT_NE(lab, nullptr);
    EXPECT_EQ(ui::WindowStack::instance().top(), lab);
    EXPECT_EQ(lab->loaded, QStringList{"LABS\\LAB3\\2.LAB"});

    // A missing example file says so; other links do nothing.
    EXPECT_TRUE(search.HTMLHotSpotClick("LAB:LAB3\\9.LAB"));
    EXPECT_TRUE(dialogs.lastMessage().startsWith("Не удается открыть файл"));
    EXPECT_TRUE(search.HTMLHotSpotClick("http://example.org"));
    EXPECT_EQ(lab->loaded.size(), 1);
}

// --- in the main window -------------------------------------------------------------------------

namespace {

class WorkspacePanelsTest : public SearchTest {
protected:
    void TearDown() override
    {
        Workspace& windows = workspace();
        delete windows.fmTable;
        delete windows.fmSearch;
        delete windows.fmOs;
        delete windows.fmMain;
        windows = {};
        ui::WindowStack::instance().clear();
        shellcalls::InstallNone();
        SearchTest::TearDown();
    }
    FakeDialogs dialogs;
};

} // namespace

TEST_F(WorkspacePanelsTest, SearchAndResultsTablePlugIntoTheirSections)
{
    writeLines("DATA\\users.txt", {"Пользователи", "\tПреподаватель", "\t\t27182818 Ольга Смирнова$euler"});
    users::TffReg reg;
    ASSERT_TRUE(reg.LoadRegister());
    workspace().ffReg = &reg;
    PrepareWorkspace();
    Workspace& windows = workspace();
    ASSERT_NE(windows.fmSearch, nullptr);
    ASSERT_NE(windows.fmTable, nullptr);
    TfmMain* main = windows.fmMain;
    EXPECT_FALSE(windows.fmTable->Timer1->isActive());
    main->show();

    // Any section change switches the table's refresh on for good.
    main->ShowSection(kSectionSearch);
    EXPECT_TRUE(windows.fmTable->Timer1->isActive());
    EXPECT_EQ(windows.fmSearch->panel()->parentWidget(), static_cast<QWidget*>(main->MyPanel1));
    EXPECT_TRUE(windows.fmSearch->panel()->isVisible());

    main->ShowSection(kSectionTable);
    EXPECT_TRUE(windows.fmTable->panel()->isVisible());
    EXPECT_FALSE(windows.fmSearch->panel()->isVisible());
    EXPECT_EQ(windows.fmTable->grid().codes, QStringList({"A01\\0101", "A01\\0102"}));
}
