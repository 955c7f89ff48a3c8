#include "base/apperror.h"
#include "labs/fractions/format/fractionssection.h"
#include <gtest/gtest.h>

using namespace fractionslab;
using arithmetic::Fraction;
using arithmetic::SectorRecord;

TEST(FractionsSection, ReadsWhatItWritesLineForLine)
{
    FractionsSection section;
    section.memberParts = {5, 5};
    section.squareCells = {0, 6, 6, 0};
    section.sectors = {SectorRecord{{0, 1}, {1, 4}, 0}, SectorRecord{{1, 4}, {1, 2}, 6},
                       SectorRecord{{1, 2}, {1, 1}, 0}};
    const QStringList lines = FractionsSectionLines(section);
    EXPECT_EQ(lines, (QStringList{" 5 5", " 0 6 6 0", "0 1 1 4 0", "1 4 1 2 6", "1 2 1 1 0"}));
    EXPECT_EQ(ReadFractionsSection(lines, 20), section);
}

TEST(FractionsSection, ReducesRecordsAndSkipsWhatFollowsThem)
{
    const FractionsSection section = ReadFractionsSection({" 3 7", "", "2 4 4 4 5 extra", "", "0 3 1 2 1"}, 1);
    EXPECT_EQ(section.memberParts, (QList<int>{3, 7}));
    EXPECT_TRUE(section.squareCells.isEmpty());
    ASSERT_EQ(section.sectors.size(), 2);
    EXPECT_EQ(section.sectors[0], (SectorRecord{{1, 2}, {1, 1}, 5}));
    EXPECT_EQ(section.sectors[1].From, (Fraction{0, 1}));
}

TEST(FractionsSection, RefusesUntrustedValuesNamingTheLine)
{
    struct Case {
        QStringList lines;
        int line;
    };
    QStringList many = {" 5 5", " 0"};
    for (int k = 0; k < 101; ++k) many.append(QStringLiteral("%1 101 %2 101 0").arg(k).arg(k + 1));
    for (const Case& c : {Case{{" 5 0"}, 10}, Case{{" 5 101"}, 10}, Case{{" 3 7 x"}, 10}, Case{{" 5 5", " 0 8"}, 11},
                          Case{{" 5 5", " 0 -1"}, 11}, Case{{" 5 5", " 0", "1 0 1 1 0"}, 12},
                          Case{{" 5 5", " 0", "0 1 3 2 0"}, 12}, Case{{" 5 5", " 0", "1 2 1 4 0"}, 12},
                          Case{{" 5 5", " 0", "0 1 1 1 9"}, 12}, Case{{" 5 5", " 0", "0 1 1"}, 12},
                          Case{{" 5 5", " 0", "0 1 1 2 0", "1 3 1 1 6"}, 13},
                          Case{{" 5 5", " 0", "0 1 99999999999 1 0"}, 12}, Case{many, 112}}) {
        try {
            ReadFractionsSection(c.lines, 10);
            ADD_FAILURE() << c.lines.join(" / ").toStdString();
        } catch (const base::LineError& error) {
            EXPECT_EQ(error.line(), c.line) << c.lines.join(" / ").toStdString();
        }
    }
}
