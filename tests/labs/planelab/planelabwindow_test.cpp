// What every lab window on the plane control shares, tried in each of them:
// the zoom buttons, the width list, the tool buttons and menus, the colour
// swatch, and the plane following a file's buttons.
#include "labframe/labcontrols.h"
#include "labframe/labregistry.h"
#include "labs/coordplane/labwindow.h"
#include "labs/equationgraphs/labwindow.h"
#include "labs/functiongraphs/labwindow.h"
#include "labs/planimetry/labwindow.h"
#include "labs/trigonometry/labwindow.h"
#include "plane/planetools.h"
#include "plane/view/planecontrol.h"
#include "plane/view/planelabparts.h"
#include "support/fakedialogs.h"
#include "support/shellcallsrecorder.h"
#include "support/testsupport.h"
#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>

namespace {

using planelab::TfmPlaneLab;

struct LabCase {
    const char* name;
    std::function<TfmPlaneLab*()> make;
    int zoomInterval;
};

const LabCase kLabs[] = {
    {"functiongraphs", [] { return new functiongraphslab::TfmLab3(); }, planeview::ZoomButtons::kInterval},
    {"planimetry", [] { return new planimetrylab::TfmLab4(); }, planeview::ZoomButtons::kInterval},
    {"trigonometry", [] { return new trigonometrylab::TfmLab5(); }, planeview::ZoomButtons::kInterval},
    {"coordplane", [] { return new coordplanelab::TfmLab6(); }, planelab::TfmEquationLab::kZoomInterval},
    {"equationgraphs", [] { return new equationgraphslab::TfmLab11(); }, planelab::TfmEquationLab::kZoomInterval},
};

class PlaneLabTest : public ProgramFolderTest, public testing::WithParamInterface<LabCase> {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        lab.reset(GetParam().make());
        lab->resize(1100, 760);
        lab->show();
    }
    void TearDown() override
    {
        lab.reset();
        labframe::ReleaseLabs();
        ProgramFolderTest::TearDown();
    }
    // The figure and transformation menus, in the labs that have them.
    QList<QMenu*> ToolMenus() const
    {
        QList<QMenu*> menus;
        for (const char* name : {"PopupFig", "PopupMorph"})
            if (auto* menu = lab->findChild<QMenu*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly)) menus.append(menu);
        return menus;
    }

    // The planimetry lab's items that ask for a value instead of choosing a tool.
    bool ValueItem(QAction* item) const
    {
        auto* planimetry = dynamic_cast<planimetrylab::TfmLab4*>(lab.get());
        return planimetry && (item == planimetry->itRotationAngle || item == planimetry->itHomothetyFactor);
    }

    FakeDialogs dialogs;
    ShellCallsRecorder shellCalls;
    std::unique_ptr<TfmPlaneLab> lab;
};

TEST_P(PlaneLabTest, HeldZoomButtonStepsByATenthAtTheLabsPace)
{
    EXPECT_EQ(lab->Timer1->interval(), GetParam().zoomInterval);
    const double start = lab->Dec->Scale();
    QTest::mousePress(lab->btPlus, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(lab->Dec->Scale(), start * planeview::ZoomButtons::kFactor);
    EXPECT_TRUE(lab->Timer1->isActive());
    QTest::mouseRelease(lab->btPlus, Qt::LeftButton);
    EXPECT_FALSE(lab->Timer1->isActive());
    const double held = lab->Dec->Scale();
    QTest::mouseClick(lab->btMinus, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(lab->Dec->Scale(), held / planeview::ZoomButtons::kFactor);
}

// Every tool button and every tool menu item selects its tool on the plane,
// and the menus name their tools alike in every lab.
TEST_P(PlaneLabTest, ToolButtonsAndMenuItemsSelectTheirTools)
{
    ASSERT_NE(lab->Tools, nullptr);
    for (QAbstractButton* button : lab->Tools->buttons()) {
        if (!button->isVisible()) continue;
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_TRUE(button->isChecked()) << button->objectName().toStdString();
        EXPECT_EQ(lab->Dec->Tool(), labframe::Tag(button)) << button->objectName().toStdString();
    }
    const bool hasFigures = GetParam().name != std::string("equationgraphs");
    EXPECT_EQ(ToolMenus().isEmpty(), !hasFigures);
    for (QMenu* menu : ToolMenus()) {
        for (QAction* item : menu->actions()) {
            const int tool = labframe::Tag(item);
            if (item->isSeparator() || ValueItem(item)) continue;
            EXPECT_EQ(item->text(), TfmPlaneLab::ToolMenuCaption(tool));
            emit menu->triggered(item);
            EXPECT_EQ(lab->Dec->Tool(), tool) << item->text().toStdString();
        }
    }
}

TEST_P(PlaneLabTest, TheWidthListAndTheColourReachThePlane)
{
    if (lab->ComboBoxWidth) {
        lab->ComboBoxWidth->setCurrentIndex(2);
        EXPECT_EQ(lab->Dec->Interaction().PenWidth, 3);
    }
    if (lab->Dot) {
        lab->SetDrawColor(base::BgrColor(base::colour::kRed));
        EXPECT_EQ(lab->Dec->DrawColor(), base::colour::kRed);
        EXPECT_TRUE(lab->Dot->styleSheet().contains(base::BgrColor(base::colour::kRed).name()));
    }
}

// A file whose window lines leave the grid off and a tool pressed: the
// plane follows the buttons, though nobody clicked them.
TEST_P(PlaneLabTest, AFilesButtonsSetThePlane)
{
    labframe::LabFileData data;
    lab->WriteLab(data);
    for (labframe::LabControlLine& line : data.controls) {
        if (line.name == QLatin1String("btGrid")) line.value = QStringLiteral("10");
        if (line.name == QLatin1String("bt0")) line.value = QStringLiteral("10");
        if (line.name == QLatin1String("bt255")) line.value = QStringLiteral("11");
    }
    lab->ClearLab();
    lab->ReadLab(data);
    EXPECT_FALSE(lab->btGrid->isChecked());
    EXPECT_FALSE(lab->Dec->GridVisible());
    EXPECT_EQ(lab->Dec->Tool(), plane::kToolEraser);
}

INSTANTIATE_TEST_SUITE_P(EveryPlaneLab, PlaneLabTest, testing::ValuesIn(kLabs),
                         [](const testing::TestParamInfo<LabCase>& info) { return std::string(info.param.name); });

} // namespace
