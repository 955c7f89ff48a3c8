#include "arithmetic/fractions.h"
#include "arithmetic/sectors.h"
#include <gtest/gtest.h>
#include <limits>
#include <numeric>

using namespace arithmetic;

namespace {

Fraction F(long long num, long long den)
{
    return Fraction{num, den};
}

} // namespace

TEST(Fractions, GcdByRemaindersIsQuickAndKnowsZero)
{
    struct Case {
        unsigned long long a, b, gcd;
    };
    for (const Case& c : {Case{12, 18, 6}, Case{18, 12, 6}, Case{7, 0, 7}, Case{0, 7, 7}, Case{0, 0, 0},
                          Case{1, 2147483647, 1}, Case{1ULL << 63, 1ULL << 40, 1ULL << 40}}) {
        EXPECT_EQ(Gcd(c.a, c.b), c.gcd) << c.a << " " << c.b;
    }
    for (unsigned long long a = 1; a < 200; ++a)
        for (unsigned long long b = 1; b < 200; ++b) EXPECT_EQ(Gcd(a, b), std::gcd(a, b));
}

TEST(Fractions, ReduceKeepsTheSignOnTopAndRefusesZeroDenominators)
{
    const long long least = std::numeric_limits<long long>::min();
    struct Case {
        long long num, den;
        std::optional<Fraction> reduced;
    };
    for (const Case& c : {Case{6, 8, F(3, 4)}, Case{0, 5, F(0, 1)}, Case{-6, 8, F(-3, 4)}, Case{6, -8, F(-3, 4)},
                          Case{25, 100, F(1, 4)}, Case{5, 0, std::nullopt}, Case{0, 0, std::nullopt},
                          Case{least, least, F(1, 1)}, Case{1, least, std::nullopt}}) {
        EXPECT_EQ(ReduceFraction(c.num, c.den), c.reduced) << c.num << "/" << c.den;
    }
}

TEST(Fractions, SumsAndDifferences)
{
    struct Case {
        Fraction x, y, sum, difference;
    };
    for (const Case& c : {Case{F(2, 3), F(1, 6), F(5, 6), F(1, 2)}, Case{F(1, 4), F(3, 4), F(1, 1), F(-1, 2)},
                          Case{F(1, 2), F(1, 2), F(1, 1), F(0, 1)}, Case{F(0, 1), F(0, 1), F(0, 1), F(0, 1)}}) {
        EXPECT_EQ(AddFractions(c.x, c.y), c.sum);
        EXPECT_EQ(SubtractFractions(c.x, c.y), c.difference);
    }
}

TEST(Fractions, SumsPastThirtyTwoBitsAreReducedExactly)
{
    // 1/65536 + 1/65537: the product of the denominators passes 32 bits.
    EXPECT_EQ(AddFractions(F(1, 65536), F(1, 65537)), F(131073, 4295032832));
    // Fractions near the 64-bit limit whose sum reduces back into range.
    const long long big = 3037000499LL * 3037000499LL; // odd, near 2^63
    EXPECT_EQ(AddFractions(F(1, big), F(big - 1, big)), F(1, 1));
    // A sum whose reduced denominator needs more than 64 bits is refused.
    EXPECT_EQ(AddFractions(F(1, 9223372036854775783LL), F(1, 9223372036854775643LL)), std::nullopt);
}

TEST(Fractions, ComparesByValueWithoutOverflow)
{
    const long long most = std::numeric_limits<long long>::max();
    EXPECT_TRUE(FractionLessOrEqual(F(1, 3), F(1, 2)));
    EXPECT_FALSE(FractionLessOrEqual(F(1, 2), F(1, 3)));
    EXPECT_TRUE(FractionLessOrEqual(F(1, 2), F(1, 2)));
    EXPECT_TRUE(FractionLessOrEqual(F(most - 1, most), F(most, most - 1)));
    EXPECT_TRUE(FractionsEqual(F(1, 2), F(1, 2)));
    EXPECT_FALSE(FractionsEqual(F(1, 2), F(1, 3)));
}

TEST(Fractions, TextsOfFractionsPercentagesAndRealNumbers)
{
    EXPECT_EQ(FractionText(F(3, 4)), "3/4");
    struct Case {
        Fraction x;
        const char* percent;
    };
    for (const Case& c : {Case{F(3, 4), "75%"}, Case{F(1, 4), "25%"}, Case{F(1, 3), "33,3%"}, Case{F(2, 3), "66,7%"},
                          Case{F(1, 1), "100%"}, Case{F(1, 2500), "0,04%"}, Case{F(1, 8), "12,5%"}}) {
        EXPECT_EQ(PercentText(c.x), QString::fromUtf8(c.percent));
    }
    EXPECT_EQ(GeneralNumber(10.0 / 3.0, 4), "3,333");
    EXPECT_EQ(GeneralNumber(10.0, 4), "10");
    EXPECT_EQ(GeneralNumber(1000.0, 4), "1000");
    EXPECT_EQ(GeneralNumber(1000.0 / 3.0, 4), "333,3");
}

// --- the circle ---------------------------------------------------------------

namespace {

SectorRecord R(Fraction from, Fraction to, int color)
{
    return SectorRecord{from, to, color};
}

constexpr int kWhite = 0;
constexpr int kRed = 6;
constexpr int kBlue = 3;

} // namespace

TEST(Sectors, AngleOfAClickGivesTheSector)
{
    struct Case {
        int dx, dy, count, sector;
    };
    for (const Case& c : {Case{10, -1, 4, 1}, Case{-10, -10, 4, 2}, Case{-10, 10, 4, 3}, Case{10, 10, 4, 4},
                          Case{0, -10, 4, 1}, Case{-10, 0, 4, 1}, Case{0, 0, 4, 1}, Case{1000, 1, 100, 100},
                          Case{5, -5, 1, 1}, Case{10, -11, 8, 2}}) {
        EXPECT_EQ(SectorAt(c.dx, c.dy, c.count), c.sector) << c.dx << " " << c.dy << " of " << c.count;
    }
}

TEST(Sectors, PaintingInsideARecordSplitsIt)
{
    QList<SectorRecord> records = WholeWhiteCircle();
    ASSERT_TRUE(AddSector(records, 2, 4, kRed));
    EXPECT_EQ(records, (QList<SectorRecord>{R(F(0, 1), F(1, 4), kWhite), R(F(1, 4), F(1, 2), kRed),
                                             R(F(1, 2), F(1, 1), kWhite)}));
    const auto sums = SumSectors(records);
    EXPECT_EQ(sums[kWhite], F(3, 4));
    EXPECT_EQ(sums[kRed], F(1, 4));
    EXPECT_EQ(sums[kBlue], F(0, 1));

    // The same sector in another colour replaces the red record.
    ASSERT_TRUE(AddSector(records, 2, 4, kBlue));
    EXPECT_EQ(records, (QList<SectorRecord>{R(F(0, 1), F(1, 4), kWhite), R(F(1, 2), F(1, 1), kWhite),
                                             R(F(1, 4), F(1, 2), kBlue)}));
}

TEST(Sectors, AnotherCountCutsAndRemovesRecords)
{
    QList<SectorRecord> records = {R(F(0, 1), F(1, 4), kWhite), R(F(1, 4), F(1, 2), kRed),
                                   R(F(1, 2), F(1, 1), kWhite)};
    ASSERT_TRUE(AddSector(records, 1, 3, kBlue));
    EXPECT_EQ(records, (QList<SectorRecord>{R(F(1, 3), F(1, 2), kRed), R(F(1, 2), F(1, 1), kWhite),
                                             R(F(0, 1), F(1, 3), kBlue)}));
    EXPECT_TRUE(ValidSectorList(records));
}

TEST(Sectors, TheListStopsAtAHundredRecords)
{
    QList<SectorRecord> records = WholeWhiteCircle();
    for (int k = 1; k <= 99; ++k) ASSERT_TRUE(AddSector(records, k, 100, kRed)) << k;
    EXPECT_EQ(records.size(), 100);
    EXPECT_EQ(SumSectors(records)[kRed], F(99, 100));
    // A sector strictly inside the white rest would need a split piece: 102
    // records. The click is refused and the circle stays as it was.
    const QList<SectorRecord> before = records;
    EXPECT_FALSE(AddSector(records, 995, 1000, kBlue));
    EXPECT_EQ(records, before);
    // The last sector replaces the rest and keeps the count at 100.
    EXPECT_TRUE(AddSector(records, 100, 100, kRed));
    EXPECT_EQ(SumSectors(records)[kRed], F(1, 1));
}

TEST(Sectors, SumsOfManyDenominatorsStayExact)
{
    // Sector k of a count: each begins after the one before ends, so the red
    // share is the sum of the six unit fractions.
    QList<SectorRecord> records;
    Fraction expected{0, 1};
    int k = 1;
    for (const int count : {97, 89, 83, 79, 73, 71}) {
        ASSERT_TRUE(AddSector(records, k++, count, kRed));
        expected = *AddFractions(expected, F(1, count));
    }
    EXPECT_EQ(records.size(), 6);
    EXPECT_EQ(SumSectors(records)[kRed], expected);
    EXPECT_GT(expected.Den, std::numeric_limits<int>::max());
    EXPECT_EQ(expected.Den, 97LL * 89 * 83 * 79 * 73 * 71);
}

TEST(Sectors, ListsFromFilesMustNotOverlapOrLeaveTheCircle)
{
    EXPECT_TRUE(ValidSectorList(WholeWhiteCircle()));
    EXPECT_TRUE(ValidSectorList({R(F(1, 2), F(1, 1), kWhite), R(F(0, 1), F(1, 2), kRed)}));
    EXPECT_FALSE(ValidSectorList({R(F(0, 1), F(2, 3), kWhite), R(F(1, 2), F(1, 1), kRed)}));
    EXPECT_FALSE(ValidSectorList({R(F(0, 1), F(3, 2), kWhite)}));
    EXPECT_FALSE(ValidSectorList({R(F(-1, 2), F(1, 2), kWhite)}));
    EXPECT_FALSE(ValidSectorList({R(F(1, 2), F(1, 2), kWhite)}));
    EXPECT_FALSE(ValidSectorList({R(F(0, 1), F(1, 1), 8)}));
    QList<SectorRecord> many;
    for (int k = 0; k < 101; ++k) many.append(R(*ReduceFraction(k, 101), *ReduceFraction(k + 1, 101), kRed));
    EXPECT_FALSE(ValidSectorList(many));
}
