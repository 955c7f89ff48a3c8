// The pieces of the checker that work on text alone.
#include "coursecheck/check/formulacheck.h"
#include "coursecheck/check/linkcheck.h"
#include "coursecheck/check/structure.h"
#include "coursecheck/check/taskcheck.h"
#include "coursecheck/printing.h"
#include "base/random.h"
#include <gtest/gtest.h>

using namespace coursecheck;

TEST(CourseCheckUnits, TreeFaultIsTheFirstLineThatDoesNotRead)
{
    EXPECT_FALSE(FindTreeFault({"a", "\tb", "\t\tc", "\td", "e"}));
    const std::optional<TreeFault> fault = FindTreeFault({"a", "", "\tb", "\t\tc", "\t\t\t\te", "f", "\t\t\tg"});
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->line, 5);
    EXPECT_EQ(fault->message, "Invalid level (4) for item \"e\"");
}

TEST(CourseCheckUnits, RelativeAddressesResolveFromTheBaseFolder)
{
    EXPECT_EQ(ResolveRelative("ZADS\\00000001\\", "..\\A01\\p.gif"), "ZADS\\A01\\p.gif");
    EXPECT_EQ(ResolveRelative("ZADS\\00000001\\", "../../CSS/./work.css"), "CSS\\work.css");
    EXPECT_EQ(ResolveRelative("ZADS\\00000001\\", "x.gif"), "ZADS\\00000001\\x.gif");
    EXPECT_EQ(ResolveRelative("ZADS\\00000001\\", "..\\..\\..\\x.gif"), QString());
}

TEST(CourseCheckUnits, RightFormValuesFillEveryKindOfField)
{
    const QString page = "<FORM><INPUT NAME=x><INPUT TYPE=RADIO NAME=r VALUE=1><INPUT TYPE=RADIO NAME=r VALUE=2>"
                         "<INPUT TYPE=CHECKBOX NAME=c VALUE=\"ю\"><INPUT NAME=G1_><INPUT NAME=G2_>"
                         "<SELECT NAME=s><OPTION VALUE=a>A<OPTION VALUE=b>B</SELECT><TEXTAREA NAME=t_></TEXTAREA></FORM>";
    const QList<ExpectedLine> expected{{1, "x", "6"}, {2, "r", "2"}, {3, "c", "ю"}, {4, "G*", "5 7 9"},
                                       {5, "s", "b"}, {6, "t_", ""}};
    EXPECT_EQ(RightFormValues(page, expected),
              (QStringList{"x=6", "r=2", "c=ю", "G1_=5", "G2_=7", "s=b", "t_=ответ"}));
}

TEST(CourseCheckUnits, ExpectedFormulaEvaluatesSomewhereInTheJudgingRange)
{
    base::SetRandomSeed(7);
    // Defined for a tenth of the points the judging draws from -5000..4999.
    EXPECT_EQ(NeverEvaluates("[ln(x-4000)]"), std::nullopt);
    EXPECT_EQ(NeverEvaluates("[5]"), std::nullopt);
    // Defined only beyond the range, or nowhere.
    EXPECT_EQ(NeverEvaluates("[ln(x-6000)]"), QString("NotInODZ"));
    EXPECT_EQ(NeverEvaluates("[drob[1][0]]"), QString("NotInODZ"));
    EXPECT_TRUE(NeverEvaluates("[]"));
}
