#include "numberline/pointstable.h"
#include <gtest/gtest.h>

using namespace numberline;

TEST(PointsTable, RowsShowPositionsInRedWhenOffTheirValue)
{
    NumberLineScene scene;
    scene.AddPoint("[drob[1][3]]");
    TPoint& moved = scene.AddPoint("[drob[1][3]]");
    moved.X = 0.5;
    scene.AddPoint("[drob[1][0]]");
    TPoint& erased = scene.AddPoint("[-2]");
    erased.Visible = false;
    const std::vector<PointRow> rows = PointRows(scene, 40);
    ASSERT_EQ(rows.size(), 4u) << "erased points keep their row";
    EXPECT_EQ(rows[0].ValueText, "= 0,333333333333333");
    EXPECT_FALSE(rows[0].OffValue);
    EXPECT_EQ(rows[1].ValueText, "= 0,5");
    EXPECT_TRUE(rows[1].OffValue);
    EXPECT_EQ(rows[2].ValueText, kNoValueText);
    EXPECT_EQ(rows[3].ValueText, "= -2");
}

TEST(PointsTable, ParameterColumnsFollowFirstUse)
{
    NumberLineScene scene;
    scene.AddPoint("[b+a]");
    scene.AddPoint("[c*a]");
    scene.AddPoint("[x1+1]"); // not a parameter letter
    scene.SetParameter(u"c", 0.5);
    const std::vector<ParameterColumn> columns = ParameterColumns(scene);
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_EQ(columns[0].Name, "a");
    EXPECT_EQ(columns[1].Name, "b");
    EXPECT_EQ(columns[2].Name, "c");
    EXPECT_EQ(columns[2].ValueText, "0,5");
}

TEST(PointsTable, ParameterStepsAddTenthsWithoutDust)
{
    const struct { const char* text; double delta; const char* result; } cases[] = {
        {"1", 0.1, "1,1"}, {"0,1", -0.1, "0"}, {"0,3", -0.1, "0,2"}, {"-0,1", 0.1, "0"}, {"2,5", -0.1, "2,4"},
    };
    for (const auto& c : cases) EXPECT_EQ(StepParameterText(QString::fromUtf8(c.text), c.delta), QString::fromUtf8(c.result)) << c.text;
    QString text = "1";
    for (int i = 0; i < 3; ++i) text = *StepParameterText(text, 0.1);
    EXPECT_EQ(text, "1,3");
    EXPECT_FALSE(StepParameterText("abc", 0.1).has_value());
    EXPECT_FALSE(StepParameterText("", 0.1).has_value());
}

TEST(PointsTable, AnEditedFormulaGivesTheVerdictItsNewValue)
{
    NumberLineScene scene;
    scene.SetParameter(u"a", 3);
    TPoint& point = scene.AddPoint("[drob[1][3]]");
    point.Formula().SetText("[a]");
    point.FormulaEdited(scene.Params());
    EXPECT_EQ(*point.Exact(), 3);
    EXPECT_NEAR(point.X, 1.0 / 3, 1e-12) << "the point stays where it is";
    EXPECT_FALSE(point.AtExactValue(40));
}
