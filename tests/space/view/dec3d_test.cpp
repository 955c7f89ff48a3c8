#include "../spacetestscenes.h"
#include "space/records.h"
#include "space/spacepainter.h"
#include "space/view/dec3d.h"
#include "support/fakedialogs.h"
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace space;

namespace {

constexpr base::Bgr kCubeColour = 0x0000FF;

// A turned cube with a section, a segment and a named point.
void BuildShowcase(TDec3D& control)
{
    SpaceScene& scene = control.Scene();
    const testscenes::Box cube = testscenes::AddBox(scene, {-2, -2, -2}, {2, 2, 2}, kCubeColour);
    TPoint& a = scene.AddPointOn(*cube.faces[0], {1.5, -1, 0});
    TPoint& b = scene.AddPointOn(*cube.faces[1], {-1.5, 1.8, 0});
    TPoint& c = scene.AddPointOn(*cube.faces[4], {0, -1.9, 0});
    scene.AddPlaneFigure(FigureKind::Section, {&a, &b, &c}, kCubeColour);
    TPoint& p = scene.AddPoint({-4, -3, 0});
    p.Name = "P";
    scene.AddLineFigure(FigureKind::Segment, p, *cube.corners[0], 0xFF0000);
    control.RotateAboutX(25);
    control.RotateAboutY(35);
}

int CountColour(const QImage& image, base::Bgr colour)
{
    const QRgb wanted = base::BgrColor(colour).rgb();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == wanted;
    return count;
}

// The fill of the face nearest to the viewer.
base::Bgr FrontShade(const SpaceScene& scene)
{
    const std::vector<const TFigurePlane*> order = PaintingOrder(scene);
    return FaceShade(*order.back()->Equation());
}

} // namespace

TEST(TDec3D, TheThreeDrawingModesShowTheSolidAsTheyShould)
{
    TDec3D control;
    control.resize(400, 300);
    BuildShowcase(control);
    QTemporaryDir folder;
    const QString keep = qEnvironmentVariable("ORINDO_SCREENSHOTS");
    const struct { DrawMode mode; const char* name; bool filled; bool points; } cases[] = {
        {DrawMode::Wireframe, "wireframe", false, true},
        {DrawMode::Image, "image", false, true},
        {DrawMode::Solid, "solid", true, false},
    };
    const SpaceScene& scene = control.Scene();
    const auto& section = static_cast<const TPlaneCut&>(*scene.Figures()[6]);
    const base::Bgr sectionFill = SectionShade(*section.Equation());
    for (const auto& c : cases) {
        control.SetDrawMode(c.mode);
        const QImage image = control.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QString file = QDir(keep.isEmpty() ? folder.path() : keep).filePath(QStringLiteral("space-%1.png").arg(c.name));
        EXPECT_TRUE(image.save(file)) << file.toStdString();
        EXPECT_EQ(CountColour(image, FrontShade(scene)) > 500, c.filled) << c.name;
        EXPECT_EQ(CountColour(image, base::colour::space::kFreePoint) > 0, c.points) << c.name;
        // Solid mode paints the section between the back and the front faces,
        // so the solid hides it; the other modes show it filled.
        EXPECT_EQ(CountColour(image, sectionFill) > 200, !c.filled) << c.name;
        EXPECT_EQ(CountColour(image, base::colour::space::kHiddenEdge) > 0, c.mode == DrawMode::Image) << c.name;
    }
}

TEST(TDec3D, ToolsTakeClicksAndShowTheirHints)
{
    FakeDialogs dialogs;
    TDec3D control;
    control.resize(400, 300);
    QLabel hint;
    control.HintLabel = &hint;
    control.SetTool(base::kToolPoint);
    EXPECT_EQ(hint.text(), QStringLiteral("Щелкните мышью - и в пространстве появится точка"));
    QTest::mouseMove(&control, {250, 100});
    QTest::mouseClick(&control, Qt::LeftButton, {}, {250, 100});
    ASSERT_EQ(control.Scene().Points().size(), 1u);
    EXPECT_NEAR(control.Scene().Points()[0]->X, 50.0 / 40, 1e-12);
    EXPECT_NEAR(control.Scene().Points()[0]->Y, 50.0 / 40, 1e-12);

    control.SetTool(kToolRotate);
    QTest::mouseClick(&control, Qt::LeftButton, {}, {10, 10});
    EXPECT_EQ(dialogs.lastMessage(), QStringLiteral("Сначала задайте ось поворота"));
}

TEST(TDec3D, ARefusedSectionLeavesTheSceneAsItWas)
{
    TDec3D control;
    control.Scene().AddPoint({1, 2, 3});
    const QStringList saved = control.SaveScene();
    EXPECT_THROW(control.LoadScene({"40 0 0", "TPoint: 0 0 0 TRUE", "Parents: 0 0 -1 0"}), SectionFormatError);
    EXPECT_EQ(control.SaveScene(), saved);
    control.SetScale(80);
    control.LoadScene(saved);
    EXPECT_EQ(control.Scale(), 40);
    EXPECT_EQ(control.SaveScene(), saved);
}
