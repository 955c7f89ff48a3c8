#include "base/apperror.h"
#include "base/namevalue.h"
#include "base/numfmt.h"
#include "base/random.h"
#include "base/textfile.h"
#include "base/textutil.h"
#include "base/treetext.h"
#include <gtest/gtest.h>

using namespace base;

TEST(Split, LeftAndRightFollowTheListFileRules)
{
    QString text = QStringLiteral("  A05 Дроби$12 ");
    EXPECT_EQ(base::SplitLeft(text, u' '), QStringLiteral("A05"));
    EXPECT_EQ(text, QStringLiteral("Дроби$12"));
    EXPECT_EQ(base::SplitLeft(text, u'$'), QStringLiteral("Дроби"));
    EXPECT_EQ(text, QStringLiteral("12"));

    QString spaced = QStringLiteral("Дроби $12");
    EXPECT_EQ(base::SplitLeft(spaced, u'$'), QStringLiteral("Дроби "));

    QString path = QStringLiteral("USERS\\A05\\012.ANS");
    EXPECT_EQ(base::SplitRight(path, u'\\'), QStringLiteral("012.ANS"));
    EXPECT_EQ(path, QStringLiteral("USERS\\A05"));
    EXPECT_EQ(base::SplitRight(path, u'\\'), QStringLiteral("A05"));
    EXPECT_EQ(path, QStringLiteral("USERS"));
    EXPECT_EQ(base::SplitRight(path, u'\\'), QStringLiteral("USERS"));
    EXPECT_TRUE(path.isEmpty());

    QString empty;
    EXPECT_TRUE(base::SplitLeft(empty, u' ').isEmpty());
    EXPECT_TRUE(empty.isEmpty());
}

TEST(Split, TrimRemovesControlCharactersToo)
{
    EXPECT_EQ(base::Trim(QStringLiteral("\t\r\n x y\x01 ")), QStringLiteral("x y"));
    EXPECT_EQ(base::Trim(QStringLiteral(" \t ")), QString());
}

TEST(SmallHelpers, PadPositionsFoldersAndNameAttributes)
{
    EXPECT_EQ(base::PadNumber(7, 4, u'0'), QStringLiteral("0007"));
    EXPECT_EQ(base::PadNumber(12345, 4, u'0'), QStringLiteral("12345"));
    EXPECT_EQ(base::LastCharPos(u'\\', QStringLiteral("a\\b\\c")), 4);
    EXPECT_EQ(base::LastCharPos(u'x', QStringLiteral("abc")), 0);
    EXPECT_EQ(base::ExtractFolder(QStringLiteral("ZADS\\A05\\HTM.CFG")), QStringLiteral("ZADS\\A05\\"));
    EXPECT_EQ(base::ExtractFolder(QStringLiteral("HTM.CFG")), QString());
    EXPECT_EQ(base::ExtractNameAttr(QStringLiteral("<input type=text name=a1 size=5>")), QStringLiteral("A1"));
    EXPECT_EQ(base::ExtractNameAttr(QStringLiteral("<input NAME=\"a1\">")), QStringLiteral("\"A1\""));
    EXPECT_EQ(base::ExtractNameAttr(QStringLiteral("<input name=b2")), QStringLiteral("B2"));
    EXPECT_EQ(base::ExtractNameAttr(QStringLiteral("<p>no field</p>")), QString());
}

TEST(Random, FollowsTheRuntimeGenerator)
{
    base::SetRandomSeed(0);
    // seed 1, then 1*0x08088405+1 = 0x08088406
    EXPECT_EQ(base::RandomInt(100), 0);
    EXPECT_EQ(RandomSeed(), 1u);
    EXPECT_EQ(base::RandomInt(0x10000), int((uint64_t(0x08088406u) * 0x10000) >> 32));
    base::SetRandomSeed(42);
    const QString first = base::RandomDigits(8);
    base::SetRandomSeed(42);
    EXPECT_EQ(base::RandomDigits(8), first);
    EXPECT_EQ(first.size(), 8);
    for (QChar c : first) EXPECT_TRUE(c.isDigit());
}

TEST(Numbers, CommaOutsideEnginesPointInside)
{
    EXPECT_EQ(ParseReal(QStringLiteral("2,5")).value(), 2.5L);
    EXPECT_FALSE(ParseReal(QStringLiteral("2.5")).has_value());
    EXPECT_EQ(ParseReal(QStringLiteral("2.5"), Decimal::Point).value(), 2.5L);
    EXPECT_FALSE(ParseReal(QStringLiteral("2,5"), Decimal::Point).has_value());
    EXPECT_EQ(ParseReal(QStringLiteral(" -1,5E3 ")).value(), -1500.0L);
    for (const char* bad : {"", " ", "-", "1,2,3", "abc", "1E", ",", "1 2"})
        EXPECT_FALSE(ParseReal(QString::fromLatin1(bad)).has_value()) << bad;

    EXPECT_EQ(base::FormatReal(2.5L), QStringLiteral("2,5"));
    EXPECT_EQ(base::FormatReal(2.5L, Decimal::Point), QStringLiteral("2.5"));
    EXPECT_EQ(base::FormatReal(-3.0L), QStringLiteral("-3"));
    EXPECT_EQ(base::FormatReal(0.1L), QStringLiteral("0,1"));
    EXPECT_EQ(base::FormatReal(1e20L), QStringLiteral("1E20"));
    EXPECT_EQ(base::FormatReal(1.5e-7L), QStringLiteral("1,5E-7"));
    EXPECT_EQ(base::FormatReal(1.0L / 3.0L), QStringLiteral("0,333333333333333"));
}

TEST(Numbers, DatesAreDayMonthYearWithDots)
{
    EXPECT_EQ(base::FormatDate(QDate(2004, 3, 7)), QStringLiteral("07.03.2004"));
    EXPECT_EQ(base::ParseDate(QStringLiteral("07.03.2004")).value(), QDate(2004, 3, 7));
    EXPECT_FALSE(base::ParseDate(QStringLiteral("2004-03-07")).has_value());
}

TEST(TreeText, ReadsNestingAndWritesTabs)
{
    const QStringList lines = {QStringLiteral("Пользователи"), QStringLiteral("\tАдминистратор"),
                               QStringLiteral("\t\t00000000 SYSADMIN$1"), QStringLiteral(" 5А"),
                               QStringLiteral("\t\t12345678 Иванов$"), QStringLiteral("Второй корень")};
    const auto roots = base::ReadTreeText(lines);
    ASSERT_EQ(roots.size(), 2u);
    ASSERT_EQ(roots[0].children.size(), 2u);
    EXPECT_EQ(roots[0].children[1].text, QStringLiteral("5А"));
    EXPECT_EQ(roots[0].children[1].children[0].text, QStringLiteral("12345678 Иванов$"));
    EXPECT_EQ(roots[1].text, QStringLiteral("Второй корень"));

    const QStringList written = base::WriteTreeText(roots);
    EXPECT_EQ(written[3], QStringLiteral("\t5А"));
    EXPECT_EQ(written[4], QStringLiteral("\t\t12345678 Иванов$"));
    EXPECT_EQ(base::WriteTreeText(base::ReadTreeText(written)), written);
}

TEST(TreeText, WalkingUpSeveralLevelsAddsASibling)
{
    const auto roots = base::ReadTreeText({QStringLiteral("r"), QStringLiteral("\ta"), QStringLiteral("\t\tb"),
                                     QStringLiteral("\t\t\tc"), QStringLiteral("\td")});
    ASSERT_EQ(roots[0].children.size(), 2u);
    EXPECT_EQ(roots[0].children[1].text, QStringLiteral("d"));
}

TEST(TreeText, JumpOfTwoLevelsIsRejectedWithItsMessage)
{
    try {
        base::ReadTreeText({QStringLiteral("root"), QStringLiteral("\t\tdeep")});
        FAIL() << "expected an error";
    } catch (const base::AppError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Invalid level (2) for item \"deep\""));
    }
    // The first line is top level whatever its indentation.
    EXPECT_EQ(base::ReadTreeText({QStringLiteral("\t\tfirst"), QStringLiteral("\tchild")})[0].children.size(), 1u);
}

TEST(NameValue, LooksUpNamesWithoutRegardToCase)
{
    base::NameValueList list({QStringLiteral("A05\\012=1  1   125 07.03.2004"), QStringLiteral("broken line"),
                        QStringLiteral("б01\\001=2")});
    EXPECT_EQ(list.indexOfName(QStringLiteral("a05\\012")), 0);
    EXPECT_EQ(list.indexOfName(QStringLiteral("Б01\\001")), 2);
    EXPECT_EQ(list.indexOfName(QStringLiteral("broken line")), -1);
    list.setValue(2, QStringLiteral("1"));
    EXPECT_EQ(list.lines()[2], QStringLiteral("б01\\001=1"));
    EXPECT_EQ(list.value(QStringLiteral("A05\\012")), QStringLiteral("1  1   125 07.03.2004"));
}

// A file saved again by a modern editor starts with a byte-order mark; its
// first line must read as it did before (a results entry, a register line).
TEST(TextFiles, ByteOrderMarksAreSkippedAndNameTheEncoding)
{
    const QString expected = QStringLiteral("A05\\012=1  1    10 07.03.2004\r\nИванов");
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    QByteArray utf16le("\xFF\xFE", 2), utf16be("\xFE\xFF", 2);
    for (QChar c : expected) {
        const char lo = char(c.unicode() & 0xFF), hi = char(c.unicode() >> 8);
        utf16le.append(lo).append(hi);
        utf16be.append(hi).append(lo);
    }
    const Case cases[] = {
        {"Windows-1251", base::EncodeCp1251(expected)},
        {"UTF-8 with mark", "\xEF\xBB\xBF" + expected.toUtf8()},
        {"UTF-16 LE", utf16le},
        {"UTF-16 BE", utf16be},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(base::DecodeText(c.bytes), expected) << c.name;
        EXPECT_EQ(base::SplitLines(base::DecodeText(c.bytes)).value(0), QStringLiteral("A05\\012=1  1    10 07.03.2004"))
            << c.name;
    }
    // A mark that is only the start of Windows-1251 text is not mistaken for one.
    EXPECT_EQ(base::DecodeText(base::EncodeCp1251(QStringLiteral("п»"))), QStringLiteral("п»"));
}

TEST(TreeText, AnEmptyLineIsATopLevelNode)
{
    const auto roots = base::ReadTreeText({QStringLiteral("r"), QStringLiteral("\ta"), QString(), QStringLiteral("\tb")});
    ASSERT_EQ(roots.size(), 2u);
    ASSERT_EQ(roots[0].children.size(), 1u);
    EXPECT_EQ(roots[1].text, QString());
    ASSERT_EQ(roots[1].children.size(), 1u);
    EXPECT_EQ(roots[1].children[0].text, QStringLiteral("b"));
}
