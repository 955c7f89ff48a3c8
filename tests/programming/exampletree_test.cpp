#include "programming/exampletree.h"
#include "base/apperror.h"
#include <gtest/gtest.h>

using namespace programming;

TEST(ExampleTree, ReadsGroupsAndExamplesWithTitlesAfterTheFirstSpace)
{
    const ExampleTree tree = ReadExampleTree({QStringLiteral("Примеры"), QStringLiteral("\tДелимость"),
                                              QStringLiteral("\t\tGCD Наибольший общий делитель"),
                                              QStringLiteral("\t\tPRIMES  Простые числа"), QString(),
                                              QStringLiteral("\tРяды"), QStringLiteral("\t\tSERIES Сумма ряда")});
    EXPECT_EQ(tree.title, QStringLiteral("Примеры"));
    ASSERT_EQ(tree.groups.size(), 2);
    EXPECT_EQ(tree.groups[0].title, QStringLiteral("Делимость"));
    EXPECT_EQ(tree.groups[0].examples,
              (QList<ProgramExample>{{QStringLiteral("GCD"), QStringLiteral("Наибольший общий делитель")},
                                     {QStringLiteral("PRIMES"), QStringLiteral("Простые числа")}}));
    EXPECT_EQ(tree.exampleCount(), 3);
    ASSERT_NE(tree.find(QStringLiteral("series")), nullptr);
    EXPECT_EQ(tree.find(QStringLiteral("series"))->title, QStringLiteral("Сумма ряда"));
    EXPECT_EQ(tree.find(QStringLiteral("TMP")), nullptr);
}

struct RefusedList {
    const char* name;
    QStringList lines;
    int line;
};

class ExampleTreeRefusal : public ::testing::TestWithParam<RefusedList> {};

TEST_P(ExampleTreeRefusal, NamesTheLineItRefuses)
{
    try {
        ReadExampleTree(GetParam().lines);
        FAIL() << "accepted";
    } catch (const base::LineError& error) {
        EXPECT_EQ(error.line(), GetParam().line) << error.message().toStdString();
    }
}

const QString kRoot = QStringLiteral("Примеры");
const QString kGroup = QStringLiteral("\tГруппа");

INSTANTIATE_TEST_SUITE_P(
    UntrustedLists, ExampleTreeRefusal,
    ::testing::Values(
        RefusedList{"empty", {}, 1}, RefusedList{"blank", {QString(), QStringLiteral("  ")}, 1},
        RefusedList{"no_root", {kGroup}, 1},
        RefusedList{"second_root", {kRoot, kGroup, QStringLiteral("Ещё")}, 3},
        RefusedList{"example_without_group", {kRoot, QStringLiteral("\t\tGCD НОД")}, 2},
        RefusedList{"too_deep", {kRoot, kGroup, QStringLiteral("\t\t\tGCD НОД")}, 3},
        RefusedList{"no_title", {kRoot, kGroup, QStringLiteral("\t\tGCD")}, 3},
        RefusedList{"path_in_code", {kRoot, kGroup, QStringLiteral("\t\t..\\..\\USERS\\x Чужой файл")}, 3},
        RefusedList{"slash_in_code", {kRoot, kGroup, QStringLiteral("\t\t/etc/passwd Пароли")}, 3},
        RefusedList{"dot_in_code", {kRoot, kGroup, QStringLiteral("\t\tGCD.PAS НОД")}, 3},
        RefusedList{"long_code", {kRoot, kGroup, QStringLiteral("\t\t") + QString(kMaxCodeLength + 1, u'A') + QStringLiteral(" Длинное")}, 3},
        RefusedList{"repeated_code", {kRoot, kGroup, QStringLiteral("\t\tGCD НОД"), QStringLiteral("\t\tgcd Ещё НОД")}, 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExampleTree, ExampleFilesLieInTheTasksFolder)
{
    EXPECT_EQ(ExampleSourcePath(QStringLiteral("GCD")), QStringLiteral("ZADS\\GCD.PAS"));
    EXPECT_EQ(ExampleProgramPath(QStringLiteral("GCD")), QStringLiteral("ZADS\\GCD.exe"));
}
