// The trigonometry lab as a pupil uses it: the start scene with its linked
// points, dragging either of them over several turns, the graph buttons,
// the splitter, the lab's files and the examples of the course.
#include "labframe/file/labformats.h"
#include "labframe/labcontrols.h"
#include "labframe/labregistry.h"
#include "labs/trigonometry/format/labformat.h"
#include "labs/trigonometry/labwindow.h"
#include "plane/planerecords.h"
#include "plane/planetools.h"
#include "plane/view/planecontrol.h"
#include "support/fakedialogs.h"
#include "support/shellcallsrecorder.h"
#include "support/testsupport.h"
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMouseEvent>
#include <QFile>
#include <QSplitter>
#include <QStringDecoder>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <memory>
#include <numbers>

using namespace plane;
using trigonometrylab::TfmLab5;

namespace {

constexpr double kPi = std::numbers::pi;
// Read when a test runs: the test main sets the variable after static initialisation.
QString SourceContent() { return SampleCoursePath(QStringLiteral("LABS/LAB5/")); }

class Lab5Test : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        QDir().mkpath(real("USERS"));
    }
    void TearDown() override
    {
        lab.reset();
        labframe::ReleaseLabs();
        ProgramFolderTest::TearDown();
    }
    // The lab shown for the first time, with the course's start scene or without one.
    void Open(bool withStartScene = true)
    {
        if (withStartScene) writeBytes("LABS\\LAB5\\Clear.lab", ProgramText(ReadAll(SourceContent() + "Clear.lab")));
        lab = std::make_unique<TfmLab5>();
        lab->resize(1100, 760);
        lab->show();
    }
    QPoint Pixel(const planeview::TDec2D& dec, geometry::Vec2 world) const
    {
        return {dec.View().ToScreenX(world.x), dec.View().ToScreenY(world.y)};
    }
    void Drag(planeview::TDec2D* dec, geometry::Vec2 from, geometry::Vec2 to)
    {
        QTest::mouseMove(dec, Pixel(*dec, from));
        QTest::mousePress(dec, Qt::LeftButton, {}, Pixel(*dec, from));
        QMouseEvent move(QEvent::MouseMove, QPointF(Pixel(*dec, to)), dec->mapToGlobal(QPointF(Pixel(*dec, to))),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(dec, &move);
        QTest::mouseRelease(dec, Qt::LeftButton, {}, Pixel(*dec, to));
    }

    FakeDialogs dialogs;
    ShellCallsRecorder shellCalls;
    std::unique_ptr<TfmLab5> lab;
};

TEST_F(Lab5Test, FormatListsTheControlsOfTheWindow)
{
    Open();
    EXPECT_EQ(trigonometrylab::Lab5Format().controls, labframe::ControlFormats(lab->components()));
}

TEST_F(Lab5Test, EveryControlHasAHintAndItsHelp)
{
    Open();
    const QList<labframe::LabComponent> components = lab->components().all().mid(labframe::BaseLabControls().size());
    for (const labframe::LabComponent& component : components) {
        auto* control = qobject_cast<QWidget*>(component.object);
        if (!control) continue; // the timer
        EXPECT_FALSE(control->toolTip().isEmpty()) << control->objectName().toStdString();
        EXPECT_EQ(control->contextMenuPolicy(), Qt::CustomContextMenu) << control->objectName().toStdString();
    }
    for (QMenu* menu : {lab->PopupFig, lab->PopupMorph})
        for (QAction* item : menu->actions())
            if (!item->isSeparator()) EXPECT_NE(FindTool(labframe::Tag(item)), nullptr) << item->text().toStdString();
}

TEST_F(Lab5Test, StartSceneLinksThePointOnTheCircleWithTheAngle)
{
    Open();
    ASSERT_TRUE(lab->Linked());
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_DOUBLE_EQ(lab->Dec0->Scale(), TfmLab5::kCircleScale);
    EXPECT_EQ(lab->Dec0->BackColor(), base::colour::trigonometry::kCirclePanel);
    EXPECT_TRUE(lab->Q()->Guide);
    EXPECT_EQ(lab->P()->Position(), (geometry::Vec2{1, 0}));
    // A full turn counter-clockwise and a second one: Q runs from 0 to 4π.
    constexpr int kSteps = 48;
    for (int step = 1; step <= 2 * kSteps; ++step) {
        const double angle = 2 * kPi * step / kSteps;
        lab->Dec0->Interaction().MovePoint(lab->P(), {std::cos(angle), std::sin(angle)});
        lab->CircleDragged();
        ASSERT_NEAR(lab->Q()->X(), angle, 1e-9) << step;
        ASSERT_NEAR(lab->Q()->Y(), 0, 1e-12);
    }
    // Q to π/2 puts P at the top of the circle.
    lab->Dec->Interaction().MovePoint(lab->Q(), {kPi / 2, 0});
    lab->GraphDragged();
    EXPECT_NEAR(lab->P()->X(), 0, 1e-9);
    EXPECT_NEAR(lab->P()->Y(), 1, 1e-9);
}

TEST_F(Lab5Test, DraggingWithTheMouseMovesTheOtherPoint)
{
    Open();
    ASSERT_TRUE(lab->Linked());
    Drag(lab->Dec0, {1, 0}, {0, 1});
    EXPECT_NEAR(lab->Q()->X(), kPi / 2, 0.02);
    Drag(lab->Dec, {lab->Q()->X(), 0}, {kPi, 0});
    EXPECT_NEAR(lab->P()->X(), -1, 0.01);
    EXPECT_NEAR(lab->P()->Y(), 0, 0.05);
}

TEST_F(Lab5Test, WithoutTheStartSceneThePlanesWorkUnlinkedAndSaySoOnce)
{
    Open(false);
    EXPECT_FALSE(lab->Linked());
    EXPECT_EQ(dialogs.messages.size(), 1);
    lab->Dec0->Scene().AddPoint({0, 0});
    lab->Dec0->Scene().AddPoint({1, 0});
    lab->CircleDragged(); // no link: nothing moves, nothing breaks
    QTest::mouseClick(lab->btClear, Qt::LeftButton);
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(lab->Dec0->Scene().PointCount(), 0);
}

TEST_F(Lab5Test, ABrokenStartSceneLeavesThePlanesUnlinked)
{
    writeLines("LABS\\LAB5\\Clear.lab", {"5", "#", "140 0 0"}); // no graph plane section
    Open(false);
    EXPECT_FALSE(lab->Linked());
    EXPECT_EQ(dialogs.messages.size(), 1);
}

TEST_F(Lab5Test, GraphButtonsAddAndRemoveExactlyTheirGraph)
{
    Open();
    QTest::mouseClick(lab->btSIN, Qt::LeftButton);
    QTest::mouseClick(lab->btTG, Qt::LeftButton);
    FunctionList& list = lab->Dec->Algebra();
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.At(1)->Formula().Text(), QStringLiteral("[drob[sin(x)][cos(x)]]"));
    EXPECT_EQ(list.At(1)->Color, base::colour::trigonometry::kTangent);
    // tan x is not joined across its asymptotes: several pieces on the plane.
    EXPECT_GE(static_cast<TFunction*>(list.At(1))->Graph(lab->Dec->View()).Pieces.size(), 3u);
    QTest::mouseClick(lab->btTG, Qt::LeftButton);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.At(0)->Formula().Text(), QStringLiteral("[sin(x)]"));
    list.Clear();
    QTest::mouseClick(lab->btSIN, Qt::LeftButton); // released with no graph left: nothing happens
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(Lab5Test, SplitterRescalesTheCirclePlane)
{
    Open();
    lab->Splitter1->setSizes({400, 600});
    lab->Splitter1Moved();
    EXPECT_EQ(lab->Dec0->width(), 400);
    EXPECT_DOUBLE_EQ(lab->Dec0->Scale(), 180);
}

TEST_F(Lab5Test, FileHoldsBothSectionsAndComesBackLinked)
{
    Open();
    QTest::mouseClick(lab->btCOS, Qt::LeftButton);
    lab->Dec->Interaction().MovePoint(lab->Q(), {kPi / 3, 0});
    lab->GraphDragged();
    ASSERT_TRUE(lab->SaveLabFile(real("USERS\\angle.LAB")));
    const QString text = QStringDecoder("windows-1251").decode(readBytes("USERS\\angle.LAB"));
    const qsizetype hash = text.indexOf(QStringLiteral("\r\n#\r\n140 0 0\r\n"));
    ASSERT_GE(hash, 0);
    EXPECT_TRUE(text.contains(QStringLiteral("\r\n\r\n40 3 0\r\n")));
    EXPECT_FALSE(labframe::CheckLabText(trigonometrylab::Lab5Format(), text).has_value());
    QTest::mouseClick(lab->btClear, Qt::LeftButton);
    EXPECT_FALSE(lab->btCOS->isChecked());
    ASSERT_TRUE(lab->LoadLabFile(real("USERS\\angle.LAB")));
    ASSERT_TRUE(lab->Linked());
    EXPECT_NEAR(lab->Q()->X(), kPi / 3, 1e-9);
    EXPECT_NEAR(lab->P()->X(), 0.5, 1e-9);
    EXPECT_TRUE(lab->btCOS->isChecked());
    EXPECT_EQ(lab->Dec->Algebra().Count(), 1);
}

TEST_F(Lab5Test, FileWithoutTheGraphSectionIsRefusedByTheChecker)
{
    const auto error = labframe::CheckLabText(trigonometrylab::Lab5Format(),
                                              QStringLiteral("5\r\n#\r\n140 0 0\r\n"));
    EXPECT_TRUE(error.has_value());
}

TEST_F(Lab5Test, EveryExampleLoadsLinkedAndSavesAgainByteForByte)
{
    Open();
    const QByteArray list = ReadAll(SourceContent() + "examples.txt");
    const QStringList captions = QString::fromUtf8(list).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GE(captions.size(), 3);
    const std::array<double, 3> angles{kPi / 6, kPi / 4, kPi / 3};
    for (int i = 0; i < captions.size(); ++i) {
        const QByteArray example = ProgramText(ReadAll(SourceContent() + QStringLiteral("%1.LAB").arg(i)));
        ASSERT_FALSE(example.isEmpty()) << i;
        writeBytes(QStringLiteral("LABS\\LAB5\\%1.LAB").arg(i), example);
        ASSERT_TRUE(lab->LoadLabFile(lab->exampleFolder() + QStringLiteral("%1.LAB").arg(i))) << i;
        ASSERT_TRUE(lab->Linked()) << i;
        EXPECT_NEAR(lab->Q()->X(), angles[size_t(i)], 1e-12) << i;
        EXPECT_NEAR(lab->P()->Y(), std::sin(angles[size_t(i)]), 1e-12) << i;
        ASSERT_TRUE(lab->SaveLabFile(real("USERS\\again.LAB")));
        EXPECT_EQ(readBytes("USERS\\again.LAB"), example) << i;
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

} // namespace
