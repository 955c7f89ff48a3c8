#include "plane/planerecords.h"
#include <gtest/gtest.h>
#include <cmath>

using namespace plane;
using geometry::Vec2;

namespace {

const QString kA = QStringLiteral("TPoint:  0.00000000000000E+0000  0.00000000000000E+0000 TRUE A");
const QString kB = QStringLiteral("TPoint:  1.00000000000000E+0000  1.00000000000000E+0000 TRUE B");
const QString kC = QStringLiteral("TPoint:  0.00000000000000E+0000  2.00000000000000E+0000 TRUE C");
const QString kD = QStringLiteral("TPoint:  2.00000000000000E+0000  0.00000000000000E+0000 TRUE D");

QString ReadError(const QStringList& lines)
{
    try {
        ReadPlaneSection(lines, 10);
    } catch (const SceneFormatError& error) {
        return error.message();
    }
    return {};
}

// A line-based stand-in for the lab file reader.
struct Lines {
    QStringList lines;
    qsizetype next = 0;
    bool atEnd() const { return next >= lines.size(); }
    QString readLine() { return lines[next++]; }
};

} // namespace

TEST(PlaneRecords, SectionIsWrittenInTheFileFormat)
{
    PlaneScene scene;
    TPoint* a = scene.AddPoint({1, 2});
    a->SetName(QStringLiteral("A"));
    TPoint* b = scene.AddPoint({-3, 0});
    b->SetName(QStringLiteral("B"));
    scene.AddSegment(a, b);
    scene.AddDistance(a, b);
    scene.SetParam(0, 2);
    scene.SetParam(10, -0.5);
    PlaneView view(400, 300);
    const QStringList expected = {
        QStringLiteral("40 0 0 a=2 k=-0.5"),
        QStringLiteral("TPoint:  1.00000000000000E+0000  2.00000000000000E+0000 TRUE A"),
        QStringLiteral("TPoint: -3.00000000000000E+0000  0.00000000000000E+0000 TRUE B"),
        QStringLiteral("TSegment: TRUE 0 0 1"),
        QStringLiteral("TDistance: 0 1"),
    };
    EXPECT_EQ(WritePlaneSection(scene, view), expected);
    EXPECT_EQ(FormatRecordReal(-2147483647), QStringLiteral("-2.14748364700000E+0009"));
    EXPECT_EQ(FormatRecordReal(1.5e-300), QStringLiteral(" 1.50000000000000E-0300"));
    EXPECT_EQ(FormatRecordReal(-0.0), QStringLiteral(" 0.00000000000000E+0000"));
    PlaneScene empty;
    view.SetScale(2.5);
    view.SetCenter(-3.25, 0.5);
    EXPECT_EQ(WritePlaneSection(empty, view), QStringList{QStringLiteral("2.5 -3.25 0.5")});
}

TEST(PlaneRecords, EveryObjectSurvivesWriteAndRead)
{
    PlaneScene scene;
    TPoint* a = scene.AddPoint({0, 0});
    a->SetName(QStringLiteral("Точка  A 1"));
    TPoint* b = scene.AddPoint({1, 1});
    b->SetName(QStringLiteral("AB"));
    TPoint* c = scene.AddPoint({0, 2});
    TPoint* d = scene.AddPoint({2, 0});
    c->Visible = false;
    TLine* ab = scene.AddLine(a, b);
    scene.DrawColor = base::colour::kRed;
    TLuch* cd = scene.AddLuch(c, d);
    TCircle1* circle = scene.AddCircle1(a, 1.5);
    TCircle2* through = scene.AddCircle2(b, d);
    TVector* vector = scene.AddVector(a, c);
    scene.AddSegment0(b, scene.AddPoint({3, 3}));
    TPolygon* polygon = scene.AddRegularPolygon({5, 5}, 6, 1);
    polygon->Caption = QStringLiteral("a·b");
    TPoint* meet = scene.AddPointOn({1, 1}, ab, cd);
    scene.AddPointOn({1, 0}, circle, ab); // circle first
    scene.AddPointOn({1, 0}, through);
    scene.RotationCenter = a;
    scene.SetRotationAngle(30);
    scene.MakeImage(d, MorphKind::Rotation);
    scene.SymmetryAxis = ab;
    scene.MakeImage(d, MorphKind::AxialSymmetry);
    scene.HomothetyCenter = b;
    scene.SetHomothetyFactor(-1.5);
    scene.MakeImage(c, MorphKind::Homothety);
    scene.ShiftVector = vector;
    scene.MakeImage(d, MorphKind::Translation);
    scene.AddAngle(b, a, c);
    scene.AddDistance(meet, d);
    scene.Erase(scene.AddCircle2(c, d));
    PlaneView view(400, 300);
    view.SetScale(30);
    view.SetCenter(1.25, -2);
    const QStringList saved = WritePlaneSection(scene, view);
    EXPECT_TRUE(saved.last().startsWith(QStringLiteral("TDistance: ")));
    EXPECT_TRUE(saved.filter(QStringLiteral("TPolygon:")).first().endsWith(QStringLiteral(" &a·b")));

    PlaneSection read = ReadPlaneSection(saved);
    EXPECT_EQ(read.Scale, 30);
    EXPECT_EQ(read.CenterX, 1.25);
    EXPECT_EQ(read.CenterY, -2);
    EXPECT_EQ(read.Scene.Point(0)->Name(), QStringLiteral("Точка  A 1"));
    EXPECT_EQ(read.Scene.Point(1)->Name(), QStringLiteral("AB"));
    // A name can never break its record's line.
    PlaneScene other;
    TPoint* broken = other.AddPoint({0, 0});
    broken->SetName(QStringLiteral(" M\r\nN\t"));
    EXPECT_EQ(broken->Name(), QStringLiteral("M  N"));
    EXPECT_FALSE(read.Scene.Point(2)->Visible);
    EXPECT_EQ(read.Scene.Figure(1)->Color, base::colour::kRed);
    view.SetScale(read.Scale);
    view.SetCenter(read.CenterX, read.CenterY);
    EXPECT_EQ(WritePlaneSection(read.Scene, view), saved);

    // The intersection still follows its lines after reading.
    PlaneScene& copy = read.Scene;
    copy.MovePoint(copy.Point(3), {4, 0});
    const TPoint* copiedMeet = copy.Point(meet->Index());
    EXPECT_NEAR(copiedMeet->X(), 4.0 / 3, 1e-12);
    EXPECT_NEAR(copiedMeet->Y(), 4.0 / 3, 1e-12);
}

TEST(PlaneRecords, MissingPointsStayMissingAndAreNeverWrittenFarAway)
{
    PlaneScene scene;
    TPoint* a = scene.AddPoint({0, 0});
    TPoint* b = scene.AddPoint({1, 0});
    TPoint* c = scene.AddPoint({0, 1});
    TPoint* d = scene.AddPoint({1, 1});
    TLine* first = scene.AddLine(a, b);
    TLine* second = scene.AddLine(c, d);
    TPoint* meet = scene.AddPointOn({0, 0}, first, second);
    ASSERT_FALSE(meet->Exists());
    const QStringList saved = WritePlaneSection(scene, PlaneView());
    EXPECT_FALSE(saved.join(u'\n').contains(QStringLiteral("E+0009")));
    PlaneSection read = ReadPlaneSection(saved);
    EXPECT_FALSE(read.Scene.Point(4)->Exists());
    read.Scene.MovePoint(read.Scene.Point(3), {1, 2});
    EXPECT_TRUE(read.Scene.Point(4)->Exists());
    EXPECT_NEAR(read.Scene.Point(4)->Y(), 0, 1e-12);
}

TEST(PlaneRecords, CircleListedFirstIsStillACircle)
{
    const QStringList lines = {
        QStringLiteral("40 0 0"), kA, QStringLiteral("TPoint: 0 1 TRUE"), QStringLiteral("TPoint: 1 0 TRUE"),
        QStringLiteral("TPoint: 1 0 TRUE X"), QStringLiteral("TCircle2: TRUE 0 0 1"), QStringLiteral("TLine: TRUE 0 0 2"),
        QStringLiteral("Parents: 3 0 1 2"),
    };
    PlaneSection read = ReadPlaneSection(lines);
    read.Scene.MovePoint(read.Scene.Point(1), {0, 2});
    EXPECT_NEAR(read.Scene.Point(3)->X(), 2, 1e-12);
    EXPECT_NEAR(read.Scene.Point(3)->Y(), 0, 1e-12);
}

TEST(PlaneRecords, OtherRecordsArePassedOverAndAnEmptyLineEndsTheSection)
{
    const QStringList lines = {QStringLiteral("40 0 0"), kA, QStringLiteral("TFunctionFormula: =255 0 1 [x]"),
                               QStringLiteral("Something else"), QString(), kB};
    EXPECT_EQ(ReadPlaneSection(lines).Scene.PointCount(), 1);
    Lines reader{lines};
    EXPECT_EQ(TakeSectionLines(reader).size(), 4);
    EXPECT_EQ(reader.readLine(), kB); // the next section starts after the empty line
}

TEST(PlaneRecords, HostileSectionsAreRefusedWithTheirLine)
{
    struct Case {
        QStringList lines;
        QString message;
    };
    const QString header = QStringLiteral("40 0 0");
    const QString line = QStringLiteral("TLine: TRUE 0 0 1");
    const Case cases[] = {
        {{}, QStringLiteral("Строка 10: нет строки с масштабом и центром")},
        {{QStringLiteral("0 0 0")}, QStringLiteral("Строка 10: масштаб должен быть больше нуля")},
        {{QStringLiteral("-40 0 0")}, QStringLiteral("Строка 10: масштаб должен быть больше нуля")},
        {{QStringLiteral("nan 0 0")}, QStringLiteral("Строка 10: «nan» не является числом")},
        {{QStringLiteral("40 inf 0")}, QStringLiteral("Строка 10: «inf» не является числом")},
        {{QStringLiteral("40 0 0x1p3")}, QStringLiteral("Строка 10: «0x1p3» не является числом")},
        {{QStringLiteral("40 0 1e999")}, QStringLiteral("Строка 10: «1e999» не является числом")},
        {{QStringLiteral("40 0 0,5")}, QStringLiteral("Строка 10: «0,5» не является числом")},
        {{QStringLiteral("40 0 0 A=2")}, QStringLiteral("Строка 10: «A» не является именем параметра")},
        {{QStringLiteral("40 0 0 =2")}, QStringLiteral("Строка 10: «» не является именем параметра")},
        {{QStringLiteral("40 0 0 b=NaN")}, QStringLiteral("Строка 10: значение параметра b не является числом")},
        {{header, QStringLiteral("TPoint: 1 INF TRUE")}, QStringLiteral("Строка 11: «INF» не является числом")},
        {{header, QStringLiteral("TPoint: 1")}, QStringLiteral("Строка 11: не хватает значений")},
        {{header, kA, QStringLiteral("TLine: TRUE 0 0 1")}, QStringLiteral("Строка 12: нет точки с номером 1 среди прочитанных выше (их 1)")},
        {{header, kA, QStringLiteral("TLine: TRUE 0 -1 0")}, QStringLiteral("Строка 12: нет точки с номером -1 среди прочитанных выше (их 1)")},
        {{header, kA, kB, QStringLiteral("TLine: TRUE 16777216 0 1")}, QStringLiteral("Строка 13: цвет 16777216 вне диапазона")},
        {{header, kA, kB, QStringLiteral("TSegment0: TRUE 0 1 1")}, QStringLiteral("Строка 13: концы отрезка постоянной длины совпадают или слишком далеки друг от друга")},
        {{header, kA, kB, QStringLiteral("TSegment0: TRUE 0 0 1"), QStringLiteral("TSegment0: TRUE 0 1 0")},
         QStringLiteral("Строка 14: точка 0 зависела бы сама от себя")},
        {{header, kA, QStringLiteral("TCircle1: TRUE 0 0 -1")}, QStringLiteral("Строка 12: радиус окружности меньше нуля")},
        {{header, kA, QStringLiteral("TCircle2: TRUE 0 0 0")}, QStringLiteral("Строка 12: окружность проходит через свой центр")},
        {{header, QStringLiteral("TPolygon: TRUE 0 0 0 1 0 nan 1 0 0 &x")}, QStringLiteral("Строка 11: у многоугольника меньше трёх вершин")},
        // A point on a line through itself, a figure read later, a polygon as a carrier.
        {{header, kA, kB, line, QStringLiteral("Parents: 0 0 -1 0")}, QStringLiteral("Строка 14: точка 0 зависела бы сама от себя")},
        {{header, kA, kB, line, QStringLiteral("Parents: 0 1 -1 0")}, QStringLiteral("Строка 14: нет фигуры с номером 1 среди прочитанных выше (их 1)")},
        {{header, kA, kB, QStringLiteral("TPolygon: TRUE 0 0 0 1 0 0 1"), QStringLiteral("Parents: 0 0 -1 0")}, QStringLiteral("Строка 14: фигура 0 не прямая и не окружность")},
        {{header, kA, kB, kC, line, QStringLiteral("Parents: 2 -1 0 0")}, QStringLiteral("Строка 15: вторая фигура пересечения без первой")},
        {{header, kA, kB, kC, line, QStringLiteral("Parents: 2 0 0 3")}, QStringLiteral("Строка 15: номер корня 3 не 0, 1 или 2")},
        // Image links: a cycle of two points, a wrong kind, an unknown transformation.
        {{header, kA, kB, QStringLiteral("Morphing: 0 1 5 1 1"), QStringLiteral("Morphing: 1 0 5 1 1")}, QStringLiteral("Строка 14: точка 1 зависела бы сама от себя")},
        {{header, kA, QStringLiteral("Morphing: 0 0 3 0  2.0E+0000")}, QStringLiteral("Строка 12: точка 0 зависела бы сама от себя")},
        {{header, kA, kB, kC, line, QStringLiteral("Morphing: 2 0 4 0")}, QStringLiteral("Строка 15: фигура 0 не вектор")},
        {{header, kA, kB, kC, QStringLiteral("TCircle1: TRUE 0 0 1"), QStringLiteral("Morphing: 2 0 2 0")}, QStringLiteral("Строка 15: фигура 0 не прямая, луч или отрезок")},
        {{header, kA, kB, QStringLiteral("Morphing: 1 0 6 0 1")}, QStringLiteral("Строка 13: неизвестный вид преобразования 6")},
        {{header, kA, kB, QStringLiteral("Morphing: 1 0 257 0 1")}, QStringLiteral("Строка 13: неизвестный вид преобразования 257")},
        {{header, kA, kB, QStringLiteral("Morphing: 1 0 1 0 nan")}, QStringLiteral("Строка 13: «nan» не является числом")},
        {{header, kA, QStringLiteral("TAngle: 0 0 1")}, QStringLiteral("Строка 12: нет точки с номером 1 среди прочитанных выше (их 1)")},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadError(c.lines), c.message) << c.lines.join(u'|').toStdString();
}

TEST(PlaneRecords, ReadingOnlyWhatTheFormatAllows)
{
    // Plain forms of numbers read as the runtime reads them; anything TRUE-less is hidden.
    PlaneSection read = ReadPlaneSection({QStringLiteral("  1e-9   +3.5 -0  "),
                                          QStringLiteral("TPoint:   2   -1.5E+0001   yes   A   B  "),
                                          QStringLiteral("TPolygon: TRUE 255 0 0 1 0 0 1 0 0 &")});
    EXPECT_EQ(read.Scale, 1e-9); // the view brings it within its bounds
    EXPECT_EQ(read.CenterX, 3.5);
    const TPoint* point = read.Scene.Point(0);
    EXPECT_EQ(point->Position(), (Vec2{2, -15}));
    EXPECT_FALSE(point->Visible);
    EXPECT_EQ(point->Name(), QStringLiteral("A   B"));
    const auto* polygon = static_cast<const TPolygon*>(read.Scene.Figure(0));
    EXPECT_EQ(polygon->Vertices.size(), 3u);
    EXPECT_EQ(polygon->Color, base::colour::kRed);
    EXPECT_TRUE(polygon->Caption.isEmpty());
    PlaneView view;
    EXPECT_TRUE(view.SetScale(read.Scale));
    EXPECT_EQ(view.Scale(), PlaneView::kMinScale);
}

TEST(PlaneRecords, LongDependencyChainsReadWithoutRecursion)
{
    QStringList lines{QStringLiteral("40 0 0")};
    const int count = 20000;
    for (int i = 0; i < count; ++i) lines << QStringLiteral("TPoint: %1 0 TRUE").arg(i);
    // Links from the far end back: each new link lands on a long chain.
    for (int i = count - 1; i > 0; --i) lines << QStringLiteral("Morphing: %1 %2 5 1 0").arg(i).arg(i - 1);
    PlaneSection read = ReadPlaneSection(lines);
    read.Scene.MovePoint(read.Scene.Point(0), {10, 1});
    EXPECT_EQ(read.Scene.Point(count - 1)->Position(), (Vec2{10 + count - 1, 1}));
    // Closing the chain into a ring is refused at the record that closed it.
    lines << QStringLiteral("Parents: 0 0 -1 0");
    lines.insert(count + 1, QStringLiteral("TSegment: TRUE 0 %1 %2").arg(count - 2).arg(count - 1));
    EXPECT_EQ(ReadError(lines), QStringLiteral("Строка %1: точка 0 зависела бы сама от себя").arg(10 + lines.size() - 1));
}

TEST(PlaneRecords, PointsMayDependOnPointsListedAfterThem)
{
    // Order of recomputation comes from the dependencies, not from the list.
    const QStringList lines = {QStringLiteral("40 0 0"), QStringLiteral("TPoint: 1 5 TRUE M"),
                               QStringLiteral("TPoint: 0 0 TRUE A"), QStringLiteral("TPoint: 2 0 TRUE B"),
                               QStringLiteral("TSegment: TRUE 0 1 2"), QStringLiteral("Morphing: 0 2 3 1 0.5"),
                               QStringLiteral("TPoint: 9 9 TRUE N"), QStringLiteral("Parents: 3 0 -1 0")};
    PlaneSection read = ReadPlaneSection(lines);
    PlaneScene& scene = read.Scene;
    scene.MovePoint(scene.Point(2), {4, 2});
    EXPECT_EQ(scene.Point(0)->Position(), (Vec2{2, 1}));
    scene.MovePoint(scene.Point(3), {3, 3});
    EXPECT_NEAR(scene.Point(3)->X(), 3.6, 1e-12);
    EXPECT_NEAR(scene.Point(3)->Y(), 1.8, 1e-12);
}
