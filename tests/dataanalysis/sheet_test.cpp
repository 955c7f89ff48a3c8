#include "dataanalysis/sheet.h"
#include <QStringList>
#include <gtest/gtest.h>

using namespace dataanalysis;

namespace {

void FillColumn(Sheet& sheet, int col, const std::vector<QString>& inputs)
{
    for (size_t i = 0; i < inputs.size(); ++i) sheet.setInput({int(i) + 1, col}, inputs[i]);
    sheet.recalculate();
}

} // namespace

TEST(Sheet, UsualFunctionsComputeAndFollowTheirInputs)
{
    Sheet sheet;
    FillColumn(sheet, 1, {"1", "2", "3", "4", "5,5"});
    sheet.edit({1, 2}, "=SUM(A1:A5)");
    sheet.edit({2, 2}, "=AVERAGE(A1:A5)");
    sheet.edit({3, 2}, "=MAX(A1,A5)-MIN(A2,A3)");
    sheet.edit({4, 2}, "=B1*2");
    EXPECT_EQ(sheet.number({1, 2}), 15.5);
    EXPECT_EQ(sheet.number({2, 2}), 3.1);
    EXPECT_EQ(sheet.number({3, 2}), 3.5);
    sheet.edit({5, 2}, "=IF(A2>1,COUNTA(A1:A5),-1)");
    EXPECT_EQ(sheet.number({5, 2}), 5.0);
    EXPECT_EQ(sheet.number({4, 2}), 31.0);
    EXPECT_EQ(sheet.text({1, 2}), QStringLiteral("15,5"));
    EXPECT_EQ(sheet.input({1, 2}), QStringLiteral("=SUM(A1:A5)"));

    sheet.edit({1, 1}, "11");
    EXPECT_EQ(sheet.number({1, 2}), 25.5);
    EXPECT_EQ(sheet.number({4, 2}), 51.0) << "a formula over a formula follows too";
}

TEST(Sheet, InputKindsNumbersWithCommaOrPointAndTexts)
{
    Sheet sheet;
    sheet.edit({1, 1}, "2,5");
    sheet.edit({2, 1}, "2.5");
    sheet.edit({3, 1}, "январь");
    sheet.edit({4, 1}, "=A1+A2");
    EXPECT_EQ(sheet.number({1, 1}), 2.5);
    EXPECT_EQ(sheet.number({2, 1}), 2.5);
    EXPECT_EQ(sheet.number({3, 1}), std::nullopt);
    EXPECT_EQ(sheet.text({3, 1}), QStringLiteral("январь"));
    EXPECT_EQ(sheet.number({4, 1}), 5.0);
    EXPECT_TRUE(sheet.isFormula({4, 1}));

    sheet.edit({1, 1}, "");
    EXPECT_EQ(sheet.input({1, 1}), QString());
    EXPECT_EQ(sheet.number({4, 1}), 2.5) << "an emptied cell counts as nothing in the sum";
    EXPECT_EQ(sheet.inputs().size(), 3u);
}

TEST(Sheet, FormulaErrorsShowAsSpreadsheetsShowThem)
{
    Sheet sheet;
    sheet.edit({1, 1}, "=1/0");
    sheet.edit({2, 1}, "=SUM(A1:");       // unreadable
    sheet.edit({3, 1}, "=STDEV(B1:B3)");  // known by name, not computed by the engine
    sheet.edit({4, 1}, "=A4+1");          // refers to itself
    sheet.edit({5, 1}, "=7");
    sheet.edit({7, 1}, "=SUBTOTAL(1,A5:A6)"); // the engine throws on this argument
    sheet.edit({8, 1}, "=WAIT()");           // would stop the program for a second per calculation
    EXPECT_EQ(sheet.text({1, 1}), QStringLiteral("#DIV/0!"));
    EXPECT_EQ(sheet.text({2, 1}), QStringLiteral("#NAME?"));
    EXPECT_EQ(sheet.text({3, 1}), QStringLiteral("#NAME?"));
    EXPECT_EQ(sheet.number({3, 1}), std::nullopt);
    EXPECT_EQ(sheet.number({4, 1}), std::nullopt);
    EXPECT_EQ(sheet.input({3, 1}), QStringLiteral("=STDEV(B1:B3)")) << "the typed text is kept for editing";
    EXPECT_EQ(sheet.number({5, 1}), 7.0) << "other formulas still compute";
    EXPECT_EQ(sheet.text({7, 1}), QStringLiteral("#VALUE!"));
    EXPECT_EQ(sheet.text({8, 1}), QStringLiteral("#NAME?"));
    sheet.edit({6, 1}, "=A5*3");
    EXPECT_EQ(sheet.number({6, 1}), 21.0);
}

TEST(Sheet, CellsOutsideTheBoundsAreIgnoredAndClearEmptiesAll)
{
    Sheet sheet;
    sheet.edit({kMaxRow + 1, 1}, "5");
    sheet.edit({1, kMaxCol + 1}, "5");
    sheet.edit({0, 1}, "5");
    EXPECT_TRUE(sheet.inputs().empty());
    sheet.edit({kMaxRow, kMaxCol}, "5");
    EXPECT_EQ(sheet.number({kMaxRow, kMaxCol}), 5.0);
    sheet.clear();
    EXPECT_TRUE(sheet.inputs().empty());
    EXPECT_EQ(sheet.number({kMaxRow, kMaxCol}), std::nullopt);
}

TEST(CellRange, NamesAndPositions)
{
    EXPECT_EQ(ColumnName(1), QStringLiteral("A"));
    EXPECT_EQ(ColumnName(26), QStringLiteral("Z"));
    EXPECT_EQ(ColumnName(27), QStringLiteral("AA"));
    EXPECT_EQ(ColumnName(kMaxCol), QStringLiteral("CV"));
    const CellRange block{1, 1, 3, 2};
    EXPECT_EQ(RangeName(block), QStringLiteral("A1:C2"));
    EXPECT_EQ(RangeName({2, 3, 2, 3}), QStringLiteral("B3"));
    EXPECT_EQ(block.indexOf({2, 2}), 4);
    EXPECT_EQ(block.cellAt(4), (CellPos{2, 2}));
    EXPECT_TRUE(kNoRange.isEmpty());
    EXPECT_EQ(kNoRange.cellCount(), 0);
}

TEST(Sheet, AFormulaReplacedBeforeAnyCalculationLeavesTheSheetWorking)
{
    // The engine keeps formulas it has not calculated yet and crashed on one
    // that had been replaced in the meantime (loading, sorting set many cells).
    Sheet sheet;
    sheet.setInput({1, 1}, "2");
    sheet.setInput({2, 1}, "=A1*2");
    sheet.setInput({2, 1}, "");
    sheet.setInput({3, 1}, "=A1*3");
    sheet.setInput({3, 1}, "=A1*4");
    sheet.setInput({4, 1}, "=A1*5");
    sheet.setInput({4, 1}, "текст");
    sheet.recalculate();
    EXPECT_EQ(sheet.number({2, 1}), std::nullopt);
    EXPECT_EQ(sheet.number({3, 1}), 8.0);
    EXPECT_EQ(sheet.text({4, 1}), QStringLiteral("текст"));
}

TEST(Sheet, FormulasReachingPastTheSheetDoNotBreakIt)
{
    // The engine's sheet is the lab's size: whole columns end at its last
    // row, and a cell past it has no value.
    Sheet sheet;
    FillColumn(sheet, 1, {"1", "2", "3"});
    sheet.edit({kMaxRow, 1}, "4");
    sheet.edit({1, 2}, "=SUM(A:A)");
    sheet.edit({2, 2}, QStringLiteral("=A%1+1").arg(kMaxRow + 1));
    sheet.edit({3, 2}, "=SUM(CW1:CX5)");
    sheet.edit({4, 2}, "=B1*2");
    // Read as rows 11 to about two billion: the engine walked them all.
    sheet.edit({5, 2}, "=A11:1");
    sheet.edit({6, 2}, "=SUM(A1:CV1001)");
    // A "$" fixing no column or row: the engine's reader ran past the text.
    sheet.edit({kMaxRow, kMaxCol}, "=A4+$");
    sheet.edit({7, 2}, "=CONCATENATE(\"$\",$A$1)");
    EXPECT_EQ(sheet.text({kMaxRow, kMaxCol}), QStringLiteral("#NAME?"));
    EXPECT_EQ(sheet.text({7, 2}), QStringLiteral("$1"));
    EXPECT_EQ(sheet.text({5, 2}), QStringLiteral("#NAME?"));
    EXPECT_EQ(sheet.text({6, 2}), QStringLiteral("#NAME?"));
    EXPECT_EQ(sheet.number({1, 2}), 10.0);
    EXPECT_NE(sheet.text({2, 2}), QString());
    EXPECT_NE(sheet.text({3, 2}), QString());
    EXPECT_EQ(sheet.number({4, 2}), 20.0);
    sheet.edit({kMaxRow, 1}, "14");
    EXPECT_EQ(sheet.number({4, 2}), 40.0);
}

TEST(Sheet, AQuotedNameLeftOpenIsRefused)
{
    // A "'" opening a name at the very end: the engine's reader ran past the text.
    Sheet sheet;
    sheet.edit({1, 1}, "7");
    const QStringList open{"=1+'", "=T('", "=A1&'", "=T(''')"};
    for (int i = 0; i < open.size(); ++i) sheet.edit({i + 1, 2}, open[i]);
    sheet.edit({1, 3}, "='Sheet1'!A1*2");
    sheet.edit({2, 3}, "=CONCATENATE(\"it's \",A1)");
    for (int i = 0; i < open.size(); ++i)
        EXPECT_EQ(sheet.text({i + 1, 2}), QStringLiteral("#NAME?")) << open[i].toStdString();
    EXPECT_EQ(sheet.number({1, 3}), 14.0);
    EXPECT_EQ(sheet.text({2, 3}), QStringLiteral("it's 7"));
}

TEST(Sheet, AFormulaOverWholeColumnsOrRowsCanBeReplaced)
{
    // The engine's dependency tracker takes such a formula in, and then
    // threw when the formula was taken out again: the program ended.
    for (const QString& formula : {QStringLiteral("=XUM(A:A)"), QStringLiteral("=A:1"), QStringLiteral("=SUM(2:2)"),
                                   QStringLiteral("=SUM(A:A)")}) {
        Sheet sheet;
        sheet.edit({1, 3}, "4");
        sheet.setInput({1, 2}, formula);
        sheet.setInput({1, 2}, QStringLiteral("текст"));
        sheet.setInput({2, 2}, formula);
        sheet.recalculate();
        sheet.edit({2, 2}, "");
        sheet.edit({3, 2}, "=C1*2");
        EXPECT_EQ(sheet.text({1, 2}), QStringLiteral("текст")) << formula.toStdString();
        EXPECT_EQ(sheet.number({3, 2}), 8.0) << formula.toStdString();
        sheet.edit({1, 3}, "5");
        EXPECT_EQ(sheet.number({3, 2}), 10.0) << formula.toStdString();
    }
}
