#include "space/records.h"
#include "spacetestscenes.h"
#include <gtest/gtest.h>

using namespace space;

namespace {

QStringList Lines(std::initializer_list<const char*> lines)
{
    QStringList result;
    for (const char* line : lines) result.append(QString::fromUtf8(line));
    return result;
}

// A scene with every kind of record: hidden objects, names with blanks, a
// cube with a section through points on its faces, a plane, a meeting point
// of a line and the plane, an image point, a distance and an angle.
struct SampleScene {
    SpaceScene scene;
    SpaceView view{800, 600};

    SampleScene()
    {
        view.SetScale(52.5);
        view.SetCenter(-1.25, 3);
        const testscenes::Box cube = testscenes::AddBox(scene, {-1, -1, -1}, {1, 1, 1}, 255);
        cube.corners[0]->Name = "  вершина  A ";
        cube.corners[7]->Visible = false;
        TPoint& a = scene.AddPointOn(*cube.faces[0], {0.5, 0.1, 0});
        TPoint& b = scene.AddPointOn(*cube.faces[1], {-0.2, 0.5, 0});
        TPoint& c = scene.AddPointOn(*cube.faces[0], {-0.5, -0.5, 0});
        scene.AddPlaneFigure(FigureKind::Section, {&a, &b, &c}, 255);
        TPoint& p = scene.AddPoint({3, 0, 0});
        TPoint& q = scene.AddPoint({3, 2, 1});
        TPoint& r = scene.AddPoint({4, 0, 2});
        TFigure* plane = scene.AddPlaneFigure(FigureKind::Plane, {&p, &q, &r}, 0x00FF00);
        TPoint& s = scene.AddPoint({0, 3, -2});
        TFigure* line = scene.AddLineFigure(FigureKind::Line, *cube.corners[0], s, 0x808080);
        line->Visible = false;
        TPoint* meet = scene.AddIntersection(*line, *plane);
        meet->Name = "M";
        TFigure* vector = scene.AddLineFigure(FigureKind::Vector, p, q, 0);
        scene.AddImagePoint(s, Morph{MorphKind::Translation, vector, nullptr, 0});
        scene.AddImagePoint(s, Morph{MorphKind::Homothety, nullptr, &p, -1.5});
        scene.AddImagePoint(s, Morph{MorphKind::Rotation, line, nullptr, 30});
        scene.AddImagePoint(s, Morph{MorphKind::Mirror, plane, nullptr, 0});
        scene.AddDistance(p, *meet);
        scene.AddAngle(a, b, c);
    }
};

} // namespace

TEST(SpaceRecords, WritesTheDocumentedLines)
{
    SpaceScene scene;
    SpaceView view;
    TPoint& a = scene.AddPoint({1, 2, 0});
    a.Name = "A";
    scene.AddPoint({-1, 0, 0}).Name = "B";
    TFigure* segment = scene.AddLineFigure(FigureKind::Segment, a, *scene.Points()[1], 0);
    scene.AddPointOn(*segment, {0, 1, 0});
    scene.AddDistance(a, *scene.Points()[2]);
    const QStringList expected = Lines({
        "40 0 0",
        "TPoint:  1.00000000000000E+0000  2.00000000000000E+0000  0.00000000000000E+0000 TRUE A",
        "TPoint: -1.00000000000000E+0000  0.00000000000000E+0000  0.00000000000000E+0000 TRUE B",
        "TPoint:  0.00000000000000E+0000  1.00000000000000E+0000  0.00000000000000E+0000 TRUE ",
        "TSegment: TRUE 0 0 1",
        "Parents: 2 0 -1 0",
        "TDistance: 0 2",
    });
    EXPECT_EQ(WriteSpaceSection(scene, view), expected);
}

TEST(SpaceRecords, SavingLoadingAndSavingAgainGivesTheSameLines)
{
    SampleScene sample;
    const QStringList lines = WriteSpaceSection(sample.scene, sample.view);
    SpaceSection section = ReadSpaceSection(lines);
    SpaceView view(800, 600);
    view.SetScale(section.Scale);
    view.SetCenter(section.CenterX, section.CenterY);
    EXPECT_EQ(WriteSpaceSection(section.Scene, view), lines);

    const SpaceScene& scene = section.Scene;
    EXPECT_EQ(scene.Points()[0]->Name, "  вершина  A ");
    EXPECT_FALSE(scene.Points()[7]->Visible);
    EXPECT_TRUE(lines.contains("Morphing: 16 14 3  9")) << lines.join('\n').toStdString();
    const auto* cut = dynamic_cast<const TPlaneCut*>(scene.Figures()[6].get());
    ASSERT_TRUE(cut);
    EXPECT_GE(cut->Outline.size(), 3u) << "the section's polygon is there again after loading";

    // The loaded relations work: an image point follows its source.
    SpaceSection again = ReadSpaceSection(lines);
    TPoint& s = *again.Scene.Points()[14];
    TPoint& shifted = *again.Scene.Points()[16];
    again.Scene.MovePoint(s, 5, 5);
    EXPECT_NEAR(shifted.X, 5, 1e-12);
    EXPECT_NEAR(shifted.Y, 7, 1e-12);
}

TEST(SpaceRecords, APointThatIsNotThereIsSavedWhereItWasLastAndStaysAway)
{
    SpaceScene scene;
    TPoint& p0 = scene.AddPoint({0, 0, 0});
    TPoint& p1 = scene.AddPoint({0, 1, 0});
    TPoint& p2 = scene.AddPoint({1, 0, 1});
    TFigure* plane = scene.AddPlaneFigure(FigureKind::Plane, {&p0, &p1, &p2}, 0);
    TPoint& a = scene.AddPoint({0, 0.5, 1});
    TPoint& b = scene.AddPoint({1, 0.5, 1});
    TFigure* line = scene.AddLineFigure(FigureKind::Line, a, b, 0);
    ASSERT_TRUE(scene.AddIntersection(*line, *plane));
    scene.MovePoint(p1, 1, 0);
    const QStringList lines = WriteSpaceSection(scene, SpaceView());
    EXPECT_EQ(lines[6], "TPoint:  1.00000000000000E+0000  5.00000000000000E-0001  1.00000000000000E+0000 TRUE ");
    EXPECT_EQ(lines.last(), "Parents: 5 1 0 -1");
    const SpaceSection section = ReadSpaceSection(lines);
    EXPECT_FALSE(section.Scene.Points()[5]->Present);
    EXPECT_EQ(WriteSpaceSection(section.Scene, SpaceView()), lines);
}

TEST(SpaceRecords, PassesOverLinesItDoesNotKnow)
{
    const SpaceSection section = ReadSpaceSection(Lines({"20 1 2", "", "TCircle: 1 2 3",
                                                          "TPoint: 1 2 3 FALSE", "  "}));
    EXPECT_EQ(section.Scale, 20);
    EXPECT_EQ(section.CenterY, 2);
    ASSERT_EQ(section.Scene.Points().size(), 1u);
    EXPECT_FALSE(section.Scene.Points()[0]->Visible);
    EXPECT_EQ(section.Scene.Points()[0]->Name, "");
}

TEST(SpaceRecords, RefusesHostileRecordsNamingTheLine)
{
    // Three points, a segment 0-1 (figure 0), a plane 0-1-2 (figure 1) and a
    // face 0-1-2 (figure 2), then the record under test on line 10.
    const char* head[] = {
        "40 0 0",
        "TPoint: 0 0 0 TRUE A",
        "TPoint: 1 0 0 TRUE B",
        "TPoint: 0 1 0 TRUE C",
        "TPoint: 0 0 1 TRUE D",
        "TSegment: TRUE 0 0 1",
        "TPlane: TRUE 0 0 1 2",
        "TGrane: TRUE 0 0 1 2 0",
        "TLine: TRUE 0 2 3",
    };
    const struct { const char* record; const char* why; } cases[] = {
        {"Parents: 0 0 -1 0", "a point on a segment through itself"},
        {"Parents: 2 1 -1 0", "a point on a plane through itself"},
        {"Parents: 3 0 3 1", "a meeting point of a line through itself"},
        {"Parents: 9 0 -1 0", "point index out of range"},
        {"Parents: -1 0 -1 0", "negative point index"},
        {"Parents: 3 7 -1 0", "figure index out of range"},
        {"Parents: 3 1 0 1", "a plane in the line slot, line second"},
        {"Parents: 3 2 1 1", "a face in the line slot"},
        {"Parents: 3 0 0 1", "a line meeting itself"},
        {"Parents: 3 -1 0 1", "a second base without a first"},
        {"Parents: 3 0 -1 5", "a meet flag that is not 0, 1 or -1"},
        {"Parents: 3 0 -1 0 7", "more than a record holds"},
        {"Parents: 3 0 -1", "a record cut short"},
        {"Morphing: 1 0 7  0", "an unknown transformation"},
        {"Morphing: 1 1 4  0 2", "an image of itself"},
        {"Morphing: 1 2 4  0 2", "an image of a later point"},
        {"Morphing: 3 0 2  0", "a mirror that is a segment"},
        {"Morphing: 3 0 3  1", "a shift that is a plane"},
        {"Morphing: 3 0 1  1 45", "an axis that is a plane"},
        {"Morphing: 3 0 4  3 2", "a homothety about itself"},
        {"Morphing: 3 0 1  0 nan", "an angle that is not a number"},
        {"TGrane: TRUE 0 0 1", "a face of two vertices"},
        {"TGrane: TRUE 0 0 1 0", "a face of two different vertices"},
        {"TGrane: TRUE 0", "a face without vertices"},
        {"TPlane: TRUE 0 0 1 2 3", "a plane of four points"},
        {"TPlaneCut: TRUE 0 0 1", "a section of two points"},
        {"TSegment: TRUE 0 1 1", "a segment from a point to itself"},
        {"TSegment: TRUE 0 1 4", "an end out of range"},
        {"TSegment: TRUE 16777216 0 1", "a colour beyond 24 bits"},
        {"TSegment: yes 0 0 1", "a flag that is neither TRUE nor FALSE"},
        {"TVector: TRUE 0 0", "a vector without its tip"},
        {"TDistance: 0 4", "a distance to a missing point"},
        {"TAngle: 0 1", "an angle of two points"},
        {"TPoint: 1 2 inf TRUE", "a coordinate that is not finite"},
        {"TPoint: 1 2 TRUE", "a point without its depth"},
    };
    for (const auto& c : cases) {
        QStringList lines;
        for (const char* line : head) lines.append(QString::fromUtf8(line));
        lines.append(QString::fromUtf8(c.record));
        try {
            ReadSpaceSection(lines, 2);
            ADD_FAILURE() << "accepted: " << c.why;
        } catch (const SectionFormatError& error) {
            EXPECT_EQ(error.Line(), 11) << c.why;
            EXPECT_FALSE(error.Reason().isEmpty());
        }
    }
    // The head on its own is a good section.
    QStringList good;
    for (const char* line : head) good.append(QString::fromUtf8(line));
    EXPECT_EQ(ReadSpaceSection(good).Scene.Figures().size(), 4u);
}

TEST(SpaceRecords, RefusesABadHeaderAndTwoRelationsForOnePoint)
{
    for (const char* header : {"", "40 0", "0 0 0", "-3 0 0", "nan 0 0", "40 x 0"})
        EXPECT_THROW(ReadSpaceSection(Lines({header})), SectionFormatError) << header;
    EXPECT_THROW(ReadSpaceSection(Lines({"40 0 0", "TPoint: 0 0 0 TRUE", "TPoint: 1 0 0 TRUE",
                                         "TPoint: 2 1 0 TRUE", "TSegment: TRUE 0 0 1",
                                         "Parents: 2 0 -1 0", "Parents: 2 0 -1 0"})),
                 SectionFormatError);
    // Views and coordinates far out are brought within bounds.
    const SpaceSection far = ReadSpaceSection(Lines({"1e300 1e300 -1e300", "TPoint: 1e300 0 0 TRUE"}));
    EXPECT_EQ(far.Scale, SpaceView::kMaxScale);
    EXPECT_EQ(far.CenterY, -SpaceView::kMaxCentre);
    EXPECT_LT(far.Scene.Points()[0]->X, 1e13);
}

TEST(SpaceRecords, WhetherAPointIsThereComesFromTheFileSoItReadsBackTheSame)
{
    // The meeting point's lines do meet and the segment is fine, but both
    // points were not there when saved (rounded numbers could differ from
    // what was computed then): they stay away, and so does what is built on them.
    const QStringList lines = Lines({
        "40 0 0",
        "TPoint:  0.00000000000000E+0000  0.00000000000000E+0000  0.00000000000000E+0000 TRUE ",
        "TPoint:  2.00000000000000E+0000  0.00000000000000E+0000  0.00000000000000E+0000 TRUE ",
        "TPoint:  1.00000000000000E+0000 -1.00000000000000E+0000  0.00000000000000E+0000 TRUE ",
        "TPoint:  1.00000000000000E+0000  1.00000000000000E+0000  0.00000000000000E+0000 TRUE ",
        "TPoint:  1.00000000000000E+0000  0.00000000000000E+0000  0.00000000000000E+0000 TRUE X",
        "TPoint:  5.00000000000000E-0001  0.00000000000000E+0000  0.00000000000000E+0000 TRUE Y",
        "TLine: TRUE 0 0 1",
        "TLine: TRUE 0 2 3",
        "TSegment: TRUE 0 4 0",
        "Parents: 4 0 1 -1",
        "Parents: 5 0 -1 -1",
        "TDistance: 4 5",
    });
    const SpaceSection section = ReadSpaceSection(lines);
    const auto& points = section.Scene.Points();
    EXPECT_FALSE(points[4]->Present);
    EXPECT_FALSE(points[5]->Present);
    EXPECT_FALSE(section.Scene.Figures()[2]->Present());
    EXPECT_FALSE(section.Scene.Measures()[0]->Present());
    EXPECT_EQ(WriteSpaceSection(section.Scene, SpaceView()), lines);
}

TEST(SpaceRecords, FarPointsStayWithinTheBoundAfterTurningAndReadBackTheSame)
{
    SpaceScene scene;
    TPoint& far = scene.AddPoint({1e300, -1e12, 5});
    scene.TurnAboutZ(45);
    EXPECT_LE(std::abs(far.X), kMaxCoordinate);
    EXPECT_LE(std::abs(far.Y), kMaxCoordinate);
    scene.MovePoint(far, 1e20, std::nan(""));
    EXPECT_LE(std::abs(far.X), kMaxCoordinate) << "a move to nowhere leaves the point";
    const QStringList lines = WriteSpaceSection(scene, SpaceView());
    const SpaceSection section = ReadSpaceSection(lines);
    EXPECT_EQ(WriteSpaceSection(section.Scene, SpaceView()), lines);
}
