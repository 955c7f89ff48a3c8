#include "orindo-render/render/labrender.h"
#include "orindo-render/render/spacerender.h"
#include "base/colours.h"
#include <gtest/gtest.h>

using labrender::RenderLabText;

namespace {

QString StereometryFile(const QStringList& window, const QStringList& engine)
{
    return (QStringList{"13"} + window + QStringList{"#"} + engine).join("\r\n") + "\r\n";
}

// A square face of side 2 about the origin facing the viewer (listed
// counter-clockwise as seen), and a red segment below it.
const QStringList kScene{
    "40 0 0",
    "TPoint: -1 -1 0 TRUE", "TPoint: -1 1 0 TRUE", "TPoint: 1 1 0 TRUE", "TPoint: 1 -1 0 TRUE",
    "TPoint: -3 -2 0 TRUE", "TPoint: 3 -2 0 TRUE",
    "TGrane: TRUE 2147483646 0 1 2 3",
    "TSegment: TRUE 255 4 5",
};

} // namespace

TEST(SpaceRender, LookFollowsTheWindowLines)
{
    const struct { QStringList lines; space::DrawMode mode; bool showHidden; int width; } cases[] = {
        {{}, space::DrawMode::Wireframe, false, 1},
        {{"btDrawReg0=10", "btDrawReg2=11", "ComboBoxWidth=2"}, space::DrawMode::Solid, false, 3},
        {{"btDrawReg1=11", "btShowAll=11", "ComboBoxWidth=9"}, space::DrawMode::Image, true, 1},
        {{"btDrawReg2=1?", "ComboBoxWidth=x"}, space::DrawMode::Wireframe, false, 1},
    };
    for (const auto& c : cases) {
        QList<labframe::LabControlLine> controls;
        for (const QString& line : c.lines) controls.append({line.section('=', 0, 0), line.section('=', 1), 0});
        const space::PaintOptions look = labrender::StereometryLook(controls);
        EXPECT_EQ(look.Mode, c.mode) << c.lines.join(' ').toStdString();
        EXPECT_EQ(look.ShowHidden, c.showHidden);
        EXPECT_EQ(look.PenWidth, c.width);
    }
}

TEST(SpaceRender, FillsFacesOnlyInSolidModeAndRefusesBadSections)
{
    const QRgb white = QColor(Qt::white).rgb() & RGB_MASK;
    const QRgb red = base::BgrColor(255).rgb() & RGB_MASK;
    for (const char* mode : {"btDrawReg0=11", "btDrawReg2=11"}) {
        const auto result = RenderLabText(StereometryFile({QString::fromLatin1(mode)}, kScene), QSize(400, 300));
        ASSERT_FALSE(result.refusal) << result.refusal->message.toStdString();
        const bool solid = QByteArray(mode) == "btDrawReg2=11";
        EXPECT_EQ((result.image.pixel(200, 150) & RGB_MASK) != white, solid) << mode; // inside the face
        EXPECT_EQ(result.image.pixel(200 + 80, 150 + 80) & RGB_MASK, red) << mode;    // (2, −2) on the segment
    }
    QStringList bad = kScene;
    bad.append("Morphing: 1 0 4  4 0");
    const auto refused = RenderLabText(StereometryFile({}, bad), QSize(400, 300));
    ASSERT_TRUE(refused.refusal.has_value());
    EXPECT_EQ(refused.refusal->line, 1 + 1 + int(bad.size())) << "the number, the \"#\" line and the section";
    EXPECT_TRUE(refused.image.isNull());
}
