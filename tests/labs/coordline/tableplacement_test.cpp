#include "labs/coordline/tableplacement.h"
#include <gtest/gtest.h>

using coordlinelab::PlaceTable;

namespace {

struct PlacementCase {
    const char* what;
    QRect lab;
    QSize table;
    QRect screen;
    int wantedTop;
    QPoint expected;
};

class TablePlacement : public testing::TestWithParam<PlacementCase> {};

} // namespace

TEST_P(TablePlacement, StandsBesideTheLabWhenThereIsRoomAndAlwaysOnTheScreen)
{
    const PlacementCase& c = GetParam();
    const QPoint place = PlaceTable(c.lab, c.table, c.screen, c.wantedTop);
    EXPECT_EQ(place, c.expected) << c.what;
    if (c.table.width() <= c.screen.width() && c.table.height() <= c.screen.height())
        EXPECT_TRUE(c.screen.contains(QRect(place, c.table))) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, TablePlacement, testing::Values(
    PlacementCase{"room on the right", {0, 0, 800, 576}, {200, 300}, {0, 0, 1280, 800}, 120, {808, 120}},
    PlacementCase{"room on the left only", {450, 0, 800, 576}, {200, 300}, {0, 0, 1280, 800}, 120, {242, 120}},
    PlacementCase{"lab fills the screen: over its right part", {0, 0, 1280, 800}, {200, 300}, {0, 0, 1280, 800}, 120,
                  {1072, 120}},
    PlacementCase{"lab reaches past the screen's right edge", {100, 0, 1300, 700}, {200, 300}, {0, 0, 1280, 800}, 120,
                  {1072, 120}},
    PlacementCase{"table taller than the room below the line", {0, 0, 800, 576}, {200, 500}, {0, 0, 1280, 800}, 400,
                  {808, 300}},
    PlacementCase{"table larger than the screen: its corner stays on it", {0, 0, 800, 576}, {1400, 900},
                  {0, 0, 1280, 800}, 120, {0, 0}},
    PlacementCase{"second screen to the right of the first", {1300, 50, 800, 576}, {200, 300}, {1280, 0, 1920, 1080},
                  170, {2108, 170}},
    PlacementCase{"free area below a panel", {0, 30, 1280, 770}, {200, 300}, {0, 30, 1280, 770}, 10, {1072, 30}}));
