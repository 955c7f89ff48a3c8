// Clicks on a drawn formula put the caret where they land.
#include "formulas/formula.h"
#include "formulas/view/drawing.h"
#include "formulas/formulatest.h"
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace formulas;

TEST(FormulaClicks, PutTheCaretAtTheNearestPlace)
{
    TFormula formula;
    formula.SetText(QStringLiteral("[ab][drob[1][2]]"));
    formula.BeginEdit(false);
    QImage image(400, 200, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    QPainter canvas(&image);
    canvas.setFont(FormulaFont(20));
    Draw(formula, canvas, 10, 10);
    TTerm* run = formula.Root()->Child(1);
    TTerm* fraction = formula.Root()->Child(2);
    const std::vector<int> advances = TextRunAdvances(canvas, *run);

    const int midY = run->Top + run->Height / 2;
    // Right of the middle of "a": after it.
    ClickAt(formula, run->Left + advances[0] * 3 / 4, midY, canvas);
    EXPECT_EQ(formula.Current(), run);
    EXPECT_EQ(run->Caret, 2);
    EXPECT_EQ(formula.Root()->Caret, 2);
    // The denominator.
    TTerm* denominator = fraction->Child(2);
    ClickAt(formula, denominator->Left + denominator->Width - 1, denominator->Top + denominator->Height / 2, canvas);
    EXPECT_EQ(formula.Current(), denominator->Child(1));
    EXPECT_EQ(formula.Current()->Caret, 2);
    EXPECT_EQ(fraction->Caret, 2);
    EXPECT_EQ(run->Caret, 0);
    // Past the end of the formula: the gap after the fraction.
    ClickAt(formula, fraction->Left + fraction->Width + 30, midY, canvas);
    EXPECT_EQ(formula.Current(), formula.Root());
    EXPECT_EQ(formula.Root()->Caret, 5);
    EXPECT_EQ(fraction->Caret, 0);
    formula.TypeText(QStringLiteral("+c"));
    EXPECT_EQ(formula.Notation(), QStringLiteral("[ab][drob[1][2]][+c]"));
}
