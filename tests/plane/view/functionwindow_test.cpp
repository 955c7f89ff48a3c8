// The function list as a window: its grids follow the plane's graphs and
// parameters, the parameter buttons step the value in the chosen cell, and a
// double click recolours a graph or edits its formula.
#include "formulas/formula.h"
#include "formulas/view/formulaeditor.h"
#include "plane/view/functionwindow.h"
#include "plane/view/planecontrol.h"
#include "support/fakedialogs.h"
#include "support/shellcallsrecorder.h"
#include <QColorDialog>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QPushButton>
#include <gtest/gtest.h>
#include <cmath>

using namespace planeview;

namespace {

class FunctionWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dec.resize(400, 300);
        dec.show();
        list.show();
    }
    plane::TFunction* Add(const char* text)
    {
        plane::TFunction* f = dec.Algebra().AddFormula(QString::fromUtf8(text), dec.Scene(), base::colour::kRed);
        list.RefreshList(&dec);
        return f;
    }

    FakeDialogs dialogs;
    ShellCallsRecorder shell;
    TDec2D dec;
    TffFunc list;
};

TEST_F(FunctionWindowTest, GridsAppearWithTheirFirstRowAndParameter)
{
    list.RefreshList(&dec);
    EXPECT_FALSE(list.DrawGrid->isVisibleTo(&list));
    EXPECT_FALSE(list.Grid->isVisibleTo(&list));
    EXPECT_EQ(list.SelectedRow(), -1);
    const int emptyHeight = list.height();

    Add("[2*x]");
    EXPECT_TRUE(list.DrawGrid->isVisibleTo(&list));
    EXPECT_FALSE(list.Grid->isVisibleTo(&list)); // no parameter yet
    EXPECT_GT(list.height(), emptyHeight);

    Add("[k*x+b]");
    Add("[x+ab]"); // not drawable: its row says so and it adds no column
    ASSERT_EQ(list.DrawGrid->rowCount(), 3);
    EXPECT_EQ(list.SelectedRow(), 2); // the last row is chosen after a refresh
    ASSERT_TRUE(list.Grid->isVisibleTo(&list));
    ASSERT_EQ(list.Grid->columnCount(), 2);
    EXPECT_EQ(list.Grid->item(0, 1)->text(), QStringLiteral("b"));
    EXPECT_EQ(list.Grid->item(1, 1)->text(), QStringLiteral("1"));
    EXPECT_EQ(list.DrawGrid->item(0, 1)->data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::red));
    // A row is as high as its formula's picture and the margins.
    EXPECT_GT(list.DrawGrid->rowHeight(0), 2 * TffFunc::kCellPadding);
    // "Ошибка !" and the reason: two lines of the list's font.
    EXPECT_GE(list.DrawGrid->rowHeight(2), 2 * list.fontMetrics().lineSpacing() + 2 * TffFunc::kCellPadding - 2);
}

TEST_F(FunctionWindowTest, StepButtonsChangeTheChosenParameterAndReachZeroExactly)
{
    plane::TFunction* f = Add("[x+k]");
    list.Grid->setCurrentCell(1, 0);
    list.Grid->item(1, 0)->setText(QStringLiteral("0,2"));
    QTest::mouseClick(list.btDec, Qt::LeftButton);
    QTest::mouseClick(list.btDec, Qt::LeftButton);
    EXPECT_EQ(list.Grid->item(1, 0)->text(), QStringLiteral("0"));
    EXPECT_EQ(f->Value(3).value_or(NAN), 3);
    QTest::mouseClick(list.btInc, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(f->Value(3).value_or(NAN), 3.1);
    EXPECT_FALSE(list.Timer1->isActive()); // released: the steps stop
}

TEST_F(FunctionWindowTest, DoubleClicksRecolourAGraphAndEditItsFormula)
{
    plane::TFunction* f = Add("[x]");
    dialogs.dialogActions.push_back([](QDialog& dialog) {
        static_cast<QColorDialog&>(dialog).setCurrentColor(QColor(0, 0, 255));
        return int(QDialog::Accepted);
    });
    list.DrawGridDoubleClick(0, 1);
    EXPECT_EQ(f->Color, base::colour::kBlue);

    dialogs.dialogActions.push_back([](QDialog& dialog) {
        static_cast<formulas::TffEditFormula&>(dialog).Formula()->SetText(QStringLiteral("[a*x]"));
        return int(QDialog::Accepted);
    });
    list.DrawGridDoubleClick(0, 0);
    EXPECT_EQ(f->Formula().Text(), QStringLiteral("[a*x]"));
    ASSERT_EQ(list.Grid->columnCount(), 1); // the new formula's parameter is listed
    EXPECT_EQ(list.Grid->item(0, 0)->text(), QStringLiteral("a"));
    dec.Algebra().SetParameter(dec.Scene(), QStringLiteral("a"), QStringLiteral("3"));
    EXPECT_DOUBLE_EQ(f->Value(2).value_or(NAN), 6);
}

} // namespace
