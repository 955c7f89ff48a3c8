#include "orindo-render/render/labrender.h"
#include "orindo-render/render/numberlinerender.h"
#include "base/colours.h"
#include <gtest/gtest.h>

using labrender::RenderLabText;

namespace {

QString CoordinateLineFile(const QStringList& window, const QStringList& engine)
{
    return (QStringList{"2"} + window + QStringList{"#"} + engine).join("\r\n") + "\r\n";
}

} // namespace

TEST(NumberLineRender, LookFollowsTheWindowLines)
{
    const struct { QStringList lines; bool divisions, decimals; int parts; } cases[] = {
        {{}, true, true, 3},
        {{"btGrid=10", "edParts=5"}, false, true, 5},
        {{"btDecimal=10", "edParts=0"}, true, false, 3},
        {{"edParts=x", "btGrid=1?"}, true, true, 3},
    };
    for (const auto& c : cases) {
        QList<labframe::LabControlLine> controls;
        for (const QString& line : c.lines) controls.append({line.section('=', 0, 0), line.section('=', 1), 0});
        const labrender::NumberLineLook look = labrender::CoordinateLineLook(controls);
        EXPECT_EQ(look.showDivisions, c.divisions) << c.lines.join(' ').toStdString();
        EXPECT_EQ(look.decimalLabels, c.decimals);
        EXPECT_EQ(look.parts, c.parts);
    }
}

TEST(NumberLineRender, DrawsSegmentsAndRaysAtTheFilesViewAndRefusesBadSections)
{
    const QStringList scene{
        "40 0",
        "TPoint: -2 0 TRUE TRUE [-2] ",
        "TPoint: 1 0 TRUE TRUE [1] ",
        "TSegment: 0 1 TRUE 255",
        "TPoint: 2 0 TRUE FALSE [2] ",
        "TLuch: 2 TRUE TRUE 16711680",
    };
    const auto result = RenderLabText(CoordinateLineFile({}, scene), QSize(400, 100));
    ASSERT_FALSE(result.refusal) << result.refusal->message.toStdString();
    const QRgb red = base::BgrColor(255).rgb() & RGB_MASK;
    const QRgb blue = base::BgrColor(16711680).rgb() & RGB_MASK;
    EXPECT_EQ(result.image.pixel(200 - 20, 52) & RGB_MASK, red);   // x = -0.5
    EXPECT_EQ(result.image.pixel(399, 52) & RGB_MASK, blue);       // the ray's far end
    EXPECT_NE(result.image.pixel(200 + 60, 52) & RGB_MASK, blue);  // x = 1.5, before the ray

    const auto refused = RenderLabText(CoordinateLineFile({}, {"40 0", "TCircle: 1"}), QSize(400, 100));
    ASSERT_TRUE(refused.refusal.has_value());
    EXPECT_TRUE(refused.image.isNull());
}
