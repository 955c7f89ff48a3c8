// The planimetry lab as a pupil uses it: the plane it opens with, the tool
// row, the figure and transformation menus with their dialogs, zooming, line
// width, and the lab's files.
#include "planimetrylabtest.h"
#include "labframe/file/labformats.h"
#include "labframe/labcontrols.h"
#include "labs/planimetry/format/labformat.h"
#include "plane/planetools.h"
#include <QComboBox>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace plane;
using planimetrylab::TfmLab4;

TEST_F(Lab4Test, OpensWithAGridOfThirtyPixelsAndNoAxes)
{
    EXPECT_DOUBLE_EQ(lab->Dec->Scale(), 30);
    EXPECT_TRUE(lab->Dec->GridVisible());
    EXPECT_FALSE(lab->Dec->Interaction().AxesVisible);
    EXPECT_FALSE(lab->Dec->Interaction().ShowCoordinates);
    EXPECT_EQ(lab->Dec->Tool(), kToolHand);
    EXPECT_TRUE(lab->bt0->isChecked());
    EXPECT_TRUE(lab->btGrid->isChecked());
    EXPECT_FALSE(lab->btShowAll->isVisible());
    EXPECT_EQ(lab->Dec->NameDialog, lab->NameDialog);
    EXPECT_EQ(lab->Dec->CoordDialog, nullptr);
    EXPECT_EQ(lab->ComboBoxWidth->currentIndex(), 0);
    // Clicks snap to the grid.
    QTest::mouseClick(lab->btFig, Qt::LeftButton);
    Choose(lab->PopupFig, "Точка");
    Click({1.2, 2.9});
    ASSERT_EQ(lab->Dec->Scene().PointCount(), 1);
    EXPECT_EQ(lab->Dec->Scene().Point(0)->Position(), (geometry::Vec2{1, 3}));
}

TEST_F(Lab4Test, FormatListsTheControlsOfTheWindow)
{
    EXPECT_EQ(planimetrylab::Lab4Format().controls, labframe::ControlFormats(lab->components()));
}

TEST_F(Lab4Test, EveryControlHasAHintAndItsHelp)
{
    // The frame's own toolbar buttons aside.
    const QList<labframe::LabComponent> components = lab->components().all().mid(labframe::BaseLabControls().size());
    for (const labframe::LabComponent& component : components) {
        auto* control = qobject_cast<QWidget*>(component.object);
        if (!control) continue; // the timer
        EXPECT_FALSE(control->toolTip().isEmpty()) << control->objectName().toStdString();
        EXPECT_EQ(control->contextMenuPolicy(), Qt::CustomContextMenu) << control->objectName().toStdString();
    }
    for (QMenu* menu : {lab->PopupFig, lab->PopupMorph})
        for (QAction* item : menu->actions())
            if (!item->isSeparator() && item != lab->itRotationAngle && item != lab->itHomothetyFactor)
                EXPECT_NE(FindTool(labframe::Tag(item)), nullptr) << item->text().toStdString();
}

TEST_F(Lab4Test, ToolButtonsSelectTheirToolAndSendTheHint)
{
    struct Case {
        QToolButton* TfmLab4::*button;
        int tool;
    };
    for (const Case& c : {Case{&TfmLab4::bt255, kToolEraser}, Case{&TfmLab4::bt242, kToolTrace},
                          Case{&TfmLab4::bt240, kToolNamePoint}, Case{&TfmLab4::bt230, kToolRecolour},
                          Case{&TfmLab4::bt100, kToolDistance}, Case{&TfmLab4::bt101, kToolAngle},
                          Case{&TfmLab4::btFig, kToolSegment}, Case{&TfmLab4::btMorph, kToolSymmetryAxis},
                          Case{&TfmLab4::bt0, kToolHand}}) {
        QToolButton* button = (*lab).*c.button;
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(lab->Dec->Tool(), c.tool) << button->objectName().toStdString();
        EXPECT_TRUE(button->isChecked());
        EXPECT_EQ(shellCalls.calls.last(), "status " + FindTool(c.tool)->hint);
    }
    QTest::mouseClick(lab->btGrid, Qt::LeftButton);
    EXPECT_FALSE(lab->Dec->GridVisible());
}

TEST_F(Lab4Test, FigureMenuPutsTheChoiceOnTheButton)
{
    Choose(lab->PopupFig, "Отрезок с фикс.длиной");
    EXPECT_EQ(labframe::Tag(lab->btFig), kToolSegmentFixed);
    EXPECT_EQ(lab->btFig->text(), "Отрезок с фикс.длиной");
    EXPECT_TRUE(lab->btFig->isChecked());
    EXPECT_FALSE(lab->bt0->isChecked());
    EXPECT_EQ(lab->Dec->Tool(), kToolSegmentFixed);
    // A filled polygon is not drawn black; a colour chosen before stays.
    Choose(lab->PopupFig, "Многоугольник с \"внутренностью\"");
    EXPECT_EQ(lab->Dec->DrawColor(), base::colour::kCyan);
    lab->SetDrawColor(Qt::red);
    Choose(lab->PopupFig, "Многоугольник с \"внутренностью\"");
    EXPECT_EQ(lab->Dec->DrawColor(), base::colour::kRed);
}

TEST_F(Lab4Test, RegularPolygonAsksSidesAndLengthThenBuildsAHexagon)
{
    AnswerInput({"6", "2"});
    Choose(lab->PopupFig, "Правильный многоугольник");
    EXPECT_EQ(lab->Dec->Interaction().SideCount, 6);
    EXPECT_DOUBLE_EQ(lab->Dec->Interaction().SideLength, 2);
    EXPECT_EQ(lab->Dec->DrawColor(), base::colour::kCyan);
    Click({3.1, -0.1});
    ASSERT_EQ(lab->Dec->Scene().FigureCount(), 1);
    auto* hexagon = static_cast<TPolygon*>(lab->Dec->Scene().Figure(0));
    EXPECT_EQ(hexagon->Vertices.size(), 6u);
    EXPECT_EQ(hexagon->Color, base::colour::kCyan);
    EXPECT_NEAR(hexagon->Vertices[0].y, hexagon->Vertices.back().y, 1e-9); // the bottom side is horizontal

    // Values that do not convert, or make no polygon, are passed over silently.
    for (const QStringList& bad : {QStringList{"шесть", "2"}, QStringList{"2", "2"}, QStringList{"101", "1"}}) {
        AnswerInput(bad);
        Choose(lab->PopupFig, "Правильный многоугольник");
        EXPECT_EQ(lab->Dec->Interaction().SideCount, 6) << bad.join(' ').toStdString();
    }
    AnswerInput({"4", "-1"});
    Choose(lab->PopupFig, "Правильный многоугольник");
    EXPECT_EQ(lab->Dec->Interaction().SideCount, 4);
    EXPECT_DOUBLE_EQ(lab->Dec->Interaction().SideLength, 2);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(Lab4Test, AngleMustBeWholeAndFactorTakesADecimalComma)
{
    struct Case {
        const char* item;
        QString typed;
        double angle;
        double factor;
    };
    for (const Case& c : {Case{"Задать угол поворота", "30", 30, 0.5}, Case{"Задать угол поворота", "30,5", 30, 0.5},
                          Case{"Задать коэффициент гомотетии", "-1,5", 30, -1.5},
                          Case{"Задать коэффициент гомотетии", "-1.5", 30, -1.5},
                          Case{"Задать коэффициент гомотетии", "nan", 30, -1.5}}) {
        AnswerInput({c.typed});
        Choose(lab->PopupMorph, QString::fromUtf8(c.item));
        EXPECT_DOUBLE_EQ(lab->Dec->Scene().RotationAngle(), c.angle) << c.typed.toStdString();
        EXPECT_DOUBLE_EQ(lab->Dec->Scene().HomothetyFactor(), c.factor) << c.typed.toStdString();
    }
    // Setting a value selects no tool.
    EXPECT_EQ(lab->Dec->Tool(), kToolHand);
}

TEST_F(Lab4Test, RotationByTheAngleTypedAboutAChosenCentre)
{
    lab->Dec->Scene().AddPoint({0, 0});
    lab->Dec->Scene().AddPoint({4, 0});
    AnswerInput({"30"});
    Choose(lab->PopupMorph, "Задать угол поворота");
    Choose(lab->PopupMorph, "Поворот");
    Click({4, 0});
    EXPECT_EQ(dialogs.lastMessage(), "Сначала задайте центр поворота");
    Choose(lab->PopupMorph, "Выбрать центр поворота");
    EXPECT_EQ(lab->btMorph->text(), "Выбрать центр поворота");
    Click({0, 0});
    Choose(lab->PopupMorph, "Поворот");
    Click({4, 0});
    ASSERT_EQ(lab->Dec->Scene().PointCount(), 3);
    EXPECT_NEAR(lab->Dec->Scene().Point(2)->X(), 4 * std::sqrt(3.0) / 2, 1e-9);
    EXPECT_NEAR(lab->Dec->Scene().Point(2)->Y(), 2, 1e-9);
}

TEST_F(Lab4Test, HeldZoomButtonScalesByATenthPerTick)
{
    QTest::mousePress(lab->btPlus, Qt::LeftButton);
    EXPECT_NEAR(lab->Dec->Scale(), 33, 1e-9);
    EXPECT_TRUE(lab->Timer1->isActive());
    QTest::mouseRelease(lab->btPlus, Qt::LeftButton);
    EXPECT_FALSE(lab->Timer1->isActive());
    QTest::mousePress(lab->btMinus, Qt::LeftButton);
    QTest::mouseRelease(lab->btMinus, Qt::LeftButton);
    EXPECT_NEAR(lab->Dec->Scale(), 30, 1e-9);
}

TEST_F(Lab4Test, WidthListSetsThePen)
{
    lab->ComboBoxWidth->setCurrentIndex(3);
    EXPECT_EQ(lab->Dec->Interaction().PenWidth, 4);
}
