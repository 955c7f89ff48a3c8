#include "formulas/formula.h"
#include "formulatest.h"
#include <gtest/gtest.h>

using namespace formulas;

namespace {

QString ExpressionOf(const QString& text)
{
    TFormula formula;
    formula.SetText(text);
    return formula.ExpressionText();
}

QString ErrorOf(const QString& text)
{
    try {
        ExpressionOf(text);
    } catch (const base::AppError& error) {
        return error.message();
    }
    return QString();
}

} // namespace

TEST(Expression, EveryTermKind)
{
    EXPECT_EQ(ExpressionOf("[drob[1][x+1]]"), "DIVISION_((1),x+1)");
    EXPECT_EQ(ExpressionOf("[powr[x][2]]"), "power_((x),2)");
    EXPECT_EQ(ExpressionOf("[sqrt[][x]]"), "sqrt_(x)");
    EXPECT_EQ(ExpressionOf("[sqrt[  ][x]]"), "sqrt_(x)");
    EXPECT_EQ(ExpressionOf("[sqrt[2][x]]"), "sqrt_(x)");
    EXPECT_EQ(ExpressionOf("[sqrt[3][x]]"), "power_((x),1/(3))");
    EXPECT_EQ(ExpressionOf("[sqrt[n+1][x]]"), "power_((x),1/(n+1))");
    EXPECT_EQ(ExpressionOf("[loga[2][8]]"), "logN_((2),8)");
    EXPECT_EQ(ExpressionOf("[modl[x-1]]"), "abs(x-1)");
    EXPECT_EQ(ExpressionOf("[skob[a][+b]]"), "(a+b)");
    EXPECT_EQ(ExpressionOf("[x][vect[AB]]"), "x");
    EXPECT_EQ(ExpressionOf("[a][indx[x][1]]"), "a");
    EXPECT_EQ(ExpressionOf("[[2*][[x]]][-1]"), "2*x-1");
    EXPECT_EQ(ExpressionOf("[drob[powr[x][2]][sqrt[][x+1]]]"), "DIVISION_((power_((x),2)),sqrt_(x+1))");
    EXPECT_EQ(ExpressionOf("[]"), "");
}

TEST(Expression, TextRunsGetTheParsersFunctionNames)
{
    EXPECT_EQ(ExpressionOf("[2,5*ln(x)]"), "2.5*ln_(x)");
    EXPECT_EQ(ExpressionOf("[arcsin(x)+arccos(y)-arctg(z)]"), "arcsin_(x)+arccos_(y)-arctg(z)");
    EXPECT_EQ(ExpressionOf("[lnx+ln (x)+sin(x)]"), "lnx+ln (x)+sin(x)");  // only "ln(" itself
    EXPECT_EQ(ExpressionOf("[ln(ln(x))]"), "ln_(ln_(x))");
    // Implicit multiplication and unknown functions pass through unchanged.
    EXPECT_EQ(ExpressionOf("[2x+lg(x)]"), "2x+lg(x)");
}

TEST(Expression, SymbolsBecomeNumbers)
{
    EXPECT_EQ(ExpressionOf(QStringLiteral("[и*r]")), "3.14159265358979*r");
    EXPECT_EQ(ExpressionOf(QStringLiteral("[ж+м]")), "2.71828182845905+2147483647");
    EXPECT_EQ(ExpressionOf(QStringLiteral("[drob[и][2]]")), "DIVISION_((3.14159265358979),2)");
}

TEST(Expression, IntervalsBecomeComparableProducts)
{
    EXPECT_EQ(ExpressionOf("[(1;5}]"), "(1+1)*(5-0)");
    EXPECT_EQ(ExpressionOf("[{1;5)]"), "(1+0)*(5-1)");
    EXPECT_EQ(ExpressionOf("[(1;5)]"), "(1+1)*(5-1)");
    EXPECT_EQ(ExpressionOf("[{-2;3}]"), "(-2+0)*(3-0)");
    EXPECT_EQ(ExpressionOf(QStringLiteral("[(-м;0)]")), "(-2147483647+1)*(0-1)");
    EXPECT_EQ(ExpressionOf("[(1,5;2,5]"), "(1.5+1)*(2.5");  // a missing bracket is not repaired
    EXPECT_EQ(ExpressionOf("[a;b]"), "a)*(b");
    EXPECT_EQ(ExpressionOf("[(1;2;3)]"), "(1+1)*(2;3-1)");  // only the first ";" splits
}

TEST(Expression, IntegralsAndSystemsCannotBeComputed)
{
    EXPECT_EQ(ErrorOf("[intg[0][1][x]]"), QStringLiteral("Интегралы мы считать пока не умеем :("));
    EXPECT_EQ(ErrorOf("[syst[[x+y=5]][[x-y=1]]]"), QStringLiteral("Системы мы считать пока не умеем :("));
    EXPECT_EQ(ErrorOf("[drob[1][intg[0][1][x]]]"), QStringLiteral("Интегралы мы считать пока не умеем :("));
    // Inside a vector or a subscript they vanish with it.
    EXPECT_EQ(ExpressionOf("[x][indx[a][intg[0][1][x]]]"), "x");
}
