#include "numberline/records.h"
#include <gtest/gtest.h>

using namespace numberline;

namespace {

QStringList Lines(std::initializer_list<const char*> lines)
{
    QStringList result;
    for (const char* line : lines) result.append(QString::fromUtf8(line));
    return result;
}

// A scene with every kind of record: parameters, a lifted and an erased
// point, names with blanks, a formula with blanks, a segment and a ray.
struct SampleScene {
    NumberLineScene scene;
    LineView view{800, 300};

    SampleScene()
    {
        view.SetScale(52.5);
        view.SetCenter(-1.25);
        scene.SetParameter(u"a", 2.5);
        TPoint& third = scene.AddPoint("[drob[2][3]]");
        third.SetName("A");
        TPoint& plus = scene.AddPoint("[a + 1]");
        plus.SetName("  точка  B ");
        plus.X = 0.9;
        plus.Y = 1.5;
        TPoint& minus = scene.AddPoint("[-2]");
        minus.Visible = false;
        minus.Included = false;
        TPoint& ray = scene.AddPoint("[drob[1][0]]");
        scene.AddSegment(minus, third, 0x00FF00);
        scene.AddRay(ray, false, 255);
    }
};

} // namespace

TEST(Records, WritesTheDocumentedLines)
{
    SampleScene sample;
    const QStringList lines = WriteNumberLineSection(sample.scene, sample.view);
    const QStringList expected = Lines({
        "52.5 -1.25 a=2.5",
        "TPoint:  6.66666666666667E-0001  0.00000000000000E+0000 TRUE TRUE [drob[2][3]] A",
        "TPoint:  9.00000000000000E-0001  1.50000000000000E+0000 TRUE TRUE [a + 1]   точка  B ",
        "TPoint: -2.00000000000000E+0000  0.00000000000000E+0000 FALSE FALSE [-2] ",
        "TPoint:  0.00000000000000E+0000  0.00000000000000E+0000 TRUE TRUE [drob[1][0]] ",
        "TSegment: 2 0 TRUE 65280",
        "TLuch: 3 FALSE TRUE 255",
    });
    EXPECT_EQ(lines, expected);
}

TEST(Records, ReadingAndWritingAgainGivesTheSameLines)
{
    SampleScene sample;
    const QStringList lines = WriteNumberLineSection(sample.scene, sample.view);
    const NumberLineSection section = ReadNumberLineSection(lines);
    LineView view(800, 300);
    view.SetScale(section.Scale);
    view.SetCenter(section.CenterX);
    EXPECT_EQ(WriteNumberLineSection(section.Scene, view), lines);

    const auto& points = section.Scene.Points();
    ASSERT_EQ(points.size(), 4u);
    EXPECT_EQ(points[1]->Name(), "  точка  B ");
    EXPECT_NEAR(*points[1]->Exact(), 3.5, 1e-12) << "the exact value comes from the formula and the parameters";
    EXPECT_EQ(points[1]->X, 0.9);
    EXPECT_FALSE(points[3]->Placed());
    EXPECT_EQ(section.Scene.Figures()[0]->Color, 0x00FF00u);
}

TEST(Records, ExtremeViewsAreBroughtWithinBounds)
{
    const NumberLineSection far = ReadNumberLineSection(Lines({"40 1e300"}));
    EXPECT_EQ(far.CenterX, LineView::kMaxCentre);
    const NumberLineSection huge = ReadNumberLineSection(Lines({"1e300 -1e300"}));
    EXPECT_EQ(huge.Scale, LineView::kMaxScale);
    EXPECT_EQ(huge.CenterX, -LineView::kMaxCentre);
    const NumberLineSection tiny = ReadNumberLineSection(Lines({"1e-300 0", "TPoint: 1e300 -1e300 TRUE TRUE [1] x"}));
    EXPECT_EQ(tiny.Scale, LineView::kMinScale);
    EXPECT_LT(tiny.Scene.Points()[0]->X, 1e13);
}

TEST(Records, TheSectionEndsAtAnEmptyLine)
{
    const NumberLineSection section = ReadNumberLineSection(Lines({"40 0", "TPoint: 1 0 TRUE TRUE [1] ", "", "anything"}));
    EXPECT_EQ(section.Scene.Points().size(), 1u);
}

TEST(Records, RefusesWhatIsNotItsRecordsNamingTheLine)
{
    const struct { std::initializer_list<const char*> lines; int line; } cases[] = {
        {{}, 10},
        {{"  "}, 10},
        {{"40"}, 10},
        {{"0 0"}, 10},
        {{"-40 0"}, 10},
        {{"nan 0"}, 10},
        {{"40 inf"}, 10},
        {{"40 0 A=2"}, 10},
        {{"40 0 a=x"}, 10},
        {{"40 0 a"}, 10},
        {{"40 0 =2"}, 10},
        {{"40 0", "TCircle: 0 0 1"}, 11},
        {{"40 0", "0 1 TRUE 0"}, 11},
        {{"40 0", "TPoint: 1 0 TRUE"}, 11},
        {{"40 0", "TPoint: 1 0 TRUE yes [1] A"}, 11},
        {{"40 0", "TPoint: x 0 TRUE TRUE [1] A"}, 11},
        {{"40 0", "TPoint: 1 0 TRUE TRUE 1 A"}, 11},
        {{"40 0", "TPoint: 1 0 TRUE TRUE [drob[1][2] A"}, 11},
        {{"40 0", "TPoint: 1 0 TRUE TRUE [1]x A"}, 11},
        {{"40 0", "TPoint: 1 0 TRUE TRUE [1] A", "TSegment: 0 1 TRUE 0"}, 12},
        {{"40 0", "TPoint: 1 0 TRUE TRUE [1] A", "TSegment: 0 -1 TRUE 0"}, 12},
        {{"40 0", "TPoint: 1 0 TRUE TRUE [1] A", "TSegment: 0 0 TRUE 16777216"}, 12},
        {{"40 0", "TPoint: 1 0 TRUE TRUE [1] A", "TSegment: 0 0 TRUE -1"}, 12},
        {{"40 0", "TPoint: 1 0 TRUE TRUE [1] A", "TSegment: 0 0 TRUE 0 7"}, 12},
        {{"40 0", "TPoint: 1 0 TRUE TRUE [1] A", "TLuch: 0 LEFT TRUE 0"}, 12},
        {{"40 0", "TPoint: 1 0 TRUE TRUE [1] A", "TLuch: 9999999999999999999 TRUE TRUE 0"}, 12},
        {{"40 0", "TPoint: 1 0 TRUE TRUE [1] A", "TLuch: 0 TRUE TRUE"}, 12},
    };
    for (const auto& c : cases) {
        QStringList lines;
        for (const char* line : c.lines) lines.append(QString::fromLatin1(line));
        try {
            ReadNumberLineSection(lines, 10);
            ADD_FAILURE() << "read: " << lines.join(" | ").toStdString();
        } catch (const SectionFormatError& error) {
            EXPECT_EQ(error.Line(), c.line) << lines.join(" | ").toStdString();
            EXPECT_FALSE(error.Reason().isEmpty());
        }
    }
}

TEST(Records, FormatRecordRealHasTheFixedWidth)
{
    const struct { double value; const char* text; } cases[] = {
        {0, " 0.00000000000000E+0000"},
        {1.5, " 1.50000000000000E+0000"},
        {-0.25, "-2.50000000000000E-0001"},
        {1e300, " 1.00000000000000E+0300"},
        {std::nan(""), " 0.00000000000000E+0000"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatRecordReal(c.value), QString::fromLatin1(c.text)) << c.value;
}
