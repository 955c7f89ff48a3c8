#include "orindo-render/render/labrender.h"
#include "orindo-render/render/planerender.h"
#include "labframe/file/labfile.h"
#include "labframe/file/labformats.h"
#include "labs/formats/labformats.h"
#include "base/colours.h"
#include "support/testsupport.h"
#include <QProcess>

using labrender::RenderLabText;
using labrender::RenderResult;

namespace {

// The window part of a planimetry file with the grid on or off, erased
// objects shown or not, and the width list's item.
QStringList PlanimetryWindow(bool grid = true, bool showAll = false, int widthItem = 0)
{
    return {"4", "btClear=10", "btLoad=10", "btSave=10", "btExample=10", "bt0=11", "bt255=10",
            QStringLiteral("btGrid=1%1").arg(grid ? 1 : 0), QStringLiteral("btShowAll=1%1").arg(showAll ? 1 : 0),
            QStringLiteral("ComboBoxWidth=%1").arg(widthItem), "#"};
}

QString Text(const QStringList& lines) { return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"); }

// A red segment (colour 255) from (1, 1) to (3, 1), a hidden blue one (colour
// 0xFF0000) from (2, 0) to (2, 2), both centred on (2, 1), which the header
// puts at the middle of the picture; 30 pixels per unit.
const QStringList kCrossScene{
    "30 2 1",
    "TPoint:  1.00000000000000E+0000  1.00000000000000E+0000 TRUE A",
    "TPoint:  3.00000000000000E+0000  1.00000000000000E+0000 TRUE B",
    "TPoint:  2.00000000000000E+0000  0.00000000000000E+0000 FALSE",
    "TPoint:  2.00000000000000E+0000  2.00000000000000E+0000 FALSE",
    "TSegment: TRUE 255 0 1",
    "TSegment: FALSE 16711680 2 3",
};

constexpr int kWidth = 200;
constexpr int kHeight = 120;
const QSize kSize(kWidth, kHeight);
// Pixels of the picture's middle, where (2, 1) lies, and of the world point
// (2.5, 1.5): on no grid line, off both segments.
constexpr int kMidX = kWidth / 2;
constexpr int kMidY = kHeight / 2;
constexpr int kUnit = 30;

QRgb Pixel(const RenderResult& result, int x, int y) { return result.image.pixel(x, y) & RGB_MASK; }
QRgb Rgb(base::Bgr bgr) { return base::BgrColor(bgr).rgb() & RGB_MASK; }

RenderResult Render(const QStringList& window, const QStringList& scene, QSize size = kSize)
{
    return RenderLabText(Text(window + scene), size);
}

TEST(LabRender, PaintsTheSceneAtTheFilesViewAndSize)
{
    const RenderResult result = Render(PlanimetryWindow(), kCrossScene);
    ASSERT_FALSE(result.refusal) << result.refusal->message.toStdString();
    EXPECT_EQ(result.image.size(), kSize);
    const QRgb red = Rgb(base::MakeBgr(255, 0, 0));
    // On the red segment, beside the centre where the hidden one would cross it.
    EXPECT_EQ(Pixel(result, kMidX - 3, kMidY), red);
    EXPECT_EQ(Pixel(result, kMidX + kUnit / 2, kMidY), red);
    // Beyond the segment's ends the red stops.
    EXPECT_NE(Pixel(result, kMidX - kUnit * 2, kMidY), red);
    // The hidden segment is not drawn; a place off every line is white.
    EXPECT_NE(Pixel(result, kMidX, kMidY + kUnit / 2), Rgb(base::MakeBgr(0, 0, 255)));
    EXPECT_EQ(Pixel(result, kMidX + kUnit / 2, kMidY - kUnit / 2), Rgb(base::colour::kWhite));
}

TEST(LabRender, WindowLinesDecideGridErasedObjectsAndPenWidth)
{
    const QRgb blue = Rgb(base::MakeBgr(0, 0, 255));
    const QRgb red = Rgb(base::MakeBgr(255, 0, 0));
    const QRgb grid = Rgb(base::colour::plane::kGrid);
    // A grid line x = 3 at a place off the segments; the planimetry lab has
    // no axes, so the line x = 2 through the middle is grid-coloured too.
    const int gridX = kMidX + kUnit, offY = kMidY - kUnit / 2;

    const RenderResult plain = Render(PlanimetryWindow(true, false, 0), kCrossScene);
    EXPECT_EQ(Pixel(plain, gridX, offY), grid);
    EXPECT_EQ(Pixel(plain, kMidX - kUnit, offY), grid) << "an axis was drawn";
    EXPECT_NE(Pixel(plain, kMidX - 3, kMidY + 1), red) << "one pixel pen";

    const RenderResult noGrid = Render(PlanimetryWindow(false, false, 0), kCrossScene);
    EXPECT_EQ(Pixel(noGrid, gridX, offY), Rgb(base::colour::kWhite));

    const RenderResult all = Render(PlanimetryWindow(true, true, 2), kCrossScene);
    EXPECT_EQ(Pixel(all, kMidX, kMidY + kUnit / 2), blue) << "erased segment shown";
    EXPECT_EQ(Pixel(all, kMidX - 3, kMidY + 1), red) << "three pixel pen";
}

TEST(LabRender, PlanimetryLookFollowsTheWindowLines)
{
    struct Case {
        const char* name;
        QStringList lines; // name=value
        bool grid;
        bool showHidden;
        int penWidth;
    };
    const Case cases[] = {
        {"no lines: as the lab opens", {}, true, false, 1},
        {"grid released", {"btGrid=10"}, false, false, 1},
        {"disabled but pressed", {"btGrid=01", "btShowAll=01"}, true, true, 1},
        {"too short to say", {"btGrid=1", "btShowAll=1"}, true, false, 1},
        {"neither pressed nor released", {"btGrid=12", "btShowAll=1x"}, true, false, 1},
        {"widest item", {"ComboBoxWidth=4"}, true, false, 5},
        {"no item chosen", {"ComboBoxWidth=-1"}, true, false, 1},
        {"beyond the list", {"ComboBoxWidth=5"}, true, false, 1},
        {"not a number", {"ComboBoxWidth=x"}, true, false, 1},
        {"other controls", {"btgrid=10", "bt0=10"}, true, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QList<labframe::LabControlLine> controls;
        for (const QString& line : c.lines) controls.append({line.section(u'=', 0, 0), line.section(u'=', 1), 0});
        const labrender::PlaneLabLook look = labrender::PlanimetryLook(controls);
        EXPECT_EQ(look.gridVisible, c.grid);
        EXPECT_EQ(look.showHidden, c.showHidden);
        EXPECT_EQ(look.penWidth, c.penWidth);
        EXPECT_FALSE(look.axesVisible);
        EXPECT_FALSE(look.showCoordinates);
    }
}

TEST(LabRender, RefusalsNameTheFileLine)
{
    const QStringList window = PlanimetryWindow(); // the section starts on line 12
    const int section = int(window.size()) + 1;
    struct Case {
        const char* name;
        QStringList lines;
        QSize size;
        int line;
        QString message; // a part of it
    };
    const Case cases[] = {
        {"no lab number", QStringList{"лаборатория", "#"}, kSize, 1, "нет номера лаборатории"},
        {"no such lab", QStringList{"7", "#", "30 0 0"}, kSize, 1, "нет лаборатории с номером 7"},
        {"lab without a renderer", QStringList{"16", "#", "1 2 2 0"}, kSize, 1, "Вероятностные модели"},
        {"no section", window, kSize, section, "масштаб"},
        {"scale zero", window + QStringList{"0 0 0"}, kSize, section, "масштаб"},
        {"number the file format does not have", window + QStringList{"30 0 0", "TPoint: nan 0 TRUE A"}, kSize,
         section + 1, "nan"},
        {"index beyond the points", window + kCrossScene + QStringList{"TDistance: 0 9"}, kSize,
         section + int(kCrossScene.size()), "9"},
        {"a point on itself", window + kCrossScene + QStringList{"Morphing: 0 0 5 1 1"}, kSize,
         section + int(kCrossScene.size()), "сама от себя"},
        {"width zero", window + kCrossScene, QSize(0, 10), 0, "размер"},
        {"negative height", window + kCrossScene, QSize(10, -5), 0, "размер"},
        {"absurd width", window + kCrossScene, QSize(labrender::kMaxSide + 1, 10), 0, "размер"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RenderResult result = RenderLabText(Text(c.lines), c.size);
        ASSERT_TRUE(result.refusal);
        EXPECT_TRUE(result.image.isNull());
        EXPECT_EQ(result.refusal->line, c.line);
        EXPECT_TRUE(result.refusal->message.contains(c.message)) << result.refusal->message.toStdString();
    }
    // The largest picture allowed is drawn.
    EXPECT_FALSE(RenderLabText(Text(window + kCrossScene), QSize(labrender::kMaxSide, 1)).refusal);
}

TEST(LabRender, WindowLinesAreCheckedByTheLabsRegisteredFormat)
{
    // The lab's format knows its width list; its engine reader is left to
    // the renderer, which names the exact line of a refused record.
    labframe::LabFormat format;
    format.number = labrender::kPlanimetryLab;
    format.controls = labframe::BaseLabControls();
    format.controls.append({QStringLiteral("ComboBoxWidth"), labframe::ControlKind::ComboBox});
    format.readEngine = [](const QStringList&, int) { throw base::AppError(QStringLiteral("не тот читатель")); };
    ASSERT_TRUE(labframe::RegisterLabFormat(format));

    QStringList window = PlanimetryWindow();
    EXPECT_FALSE(Render(window, kCrossScene).refusal);
    const int widthLine = int(window.indexOf(QStringLiteral("ComboBoxWidth=0"))) + 1;
    window[widthLine - 1] = QStringLiteral("ComboBoxWidth=толстая");
    const RenderResult refused = Render(window, kCrossScene);
    labframe::ReleaseLabFormats();
    ASSERT_TRUE(refused.refusal);
    EXPECT_EQ(refused.refusal->line, widthLine);
    EXPECT_EQ(refused.refusal->message, labframe::kWrongFormatText);
    // Without the format the value is only not used.
    EXPECT_FALSE(Render(window, kCrossScene).refusal);
}

TEST(LabRender, SidesOnTheCommandLine)
{
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"1", 1}, {"640", 640}, {" 480 ", 480}, {"10000", 10000}, {"10001", std::nullopt}, {"0", std::nullopt},
        {"-5", std::nullopt}, {"1e3", std::nullopt}, {"12px", std::nullopt}, {"", std::nullopt},
        {"99999999999", std::nullopt},
    };
    for (const auto& [text, side] : cases) EXPECT_EQ(labrender::ParseSide(QString::fromUtf8(text)), side) << text;
}

// The program itself, run as an author runs it.
class RenderTool : public ProgramFolderTest {
protected:
    struct Run {
        int status = -1;
        QString errors;
    };
    Run render(const QStringList& arguments)
    {
        QProcess process;
        process.start(QStringLiteral(ORINDO_RENDER_TOOL), arguments);
        process.waitForFinished(60000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardError())};
    }
};

TEST_F(RenderTool, WritesThePictureOrSaysWhyNot)
{
    writeLines("scene.LAB", PlanimetryWindow() + kCrossScene);
    const QString lab = real("scene.LAB"), png = real("scene.png");

    EXPECT_EQ(render({lab, png, "200", "120"}).status, 0);
    const QImage picture(png);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), kSize);
    EXPECT_EQ(picture.pixel(kMidX - 3, kMidY) & RGB_MASK, Rgb(base::MakeBgr(255, 0, 0)));

    writeLines("broken.LAB", PlanimetryWindow() + QStringList{"30 0 0", "TSegment: TRUE 0 0 1"});
    Run run = render({real("broken.LAB"), real("broken.png"), "200", "120"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.errors.contains(real("broken.LAB") + ":13: нет точки")) << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(real("broken.png")));

    run = render({real("missing.LAB"), png, "200", "120"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.errors.contains(real("missing.LAB") + ": файл не найден")) << run.errors.toStdString();

    run = render({lab, png, "200", "0"});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("высота «0» должна быть целым числом от 1 до 10000")));
    EXPECT_EQ(render({lab, png, "20000", "10"}).status, 2);
    EXPECT_EQ(render({lab, png}).status, 2);

    run = render({lab, real("no folder/scene.png"), "200", "120"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("не удается записать рисунок")));
}

TEST(LabRender, CoordinatePlaneShadesItsInequalitiesAndDrawsItsCurves)
{
    labformats::RegisterLabFormats();
    const QStringList window{"6", "btClear=10", "btLoad=10", "btSave=10", "btExample=10", "btGrid=10", "#"};
    // The disc x² + y² < 4 and the line y = x, 30 pixels per unit, centred.
    const QStringList scene{"30 0 0", "TEquation: <255 [x*x+y*y-4]", "TEquation: =16711680 [y-x]"};
    const RenderResult result = Render(window, scene);
    labframe::ReleaseLabFormats();
    ASSERT_FALSE(result.refusal) << result.refusal->message.toStdString();
    const QRgb silver = Rgb(base::colour::plane::kShading);
    EXPECT_EQ(Pixel(result, kMidX + kUnit / 2, kMidY - kUnit), silver);
    EXPECT_EQ(Pixel(result, kMidX + 3 * kUnit, kMidY - kUnit / 2), Rgb(base::colour::kWhite));
    // The circle's curve in red where it crosses the x = 1.414… diagonal, the line in blue.
    EXPECT_EQ(Pixel(result, kMidX - kUnit * 3 / 2, kMidY + kUnit * 3 / 2), Rgb(base::colour::kBlue));
}

// Lab 11 scenes are drawn as the coordinate plane's, graphs y = f(x) with a
// sign shading with the equations: y > x² inside x² + y² < 4.
TEST(LabRender, EquationGraphsShadeGraphInequalitiesWithTheEquations)
{
    labformats::RegisterLabFormats();
    const QStringList window{"11", "btClear=10", "btLoad=10", "btSave=10", "btExample=10", "#"};
    const QStringList scene{"30 0 0",
                            "TFunctionFormula: >16711680 -2.14748364700000E+0009  2.14748364700000E+0009 [x*x]",
                            "TEquation: <255 [x*x+y*y-4]"};
    const RenderResult result = Render(window, scene);
    labframe::ReleaseLabFormats();
    ASSERT_FALSE(result.refusal) << result.refusal->message.toStdString();
    const QRgb silver = Rgb(base::colour::plane::kShading);
    EXPECT_EQ(Pixel(result, kMidX + kUnit / 4, kMidY - kUnit * 5 / 4), silver); // (0.25, 1.25), off the grid
    EXPECT_EQ(Pixel(result, kMidX + kUnit * 3 / 2, kMidY - kUnit / 2), Rgb(base::colour::kWhite)); // below the parabola
    EXPECT_EQ(Pixel(result, kMidX + 39, kMidY - 57), Rgb(base::colour::kWhite)); // (1.3, 1.9): outside the circle
}

TEST(LabRender, TrigonometryDrawsBothPlanesSideBySide)
{
    labformats::RegisterLabFormats();
    const QStringList window{"5", "btClear=10", "btLoad=10", "btSave=10", "btExample=10", "#"};
    const QStringList circle{"40 0 0", "TPoint:  1.00000000000000E+0000  0.00000000000000E+0000 TRUE P"};
    const QStringList graph{"40 0 0", "TEquation: >0 [y]"};
    const RenderResult two = RenderLabText(Text(window + circle + QStringList{""} + graph), QSize(400, 120));
    const RenderResult one = RenderLabText(Text(window + circle), QSize(400, 120));
    labframe::ReleaseLabFormats();
    ASSERT_FALSE(two.refusal) << two.refusal->message.toStdString();
    // The circle plane on its amber panel, the graph plane shaded above its axis.
    EXPECT_EQ(Pixel(two, 10, 110), Rgb(base::colour::trigonometry::kCirclePanel));
    EXPECT_EQ(Pixel(two, 390, 10), Rgb(base::colour::plane::kShading));
    EXPECT_EQ(Pixel(two, 390, 110), Rgb(base::colour::kWhite));
    ASSERT_TRUE(one.refusal.has_value());
    EXPECT_EQ(one.refusal->line, 9); // where the graph plane should begin
}

} // namespace

namespace {

// y = x − 1 through the middle of the picture, where (2, 1) lies, and
// y = tg x, whose asymptote at x = π/2 no line crosses.
TEST(LabRender, FunctionGraphsLabDrawsItsGraphsAndAxes)
{
    const QString domain = QStringLiteral(" -2.14748364700000E+0009  2.14748364700000E+0009 ");
    const QStringList window{"3", "btClear=10", "btGrid=10", "#"};
    const RenderResult result = Render(window, {"30 2 1", "TFunctionFormula: =255" + domain + "[x-1]"});
    ASSERT_FALSE(result.refusal) << result.refusal->message.toStdString();
    const QRgb red = Rgb(base::MakeBgr(255, 0, 0));
    auto redNear = [&](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            if (Pixel(result, x, y + dy) == red) return true;
        return false;
    };
    EXPECT_TRUE(redNear(kMidX, kMidY));
    EXPECT_TRUE(redNear(kMidX + kUnit, kMidY - kUnit));
    EXPECT_FALSE(redNear(kMidX, kMidY - kUnit));
    // The y axis (x = 0) lies two units left of the middle, in black.
    EXPECT_EQ(Pixel(result, kMidX - 2 * kUnit, kMidY - kUnit / 2), Rgb(base::colour::kBlack));

    // Around x = π/2 the tangent's column-to-column steps are huge: no line joins them.
    const RenderResult tangent = Render(window, {"30 1.5707963267949 0", "TFunctionFormula: =255" + domain + "[tg(x)]"});
    ASSERT_FALSE(tangent.refusal);
    int redInMiddleColumn = 0;
    for (int y = 0; y < kHeight; ++y) redInMiddleColumn += Pixel(tangent, kMidX, y) == red;
    EXPECT_LT(redInMiddleColumn, kHeight / 4);
}

TEST(LabRender, FunctionGraphsLookShowsAxesAndFollowsTheButtons)
{
    auto look = [](const QStringList& lines) {
        QList<labframe::LabControlLine> controls;
        for (const QString& line : lines) controls.append({line.section(u'=', 0, 0), line.section(u'=', 1), 0});
        return labrender::FunctionGraphsLook(controls);
    };
    const labrender::PlaneLabLook opened = look({});
    EXPECT_TRUE(opened.axesVisible);
    EXPECT_TRUE(opened.gridVisible);
    EXPECT_TRUE(opened.showCoordinates);
    const labrender::PlaneLabLook released = look({"btGrid=10", "btCoord=10", "ComboBoxWidth=1"});
    EXPECT_FALSE(released.gridVisible);
    EXPECT_FALSE(released.showCoordinates);
    EXPECT_EQ(released.penWidth, 2);
    EXPECT_TRUE(released.axesVisible);
}

} // namespace
