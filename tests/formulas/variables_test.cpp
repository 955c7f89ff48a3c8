#include "formulas/formula.h"
#include "formulatest.h"
#include <gtest/gtest.h>

using namespace formulas;

namespace {

QString VariablesOf(const QString& text, const QString& prefix = QString(), const QString& suffix = QString())
{
    TFormula formula;
    formula.SetPrefix(prefix);
    formula.SetSuffix(suffix);
    formula.SetText(text);
    return formula.Variables().join(u',');
}

} // namespace

TEST(Variables, NamesOfLettersAndDigitsSortedWithoutReservedWords)
{
    EXPECT_EQ(VariablesOf("[a*x+b]"), "a,b,x");
    EXPECT_EQ(VariablesOf("[sin(x)+ln(y)]"), "x,y");
    EXPECT_EQ(VariablesOf("[2x+x1]"), "x1");  // a run that begins with a digit is no name
    EXPECT_EQ(VariablesOf(QStringLiteral("[и*r]")), "r");
    EXPECT_EQ(VariablesOf("[X+x+Abc*abc]"), "abc,x");  // lower-cased, each once
    EXPECT_EQ(VariablesOf("[drob[arcsin(t)][arccos(t)+tg(u)-ctg(v)+lg(w)+arcctg(q)+arctg(p)]]"), "p,q,t,u,v,w");
    EXPECT_EQ(VariablesOf("[my_var2+k10+k9]"), "k10,k9,my,var2");
    EXPECT_EQ(VariablesOf("[abs(x)]"), "abs,x");  // abs is no reserved word
    EXPECT_EQ(VariablesOf(QStringLiteral("[xж+ъy]")), "x,y");
    EXPECT_EQ(VariablesOf("[]"), "");
    // A run still open at the end of the text is not taken.
    EXPECT_EQ(VariablesOf("a+b"), "a");
}

TEST(Variables, PrefixAndSuffixFixThePlacesOfXAndY)
{
    EXPECT_EQ(VariablesOf("[a*x+b]", "y = "), "x,b,a");  // x exchanged with the first entry
    EXPECT_EQ(VariablesOf("[a*x+b]", QString(), "=0"), "x,y,b,a");
    EXPECT_EQ(VariablesOf("[a*x+b]", "y = ", "=0"), "x,y,b,a");
    EXPECT_EQ(VariablesOf("[a+b]", "y = "), "x,a,b");  // x inserted
    EXPECT_EQ(VariablesOf("[b+y+a+x]", QString(), "=0"), "x,y,a,b");  // a,b,x,y: x<->a, then y<->b
    EXPECT_EQ(VariablesOf("[y]", QString(), "=0"), "x,y");
    EXPECT_EQ(VariablesOf("[]", QString(), "=0"), "x,y");
    EXPECT_EQ(VariablesOf("[1]", QStringLiteral("x з ("), ")"), "x,y");
    EXPECT_EQ(VariablesOf("[a*x+b]", "", ""), "a,b,x");
}

TEST(Variables, EveryValueIsOneAfterARebuild)
{
    TFormula formula;
    formula.SetText("[a*x+b]");
    ASSERT_EQ(formula.Values().size(), 3u);
    formula.Values()[0] = 5;
    EXPECT_TRUE(formula.SetValue(u"X", 7));
    EXPECT_FALSE(formula.SetValue(u"z", 7));
    EXPECT_EQ(formula.Values()[2], 7);
    formula.SetPrefix("y = ");
    formula.RebuildVariables();
    EXPECT_EQ(formula.Variables().join(u','), "x,b,a");
    for (long double value : formula.Values()) EXPECT_EQ(value, 1.0L);
    formula.SetText("[p+q+r+s]");
    EXPECT_EQ(formula.Values().size(), 5u);
    for (long double value : formula.Values()) EXPECT_EQ(value, 1.0L);
}
