#include "arithmetic/divisibility.h"
#include "arithmetic/divisorsegment.h"
#include "arithmetic/numberinput.h"
#include <gtest/gtest.h>
#include <limits>
#include <numeric>

using namespace arithmetic;

namespace {

const QString dot(kTimesDot);

QString Dotted(const char* text)
{
    return QString::fromUtf8(text).replace(u'*', kTimesDot);
}

// Divisors by the definition, for comparison.
QList<long long> DivisorsByDefinition(long long n)
{
    QList<long long> divisors;
    for (long long d = 1; d <= n; ++d)
        if (n % d == 0) divisors.append(d);
    return divisors;
}

bool IsPrime(long long n)
{
    return n >= 2 && DivisorsByDefinition(n).size() == 2;
}

} // namespace

TEST(NumberInput, TypedAndPastedTextPassTheSameCheck)
{
    struct Case {
        const char* text;
        int digits;
        DigitsVerdict verdict;
    };
    for (const Case& c : {Case{"", 9, DigitsVerdict::Accepted}, Case{"017", 9, DigitsVerdict::Accepted},
                          Case{"123456789", 9, DigitsVerdict::Accepted}, Case{"1234567890", 9, DigitsVerdict::TooLong},
                          Case{"12345678", 8, DigitsVerdict::Accepted}, Case{"123456789", 8, DigitsVerdict::TooLong},
                          Case{"-5", 9, DigitsVerdict::NotDigits}, Case{" 5", 9, DigitsVerdict::NotDigits},
                          Case{"1,5", 9, DigitsVerdict::NotDigits}, Case{"12abc", 9, DigitsVerdict::NotDigits},
                          Case{"\xd9\xa3", 9, DigitsVerdict::NotDigits}}) {
        EXPECT_EQ(CheckDigits(QString::fromUtf8(c.text), c.digits), c.verdict) << c.text;
        EXPECT_EQ(DigitsMessage(c.verdict, c.digits).isEmpty(), c.verdict == DigitsVerdict::Accepted) << c.text;
    }
}

TEST(NumberInput, ParsesOnlyWholeDigitStringsWithinTheLength)
{
    EXPECT_EQ(ParseNatural("017", 9), 17);
    EXPECT_EQ(ParseNatural("999999999", 9), 999999999);
    EXPECT_EQ(ParseNatural("0", 9), 0);
    for (const char* text : {"", "1234567890", "+5", "5 ", "x"}) EXPECT_EQ(ParseNatural(text, 9), std::nullopt) << text;
    // No length may make the value overflow.
    EXPECT_EQ(ParseNatural("9999999999999999999999", 40), std::nullopt);
}

TEST(Division, TruncatesAndRefusesWhatHasNoResult)
{
    struct Case {
        long long a, b;
        std::optional<Division> result;
    };
    const long long least = std::numeric_limits<long long>::min();
    for (const Case& c : {Case{17, 5, Division{3, 2}}, Case{5, 17, Division{0, 5}}, Case{0, 7, Division{0, 0}},
                          Case{-17, 5, Division{-3, -2}}, Case{17, -5, Division{-3, 2}}, Case{17, 0, std::nullopt},
                          Case{least, -1, std::nullopt}, Case{least, 1, Division{least, 0}}}) {
        EXPECT_EQ(DivideWithRemainder(c.a, c.b), c.result) << c.a << " " << c.b;
    }
}

TEST(Division, RowShowsDividendAndDivisorAsTyped)
{
    const auto row = DivisionRowOf("17", "5");
    ASSERT_TRUE(row);
    EXPECT_EQ(row->quotient, "3");
    EXPECT_EQ(row->remainder, "2");
    EXPECT_EQ(row->equation, " 17 = 5" + dot + "3+2");
    EXPECT_EQ(DivisionRowOf("017", "5")->equation, " 017 = 5" + dot + "3+2");
    EXPECT_EQ(DivisionRowOf("999999999", "1")->quotient, "999999999");
    for (const auto& [a, b] : {std::pair{"17", "0"}, {"", "5"}, {"17", ""}, {"1x", "5"}, {"1234567890", "3"}})
        EXPECT_FALSE(DivisionRowOf(a, b)) << a << " " << b;
}

TEST(Division, AgreesWithMultiplicationOverManyNumbers)
{
    for (long long a = 0; a < 300; ++a)
        for (long long b = 1; b < 40; ++b) {
            const auto d = DivideWithRemainder(a, b);
            ASSERT_TRUE(d);
            EXPECT_EQ(b * d->quotient + d->remainder, a);
            EXPECT_TRUE(d->remainder >= 0 && d->remainder < b);
        }
}

TEST(FactorPairs, ListsEachPairOnceSmallerFactorFirst)
{
    struct Case {
        long long n;
        const char* pairs;
    };
    for (const Case& c : {Case{36, "1*36 2*18 3*12 4*9 6*6"}, Case{12, "1*12 2*6 3*4"}, Case{13, "1*13"},
                          Case{1, "1*1"}, Case{0, ""}, Case{-4, ""}, Case{30, "1*30 2*15 3*10 5*6"},
                          Case{42, "1*42 2*21 3*14 6*7"}}) {
        EXPECT_EQ(FactorPairs(c.n).join(u' '), Dotted(c.pairs)) << c.n;
    }
}

TEST(FactorPairs, MatchTheDivisorsOverManyNumbers)
{
    for (long long n = 1; n <= 2000; ++n) {
        const QList<long long> divisors = DivisorsByDefinition(n);
        const QStringList pairs = FactorPairs(n);
        EXPECT_EQ(pairs.size(), (divisors.size() + 1) / 2) << n;
        for (qsizetype i = 0; i < pairs.size(); ++i)
            EXPECT_EQ(pairs[i], QString::number(divisors[i]) + dot + QString::number(n / divisors[i])) << n;
    }
}

TEST(PrimeFactors, GivesTheFactorsInAscendingOrder)
{
    struct Case {
        long long n;
        const char* text;
    };
    for (const Case& c : {Case{12, "2*2*3"}, Case{13, "13"}, Case{360, "2*2*2*3*3*5"}, Case{97, "97"}, Case{1, ""},
                          Case{0, ""}, Case{-12, ""}, Case{99999989, "99999989"}, Case{99999999, "3*3*11*73*101*137"},
                          Case{2147483647, "2147483647"}, Case{4294967297, "641*6700417"}}) {
        EXPECT_EQ(PrimeFactors(c.n), Dotted(c.text)) << c.n;
    }
}

TEST(PrimeFactors, MultiplyBackToTheNumberOverManyNumbers)
{
    for (long long n = 2; n <= 5000; ++n) {
        const QList<long long> factors = PrimeFactorList(n);
        EXPECT_EQ(std::accumulate(factors.begin(), factors.end(), 1LL, std::multiplies<>()), n);
        EXPECT_TRUE(std::is_sorted(factors.begin(), factors.end()));
        for (const long long p : factors) EXPECT_TRUE(IsPrime(p)) << n << " " << p;
    }
}

TEST(DivisorCount, CountsTheSquareRootOnce)
{
    struct Case {
        long long n;
        int count;
    };
    for (const Case& c : {Case{1, 1}, Case{12, 6}, Case{16, 5}, Case{0, 0}, Case{-5, 0}, Case{360, 24},
                          Case{8648640, 448}, Case{9999991, 2}, Case{999999999, 20}}) {
        EXPECT_EQ(DivisorCount(c.n), c.count) << c.n;
    }
}

TEST(DivisorCount, AgreesWithTheDefinitionOverManyNumbers)
{
    for (long long n = 1; n <= 3000; ++n) {
        const QList<long long> divisors = DivisorsByDefinition(n);
        EXPECT_EQ(DivisorCount(n), divisors.size()) << n;
        EXPECT_EQ(DivisorList(n), divisors) << n;
    }
}

TEST(DivisorCount, ExactlyThreeDivisorsAreTheSquaresOfPrimes)
{
    QList<long long> three;
    for (long long n = 1; n <= 100; ++n)
        if (DivisorCount(n) == 3) three.append(n);
    EXPECT_EQ(three, (QList<long long>{4, 9, 25, 49}));
}

TEST(DivisorSegment, StartsAtOneToAThousand)
{
    const DivisorSegment segment;
    EXPECT_EQ(segment.Min(), 1);
    EXPECT_EQ(segment.Max(), 1000);
    EXPECT_EQ(segment.RowCount(), 1000);
    EXPECT_EQ(segment.Target(), 0);
}

TEST(DivisorSegment, TheEndNotEditedMovesToKeepTenThousandAndOneNumbers)
{
    DivisorSegment segment;
    EXPECT_EQ(segment.SetMaxText("20000"), QString("10000"));
    EXPECT_EQ(segment.Min(), 10000);
    EXPECT_EQ(segment.RowCount(), 10001);
    EXPECT_EQ(segment.SetMinText("1"), QString("10001"));
    EXPECT_EQ(segment.Max(), 10001);
    EXPECT_EQ(segment.SetMaxText("9999999"), QString("9989999"));
    EXPECT_EQ(segment.NumberAt(segment.RowCount() - 1), 9999999);
}

TEST(DivisorSegment, TextThatIsNoNumberChangesNothing)
{
    DivisorSegment segment;
    segment.SetMinText("5");
    segment.SetMaxText("20");
    for (const char* text : {"", "-3", "12345678", "1e3", " 7"}) {
        EXPECT_EQ(segment.SetMinText(text), std::nullopt);
        EXPECT_EQ(segment.SetMaxText(text), std::nullopt);
    }
    EXPECT_EQ(segment.Min(), 5);
    EXPECT_EQ(segment.Max(), 20);
    EXPECT_EQ(segment.RowCount(), 16);
    segment.SetMinText("30");
    EXPECT_EQ(segment.RowCount(), 1);
    EXPECT_EQ(segment.NumberAt(0), 30);
}

TEST(DivisorSegment, PicksOutTheChosenCountAndZeroWhenTheTargetIsEmpty)
{
    DivisorSegment segment;
    segment.SetMinText("5");
    segment.SetMaxText("20");
    segment.SetTargetText("2");
    QList<long long> red;
    for (int row = 0; row < segment.RowCount(); ++row)
        if (segment.PickedOut(segment.NumberAt(row))) red.append(segment.NumberAt(row));
    EXPECT_EQ(red, (QList<long long>{5, 7, 11, 13, 17, 19}));
    for (const char* text : {"", "два", "99999999999999"}) {
        segment.SetTargetText(text);
        EXPECT_EQ(segment.Target(), 0) << text;
    }
    EXPECT_TRUE(segment.PickedOut(0));
    EXPECT_FALSE(segment.PickedOut(1));
}
