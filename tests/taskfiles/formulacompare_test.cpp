#include "base/random.h"
#include "taskfiles/formulacompare.h"
#include <gtest/gtest.h>

using tasks::FormulasEquivalent;
using tasks::SameToSignificantDigits;

TEST(SignificantDigits, TenDigitsSignAndExponentDecide)
{
    EXPECT_TRUE(SameToSignificantDigits(1.0L / 3, 0.333333333399L));
    EXPECT_FALSE(SameToSignificantDigits(1.0L / 3, 0.33333333L));
    EXPECT_FALSE(SameToSignificantDigits(5, 50));
    EXPECT_FALSE(SameToSignificantDigits(5, -5));
    EXPECT_TRUE(SameToSignificantDigits(5, 5.0000000001L));   // shorter forms count on with zeros
    EXPECT_FALSE(SameToSignificantDigits(5, 5.000000001L));
    EXPECT_TRUE(SameToSignificantDigits(0, -0.0L));
    EXPECT_FALSE(SameToSignificantDigits(0, 1e-30L));
    // Rounding noise across a digit boundary is no difference.
    EXPECT_TRUE(SameToSignificantDigits(5, 5 - 1e-17L));
    EXPECT_TRUE(SameToSignificantDigits(1000, 999.99999999999999L));
}

TEST(FormulasEquivalent, EqualFormsOfOneFunctionAreRight)
{
    base::SetRandomSeed(1);
    EXPECT_TRUE(FormulasEquivalent("[drob[1][x]]", "[powr[x][-1]]"));
    EXPECT_TRUE(FormulasEquivalent("[drob[x][3]]", "[x/3]"));
    EXPECT_TRUE(FormulasEquivalent("[(a+b)*(a-b)]", "[powr[a][2]][-][powr[b][2]]"));
    EXPECT_TRUE(FormulasEquivalent("[drob[1][2]]", "[0.5]"));            // no variables: one value
    EXPECT_TRUE(FormulasEquivalent("[sin(x)*sin(x)+cos(x)*cos(x)]", "[1+0*x]"));
}

TEST(FormulasEquivalent, DifferentValuesOrVariablesAreWrong)
{
    base::SetRandomSeed(1);
    EXPECT_FALSE(FormulasEquivalent("[drob[1][x]]", "[drob[2][x]]"));
    EXPECT_FALSE(FormulasEquivalent("[drob[1][x]]", "[drob[1][y]]"));
    EXPECT_FALSE(FormulasEquivalent("[x]", "[x*10]"));
    EXPECT_FALSE(FormulasEquivalent("[1]", "[drob[x][x]]"));              // x/x has a variable 1 lacks
    EXPECT_FALSE(FormulasEquivalent("[x+1]", "[x+1.000001]"));
    EXPECT_FALSE(FormulasEquivalent("[x]", "[x+]"));                      // does not evaluate
    EXPECT_FALSE(FormulasEquivalent("[x]", ""));
}

TEST(FormulasEquivalent, DefinedAtTheSamePointsOrNotAtAll)
{
    base::SetRandomSeed(1);
    // Both undefined for negative x, equal elsewhere.
    EXPECT_TRUE(FormulasEquivalent("[sqrt[][x]]", "[drob[[sqrt[][x]][*][sqrt[][x]]][sqrt[][x]]]"));
    // The answer is defined where the right one is not.
    EXPECT_FALSE(FormulasEquivalent("[sqrt[][x]]", "[sqrt[][modl[x]]]"));
    EXPECT_FALSE(FormulasEquivalent("[x]", "[sqrt[][x]][*][sqrt[][x]]"));
    // A right answer that never evaluates is compared by its text.
    EXPECT_TRUE(FormulasEquivalent("[intg[0][1][x]]", "[intg[0][1][x]]"));
    EXPECT_FALSE(FormulasEquivalent("[intg[0][1][x]]", "[intg[0][1][ x]]"));
}

TEST(FormulasEquivalent, DrawsTwentyPointsPerVariableFromTheProcessGenerator)
{
    base::SetRandomSeed(99);
    FormulasEquivalent("[x+y]", "[y+x]");
    const uint32_t afterTwoVariables = base::RandomSeed();
    base::SetRandomSeed(99);
    for (int i = 0; i < 40; ++i) base::RandomInt(10000);
    EXPECT_EQ(afterTwoVariables, base::RandomSeed());
}
