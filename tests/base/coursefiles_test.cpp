#include "base/apperror.h"
#include "base/coursefiles.h"
#include "support/testsupport.h"

using namespace base;

namespace {

const QStringList kContents = {
    QStringLiteral("Курс"),
    QStringLiteral("\t5–6 классы"),
    QStringLiteral("\t\tНатуральные числа"),
    QStringLiteral("\t\t\tЧисла и действия"),
    QStringLiteral("\t\t\t\tA01 §1. Запись чисел"),
    QStringLiteral("\t\t\t\tA02 §2. Сложение и вычитание"),
    QStringLiteral("\t\t\tДелимость"),
    QStringLiteral("\t\t\t\tA03 §3. Делители и кратные"),
    QStringLiteral("\t\tДроби"),
    QStringLiteral("\t\t\tОбыкновенные дроби"),
    QStringLiteral("\t\t\t\tB01 §1. Доли"),
    QStringLiteral("\tАлгебра"),
    QStringLiteral("\t\tУравнения"),
    QStringLiteral("\t\t\tЛинейные"),
    QStringLiteral("\t\t\t\tD01 §1. Линейные уравнения"),
};

} // namespace

TEST(CourseContents, SectionsAreAddressedByGroupAndPlace)
{
    const base::CourseContents contents = base::ReadCourseContents(kContents);
    EXPECT_EQ(contents.root, QStringLiteral("Курс"));
    ASSERT_EQ(contents.groups.size(), 2);
    const base::ContentsSection* numbers = contents.Section(0);
    ASSERT_NE(numbers, nullptr);
    EXPECT_EQ(numbers->title, QStringLiteral("Натуральные числа"));
    ASSERT_EQ(numbers->headings.size(), 2);
    EXPECT_EQ(numbers->Topics().size(), 3);
    EXPECT_EQ(numbers->headings[1].topics[0].code, QStringLiteral("A03"));
    EXPECT_EQ(numbers->headings[1].topics[0].rest, QStringLiteral("§3. Делители и кратные"));
    ASSERT_NE(contents.Section(10), nullptr);
    EXPECT_EQ(contents.Section(10)->title, QStringLiteral("Уравнения"));
    EXPECT_EQ(contents.Section(2), nullptr);
    EXPECT_EQ(contents.Section(20), nullptr);
    EXPECT_EQ(contents.Section(-1), nullptr);
    EXPECT_EQ(contents.SectionOfTopic(QStringLiteral("a03")), 0);
    EXPECT_EQ(contents.SectionOfTopic(QStringLiteral("B01")), 1);
    EXPECT_EQ(contents.SectionOfTopic(QStringLiteral("D01")), 10);
    EXPECT_EQ(contents.SectionOfTopic(QStringLiteral("USER0001")), -1);

    const base::NameValueList map = contents.TopicMap();
    ASSERT_EQ(map.count(), 5);
    EXPECT_EQ(map.name(3), QStringLiteral("B01"));
    EXPECT_EQ(map.value(QStringLiteral("d01")), QStringLiteral("§1. Линейные уравнения"));
    EXPECT_EQ(base::TopicTitle(map.value(QStringLiteral("A02"))), QStringLiteral("Сложение и вычитание"));
}

TEST(CourseContents, BadIndentIsAnErrorAndEmptyTextAnEmptyCourse)
{
    EXPECT_THROW(base::ReadCourseContents({QStringLiteral("Курс"), QStringLiteral("\t\tслишком глубоко")}), base::AppError);
    EXPECT_TRUE(base::ReadCourseContents({}).groups.isEmpty());
}

class CoursePageLists : public ProgramFolderTest {};

TEST_F(CoursePageLists, TopicAndLessonListsComeFromTheirFiles)
{
    writeLines(QStringLiteral("ZADS/A01/HTM.CFG"), {QStringLiteral("T01 T02"), QStringLiteral("I01"), QStringLiteral("011  012 013 ")});
    writeLines(QStringLiteral("ZADS/00000000/USER0003.CFG"), {QStringLiteral("A01\\T01"), QString()});
    const std::optional<base::PageList> topic = base::ReadPageList(QStringLiteral("A01"));
    ASSERT_TRUE(topic.has_value());
    EXPECT_EQ(base::PageCodes(topic->Line(3)), (QStringList{QStringLiteral("011"), QStringLiteral("012"), QStringLiteral("013")}));
    EXPECT_EQ(base::FullPageCode(QStringLiteral("A01"), QStringLiteral("T01")), QStringLiteral("A01\\T01"));
    EXPECT_EQ(base::PageFile(QStringLiteral("A01\\T01")), QStringLiteral("ZADS\\A01\\T01.HTM"));

    const std::optional<base::PageList> lesson = base::ReadPageList(QStringLiteral("USER0003"));
    ASSERT_TRUE(lesson.has_value());
    EXPECT_EQ(base::FullPageCode(QStringLiteral("USER0003"), lesson->theory), QStringLiteral("A01\\T01"));
    EXPECT_TRUE(lesson->exercises.isEmpty());
    EXPECT_FALSE(base::ReadPageList(QStringLiteral("A09")).has_value());
    EXPECT_EQ(base::LessonsFile(12), QStringLiteral("ZADS\\LESS12.TXT"));
    EXPECT_EQ(base::LessonsFile(0), QStringLiteral("ZADS\\LESS00.TXT"));
}

TEST(PageLinks, AreSplitByTheirSchemeAndUnsafeOnesRefused)
{
    base::PageLink lab = base::ParsePageLink("Lab16\\Coins.htm");
    EXPECT_EQ(lab.kind, base::PageLink::Kind::Lab);
    EXPECT_EQ(lab.lab, 16);
    EXPECT_EQ(lab.target, "HELP\\Lab16\\Coins.htm");
    EXPECT_FALSE(base::ParsePageLink("Labx\\a.htm").valid);
    EXPECT_EQ(base::ParsePageLink("SPR:dice").target, "RIS\\dice.LAB");
    EXPECT_FALSE(base::ParsePageLink("SPR:..\\..\\etc").valid);
    const base::PageLink task = base::ParsePageLink("ZAD:A05\\012 3");
    EXPECT_EQ(task.kind, base::PageLink::Kind::Task);
    EXPECT_EQ(task.target, "A05\\012");
    EXPECT_EQ(task.number, "3");
    EXPECT_EQ(base::ParsePageLink("ADD:A05\\T01").kind, base::PageLink::Kind::AddToLesson);
    EXPECT_EQ(base::ParsePageLink("T02.HTM").kind, base::PageLink::Kind::Other);
}

TEST(TaskGrouping, GroupsVariantsAndAPlainPageOrAnExerciseBreaksTheGroup)
{
    base::TaskGrouping grouping;
    const std::pair<const char*, base::TaskCodeKind> codes[] = {
        {"A05\\T01", base::kPlainPage},        {"A05\\011", base::kFirstVariant},
        {"A05\\012", base::kFurtherVariant},   {"A05\\02а", base::kFirstVariant},
        {"A05\\0101", base::kSingleExercise},  {"A05\\021", base::kFirstVariant},
        {"A05\\I01", base::kPlainPage},        {"A05\\022", base::kFirstVariant},
        {"A05\\", base::kPlainPage},
    };
    for (const auto& [code, kind] : codes) EXPECT_EQ(grouping.Classify(QString::fromUtf8(code)), kind) << code;
    // Another page numbers afresh: its first variant of the same group is a first one.
    EXPECT_EQ(base::TaskGrouping().Classify("A05\\023"), base::kFirstVariant);
}
