#include "dataanalysis/datalab.h"
#include <gtest/gtest.h>

using namespace dataanalysis;

namespace {

std::vector<std::optional<double>> Numbers(std::initializer_list<double> values)
{
    return {values.begin(), values.end()};
}

void FillRow(Sheet& sheet, int row, std::initializer_list<const char*> inputs)
{
    int col = 1;
    for (const char* input : inputs) sheet.setInput({row, col++}, QString::fromUtf8(input));
    sheet.recalculate();
}

std::vector<QString> ColumnTexts(const Sheet& sheet, int col, int rows)
{
    std::vector<QString> texts;
    for (int row = 1; row <= rows; ++row) texts.push_back(sheet.text({row, col}));
    return texts;
}

} // namespace

TEST(DataLab, SeriesPointsRunRowByRowAndFollowEdits)
{
    DataLab lab;
    FillRow(lab.sheet(), 1, {"1", "2", "3"});
    FillRow(lab.sheet(), 2, {"4", "5", "6"});
    ASSERT_EQ(lab.AddSeries({1, 1, 3, 2}), QString());
    EXPECT_EQ(lab.current(), 0);
    EXPECT_EQ(lab.Values(0), Numbers({1, 2, 3, 4, 5, 6}));

    lab.sheet().edit({2, 2}, "50");
    EXPECT_EQ(lab.Values(0)[4], 50.0) << "B2 is point 5";
    EXPECT_DOUBLE_EQ(lab.Statistics(0).mean, 66.0 / 6);
}

TEST(DataLab, SeriesOverFormulasFollowTheFormulasInputs)
{
    DataLab lab;
    FillRow(lab.sheet(), 1, {"1", "2", "=A1+B1", "=C1*10"});
    ASSERT_EQ(lab.AddSeries({3, 1, 4, 1}), QString());
    EXPECT_EQ(lab.Values(0), Numbers({3, 30}));
    lab.sheet().edit({1, 1}, "5");
    EXPECT_EQ(lab.Values(0), Numbers({7, 70}));
    EXPECT_EQ(lab.Statistics(0).max, 70.0);
}

TEST(DataLab, SelectionNotesOfTheCommands)
{
    DataLab lab;
    const CellRange cell{2, 2, 2, 2};
    const CellRange block{1, 1, 2, 2};
    EXPECT_EQ(lab.AddSeries(cell), kSelectDataNote);
    EXPECT_EQ(lab.SetLabels(block), kAddSeriesFirstNote);
    EXPECT_EQ(lab.Sum(cell), kSelectSumNote);
    EXPECT_EQ(lab.Smooth(cell), kSelectSmoothNote);
    EXPECT_EQ(lab.Smooth(block), kSmoothShapeNote);
    EXPECT_EQ(lab.Sort(block, SortOrder::Ascending), kSortShapeNote);
    EXPECT_EQ(lab.Sum({kMaxCol - 1, 1, kMaxCol, 1}), kSumOutsideNote);
    EXPECT_TRUE(lab.series().empty());
}

TEST(DataLab, SumGoesRightOfARowBelowAColumnAndToTheCornerOfABlock)
{
    struct Case {
        CellRange selection;
        CellPos target;
        const char* formula;
    };
    for (const Case& c : {Case{{1, 1, 3, 1}, {1, 4}, "=SUM(A1:C1)"},
                          Case{{1, 1, 1, 3}, {4, 1}, "=SUM(A1:A3)"},
                          Case{{1, 1, 2, 2}, {3, 3}, "=SUM(A1:B2)"}}) {
        DataLab lab;
        FillRow(lab.sheet(), 1, {"1", "2", "3"});
        FillRow(lab.sheet(), 2, {"4", "5", "6"});
        FillRow(lab.sheet(), 3, {"7", "8", "9"});
        CellPos written;
        ASSERT_EQ(lab.Sum(c.selection, &written), QString());
        EXPECT_EQ(written, c.target);
        EXPECT_EQ(lab.sheet().input(c.target), QString::fromLatin1(c.formula));
    }
    DataLab lab;
    FillRow(lab.sheet(), 1, {"1", "2", "3"});
    lab.Sum({1, 1, 3, 1});
    EXPECT_EQ(lab.sheet().number({1, 4}), 6.0);
}

TEST(DataLab, SmoothingUsesTheValuesBeforeSmoothingAndKeepsTheEnds)
{
    DataLab lab;
    for (const auto& [row, input] : {std::pair{1, "1"}, {2, "2"}, {3, "6"}, {4, "2"}, {5, "1"}})
        lab.sheet().setInput({row, 1}, QString::fromLatin1(input));
    lab.sheet().recalculate();
    ASSERT_EQ(lab.AddSeries({1, 1, 1, 5}), QString());
    ASSERT_EQ(lab.Smooth({1, 1, 1, 5}), QString());
    const auto values = lab.Values(0);
    EXPECT_EQ(values[0], 1.0);
    EXPECT_DOUBLE_EQ(*values[1], 3.0);
    EXPECT_NEAR(*values[2], 10.0 / 3, 1e-12);
    EXPECT_DOUBLE_EQ(*values[3], 3.0);
    EXPECT_EQ(values[4], 1.0);
    EXPECT_EQ(FormatStatistic(lab.Statistics(0), *values[2]), QStringLiteral("3,333"));

    // Along a row the same; a window with a text in it leaves its cell.
    FillRow(lab.sheet(), 7, {"3", "6", "x", "9", "3", "6"});
    lab.Smooth({1, 7, 6, 7});
    EXPECT_EQ(lab.sheet().text({7, 2}), QStringLiteral("6"));
    EXPECT_EQ(lab.sheet().text({7, 5}), QStringLiteral("6"));
}

TEST(DataLab, SortingMovesCellsWithNumbersFirst)
{
    DataLab lab;
    for (int row = 1; row <= 5; ++row) lab.sheet().setInput({row, 1}, QStringList{"3", "нет", "1", "10", "2"}[row - 1]);
    lab.sheet().recalculate();
    ASSERT_EQ(lab.AddSeries({1, 1, 1, 5}), QString());
    ASSERT_EQ(lab.Sort({1, 1, 1, 5}, SortOrder::Ascending), QString());
    EXPECT_EQ(ColumnTexts(lab.sheet(), 1, 5), (std::vector<QString>{"1", "2", "3", "10", "нет"}));
    ASSERT_EQ(lab.Sort({1, 1, 1, 5}, SortOrder::Descending), QString());
    EXPECT_EQ(ColumnTexts(lab.sheet(), 1, 5), (std::vector<QString>{"10", "3", "2", "1", "нет"}));
    EXPECT_EQ(lab.Values(0)[0], 10.0) << "the series reads the sorted cells";

    // Along a row as well.
    FillRow(lab.sheet(), 7, {"2,5", "-1", "7"});
    lab.Sort({1, 7, 3, 7}, SortOrder::Ascending);
    EXPECT_EQ(lab.sheet().input({7, 1}), QStringLiteral("-1"));
    EXPECT_EQ(lab.sheet().input({7, 3}), QStringLiteral("7"));
}

TEST(DataLab, SortingRefusesRangesWithFormulas)
{
    // A formula moved up its own column may end up referring to itself.
    DataLab lab;
    for (int row = 1; row <= 3; ++row) lab.sheet().setInput({row, 1}, QStringList{"1", "2", "=A1*4"}[row - 1]);
    lab.sheet().recalculate();
    EXPECT_EQ(lab.Sort({1, 1, 1, 3}, SortOrder::Descending), kSortFormulasNote);
    EXPECT_EQ(lab.sheet().input({3, 1}), QStringLiteral("=A1*4"));
    EXPECT_EQ(lab.sheet().number({3, 1}), 4.0);
}

TEST(DataLab, DeletingKindsLabelsAndTitles)
{
    DataLab lab;
    FillRow(lab.sheet(), 1, {"5", "4", "3"});
    FillRow(lab.sheet(), 2, {"пять", "четыре", "три"});
    lab.AddSeries({1, 1, 3, 1});
    ASSERT_EQ(lab.SetLabels({1, 2, 2, 2}), QString());
    EXPECT_EQ(lab.Labels(0), (QStringList{"пять", "четыре", ""})) << "labels beyond the cells are empty";
    lab.AddSeries({1, 1, 2, 1});
    EXPECT_TRUE(lab.SetKind(ChartKind::Pie));
    EXPECT_FALSE(lab.SetKind(ChartKind::Pie));
    for (const DataSeries& one : lab.series()) EXPECT_EQ(one.kind, ChartKind::Pie);
    lab.Rename(0, "Оценки\r\nкласса");
    EXPECT_EQ(lab.series()[0].title, QStringLiteral("Оценки  класса"));

    lab.SetCurrent(0);
    lab.DeleteCurrent();
    EXPECT_EQ(lab.current(), 0);
    lab.DeleteCurrent();
    EXPECT_EQ(lab.current(), -1);
    EXPECT_EQ(lab.SetLabels({1, 2, 2, 2}), kAddSeriesFirstNote);
}

TEST(DataLab, StatisticsTableShowsEverySeriesWithThreeDecimals)
{
    DataLab lab;
    FillRow(lab.sheet(), 1, {"0", "1", "1"});
    FillRow(lab.sheet(), 2, {"нет", "чисел"});
    lab.AddSeries({1, 1, 3, 1});
    lab.AddSeries({1, 2, 2, 2});
    lab.Rename(0, "Ряд А");
    const auto rows = StatisticsTable(lab);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (StatisticsRow{"Ряд А", "0,667", "0,000", "1,000", "0,471"}));
    EXPECT_EQ(rows[1], (StatisticsRow{"Ряд 2", "—", "—", "—", "—"}));
}
