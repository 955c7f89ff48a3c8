#include "base/coursefiles.h"
#include "base/paths.h"
#include "shell/coursepages.h"
#include "shell/lessons.h"
#include "support/testsupport.h"
#include <QLockFile>
#include <QSet>
#include <thread>
#include "base/folders.h"
#include "base/textfile.h"
#include <QMap>

using namespace shell;

namespace {

// A course held in memory: page files by program path.
struct MemoryCourse {
    QMap<QString, QStringList> files;
    base::NameValueList results;
    PageBuildSettings settings(const QString& topic, bool builderOpen = false)
    {
        PageBuildSettings s;
        s.topic = topic;
        s.results = &results;
        s.builderOpen = builderOpen;
        s.gifFolder = QStringLiteral("/p/GIF/");
        s.readPage = [this](const QString& file) -> std::optional<QStringList> {
            if (!files.contains(file)) return std::nullopt;
            return files.value(file);
        };
        return s;
    }
};

const QString kHead = QStringLiteral("<HTML><LINK REL=\"stylesheet\" HREF=\"..\\..\\CSS\\work.css\"><BODY>");

QString Link(const QString& code, int e, const QString& icon)
{
    return QStringLiteral("<A HREF=\"ZAD:%1 %2\"><IMG SRC=\"/p/GIF/%3.gif\" BORDER=0 ACTIVE></A>").arg(code).arg(e).arg(icon);
}

class CoursePages : public ::testing::Test {};

} // namespace

TEST_F(CoursePages, VariantsShareOneNumberAndTheCommonPartShowsOnce)
{
    MemoryCourse course;
    for (const char* v : {"1", "2", "3"})
        course.files["ZADS\\A05\\01" + QString(v) + ".HTM"] = {"<COMMON>", "Решите уравнение.", "</COMMON>",
                                                             QString("Вариант текста ") + v, "<FORM>", "<INPUT NAME=x>"};
    course.results.append("A05\\012", "2  3    40 01.09.2026");
    const BuiltPage page = BuildPage(3, "011 012 013", course.settings("A05"));
    const QStringList expected{
        kHead, "<H1>Упражнения</H1>", "<HR>", "<CITE> № 1. ", "</CITE>",
        "<COMMON>", "Решите уравнение.",
        "<P><CITE>Вариант 1", Link("A05\\011", 1, "btGo"), "</CITE>", "</COMMON>", "Вариант текста 1",
        "<P><CITE>Вариант 2", Link("A05\\012", 1, "F2"), "</CITE>", "</COMMON>", "Вариант текста 2",
        "<P><CITE>Вариант 3", Link("A05\\013", 1, "btGo"), "</CITE>", "</COMMON>", "Вариант текста 3",
        "<P>", "</BODY></HTML>"};
    EXPECT_EQ(page.lines, expected);
    EXPECT_TRUE(page.missingFiles.isEmpty());
}

TEST_F(CoursePages, EveryPageBuildNumbersItsOwnFirstVariant)
{
    // The topic's exercises are one group of variants; after its results page
    // (or the same page built before) the first variant still gets its number.
    MemoryCourse course;
    for (const char* v : {"1", "2"})
        course.files["ZADS\\D02\\01" + QString(v) + ".HTM"] = {"<COMMON>", "Общее", "</COMMON>", "Свое"};
    const auto numbered = [&](const QStringList& lines) { return lines.contains("<CITE> № 1. "); };
    EXPECT_TRUE(numbered(BuildPage(3, "011 012", course.settings("D02")).lines));
    EXPECT_EQ(BuildResultsPage("011 012", course.settings("D02")).filter("<TD>1").size(), 2);
    EXPECT_TRUE(numbered(BuildPage(3, "011 012", course.settings("D02")).lines));
    EXPECT_TRUE(numbered(BuildPage(3, "011 012", course.settings("D02")).lines));
}

TEST_F(CoursePages, LetterVariantsTheoryPagesAndSingleExercises)
{
    MemoryCourse course;
    for (const char* v : {"а", "б", "в"})
        course.files["ZADS\\A05\\04" + QString::fromUtf8(v) + ".HTM"] = {"<COMMON>", "Общее", "</COMMON>", "Своё"};
    course.files["ZADS\\A05\\T01.HTM"] = {"Теория"};
    course.files["ZADS\\A05\\0101.HTM"] = {"Задача", "<FORM>", "скрыто"};
    course.results.append("A05\\0101", "1  1     5 01.09.2026");
    const QStringList lines = BuildPage(3, "T01 0101 04а 04б 04в", course.settings("A05")).lines;
    // The theory page gets no number and no icon.
    EXPECT_EQ(lines.mid(2, 1), QStringList{"Теория"});
    EXPECT_EQ(lines.mid(3, 5), (QStringList{"<HR>", "<CITE> № 1. ", Link("A05\\0101", 1, "F1"), "</CITE>", "Задача"}));
    EXPECT_FALSE(lines.contains("скрыто"));
    EXPECT_TRUE(lines.contains("<P><CITE>а)"));
    EXPECT_TRUE(lines.contains("<P><CITE>б)"));
    EXPECT_TRUE(lines.contains("<P><CITE>в)"));
    EXPECT_TRUE(lines.contains(Link("A05\\04в", 2, "btGo")));
    EXPECT_EQ(lines.count("Общее"), 1);
}

TEST_F(CoursePages, AddToLessonLinksOnlyWithTheBuilderOpen)
{
    MemoryCourse course;
    course.files["ZADS\\A05\\T01.HTM"] = {"Первая"};
    course.files["ZADS\\A05\\T02.HTM"] = {"Вторая"};
    const QStringList open = BuildPage(1, "T01 T02", course.settings("A05", true)).lines;
    EXPECT_EQ(open, (QStringList{kHead, "<H1>Основные сведения</H1>", "Первая",
                                 "<P><A HREF=\"ADD:A05\\T01\">Добавить в урок</A>", "Вторая",
                                 "<P><A HREF=\"ADD:A05\\T02\">Добавить в урок</A>", "<P>", "</BODY></HTML>"}));
    const QStringList closed = BuildPage(1, "T01 T02", course.settings("A05", false)).lines;
    EXPECT_FALSE(closed.join("\n").contains("Добавить в урок"));
}

TEST_F(CoursePages, LessonCodesAreFullCodesAndFormulasAreCounted)
{
    MemoryCourse course;
    course.files["ZADS\\B01\\T01.HTM"] = {"x = <FORMULA=[a]> и <FORMULA=[b]>"};
    course.files["ZADS\\C02\\0101.HTM"] = {"<FORMULA=[c]>"};
    PageBuildSettings settings = course.settings("USER0001");
    settings.expandFormulas = [](QString& line, int& counter) {
        while (line.contains("<FORMULA=")) {
            const int at = line.indexOf("<FORMULA=");
            line.replace(at, line.indexOf('>', at) - at + 1, QString("#%1").arg(++counter));
        }
    };
    const QStringList lines = BuildPage(1, "B01\\T01 C02\\0101", settings).lines;
    EXPECT_TRUE(lines.contains("x = #1 и #2"));
    EXPECT_TRUE(lines.contains("#3"));
    EXPECT_TRUE(lines.contains(Link("C02\\0101", 1, "btGo")));
}

TEST_F(CoursePages, MissingAndUnsafePagesAreReportedNotCopied)
{
    MemoryCourse course;
    const BuiltPage page = BuildPage(1, "T09 ..\\..\\USERS\\x", course.settings("A05"));
    EXPECT_EQ(page.missingFiles, QStringList{"ZADS\\A05\\T09.HTM"});
    EXPECT_EQ(page.refusedCodes, QStringList{"..\\..\\USERS\\x"});
    EXPECT_EQ(page.lines.last(), "</BODY></HTML>");
    // Neither page offers a task outside the course folder.
    const QStringList results = BuildResultsPage("011 ..\\x\\012", course.settings(""));
    EXPECT_FALSE(results.join("\n").contains("ZAD:"));
}

TEST_F(CoursePages, ResultsPageRowsAndTimes)
{
    MemoryCourse course;
    course.results.append("A05\\0101", "2  4   125 01.09.2026");
    const QStringList lines = BuildResultsPage("T01 0101 021 022", course.settings("A05"));
    const QStringList expected{
        kHead, "<H1>Результаты</H1>", "<TABLE BORDER=1 CESPACING=5 CELLPADDING=5>",
        "<TR><TD>Упр №<TD>Оценка<TD>Попытки<TD>Время<TD>&nbsp;",
        "<TR>", "<TD>1", "<TD><IMG SRC=\"/p/GIF/F2.gif\" ALIGN=MIDDLE HSPACE=10>", "<TD>4", "<TD>2:05",
        "<TD>" + Link("A05\\0101", 1, "btGo") + "</P>", "</TR>",
        "<TR>", "<TD>2", "<TD>&nbsp;<TD>&nbsp;<TD>&nbsp;", "<TD>" + Link("A05\\021", 2, "btGo") + "</P>", "</TR>",
        "<TR>", "<TD>2", "<TD>&nbsp;<TD>&nbsp;<TD>&nbsp;", "<TD>" + Link("A05\\022", 2, "btGo") + "</P>", "</TR>",
        "</TABLE>", "<P>"};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(MinutesSeconds(7), "0:07");
    EXPECT_EQ(MinutesSeconds(125), "2:05");
    EXPECT_EQ(MinutesSeconds(600), "10:00");
}

TEST_F(CoursePages, ContentsListMarksTheCurrentTopicAndListsLessons)
{
    base::ContentsSection section{"Натуральные числа", {{"Числа", {{"A01", "§1. Запись чисел"}, {"A02", "§2. Порядок"}}}}};
    const QStringList pupil = BuildContentsPage(section, {"USER0001 Мой урок", ""}, "A02", false);
    EXPECT_EQ(pupil, (QStringList{
                         "<HTML><HEAD><LINK REL=\"stylesheet\" HREF=\"..\\CSS\\contents.css\"></HEAD><BODY>",
                         "<h1>Числа</h1><ul>", "<li><A HREF=\"A01 §1. Запись чисел\">§1. Запись чисел</A>",
                         "<li><A HREF=\"A02 §2. Порядок\"><B>§2. Порядок</B></A>", "</ul>",
                         "<h1>Авторские уроки</h1><ul>", "<li><A HREF=\"USER0001 Мой урок\">Мой урок</A>", "</ul>"}));
    const QStringList teacher = BuildContentsPage(section, {"USER0001 Мой урок", "USER..\\x Чужой"}, "", true);
    EXPECT_EQ(teacher.last(), "<P><INPUT TYPE=SUBMIT VALUE=\"Создать новый урок\">");
    EXPECT_TRUE(teacher.contains("<li><A HREF=\"USER0001 Мой урок\">Мой урок</A> <SMALL>[<A HREF=\"EDIT:USER0001\">изменить</A>"
                                 " | <A HREF=\"DELETE:USER0001\">удалить</A>]</SMALL>"));
    EXPECT_TRUE(teacher.contains("<li><A HREF=\"USER..\\x Чужой\">Чужой</A>")); // no tools for a code outside the folder
}

TEST(ContentsLinks, LessonActionsAreTakenOnlyForLessonCodesOfTheFolder)
{
    using Kind = LessonAction::Kind;
    struct Case {
        const char* href;
        std::optional<Kind> kind;
        const char* code;
    };
    for (const Case& c : {Case{"EDIT:USER0001", Kind::Edit, "USER0001"}, Case{"DELETE:USER0012", Kind::Delete, "USER0012"},
                          Case{"delete:USER0012", Kind::Delete, "USER0012"},
                          Case{"DELETE:USER0001\\..\\..\\x", std::nullopt, ""},
                          Case{"DELETE:A05", std::nullopt, ""}, Case{"USER0001 Мой урок", std::nullopt, ""},
                          Case{"EDIT:", std::nullopt, ""}}) {
        const std::optional<LessonAction> action = ParseLessonAction(c.href);
        ASSERT_EQ(action.has_value(), c.kind.has_value()) << c.href;
        if (!action) continue;
        EXPECT_EQ(action->kind, *c.kind) << c.href;
        EXPECT_EQ(action->code, c.code) << c.href;
    }
}

TEST_F(CoursePages, ContentsLinksAreSplitAndUnsafeCodesRefused)
{
    EXPECT_EQ(ParseContentsLink("A05 §5. Натуральные числа").title, "Натуральные числа");
    EXPECT_EQ(ParseContentsLink("USER0002 Урок о дробях").title, "Урок о дробях");

    EXPECT_FALSE(base::IsSafeTopicCode(".."));
    EXPECT_FALSE(base::IsSafeTopicCode("A05\\x"));
    EXPECT_FALSE(base::IsSafeTopicCode("C:x"));
    EXPECT_FALSE(base::IsSafeTopicCode("A 05"));
    EXPECT_FALSE(base::IsSafePageCode("A05\\01\"><script>"));
    EXPECT_TRUE(base::IsSafeTopicCode("A05"));
}

// --- lessons -------------------------------------------------------------------------------

TEST(Lessons, NumberingSkipsNamesThatAreNotNumbered)
{
    EXPECT_EQ(NextLessonCode({}), "USER0001");
    EXPECT_EQ(NextLessonCode({"USER0001.CFG", "USER0002.CFG"}), "USER0003");
    EXPECT_EQ(NextLessonCode({"USER0001.CFG", "USER00x2.CFG", "USERabcd.CFG", "USER.CFG"}), "USER0002");
    EXPECT_EQ(NextLessonCode({"USER0009.CFG", "USER0010.CFG"}), "USER0011");
}

TEST(Lessons, FileLinesPerGroup)
{
    EXPECT_EQ(LessonFileLines({QStringList{"A\\T1", "A\\T2"}, QStringList{}, QStringList{"A\\011"}}),
              (QStringList{" A\\T1 A\\T2", "", " A\\011"}));
}

class LessonFiles : public ProgramFolderTest {
protected:
    base::SharedChanges changes{base::SharedFileTimes{100, 20000}};
};

TEST_F(LessonFiles, SaveWritesTheLessonAndItsListEntry)
{
    writeLines("ZADS\\LESS12.TXT", {"USER0001 Старый"});
    writeLines("ZADS\\00000000\\USER0001.CFG", {"", "", ""});
    writeLines("ZADS\\00000000\\USERnote.CFG", {"x"});
    const LessonSaved saved = SaveLesson(changes, 12, "Новый урок", {QStringList{"A\\T1", "A\\T2"}, {}, {"A\\011"}});
    EXPECT_EQ(saved.code, "USER0002");
    EXPECT_EQ(readBytes("ZADS\\00000000\\USER0002.CFG"), cp1251Lines({" A\\T1 A\\T2", "", " A\\011"}));
    EXPECT_EQ(readBytes("ZADS\\LESS12.TXT"), cp1251Lines({"USER0001 Старый", "USER0002 Новый урок"}));
}

TEST_F(LessonFiles, NoLessonIsWrittenWithoutTheSectionsList)
{
    const LessonSaved saved = SaveLesson(changes, 21, "Урок", {QStringList{"A\\T1"}, {}, {}});
    EXPECT_TRUE(saved.code.isEmpty());
    EXPECT_TRUE(saved.error.contains("LESS21.TXT"));
    EXPECT_FALSE(base::FileExists("ZADS\\00000000\\USER0001.CFG"));
}

TEST(Lessons, ListEntriesAreFoundRetitledAndRemovedByCode)
{
    const QStringList list{"USER0001 Первый", "", "USER0002 Второй урок", "USER0003 Третий"};
    EXPECT_EQ(LessonTitle(list, "USER0002"), "Второй урок");
    EXPECT_EQ(LessonTitle(list, "user0003"), "Третий"); // codes as file names: any letter case
    EXPECT_TRUE(LessonTitle(list, "USER0009").isEmpty());
    EXPECT_TRUE(LessonTitle(list, "").isEmpty()); // not the empty line

    QStringList retitled = list;
    EXPECT_TRUE(RetitleLesson(retitled, "USER0002", "Дроби"));
    EXPECT_EQ(retitled, (QStringList{"USER0001 Первый", "", "USER0002 Дроби", "USER0003 Третий"}));
    EXPECT_FALSE(RetitleLesson(retitled, "USER0009", "Нет"));

    QStringList removed = list;
    EXPECT_TRUE(RemoveLessonEntry(removed, "USER0001"));
    EXPECT_EQ(removed, (QStringList{"", "USER0002 Второй урок", "USER0003 Третий"}));
    EXPECT_FALSE(RemoveLessonEntry(removed, "USER0001"));
    EXPECT_FALSE(RemoveLessonEntry(removed, ""));
    EXPECT_EQ(removed.size(), 3);
}

TEST_F(LessonFiles, ASavedLessonIsReadBackAndWrittenOverInPlace)
{
    writeLines("ZADS\\LESS12.TXT", {"USER0001 Старый", "USER0002 Другой"});
    writeLines("ZADS\\00000000\\USER0001.CFG", {" A\\T1 A\\T2", "", " A\\011"});
    writeLines("ZADS\\00000000\\USER0002.CFG", {"", "", ""});
    const std::optional<LessonPages> pages = ReadLesson("USER0001");
    ASSERT_TRUE(pages.has_value());
    EXPECT_EQ(*pages, (LessonPages{QStringList{"A\\T1", "A\\T2"}, QStringList{}, QStringList{"A\\011"}}));
    EXPECT_FALSE(ReadLesson("USER0404").has_value());
    EXPECT_FALSE(ReadLesson("USER..\\..\\x").has_value());

    const LessonSaved saved = SaveLesson(changes, 12, "Новый", {QStringList{"A\\T2"}, {}, {}}, "USER0001");
    EXPECT_EQ(saved.code, "USER0001");
    EXPECT_EQ(readBytes("ZADS\\00000000\\USER0001.CFG"), cp1251Lines({" A\\T2", "", ""}));
    EXPECT_EQ(readBytes("ZADS\\LESS12.TXT"), cp1251Lines({"USER0001 Новый", "USER0002 Другой"}));
    EXPECT_FALSE(base::FileExists("ZADS\\00000000\\USER0003.CFG"));
    // A code the section does not list makes a new lesson: another section's is not written over.
    EXPECT_EQ(SaveLesson(changes, 12, "Копия", {}, "USER0007").code, "USER0003");
}

TEST_F(LessonFiles, DeletingTakesTheEntryAndTheFileAndNothingElse)
{
    writeLines("ZADS\\LESS12.TXT", {"USER0001 Первый", "USER0002 Второй"});
    writeLines("ZADS\\00000000\\USER0001.CFG", {"", "", ""});
    writeLines("ZADS\\00000000\\USER0002.CFG", {"", "", ""});
    EXPECT_TRUE(DeleteLesson(changes, 12, "USER0001").isEmpty());
    EXPECT_EQ(readBytes("ZADS\\LESS12.TXT"), cp1251Lines({"USER0002 Второй"}));
    EXPECT_FALSE(base::FileExists("ZADS\\00000000\\USER0001.CFG"));
    EXPECT_TRUE(base::FileExists("ZADS\\00000000\\USER0002.CFG"));

    // Not listed in this section, or no list at all: nothing is deleted.
    EXPECT_FALSE(DeleteLesson(changes, 12, "USER0001").isEmpty());
    EXPECT_FALSE(DeleteLesson(changes, 13, "USER0002").isEmpty());
    EXPECT_TRUE(base::FileExists("ZADS\\00000000\\USER0002.CFG"));
    // A listed entry whose file is already gone still leaves the list.
    writeLines("ZADS\\LESS12.TXT", {"USER0002 Второй", "USER0005 Без файла"});
    EXPECT_TRUE(DeleteLesson(changes, 12, "USER0005").isEmpty());
    EXPECT_EQ(readBytes("ZADS\\LESS12.TXT"), cp1251Lines({"USER0002 Второй"}));
}

TEST_F(LessonFiles, ListChangesWriteOnlyWhenAsked)
{
    writeLines("ZADS\\LESS12.TXT", {"USER0001 Первый"});
    const QByteArray before = readBytes("ZADS\\LESS12.TXT");
    EXPECT_TRUE(ChangeLessonList(changes, 12, [](QStringList& lines) {
                    lines.clear(); // changed, but not to be written
                    return false;
                }).isEmpty());
    EXPECT_EQ(readBytes("ZADS\\LESS12.TXT"), before);
    EXPECT_TRUE(ChangeLessonList(changes, 12, [](QStringList& lines) {
                    lines.append("USER0002 Второй");
                    return true;
                }).isEmpty());
    EXPECT_EQ(readBytes("ZADS\\LESS12.TXT"), cp1251Lines({"USER0001 Первый", "USER0002 Второй"}));
    EXPECT_TRUE(ChangeLessonList(changes, 44, [](QStringList&) { return true; }).contains("LESS44.TXT"));
}

TEST_F(LessonFiles, BusyListGetsTheEntryWithTheNextChange)
{
    writeLines("ZADS\\LESS12.TXT", {"USER0001 Первый"});
    writeLines("ZADS\\00000000\\USER0001.CFG", {"", "", ""});
    LessonSaved saved;
    {
        QLockFile held(real("ZADS/LESS12.TXT") + ".lock");
        ASSERT_TRUE(held.tryLock(0));
        saved = SaveLesson(changes, 12, "Второй", {QStringList{"A\\T1"}, {}, {}});
    }
    EXPECT_EQ(saved.code, "USER0002");
    EXPECT_EQ(saved.error, base::SharedChangeMessage(base::SharedChangeStatus::Busy, "ZADS\\LESS12.TXT"));
    EXPECT_TRUE(base::FileExists("ZADS\\00000000\\USER0002.CFG"));
    EXPECT_EQ(readBytes("ZADS\\LESS12.TXT"), cp1251Lines({"USER0001 Первый"}));
    // The next lesson takes the next number and the kept entry goes first.
    EXPECT_EQ(SaveLesson(changes, 12, "Третий", {}).code, "USER0003");
    EXPECT_EQ(readBytes("ZADS\\LESS12.TXT"), cp1251Lines({"USER0001 Первый", "USER0002 Второй", "USER0003 Третий"}));
    EXPECT_TRUE(DeleteLesson(changes, 12, "user0002").isEmpty());
    EXPECT_FALSE(DeleteLesson(changes, 12, "USER0009").isEmpty());
    EXPECT_EQ(readBytes("ZADS\\LESS12.TXT"), cp1251Lines({"USER0001 Первый", "USER0003 Третий"}));
}

// Two teachers saving at the same moment each get a number of their own:
// neither lesson file is written over by the other.
TEST_F(LessonFiles, TeachersSavingAtOnceGetNumbersOfTheirOwn)
{
    constexpr int kEach = 15;
    writeLines("ZADS\\LESS12.TXT", {});
    auto teacher = [](QString name, QStringList* codes) {
        base::SharedChanges changes;
        for (int i = 0; i < kEach; ++i)
            codes->append(SaveLesson(changes, 12, name + QString::number(i), {QStringList{name}, {}, {}}).code);
    };
    QStringList first, second;
    std::thread a(teacher, QString("A"), &first), b(teacher, QString("B"), &second);
    a.join();
    b.join();
    const QStringList all = first + second;
    EXPECT_EQ(QSet<QString>(all.begin(), all.end()).size(), 2 * kEach);
    EXPECT_FALSE(all.contains(QString()));
    EXPECT_EQ(base::ListFiles("ZADS\\00000000\\USER*.CFG").size(), 2 * kEach);
    EXPECT_EQ(base::ReadLines("ZADS\\LESS12.TXT").size(), 2 * kEach);
    for (const QString& code : first) EXPECT_EQ(base::ReadLines("ZADS\\00000000\\" + code + ".CFG").value(0), " A");
}

TEST_F(LessonFiles, GroupsAreTheFirstThreeNodes)
{
    writeLines("ZADS\\Regims.txt", {"Теория", "\tподробно", "Инструменты", "Упражнения", "Лишнее"});
    EXPECT_EQ(ReadLessonGroups(), (QStringList{"Теория", "подробно", "Инструменты"}));
}
