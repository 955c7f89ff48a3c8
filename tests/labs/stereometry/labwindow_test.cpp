// The stereometry lab as a pupil uses it: what it opens with, the tool
// rows, the figure and transformation menus with their dialogs, the drawing
// modes, and the lab's files.
#include "stereometrylabtest.h"
#include "base/textfile.h"
#include "labframe/file/labformats.h"
#include "labframe/labcontrols.h"
#include "labs/stereometry/format/labformat.h"
#include "space/records.h"
#include "space/spacetools.h"
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QStringDecoder>
#include <QTest>
#include <QToolButton>

using namespace space;
using stereometrylab::TfmLab13;

namespace {

QAction* CheckedItem(QMenu* menu)
{
    for (QAction* item : menu->actions())
        if (item->isChecked()) return item;
    return nullptr;
}

size_t FaceCount(const SpaceScene& scene)
{
    return size_t(std::count_if(scene.Figures().begin(), scene.Figures().end(),
                                [](const auto& f) { return f->Kind() == FigureKind::Face; }));
}

} // namespace

TEST_F(Lab13Test, OpensTurningTheSpaceWithTheStartingButtonsPressed)
{
    EXPECT_EQ(lab->Dec->Tool(), kToolTurnXY) << "the engine keeps its own first tool";
    EXPECT_TRUE(lab->bt0->isChecked());
    EXPECT_TRUE(lab->btDrawReg0->isChecked());
    EXPECT_EQ(lab->Dec->Mouse().Mode, DrawMode::Wireframe);
    EXPECT_FALSE(lab->btShowAll->isVisible());
    EXPECT_EQ(lab->ComboBoxWidth->currentIndex(), 0);
    EXPECT_EQ(lab->Timer1->interval(), 50);
    ASSERT_TRUE(CheckedItem(lab->PopupFig));
    EXPECT_EQ(CheckedItem(lab->PopupFig)->text(), "Отрезок");
    ASSERT_TRUE(CheckedItem(lab->PopupMorph));
    EXPECT_EQ(CheckedItem(lab->PopupMorph)->text(), "Выбрать плоскость симметрии");
    EXPECT_EQ(lab->Dec->font().pixelSize(), TfmLab13::kFontPixels);
}

// The course's windows open 800 pixels wide; every row of tools must fit
// into that even with "Показать все" shown, or the rows scroll sideways.
TEST_F(Lab13Test, EveryToolRowFitsTheWidthOfTheCoursesWindows)
{
    constexpr int kCourseWindowWidth = 800;
    lab->btShowAll->show();
    const auto* tools = lab->findChild<QWidget*>(QStringLiteral("pTools"));
    ASSERT_TRUE(tools);
    const QList<QWidget*> rows = tools->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_GE(rows.size(), 2);
    for (const QWidget* row : rows) EXPECT_LE(row->sizeHint().width(), kCourseWindowWidth);
}

TEST_F(Lab13Test, FormatListsTheControlsOfTheWindow)
{
    EXPECT_EQ(stereometrylab::Lab13Format().controls, labframe::ControlFormats(lab->components()));
}

TEST_F(Lab13Test, EveryControlHasAHintAndItsHelp)
{
    const QList<labframe::LabComponent> components = lab->components().all().mid(labframe::BaseLabControls().size());
    for (const labframe::LabComponent& component : components) {
        auto* control = qobject_cast<QWidget*>(component.object);
        if (!control) continue; // the timer
        EXPECT_FALSE(control->toolTip().isEmpty()) << control->objectName().toStdString();
        EXPECT_EQ(control->contextMenuPolicy(), Qt::CustomContextMenu) << control->objectName().toStdString();
        const QString help = SampleCoursePath(QStringLiteral("HELP/Lab13/"))
            + control->objectName() + ".HTM";
        EXPECT_TRUE(QFile::exists(help)) << help.toStdString();
    }
    for (QMenu* menu : {lab->PopupFig, lab->PopupMorph})
        for (QAction* item : menu->actions())
            if (!item->isSeparator() && item != lab->itRotationAngle && item != lab->itHomothetyFactor)
                EXPECT_TRUE(labframe::Tag(item) == kToolFace || !LookOfTool(labframe::Tag(item)).hint.isEmpty()
                            || IsSolidTool(labframe::Tag(item)))
                    << item->text().toStdString();
}

TEST_F(Lab13Test, ButtonsSelectToolsAndDrawingModes)
{
    const struct { QToolButton* TfmLab13::*button; int tool; } tools[] = {
        {&TfmLab13::bt98, kToolTurnXY}, {&TfmLab13::bt99, kToolTurnZ},     {&TfmLab13::bt100, kToolRuler},
        {&TfmLab13::bt101, kToolProtractor}, {&TfmLab13::bt255, base::kToolEraser},
        {&TfmLab13::bt240, base::kToolNamePoint}, {&TfmLab13::bt230, base::kToolRecolour},
        {&TfmLab13::btFig, base::kToolSegment}, {&TfmLab13::btMorph, kToolChooseMirror},
        {&TfmLab13::bt0, base::kToolHand},
    };
    for (const auto& c : tools) {
        QToolButton* button = (*lab).*c.button;
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(lab->Dec->Tool(), c.tool) << button->objectName().toStdString();
        EXPECT_EQ(shellCalls.calls.last(), "status " + LookOfTool(c.tool).hint);
    }
    const struct { QToolButton* TfmLab13::*button; DrawMode mode; } modes[] = {
        {&TfmLab13::btDrawReg2, DrawMode::Solid}, {&TfmLab13::btDrawReg1, DrawMode::Image},
        {&TfmLab13::btDrawReg0, DrawMode::Wireframe},
    };
    for (const auto& c : modes) {
        QTest::mouseClick((*lab).*c.button, Qt::LeftButton);
        EXPECT_EQ(lab->Dec->Mouse().Mode, c.mode);
    }
    lab->ComboBoxWidth->setCurrentIndex(2);
    EXPECT_EQ(lab->Dec->Mouse().PenWidth, 3);
}

TEST_F(Lab13Test, ClicksBuildACubeAndRotateAPointAboutItsHiddenAxis)
{
    Choose(lab->PopupFig, "Куб");
    EXPECT_TRUE(lab->btFig->isChecked());
    EXPECT_EQ(lab->btFig->text(), "Куб");
    EXPECT_EQ(lab->Dec->Tool(), kToolCube);
    Click(0, 0);
    Click(0, 2);
    SpaceScene& scene = lab->Dec->Scene();
    ASSERT_EQ(FaceCount(scene), 6u);
    EXPECT_EQ(lab->Dec->Mouse().RotationAngle(), -90);

    Choose(lab->PopupFig, "Точка");
    Click(4, 1);
    TPoint* free = scene.Points().back().get();
    Choose(lab->PopupMorph, "Поворот");
    EXPECT_TRUE(lab->btMorph->isChecked());
    Click(4, 1);
    const TPoint& image = *scene.Points().back();
    ASSERT_EQ(image.Source, free);
    // −90 degrees about the hidden axis from (0, 0, 0) to (0, 2, 0), by the right-hand rule.
    EXPECT_NEAR(image.X, 0, 1e-9);
    EXPECT_NEAR(image.Y, 1, 1e-9);
    EXPECT_NEAR(image.Z, 4, 1e-9);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(Lab13Test, SideCountDialogKeepsSaneCountsAndRefusesOthers)
{
    const struct { const char* typed; int count; bool refused; } cases[] = {
        {"6", 6, false}, {"abc", 6, false}, {"2", 6, true}, {"0", 6, true},
        {"1000000000", 6, true}, {"100", 100, false}, {"3", 3, false},
    };
    for (const auto& c : cases) {
        const qsizetype before = dialogs.messages.size();
        AnswerInput(QString::fromUtf8(c.typed));
        Choose(lab->PopupFig, "Пирамида");
        EXPECT_EQ(lab->Dec->Mouse().SideCount(), c.count) << c.typed;
        EXPECT_EQ(dialogs.messages.size() > before, c.refused) << c.typed;
        EXPECT_EQ(lab->Dec->Tool(), kToolPyramid);
    }
    EXPECT_TRUE(dialogs.lastMessage().contains("100"));
    AnswerInput("7", false);
    Choose(lab->PopupFig, "Призма");
    EXPECT_EQ(lastDefault, "3") << "the prism proposes the pyramid's count";
    EXPECT_EQ(lab->Dec->Mouse().SideCount(), 3) << "a cancel keeps it";
}

TEST_F(Lab13Test, AngleAndFactorDialogsTakeOnlyWhatTheyCanUse)
{
    SpaceInteraction& engine = lab->Dec->Mouse();
    const struct { QAction* TfmLab13::*item; const char* typed; double angle; double factor; bool refused; } cases[] = {
        {&TfmLab13::itRotationAngle, "30,5", 45, 0.5, false},
        {&TfmLab13::itRotationAngle, "30", 30, 0.5, false},
        {&TfmLab13::itHomothetyFactor, "2", 30, 2, false},
        {&TfmLab13::itHomothetyFactor, "0,5", 30, 0.5, false},
        {&TfmLab13::itHomothetyFactor, "0", 30, 0.5, true},
        {&TfmLab13::itHomothetyFactor, "x", 30, 0.5, false},
    };
    const int tool = lab->Dec->Tool();
    for (const auto& c : cases) {
        const qsizetype before = dialogs.messages.size();
        AnswerInput(QString::fromUtf8(c.typed));
        emit lab->PopupMorph->triggered((*lab).*c.item);
        EXPECT_EQ(engine.RotationAngle(), c.angle) << c.typed;
        EXPECT_EQ(engine.HomothetyFactor(), c.factor) << c.typed;
        EXPECT_EQ(dialogs.messages.size() > before, c.refused) << c.typed;
    }
    EXPECT_EQ(lab->Dec->Tool(), tool) << "setting a number chooses no tool";
}

TEST_F(Lab13Test, SavedSceneLoadsAndSavesAgainByteForByte)
{
    Choose(lab->PopupFig, "Октаэдр");
    Click(-1, -1);
    Click(1, 1);
    QTest::mouseClick(lab->btDrawReg2, Qt::LeftButton);
    lab->ComboBoxWidth->setCurrentIndex(1);
    QDir().mkpath(real("USERS"));
    const QString file = real("USERS\\scene.LAB");
    ASSERT_TRUE(lab->SaveLabFile(file));
    const QByteArray saved = readBytes("USERS\\scene.LAB");
    EXPECT_TRUE(saved.startsWith("13\r\n"));
    EXPECT_TRUE(saved.contains("\r\nbtDrawReg2=11\r\n"));

    lab->ClearLab();
    EXPECT_TRUE(lab->Dec->Scene().Figures().empty());
    QTest::mouseClick(lab->btDrawReg0, Qt::LeftButton);
    ASSERT_TRUE(lab->LoadLabFile(file));
    EXPECT_EQ(lab->Dec->Mouse().Mode, DrawMode::Solid);
    EXPECT_EQ(lab->Dec->Mouse().PenWidth, 2);
    EXPECT_EQ(FaceCount(lab->Dec->Scene()), 8u);
    ASSERT_TRUE(lab->SaveLabFile(real("USERS\\again.LAB")));
    EXPECT_EQ(readBytes("USERS\\again.LAB"), saved);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(Lab13Test, EveryExampleLoadsAndSavesAgainByteForByte)
{
    const QList<QByteArray> examples = installLabExamples(13);
    ASSERT_GE(examples.size(), 8);
    QDir().mkpath(real("USERS"));
    for (int i = 0; i < examples.size(); ++i) {
        const QByteArray& example = examples[i];
        ASSERT_TRUE(lab->LoadLabFile(lab->exampleFolder() + QStringLiteral("%1.LAB").arg(i))) << i;
        EXPECT_GT(lab->Dec->Scene().Figures().size(), 0u) << i;
        ASSERT_TRUE(lab->SaveLabFile(real("USERS\\again.LAB")));
        EXPECT_EQ(readBytes("USERS\\again.LAB"), example) << i;
        EXPECT_FALSE(labframe::CheckLabText(stereometrylab::Lab13Format(),
                                            QStringDecoder("windows-1251").decode(example))
                         .has_value())
            << i;
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}
