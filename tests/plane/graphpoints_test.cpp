// Points on graphs: built by a click near a graph, they take the graph's
// value at their x, follow the graph when it changes, are not there where
// it has no value, become free when it is deleted, and keep their link in
// lab files.
#include "plane/interaction.h"
#include "plane/planerecords.h"
#include "plane/planetools.h"
#include <gtest/gtest.h>
#include <cmath>

using namespace plane;
using geometry::Vec2;

namespace {

constexpr base::Bgr kColour = base::colour::kBlue;

class SilentHost : public InteractionHost {
public:
    std::optional<QString> AskName(const QString&) override { return std::nullopt; }
    std::optional<std::pair<QString, QString>> AskCoordinates(const QString&, const QString&) override { return std::nullopt; }
    void ShowMessage(const QString&) override {}
    QSize TextSize(const QString& text) const override { return QSize(7 * int(text.size()), 14); }
};

class GraphPoints : public ::testing::Test {
protected:
    GraphPoints() : view(400, 300), plane(scene, view, host)
    {
        plane.Algebra = &list;
        list.SetOnRemove([this](const TAlgebra& object) {
            if (IsFunction(object.Kind())) scene.ReleaseGraph(static_cast<const TFunction*>(&object));
            plane.ForgetAlgebra(object);
        });
    }
    QPoint Pixel(Vec2 world) const { return {view.ToScreenX(world.x), view.ToScreenY(world.y)}; }
    void Hover(Vec2 world) { plane.MouseMove(false, false, Pixel(world)); }
    void Click(Vec2 world)
    {
        Hover(world);
        plane.MouseDown(MouseButton::Left, Pixel(world));
        plane.MouseUp(MouseButton::Left, Pixel(world));
    }
    TFunctionFormula* Formula(const char* text) { return list.AddFormula(QString::fromUtf8(text), scene, kColour); }

    SilentHost host;
    PlaneScene scene;
    PlaneView view;
    FunctionList list;
    PlaneInteraction plane;
};

} // namespace

TEST_F(GraphPoints, PointToolBuildsAPointOnTheGraphUnderTheMouse)
{
    TFunction* parabola = Formula("[x*x]");
    plane.SetTool(kToolPoint);
    // Near the graph (0.1 below it, within the 0.25 tolerance): onto the graph, not onto the grid.
    Click({1.3, 1.59});
    ASSERT_EQ(scene.PointCount(), 1);
    TPoint* onGraph = scene.Point(0);
    EXPECT_EQ(onGraph->Graph(), parabola);
    EXPECT_FALSE(onGraph->IsFree());
    EXPECT_NEAR(onGraph->X(), view.ToWorldX(Pixel({1.3, 1.59}).x()), 1e-12);
    EXPECT_DOUBLE_EQ(onGraph->Y(), onGraph->X() * onGraph->X());
    // Far from it: a free point on the grid.
    Click({-2.2, 2.9});
    ASSERT_EQ(scene.PointCount(), 2);
    EXPECT_EQ(scene.Point(1)->Graph(), nullptr);
    EXPECT_EQ(scene.Point(1)->Position(), (Vec2{-2, 3}));
}

TEST_F(GraphPoints, GraphUnderTheMouseIsTheNearestPlainGraphWithinTheTolerance)
{
    TFunction* low = Formula("[x]");
    TFunction* high = Formula("[x+0.25]");
    TFunction* shaded = Formula("[x+0.1]");
    shaded->SetRelation(TAlgebra::kLess); // an inequality is never under the mouse
    struct Case {
        Vec2 at;
        TFunction* expected;
    };
    const Case cases[] = {
        // The mouse lies on whole pixels: y in steps of 1/40.
        {{1, 1.05}, low},     // 0.05 from x, 0.2 from x + 0.25
        {{1, 1.175}, high},   // 0.075 from x + 0.25
        {{1, 1.125}, low},    // as near to both: the first in the list
        {{1, 1.6}, nullptr},  // beyond the tolerance of either
        {{1, 0.8}, low},
    };
    for (const Case& c : cases) {
        Hover(c.at);
        EXPECT_EQ(plane.HotFunction(), c.expected) << c.at.x << ", " << c.at.y;
        EXPECT_EQ(plane.Options().HotFunction, c.expected);
    }
    // Outside its domain a graph is not under the mouse.
    low->SetDomain(2, 3);
    high->SetDomain(2, 3);
    Hover({1, 1.05});
    EXPECT_EQ(plane.HotFunction(), nullptr);
}

TEST_F(GraphPoints, PointFollowsItsGraphAndItsDependantsFollowThePoint)
{
    TFunctionFormula* line = Formula("[a*x]");
    TPoint* p = scene.AddPointOnGraph({2, 0}, line);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->Position(), (Vec2{2, 2}));
    TPoint* q = scene.AddPoint({0, 0});
    TSegment* segment = scene.AddSegment(q, p);
    TPoint* middle = scene.AddMidpoint(segment);
    EXPECT_FALSE(scene.FollowGraphs()); // nothing changed yet

    // A parameter step.
    ASSERT_TRUE(list.StepParameter(scene, QStringLiteral("a"), 0.5).Done);
    EXPECT_TRUE(scene.FollowGraphs());
    EXPECT_EQ(p->Position(), (Vec2{2, 3}));
    EXPECT_EQ(middle->Position(), (Vec2{1, 1.5}));

    // The domain: outside it the point is not there, and it comes back at the same x.
    line->SetDomain(-1, 1);
    scene.FollowGraphs();
    EXPECT_FALSE(p->Exists());
    EXPECT_EQ(p->X(), 2);
    line->SetDomain(0, 5);
    scene.FollowGraphs();
    EXPECT_TRUE(p->Exists());
    EXPECT_EQ(p->Position(), (Vec2{2, 3}));

    // Dragging slides it along the graph.
    scene.MovePoint(p, {4, -7});
    EXPECT_EQ(p->Position(), (Vec2{4, 6}));
    EXPECT_EQ(middle->Position(), (Vec2{2, 3}));
}

TEST_F(GraphPoints, PointIsNotThereWhereItsGraphHasNoValueAndComesBack)
{
    TFunctionFormula* root = Formula("[sqrt[][x-a]]");
    TPoint* p = scene.AddPointOnGraph({2, 5}, root);
    EXPECT_TRUE(p->Exists());
    EXPECT_DOUBLE_EQ(p->Y(), 1);
    list.SetParameter(scene, QStringLiteral("a"), QStringLiteral("3"));
    scene.FollowGraphs();
    EXPECT_FALSE(p->Exists());
    list.SetParameter(scene, QStringLiteral("a"), QStringLiteral("-2"));
    scene.FollowGraphs();
    EXPECT_TRUE(p->Exists());
    EXPECT_EQ(p->Position(), (Vec2{2, 2}));
    // Built where there is no value: not there from the start.
    EXPECT_FALSE(scene.AddPointOnGraph({-5, 0}, root)->Exists());
}

TEST_F(GraphPoints, PointOnADerivedGraphFollowsItsSource)
{
    TFunctionFormula* source = Formula("[k*x*x]");
    TDerivative* shifted = list.AddDerivative(*source, DerivedType::ShiftY, 1, kColour);
    TPoint* p = scene.AddPointOnGraph({1, 0}, shifted);
    EXPECT_DOUBLE_EQ(p->Y(), 2);
    list.SetParameter(scene, QStringLiteral("k"), QStringLiteral("3"));
    EXPECT_TRUE(scene.FollowGraphs());
    EXPECT_DOUBLE_EQ(p->Y(), 4);
}

TEST_F(GraphPoints, DeletingAGraphFreesThePointsOnItAndOnGraphsDerivedFromIt)
{
    TFunctionFormula* source = Formula("[x]");
    TDerivative* derived = list.AddDerivative(*source, DerivedType::ReflectX, 0, kColour);
    TFunctionFormula* other = Formula("[sqrt[][x-a]]");
    TPoint* onSource = scene.AddPointOnGraph({1, 0}, source);
    TPoint* onDerived = scene.AddPointOnGraph({2, 0}, derived);
    TPoint* onOther = scene.AddPointOnGraph({3, 0}, other);
    list.SetParameter(scene, QStringLiteral("a"), QStringLiteral("10")); // onOther not there
    scene.FollowGraphs();
    ASSERT_FALSE(onOther->Exists());
    Hover({1, 1});
    ASSERT_EQ(plane.HotFunction(), source);

    list.Delete(source); // and the derived graph with it
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(plane.HotFunction(), nullptr);
    EXPECT_TRUE(onSource->IsFree());
    EXPECT_TRUE(onDerived->IsFree());
    EXPECT_EQ(onSource->Position(), (Vec2{1, 1}));
    EXPECT_EQ(onDerived->Position(), (Vec2{2, -2}));
    // A free point can be moved anywhere now.
    scene.MovePoint(onSource, {1, 7});
    EXPECT_EQ(onSource->Position(), (Vec2{1, 7}));

    list.Clear();
    EXPECT_TRUE(onOther->IsFree());
    EXPECT_TRUE(onOther->Exists()); // freed where it stood
    EXPECT_FALSE(scene.FollowGraphs());
}

TEST_F(GraphPoints, AGraphPointTakesNoOtherConstruction)
{
    TFunctionFormula* f = Formula("[x]");
    TPoint* a = scene.AddPoint({0, 0});
    TPoint* b = scene.AddPoint({1, 0});
    TLine* line = scene.AddLine(a, b);
    TPoint* onGraph = scene.AddPointOnGraph({1, 0}, f);
    TPoint* onLine = scene.AddPointOn({0.5, 0}, line);
    EXPECT_FALSE(scene.SetParents(onGraph, line, nullptr, 0));
    EXPECT_FALSE(scene.SetMorph(onGraph, a, TMorph{MorphKind::FixedOffset, nullptr, nullptr, 0, 1, 1}));
    EXPECT_FALSE(scene.SetGraph(onLine, f));
    EXPECT_EQ(scene.AddPointOnGraph({1, 0}, nullptr), nullptr);
    EXPECT_EQ(scene.AddPointOnGraph({NAN, 0}, f), nullptr);
    EXPECT_TRUE(scene.SetGraph(onGraph, nullptr));
    EXPECT_TRUE(onGraph->IsFree());
}

// --- lab files ------------------------------------------------------------------

TEST_F(GraphPoints, LinkSurvivesWriteReadWriteByteForByte)
{
    scene.SetParam(0, 2);
    TFunctionFormula* f = Formula("[a*x]");
    scene.AddPoint({5, 5});
    scene.AddPointOnGraph({1.5, 0}, f);
    list.AddEquation(QStringLiteral("[x*x+y*y-1]"), scene, kColour);
    TFunction* g = Formula("[x*x]");
    scene.AddPointOnGraph({-1, 0}, g);
    const QStringList written = WritePlaneSection(scene, view, &list);
    EXPECT_EQ(written.mid(written.size() - 2), (QStringList{"Graph: 1 0", "Graph: 2 2"}));

    PlaneSection read = ReadPlaneSection(written);
    EXPECT_EQ(WritePlaneSection(read.Scene, view, &read.Algebra), written);
    TPoint* p = read.Scene.Point(1);
    ASSERT_EQ(p->Graph(), read.Algebra.At(0));
    EXPECT_EQ(p->Position(), (Vec2{1.5, 3}));
    // It still follows its graph after reading.
    read.Algebra.SetParameter(read.Scene, QStringLiteral("a"), QStringLiteral("4"));
    read.Scene.FollowGraphs();
    EXPECT_EQ(p->Position(), (Vec2{1.5, 6}));
}

TEST_F(GraphPoints, PointOnAGraphWithoutValueIsReadAsNotThere)
{
    const QStringList lines{
        "40 0 0",
        "TPoint: -4.00000000000000E+0000  1.00000000000000E+0000 TRUE ",
        "TFunctionFormula: =255 -2.14748364700000E+0009  2.14748364700000E+0009 [sqrt[][x]]",
        "Graph: 0 0",
    };
    const PlaneSection read = ReadPlaneSection(lines);
    EXPECT_FALSE(read.Scene.Point(0)->Exists());
    EXPECT_EQ(WritePlaneSection(read.Scene, PlaneView(400, 300), &read.Algebra), lines);
}

TEST(GraphPointRecords, HostileLinksAreRefusedWithTheirLine)
{
    const QString header = QStringLiteral("40 0 0");
    const QString a = QStringLiteral("TPoint:  0.00000000000000E+0000  0.00000000000000E+0000 TRUE A");
    const QString b = QStringLiteral("TPoint:  1.00000000000000E+0000  1.00000000000000E+0000 TRUE B");
    const QString graph = QStringLiteral("TFunctionFormula: =255 -2.14748364700000E+0009  2.14748364700000E+0009 [x]");
    const QString equation = QStringLiteral("TEquation: =255 [x*x+y*y-1]");
    const QString line = QStringLiteral("TLine: TRUE 0 0 1");
    struct Case {
        QStringList lines;
        QString message;
    };
    const Case cases[] = {
        {{header, a, graph, "Graph: 1 0"}, "Строка 4: нет точки с номером 1 среди прочитанных выше (их 1)"},
        {{header, a, graph, "Graph: 0 1"}, "Строка 4: нет графика с номером 1 среди прочитанных выше (их 1)"},
        {{header, a, graph, "Graph: 0 -1"}, "Строка 4: нет графика с номером -1 среди прочитанных выше (их 1)"},
        {{header, a, "Graph: 0 0", graph}, "Строка 3: нет графика с номером 0 среди прочитанных выше (их 0)"},
        {{header, a, graph, "Graph: 0 99999999999999999999"}, "Строка 4: «99999999999999999999» не является целым числом"},
        {{header, a, graph, "Graph: 0"}, "Строка 4: не хватает значений"},
        {{header, a, equation, "Graph: 0 0"}, "Строка 4: объект 0 не график функции"},
        {{header, a, b, line, QStringLiteral("TPoint:  0.5E+0000  0.5E+0000 TRUE C"), "Parents: 2 0 -1 0", graph, "Graph: 2 0"},
         "Строка 8: точка 2 уже построена на фигуре или как образ"},
        {{header, a, b, line, graph, "Graph: 0 0", "Parents: 0 0 -1 0"}, "Строка 7: точка 0 уже лежит на графике"},
        {{header, a, b, graph, "Graph: 1 0", "Morphing: 1 0 5 1 1"}, "Строка 6: точка 1 уже лежит на графике"},
    };
    for (const Case& c : cases) {
        QString message;
        try {
            ReadPlaneSection(c.lines);
        } catch (const SceneFormatError& error) {
            message = error.message();
        }
        EXPECT_EQ(message, c.message) << c.lines.join(u'|').toStdString();
    }
}
