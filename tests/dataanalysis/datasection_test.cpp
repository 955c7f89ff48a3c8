#include "dataanalysis/datasection.h"
#include "base/apperror.h"
#include <gtest/gtest.h>

using namespace dataanalysis;

TEST(DataSection, WritesNineNumbersEachWithABlankThenTheTitleAndReadsThemBack)
{
    const std::vector<DataSeries> series{
        {{2, 1, 2, 31}, {1, 1, 1, 31}, ChartKind::Line, QStringLiteral("Температура, °C")},
        {{1, 2, 5, 2}, kNoRange, ChartKind::Line, QString()},
        {{3, 3, 4, 4}, kNoRange, ChartKind::Line, QStringLiteral(" два  пробела ")},
    };
    const QStringList lines = DataSectionLines(series);
    EXPECT_EQ(lines, (QStringList{"2 1 2 31 0 1 1 1 31 Температура, °C", "1 2 5 2 0 0 0 -1 -1 ",
                                  "3 3 4 4 0 0 0 -1 -1  два  пробела "}));
    EXPECT_EQ(ReadDataSection(lines, 5), series);
}

TEST(DataSection, EmptyLinesAreSkippedAndALabelRangeStartingAtColumnZeroMeansNone)
{
    const auto series = ReadDataSection({"", "1 1 1 3 2 0 5 5 5 Круг", "  "}, 3);
    ASSERT_EQ(series.size(), 1u);
    EXPECT_EQ(series[0].kind, ChartKind::Pie);
    EXPECT_TRUE(series[0].labels.isEmpty());
    EXPECT_EQ(series[0].title, QStringLiteral("Круг"));
}

TEST(DataSection, HostileLinesAreRefusedWithTheirLine)
{
    struct Case {
        const char* line;
        const char* reason;
    };
    for (const Case& c : {
             Case{"1 1 1", "меньше девяти"},
             Case{"1 1 1 3 0 0 0 -1", "меньше девяти"},
             Case{"1 1 x 3 0 0 0 -1 -1 t", "не целое"},
             Case{"1 1 1 99999999999 0 0 0 -1 -1 t", "не целое"},
             Case{"0 1 1 3 0 0 0 -1 -1 t", "данных вне"},
             Case{"1 1 101 3 0 0 0 -1 -1 t", "данных вне"},
             Case{"1 1 1 1001 0 0 0 -1 -1 t", "данных вне"},
             Case{"3 1 1 3 0 0 0 -1 -1 t", "данных вне"},
             Case{"1 1 1 3 3 0 0 -1 -1 t", "вид диаграммы"},
             Case{"1 1 1 3 -1 0 0 -1 -1 t", "вид диаграммы"},
             Case{"1 1 1 3 0 2 1 1 1 t", "подписей вне"},
             Case{"1 1 1 3 0 1 -5 1 3 t", "подписей вне"},
         }) {
        try {
            ReadDataSection({"1 1 1 3 0 0 0 -1 -1 ok", QString::fromUtf8(c.line)}, 10);
            ADD_FAILURE() << c.line << " was read";
        } catch (const base::LineError& error) {
            EXPECT_EQ(error.line(), 11) << c.line;
            EXPECT_TRUE(error.reason().contains(QString::fromUtf8(c.reason))) << c.line << ": " << error.reason().toStdString();
        }
    }
}

TEST(DataSection, TooManySeriesAreRefused)
{
    QStringList lines;
    for (int i = 0; i <= kMaxSeries; ++i) lines << QStringLiteral("1 1 1 2 1 0 0 -1 -1 r");
    EXPECT_EQ(ReadDataSection(lines.mid(1), 1).size(), size_t(kMaxSeries));
    EXPECT_THROW(ReadDataSection(lines, 1), base::LineError);
}
