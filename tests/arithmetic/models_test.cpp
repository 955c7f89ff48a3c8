#include "arithmetic/paintedsquare.h"
#include "arithmetic/ratiodivision.h"
#include <gtest/gtest.h>

using namespace arithmetic;

namespace {

constexpr int kRed = 6;
constexpr int kRuler = 501; // 50 pixels per part at 10 parts

} // namespace

TEST(RatioDivision, ANewCountGivesAllButOnePartToTheFirstMember)
{
    RatioDivision division;
    division.SetRulerWidth(kRuler);
    division.SetMembers(3);
    division.SetPartCount(10);
    EXPECT_EQ(division.AllMemberParts(), (QList<int>{8, 1, 1}));
    EXPECT_EQ(division.ColumnWidths(), (QList<int>{399, 49, 49}));
    // More members than parts raise the part count.
    division.SetMembers(12);
    EXPECT_EQ(division.PartCount(), 12);
    // Fewer parts than members are not taken: each member keeps a part.
    EXPECT_EQ(division.SetPartCount(5), 12);
    EXPECT_EQ(division.AllMemberParts(), QList<int>(12, 1));
    for (const int ignored : {0, 101, -1}) {
        division.SetMembers(ignored);
        division.SetPartCount(ignored);
    }
    EXPECT_EQ(division.Members(), 12);
    EXPECT_EQ(division.PartCount(), 12);
}

TEST(RatioDivision, DraggingABorderMovesPartsBetweenNeighbours)
{
    struct Case {
        int firstWidth;
        QList<int> parts;
    };
    // Three members, ten parts of 50 pixels: 8, 1, 1 to start with.
    for (const Case& c : {Case{249, {5, 4, 1}}, Case{230, {5, 4, 1}}, Case{449, {8, 1, 1}}, Case{10, {8, 1, 1}},
                          Case{49, {1, 8, 1}}, Case{399, {8, 1, 1}}}) {
        RatioDivision division;
        division.SetRulerWidth(kRuler);
        division.SetMembers(3);
        division.SetPartCount(10);
        QList<int> widths = division.ColumnWidths();
        widths[0] = c.firstWidth;
        division.DragBorder(widths);
        EXPECT_EQ(division.AllMemberParts(), c.parts) << c.firstWidth;
        EXPECT_EQ(division.ColumnWidth(1), division.PartLine(c.parts[0]) - 1) << "snapped back";
    }
}

TEST(RatioDivision, TheLastBorderCannotMoveAndAResizeKeepsTheDistribution)
{
    RatioDivision division;
    division.SetRulerWidth(kRuler);
    division.SetMembers(2);
    division.SetPartCount(10);
    ASSERT_TRUE(division.SetMemberParts({5, 5}));
    QList<int> widths = division.ColumnWidths();
    widths[1] = 10;
    EXPECT_FALSE(division.DragBorder(widths));
    EXPECT_EQ(division.AllMemberParts(), (QList<int>{5, 5}));
    division.SetRulerWidth(1001);
    EXPECT_EQ(division.AllMemberParts(), (QList<int>{5, 5}));
    EXPECT_EQ(division.ColumnWidths(), (QList<int>{499, 499}));
    // A ruler without width: a drag changes nothing and divides by nothing.
    division.SetRulerWidth(0);
    EXPECT_FALSE(division.DragBorder({300, 10}));
    EXPECT_EQ(division.AllMemberParts(), (QList<int>{5, 5}));
}

TEST(RatioDivision, PartsFromAFileMustFitTheMembersAndTheCount)
{
    RatioDivision division;
    division.SetMembers(2);
    division.SetPartCount(10);
    for (const QList<int>& parts : {QList<int>{5}, QList<int>{5, 4}, QList<int>{10, 0}, QList<int>{11, -1},
                                    QList<int>{3, 3, 4}})
        EXPECT_FALSE(division.SetMemberParts(parts)) << parts.size();
    EXPECT_EQ(division.AllMemberParts(), (QList<int>{9, 1}));
    EXPECT_TRUE(division.SetMemberParts({3, 7}));
}

TEST(RatioDivision, OnePartsAmountIsTheVolumeShared)
{
    RatioDivision division;
    division.SetMembers(3);
    division.SetPartCount(3);
    division.SetVolume(10);
    EXPECT_NEAR(division.PartValue(), 10.0 / 3.0, 1e-12);
    division.SetVolume(0);
    division.SetVolume(1001);
    EXPECT_EQ(division.Volume(), 10);
}

TEST(PaintedSquare, CountsOnlyTheShownCornerAndKeepsTheRest)
{
    PaintedSquare square;
    for (int i = 0; i < 25; ++i) ASSERT_TRUE(square.Paint(i % 10, i / 10, kRed));
    EXPECT_EQ(square.Share(kRed), (Fraction{1, 4}));
    EXPECT_EQ(square.ColorCounts()[0], 75);
    ASSERT_TRUE(square.SetSize(5));
    EXPECT_EQ(square.ColorCounts()[kRed], 15); // two rows of five and five of the third
    EXPECT_FALSE(square.Paint(7, 2, 0)) << "outside the shown square";
    ASSERT_TRUE(square.SetSize(10));
    EXPECT_EQ(square.ColorCounts()[kRed], 25);
    EXPECT_EQ(square.Cell(9, 1), kRed);
    EXPECT_FALSE(square.Paint(0, 0, kRed)) << "same colour";
    EXPECT_FALSE(square.Paint(0, 0, 8)) << "no such colour";
    for (const int n : {0, 51, -3}) EXPECT_FALSE(square.SetSize(n));
    EXPECT_EQ(square.Size(), 10);
}

TEST(PaintedSquare, CellsOfNoSizeAreNeverDividedBy)
{
    struct Case {
        QSize area;
        int n, cell;
    };
    for (const Case& c : {Case{{500, 400}, 10, 40}, Case{{400, 500}, 50, 8}, Case{{30, 30}, 50, 0},
                          Case{{0, 0}, 1, 0}, Case{{-5, 100}, 3, 0}, Case{{100, 100}, 0, 0}}) {
        EXPECT_EQ(SquareCellSize(c.area, c.n), c.cell) << c.area.width() << "x" << c.area.height() << " / " << c.n;
    }
    EXPECT_EQ(SquareCellAt({85, 41}, 40, 10), QPoint(2, 1));
    EXPECT_EQ(SquareCellAt({400, 0}, 40, 10), std::nullopt);
    EXPECT_EQ(SquareCellAt({-1, 0}, 40, 10), std::nullopt);
    EXPECT_EQ(SquareCellAt({5, 5}, 0, 10), std::nullopt);
}
