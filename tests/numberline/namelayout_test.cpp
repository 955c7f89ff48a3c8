#include "numberline/namelayout.h"
#include <gtest/gtest.h>

using namespace numberline;

namespace {

constexpr QSize kName(30, 14);
constexpr int kRow = kName.height() + kNameRowGap;
// A tick label centred on column 100 of a line at row 100.
const QRect kLabelAt100(90, 112, 20, 14);

struct LayoutCase {
    const char* what;
    std::vector<QPoint> dots;
    std::vector<QRect> taken;
    std::vector<int> rows; // the row below its first place each name ends in
};

class NameLayout : public testing::TestWithParam<LayoutCase> {};

} // namespace

TEST_P(NameLayout, NamesStandClearOfTickLabelsAndOfEachOther)
{
    const LayoutCase& c = GetParam();
    std::vector<NameRequest> requests;
    for (QPoint dot : c.dots) requests.push_back({dot, kName});
    const std::vector<QRect> boxes = LayOutNames(requests, c.taken);
    ASSERT_EQ(boxes.size(), c.dots.size()) << c.what;
    for (size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_EQ(boxes[i], QRect(c.dots[i] + kNameOffset + QPoint(0, c.rows[i] * kRow), kName)) << c.what << ", name " << i;
        for (const QRect& label : c.taken) EXPECT_FALSE(boxes[i].intersects(label)) << c.what << ", name " << i;
        for (size_t j = 0; j < i; ++j) EXPECT_FALSE(boxes[i].intersects(boxes[j])) << c.what << ", names " << j << ' ' << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, NameLayout, testing::Values(
    LayoutCase{"nothing in the way", {{300, 100}}, {kLabelAt100}, {0}},
    LayoutCase{"a point on a labelled tick", {{100, 100}}, {kLabelAt100}, {1}},
    LayoutCase{"a point just left of a label", {{70, 100}}, {kLabelAt100}, {1}},
    LayoutCase{"a point clear of the label on its right", {{130, 100}}, {kLabelAt100}, {0}},
    LayoutCase{"two points close together", {{300, 100}, {310, 100}}, {}, {0, 1}},
    LayoutCase{"three points on one tick", {{100, 100}, {102, 100}, {104, 100}}, {kLabelAt100}, {1, 2, 3}},
    LayoutCase{"a name takes a free row left between others", {{300, 100}, {300, 100 + 2 * kRow}, {305, 100}}, {},
               {0, 0, 1}},
    LayoutCase{"a lifted point far above the labels", {{100, 20}}, {kLabelAt100}, {0}},
    LayoutCase{"points far apart share the first row", {{200, 100}, {260, 100}, {320, 100}}, {}, {0, 0, 0}}));

TEST(NameLayoutCrowded, WhenEveryRowIsTakenANameTakesTheLeastCoveredRow)
{
    std::vector<NameRequest> requests(kNameRows, {QPoint(300, 100), kName});
    requests.push_back({QPoint(300, 100), kName});
    std::vector<QRect> taken = {QRect(QPoint(300, 100) + kNameOffset, kName)}; // the first row holds a label too
    const std::vector<QRect> boxes = LayOutNames(requests, taken);
    const QRect first(QPoint(300, 100) + kNameOffset, kName);
    // Rows 1 ... kNameRows-1 go to the first names; the first row is covered
    // twice by then (label and the fallback name), every other row once.
    for (int i = 0; i + 1 < kNameRows; ++i) EXPECT_EQ(boxes[size_t(i)], first.translated(0, (i + 1) * kRow)) << i;
    EXPECT_EQ(boxes[size_t(kNameRows - 1)], first) << "all rows taken once: the first of them";
    EXPECT_EQ(boxes.back(), first.translated(0, kRow)) << "the first row is now taken twice";
}
