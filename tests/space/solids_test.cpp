#include "space/images.h"
#include "space/records.h"
#include "space/solids.h"
#include "spacedesk.h"
#include <gtest/gtest.h>
#include <cmath>
#include <map>
#include <numbers>
#include <random>
#include <set>

using namespace space;
using namespace space::testdesk;
using geometry::Vec3;

namespace {

constexpr double kTolerance = 1e-9;
constexpr base::Bgr kIdentifier = 123456789;

struct Solid {
    std::vector<std::vector<Vec3>> faces;

    std::vector<Vec3> Vertices() const
    {
        std::vector<Vec3> all;
        for (const auto& face : faces)
            for (const Vec3& v : face)
                if (std::none_of(all.begin(), all.end(), [&](const Vec3& w) { return geometry::Length(v - w) < 1e-9; }))
                    all.push_back(v);
        return all;
    }
    Vec3 Centre() const
    {
        Vec3 sum;
        const std::vector<Vec3> all = Vertices();
        for (const Vec3& v : all) sum = sum + v;
        return sum * (1.0 / double(all.size()));
    }
    // A convex solid: tetrahedra from the centre over a fan of each face.
    double Volume() const
    {
        const Vec3 c = Centre();
        double volume = 0;
        for (const auto& face : faces)
            for (size_t i = 1; i + 1 < face.size(); ++i)
                volume += std::abs(geometry::Dot(face[0] - c, geometry::Cross(face[i] - c, face[i + 1] - c))) / 6;
        return volume;
    }
    // The distinct edge lengths, rounded to 1e-9.
    std::set<long long> EdgeLengths() const
    {
        std::set<long long> lengths;
        for (const auto& face : faces)
            for (size_t i = 0; i < face.size(); ++i)
                lengths.insert(std::llround(geometry::Length(face[(i + 1) % face.size()] - face[i]) * 1e9));
        return lengths;
    }
};

Solid SolidOf(const SpaceScene& scene, base::Bgr identifier)
{
    Solid solid;
    for (const TGrane* face : scene.FacesOfColour(identifier)) solid.faces.push_back(face->Loop());
    return solid;
}

long long Rounded(double length) { return std::llround(length * 1e9); }

// The rotation as its textbook construction: the foot on the axis, the
// radius and the turn in the plane across the axis.
Vec3 RotatedByFoot(const Vec3& x, const Vec3& p1, const Vec3& p2, double degrees)
{
    const Vec3 d = p2 - p1;
    const Vec3 foot = p1 + d * (geometry::Dot(x - p1, d) / geometry::Dot(d, d));
    const double r = geometry::Length(x - foot);
    if (r == 0) return x;
    const Vec3 u = (x - foot) * (1 / r);
    const Vec3 across = geometry::Cross(d, u);
    const Vec3 n = across * (1 / geometry::Length(across));
    const double angle = degrees * std::numbers::pi / 180;
    return foot + (u * std::cos(angle) + n * std::sin(angle)) * r;
}

} // namespace

TEST(SpaceSolids, VolumesEdgesAndFacesMatchTheirFormulas)
{
    const Vec3 p1{0.5, -1, 0};
    const Vec3 p2{1.7, 0.6, 0}; // L = 2
    const double L = 2;
    const double R = L / (2 * std::numbers::sqrt2); // pyramids and prisms
    auto polygonArea = [](int n, double r) { return n * r * r * std::sin(2 * std::numbers::pi / n) / 2; };
    auto polygonEdge = [](int n, double r) { return 2 * r * std::sin(std::numbers::pi / n); };
    const double tetraEdge = L * std::sqrt(1.5);
    const struct {
        SolidKind kind;
        int sides;
        size_t faces;
        double volume;
        std::set<long long> edges;
    } cases[] = {
        {SolidKind::Cube, 4, 6, L * L * L, {Rounded(L)}},
        {SolidKind::Tetrahedron, 4, 4, std::pow(tetraEdge, 3) / (6 * std::numbers::sqrt2), {Rounded(tetraEdge)}},
        {SolidKind::Pyramid, 5, 6, polygonArea(5, R) * L / 3, {Rounded(polygonEdge(5, R)), Rounded(std::hypot(R, L))}},
        {SolidKind::Pyramid, 3, 4, polygonArea(3, R) * L / 3, {Rounded(polygonEdge(3, R)), Rounded(std::hypot(R, L))}},
        {SolidKind::Prism, 6, 8, polygonArea(6, R) * L, {Rounded(polygonEdge(6, R)), Rounded(L)}},
        {SolidKind::Prism, 100, 102, polygonArea(100, R) * L, {Rounded(polygonEdge(100, R)), Rounded(L)}},
        {SolidKind::Octahedron, 4, 8, L * L * L / 6, {Rounded(L / std::numbers::sqrt2)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.kind) << " with " << c.sides << " sides");
        SpaceScene scene;
        TPoint& a = scene.AddPoint(p1);
        TPoint& b = scene.AddPoint(p2);
        const auto built = BuildSolid(scene, a, b, {c.kind, c.sides, kIdentifier, 0xFF});
        ASSERT_TRUE(built);
        const Solid solid = SolidOf(scene, kIdentifier);
        ASSERT_EQ(solid.faces.size(), c.faces);
        EXPECT_NEAR(solid.Volume(), c.volume, 1e-9);
        EXPECT_EQ(solid.EdgeLengths(), c.edges);
        // Every face's plane normal points out of the solid.
        const Vec3 centre = solid.Centre();
        for (const TGrane* face : scene.FacesOfColour(kIdentifier)) {
            const auto plane = face->Equation();
            ASSERT_TRUE(plane);
            EXPECT_GT(geometry::Dot(plane->n, face->Loop()[0] - centre), 0);
        }
        EXPECT_FALSE(built->Axis->Visible);
        EXPECT_EQ(built->Axis->Color, 0xFFu);
    }
}

TEST(SpaceSolids, CubeFromTheOriginAlongY)
{
    SpaceScene scene;
    TPoint& a = scene.AddPoint({0, 0, 0});
    TPoint& b = scene.AddPoint({0, 2, 0});
    const auto cube = BuildSolid(scene, a, b, {SolidKind::Cube, 4, kIdentifier, 0});
    ASSERT_TRUE(cube);
    EXPECT_EQ(cube->StepAngle, -90);
    EXPECT_TRUE(cube->AxisIsShift);
    ExpectAt(*cube->Base[0], {-std::numbers::sqrt2, 0, 0});
    for (const TPoint* v : cube->Base) EXPECT_NEAR(v->Y, 0, kTolerance);
    const std::vector<TGrane*>& faces = cube->Faces;
    for (const TPoint* t : faces[1]->Vertices) EXPECT_NEAR(t->Y, 2, kTolerance) << "the top lies in y = 2";
    EXPECT_FALSE(a.Visible);
    EXPECT_FALSE(b.Visible);
}

TEST(SpaceSolids, DraggingTheFreeVertexKeepsARegularPrism)
{
    SpaceScene scene;
    TPoint& a = scene.AddPoint({0, 0, 0});
    TPoint& b = scene.AddPoint({1, 3, 0});
    const auto prism = BuildSolid(scene, a, b, {SolidKind::Prism, 7, kIdentifier, 0});
    ASSERT_TRUE(prism);
    scene.MovePoint(*prism->Base[0], 2.5, -1);
    const Vec3 shift = b.Position() - a.Position();
    const std::vector<TPoint*>& base = prism->Base;
    const double radius = geometry::DistanceToLine(base[0]->Position(), a.Position(), b.Position());
    const double edge = geometry::Length(base[1]->Position() - base[0]->Position());
    EXPECT_GT(radius, 1);
    for (size_t i = 0; i < base.size(); ++i) {
        EXPECT_NEAR(geometry::DistanceToLine(base[i]->Position(), a.Position(), b.Position()), radius, 1e-9);
        EXPECT_NEAR(geometry::Length(base[(i + 1) % base.size()]->Position() - base[i]->Position()), edge, 1e-9);
    }
    // The top is the base moved along P1P2 (its list starts at T0 and runs backwards).
    const std::vector<TPoint*>& top = prism->Faces[1]->Vertices;
    ExpectAt(*top[0], base[0]->Position() + shift);
    ExpectAt(*top[1], base[6]->Position() + shift);
}

TEST(SpaceSolids, SectionsAgreeWithPlanesCutThroughEveryEdge)
{
    std::mt19937 random(20261210);
    std::uniform_real_distribution<double> spread(-1.5, 1.5);
    for (SolidKind kind : {SolidKind::Cube, SolidKind::Tetrahedron, SolidKind::Pyramid, SolidKind::Prism,
                           SolidKind::Octahedron}) {
        for (int trial = 0; trial < 20; ++trial) {
            SpaceScene scene;
            TPoint& a = scene.AddPoint({0, -1, 0});
            TPoint& b = scene.AddPoint({0.3, 1, 0});
            ASSERT_TRUE(BuildSolid(scene, a, b, {kind, 5, kIdentifier, 0}));
            scene.TurnAboutX(30);
            std::vector<TPoint*> through;
            for (int k = 0; k < 3; ++k) through.push_back(&scene.AddPoint({spread(random), spread(random), spread(random)}));
            auto* cut = static_cast<TPlaneCut*>(scene.AddPlaneFigure(FigureKind::Section, through, kIdentifier));
            ASSERT_TRUE(cut);
            const auto plane = cut->Equation();
            ASSERT_TRUE(plane);
            // Independently: where the plane crosses each edge of the solid.
            std::vector<Vec3> crossings;
            auto side = [&](const Vec3& p) { return geometry::Dot(plane->n, p) - plane->d; };
            for (const auto& face : SolidOf(scene, kIdentifier).faces)
                for (size_t i = 0; i < face.size(); ++i) {
                    const Vec3 p = face[i], q = face[(i + 1) % face.size()];
                    const double sp = side(p), sq = side(q);
                    if ((sp < 0) == (sq < 0)) continue;
                    const Vec3 at = p + (q - p) * (sp / (sp - sq));
                    if (std::none_of(crossings.begin(), crossings.end(),
                                     [&](const Vec3& c) { return geometry::Length(c - at) < 1e-7; }))
                        crossings.push_back(at);
                }
            if (crossings.size() < 3) {
                EXPECT_LT(cut->Outline.size(), 3u);
                continue;
            }
            ASSERT_EQ(cut->Outline.size(), crossings.size()) << int(kind) << " trial " << trial;
            for (const Vec3& corner : cut->Outline)
                EXPECT_TRUE(std::any_of(crossings.begin(), crossings.end(),
                                        [&](const Vec3& c) { return geometry::Length(c - corner) < 1e-7; }));
        }
    }
}

TEST(SpaceSolids, RefusesSideCountsWithoutASolidAndPointsOnOneSightLine)
{
    const struct { long long count; bool allowed; } cases[] = {
        {0, false}, {1, false}, {2, false}, {3, true}, {100, true}, {101, false}, {1000000000, false}, {-4, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SideCountAllowed(c.count), c.allowed) << c.count;
        SpaceScene scene;
        TPoint& a = scene.AddPoint({0, 0, 0});
        TPoint& b = scene.AddPoint({0, 2, 0});
        const int sides = int(std::clamp<long long>(c.count, -1000, 1000000000));
        EXPECT_EQ(BuildSolid(scene, a, b, {SolidKind::Prism, sides, kIdentifier, 0}).has_value(), c.allowed);
        if (!c.allowed) EXPECT_TRUE(scene.Figures().empty()) << "nothing is left of a refused build";
        Desk desk;
        const int before = desk.mouse.SideCount();
        EXPECT_EQ(desk.mouse.SetSideCount(c.count), c.allowed);
        EXPECT_EQ(desk.mouse.SideCount(), c.allowed ? int(c.count) : before);
    }
    EXPECT_TRUE(SideCountRefusal().contains(QStringLiteral("100")));

    SpaceScene scene;
    TPoint& a = scene.AddPoint({1, 1, 0});
    TPoint& b = scene.AddPoint({1, 1, 3});
    EXPECT_FALSE(BuildSolid(scene, a, b, {SolidKind::Cube, 4, kIdentifier, 0})) << "no direction for the base";
    EXPECT_TRUE(scene.Figures().empty());
}

TEST(SpaceSolids, BuildingACubeByClicksLeavesItsAxisAndAngleToTheRotation)
{
    Desk desk;
    desk.mouse.SetTool(kToolCube);
    desk.Click(0, 0);
    desk.Click(0, 0) ; // the same point again: the cube waits for another
    desk.Click(0, 2);
    ASSERT_EQ(desk.scene.Figures().size(), 7u) << "the hidden axis and six faces";
    EXPECT_EQ(desk.mouse.RotationAngle(), -90);
    ASSERT_TRUE(desk.mouse.RotationAxis());
    EXPECT_EQ(desk.mouse.ShiftVector(), desk.mouse.RotationAxis());

    // A rotation made now turns by −90 degrees about the hidden axis P1P2.
    TPoint& x = desk.scene.AddPoint({3, 1, 0});
    desk.mouse.SetTool(kToolRotate);
    desk.Click(3, 1);
    TPoint& image = *desk.scene.Points().back();
    ASSERT_EQ(image.Source, &x);
    ExpectAt(image, RotatedByFoot(x.Position(), {0, 0, 0}, {0, 2, 0}, -90));
}

TEST(SpaceImages, EachTransformationMatchesItsConstruction)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> spread(-3, 3);
    auto somewhere = [&] { return Vec3{spread(random), spread(random), spread(random)}; };
    for (int trial = 0; trial < 50; ++trial) {
        SpaceScene scene;
        TPoint& a = scene.AddPoint(somewhere());
        TPoint& b = scene.AddPoint(somewhere());
        TPoint& c = scene.AddPoint(somewhere());
        TPoint& x = scene.AddPoint(somewhere());
        TFigure* axis = scene.AddLineFigure(FigureKind::Line, a, b, 0);
        TFigure* vector = scene.AddLineFigure(FigureKind::Vector, a, b, 0);
        TFigure* plane = scene.AddPlaneFigure(FigureKind::Plane, {&a, &b, &c}, 0);
        ASSERT_TRUE(plane);
        const double angle = spread(random) * 60;
        const double factor = spread(random);
        const auto eq = static_cast<TFigurePlane*>(plane)->Equation();
        const Vec3 X = x.Position();
        const double e = (eq->d - geometry::Dot(eq->n, X)) / geometry::Dot(eq->n, eq->n);
        const struct { Morph morph; Vec3 expected; } cases[] = {
            {{MorphKind::Rotation, axis, nullptr, angle}, RotatedByFoot(X, a.Position(), b.Position(), angle)},
            {{MorphKind::Mirror, plane, nullptr, 0}, (X + eq->n * e) * 2 - X},
            {{MorphKind::Translation, vector, nullptr, 0}, X + (b.Position() - a.Position())},
            {{MorphKind::Homothety, nullptr, &c, factor}, c.Position() + (X - c.Position()) * factor},
        };
        for (const auto& t : cases) {
            TPoint& image = ImageMaker(scene, t.morph).ImageOf(x);
            ExpectAt(image, t.expected, 1e-9);
        }
    }
}

TEST(SpaceImages, FixedPointsStayPut)
{
    SpaceScene scene;
    TPoint& a = scene.AddPoint({-3, -3, 1});
    TPoint& b = scene.AddPoint({3, -3, 1});
    TPoint& c = scene.AddPoint({0, 3, 1});
    TFigure* plane = scene.AddPlaneFigure(FigureKind::Plane, {&a, &b, &c}, 0);
    TFigure* axis = scene.AddLineFigure(FigureKind::Line, a, b, 0);
    TPoint& inPlane = scene.AddPoint({0.5, 0.5, 1});
    TPoint& onAxis = scene.AddPoint({1, -3, 1});
    ExpectAt(ImageMaker(scene, {MorphKind::Mirror, plane, nullptr, 0}).ImageOf(inPlane), inPlane.Position());
    ExpectAt(ImageMaker(scene, {MorphKind::Rotation, axis, nullptr, 33}).ImageOf(onAxis), onAxis.Position());
    ExpectAt(ImageMaker(scene, {MorphKind::Homothety, nullptr, &inPlane, 0.5}).ImageOf(inPlane), inPlane.Position());
}

TEST(SpaceImages, ToolsRefuseNumbersWithoutATransformation)
{
    Desk desk;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double angle : {nan, inf, -inf}) EXPECT_FALSE(desk.mouse.SetRotationAngle(angle));
    for (double factor : {0.0, -0.0, nan, inf}) EXPECT_FALSE(desk.mouse.SetHomothetyFactor(factor));
    EXPECT_EQ(desk.mouse.RotationAngle(), SpaceInteraction::kInitialRotationAngle);
    EXPECT_EQ(desk.mouse.HomothetyFactor(), SpaceInteraction::kInitialHomothetyFactor);
    EXPECT_TRUE(desk.mouse.SetRotationAngle(30));
    EXPECT_TRUE(desk.mouse.SetHomothetyFactor(-1.5));

    // A file cannot bring a factor of 0 in either.
    const QStringList lines{"40 0 0", "TPoint: 0 0 0 TRUE", "TPoint: 1 0 0 TRUE", "Morphing: 1 0 4  0 0"};
    EXPECT_THROW(ReadSpaceSection(lines), SectionFormatError);
}

TEST(SpaceImages, ClickedImagesFollowTheirOriginalsAndElements)
{
    Desk desk;
    TPoint& a = desk.scene.AddPoint({-3, 0, 0});
    TPoint& b = desk.scene.AddPoint({-3, 2, 0});
    desk.scene.AddLineFigure(FigureKind::Line, a, b, 0);
    TPoint& p = desk.scene.AddPoint({1, 1, 0});
    TPoint& q = desk.scene.AddPoint({2, 3, 0});
    desk.scene.AddLineFigure(FigureKind::Segment, p, q, 0);

    desk.mouse.SetTool(kToolChooseAxis);
    desk.Click(-3, -2);
    ASSERT_TRUE(desk.mouse.RotationAxis());
    ASSERT_TRUE(desk.mouse.SetRotationAngle(90));
    desk.mouse.SetTool(kToolRotate);
    desk.Click(1.5, 2); // on the segment, between its ends
    ASSERT_EQ(desk.scene.Figures().size(), 3u);
    const auto& image = static_cast<const TFigureLine&>(*desk.scene.Figures()[2]);
    EXPECT_EQ(image.Kind(), FigureKind::Segment);
    EXPECT_EQ(image.Color, base::colour::space::kImage);
    ExpectAt(*image.P1, RotatedByFoot(p.Position(), a.Position(), b.Position(), 90));

    // Another angle later leaves the image alone; the axis moving takes it along.
    const Vec3 before = image.P1->Position();
    ASSERT_TRUE(desk.mouse.SetRotationAngle(10));
    desk.scene.RecalcAll();
    ExpectAt(*image.P1, before);
    desk.scene.MovePoint(a, -4, 0);
    desk.scene.MovePoint(b, -4, 2);
    ExpectAt(*image.P1, RotatedByFoot(p.Position(), a.Position(), b.Position(), 90));
    EXPECT_TRUE(desk.host.messages.isEmpty());
}

TEST(SpaceImages, ImagesOfASolidsFacesBelongToItAndGoWhenTheOriginalIsErased)
{
    SpaceScene scene;
    TPoint& a = scene.AddPoint({0, 0, 0});
    TPoint& b = scene.AddPoint({0, 2, 0});
    const auto cube = BuildSolid(scene, a, b, {SolidKind::Cube, 4, kIdentifier, 0});
    ASSERT_TRUE(cube);
    TPoint& centre = scene.AddPoint({0, 0, 0});
    TGrane& top = *cube->Faces[1];
    ImageMaker first(scene, {MorphKind::Homothety, nullptr, &centre, 2});
    TFigure* image = first.ImageOf(top);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->Color, kIdentifier) << "the image face belongs to the same solid";
    EXPECT_EQ(scene.FacesOfColour(kIdentifier).size(), 7u);
    TFigure* imageOfImage = ImageMaker(scene, {MorphKind::Translation, cube->Axis, nullptr, 0}).ImageOf(*image);
    ASSERT_TRUE(imageOfImage);
    TPoint& vertexImage = *static_cast<TGrane*>(image)->Vertices[0];

    EraseWithImages(scene, top);
    EXPECT_FALSE(top.Visible);
    EXPECT_FALSE(image->Visible);
    EXPECT_FALSE(imageOfImage->Visible);
    EXPECT_TRUE(cube->Faces[0]->Visible) << "other faces stay";

    EraseWithImages(scene, *top.Vertices[0]);
    EXPECT_FALSE(vertexImage.Visible) << "a vertex's image goes with the vertex";
    EXPECT_TRUE(cube->Base[0]->Visible);
}

TEST(SpaceImages, ASolidWithImagesSavesLoadsAndSavesTheSame)
{
    Desk desk;
    desk.mouse.SetTool(kToolPrism);
    ASSERT_TRUE(desk.mouse.SetSideCount(5));
    desk.Click(-1, -1);
    desk.Click(-1, 1);
    desk.mouse.SetTool(kToolTranslate);
    desk.Click(-1, 1); // nothing under the mouse but the hidden apex: nothing happens
    TPoint& centre = desk.scene.AddPoint({3, 3, 0});
    desk.mouse.SetTool(kToolChooseCentre);
    desk.Click(3, 3);
    ASSERT_EQ(desk.mouse.HomothetyCenter(), &centre);
    ASSERT_TRUE(desk.mouse.SetHomothetyFactor(-0.5));
    for (const auto& figure : desk.scene.Figures())
        if (figure->Kind() == FigureKind::Face)
            ImageMaker(desk.scene, {MorphKind::Homothety, nullptr, &centre, -0.5}).ImageOf(*figure);

    const QStringList lines = WriteSpaceSection(desk.scene, desk.view);
    SpaceSection section = ReadSpaceSection(lines);
    EXPECT_EQ(WriteSpaceSection(section.Scene, desk.view), lines);
    EXPECT_EQ(section.Scene.Figures().size(), desk.scene.Figures().size());
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const QString& l) { return l.startsWith("Morphing:"); }));
}

TEST(SpaceRecordsOfSolids, FacesCarryIdentifiersUpToTheirLargest)
{
    const QStringList head{"40 0 0", "TPoint: 0 0 0 TRUE", "TPoint: 1 0 0 TRUE", "TPoint: 0 1 0 TRUE"};
    EXPECT_NO_THROW(ReadSpaceSection(head + QStringList{"TGrane: TRUE 2147483646 0 1 2"}));
    EXPECT_NO_THROW(ReadSpaceSection(head + QStringList{"TPlaneCut: TRUE 2147483646 0 1 2"}));
    EXPECT_THROW(ReadSpaceSection(head + QStringList{"TGrane: TRUE 2147483647 0 1 2"}), SectionFormatError);
    EXPECT_THROW(ReadSpaceSection(head + QStringList{"TPlane: TRUE 16777216 0 1 2"}), SectionFormatError);
}
