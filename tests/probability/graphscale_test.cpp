// The scale of the frequency graph: which labels a graph of a given height
// shows, and that they never overlap or leave the picture.
#include "probability/graphscale.h"
#include "probability/laplas.h"
#include <gtest/gtest.h>

using namespace probability;

namespace {

constexpr int kAxis = 20;

// A font of fixed cells: 7 pixels a character, textHeight pixels a line.
std::function<QSize(const QString&)> FixedFont(int textHeight)
{
    return [textHeight](const QString& text) { return QSize(7 * int(text.size()), textHeight); };
}

std::vector<int> LabelledTenths(const GraphScale& scale)
{
    std::vector<int> tenths;
    for (const GraphScaleLabel& label : scale.labels) tenths.push_back(label.tenths);
    return tenths;
}

struct ScaleCase {
    int height;
    int textHeight;
    std::vector<int> tenths; // the levels that keep a label
};

class GraphScaleTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(GraphScaleTest, ShowsAsManyLabelsAsFitWithoutOverlapping)
{
    const ScaleCase& c = GetParam();
    const GraphScale scale = LayOutGraphScale(c.height, kAxis, FixedFont(c.textHeight));
    EXPECT_EQ(LabelledTenths(scale), c.tenths);
    // Every tenth keeps its line, whatever happens to the labels.
    ASSERT_EQ(scale.lineY.size(), 10u);
    EXPECT_EQ(scale.lineY.back(), 0);
    for (size_t i = 1; i < scale.lineY.size(); ++i) EXPECT_LE(scale.lineY[i], scale.lineY[i - 1]);
    const QRect picture(0, 0, 2000, c.height);
    for (size_t i = 0; i < scale.labels.size(); ++i) {
        const QRect box = scale.labels[i].box;
        if (c.textHeight <= c.height) {
            EXPECT_TRUE(picture.contains(box)) << scale.labels[i].text.toStdString();
        }
        if (i > 0) {
            EXPECT_FALSE(box.intersects(scale.labels[i - 1].box)) << scale.labels[i].text.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Heights, GraphScaleTest,
    ::testing::Values(ScaleCase{301, 13, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}, // 30 pixels a tenth
                      ScaleCase{171, 13, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}, // 17: one pixel to spare below "1"
                      ScaleCase{151, 13, {2, 4, 6, 8, 10}},                // 15: "1", kept inside, meets "0,9"
                      ScaleCase{121, 13, {2, 4, 6, 8, 10}},                // 12: every second
                      ScaleCase{61, 13, {5, 10}},                          // 6: every fifth
                      ScaleCase{25, 13, {10}},                             // only the top
                      ScaleCase{8, 13, {10}}));                            // lower than a line of text

TEST(GraphScale, LabelsEndLeftOfTheAxisAndTheTopOneStaysInside)
{
    const GraphScale scale = LayOutGraphScale(301, kAxis, FixedFont(13));
    ASSERT_EQ(scale.labels.size(), 10u);
    EXPECT_EQ(scale.labels.front().text, QStringLiteral("0,1"));
    EXPECT_EQ(scale.labels.front().box, QRect(0, scale.lineY[0] - 3, 21, 13)); // a pixel wider than the margin
    EXPECT_EQ(scale.labels.back().text, QStringLiteral("1"));
    EXPECT_EQ(scale.labels.back().box.topLeft(), QPoint(kAxis - 7, 0)); // not 3 pixels above the picture
    // Wider than the margin: from the picture's left edge.
    const GraphScale wide = LayOutGraphScale(301, kAxis, [](const QString&) { return QSize(30, 13); });
    EXPECT_EQ(wide.labels.front().box.left(), 0);
}

TEST(EventTable, RowCaptionsAndColumnWidths)
{
    EXPECT_EQ(EventRowCaption(kEventLetterRow), QStringLiteral("Событие"));
    EXPECT_EQ(EventRowCaption(kEventFrequencyRow), QStringLiteral("Частота"));
    EXPECT_EQ(EventRowCaption(kEventProbabilityRow), QStringLiteral("Вероятность"));
    EXPECT_TRUE(EventRowCaption(kEventRows).isEmpty());

    struct WidthCase {
        int gridWidth, widest, narrowest, expected;
    };
    for (const WidthCase& c : {WidthCase{400, 64, 44, 64},  // room to spare: the usual width
                               WidthCase{325, 64, 44, 64},  // five columns of 64 and their lines
                               WidthCase{260, 64, 44, 51},  // shared out
                               WidthCase{100, 64, 44, 44},  // never narrower than the numbers
                               WidthCase{300, 30, 44, 44}}) // a narrowest above the widest wins
        EXPECT_EQ(EventColumnWidth(c.gridWidth, c.widest, c.narrowest), c.expected) << c.gridWidth;
}

} // namespace
