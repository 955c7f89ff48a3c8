#include "space/solids.h"
#include "space/images.h"
#include "space/spacetools.h"
#include <cmath>
#include <numbers>

namespace space {

using geometry::Vec3;

namespace {

constexpr double kCubeStep = -90;
constexpr double kTetrahedronStep = -120;
constexpr double kFullTurn = 360;

struct Layout {
    bool hideP1 = false;
    bool hideP2 = false;
    bool centreAtMidpoint = false;
    double factor = 0;
    double step = 0;
    int baseCount = 0;
    bool axisIsShift = false;
};

Layout LayoutOf(const SolidRequest& request)
{
    const double wide = 1 / std::numbers::sqrt2;
    const double narrow = 1 / (2 * std::numbers::sqrt2);
    const double polygonStep = -kFullTurn / request.sideCount;
    switch (request.kind) {
    case SolidKind::Cube: return {true, true, false, wide, kCubeStep, 4, true};
    case SolidKind::Tetrahedron: return {true, false, false, wide, kTetrahedronStep, 3, true};
    case SolidKind::Pyramid: return {true, false, false, narrow, polygonStep, request.sideCount, false};
    case SolidKind::Prism: return {true, true, false, narrow, polygonStep, request.sideCount, true};
    case SolidKind::Octahedron: return {false, false, true, 0.5, kCubeStep, 4, false};
    }
    return {};
}

class Builder {
public:
    Builder(SpaceScene& scene, TPoint& p1, TPoint& p2, const SolidRequest& request)
        : m_scene(scene), m_p1(p1), m_p2(p2), m_request(request), m_layout(LayoutOf(request))
    {
    }

    std::optional<BuiltSolid> Build();

private:
    void MakeBase(const Vec3& first);
    void AddFace(std::vector<TPoint*> vertices);
    // The translation image of the base along the axis, listed T0, T(n−1), …, T1
    // so that it faces the other way.
    std::vector<TPoint*> MakeTop();
    void Sides(const std::vector<TPoint*>& top);
    void Apexed(TPoint& apex, bool apexSecond);

    SpaceScene& m_scene;
    TPoint& m_p1;
    TPoint& m_p2;
    SolidRequest m_request;
    Layout m_layout;
    BuiltSolid m_solid;
};

std::optional<BuiltSolid> Builder::Build()
{
    const Vec3 a = m_p1.Position();
    const Vec3 b = m_p2.Position();
    if (a.x == b.x && a.y == b.y) return std::nullopt;
    const Vec3 centre = m_layout.centreAtMidpoint ? (a + b) * 0.5 : a;
    m_solid.Axis = m_scene.AddLineFigure(FigureKind::Vector, m_p1, m_p2, m_request.axisColour);
    m_solid.Axis->Visible = false;
    if (m_layout.hideP1) m_p1.Visible = false;
    if (m_layout.hideP2) m_p2.Visible = false;
    m_solid.StepAngle = m_layout.step;
    m_solid.AxisIsShift = m_layout.axisIsShift;
    MakeBase(FirstBaseVertex(centre, a, b, m_layout.factor));

    switch (m_request.kind) {
    case SolidKind::Cube:
    case SolidKind::Prism:
        AddFace(m_solid.Base);
        Sides(MakeTop());
        break;
    case SolidKind::Tetrahedron:
    case SolidKind::Pyramid:
        AddFace(m_solid.Base);
        Apexed(m_p2, true);
        break;
    case SolidKind::Octahedron:
        Apexed(m_p2, true);
        Apexed(m_p1, false);
        break;
    }
    return m_solid;
}

void Builder::MakeBase(const Vec3& first)
{
    m_solid.Base.push_back(&m_scene.AddPoint(first));
    Morph turn;
    turn.Kind = MorphKind::Rotation;
    turn.Element = m_solid.Axis;
    turn.Param = m_layout.step;
    while (int(m_solid.Base.size()) < m_layout.baseCount)
        m_solid.Base.push_back(&m_scene.AddImagePoint(*m_solid.Base.back(), turn));
}

void Builder::AddFace(std::vector<TPoint*> vertices)
{
    TFigurePlane* face = m_scene.AddPlaneFigure(FigureKind::Face, std::move(vertices), m_request.identifier);
    if (face) m_solid.Faces.push_back(static_cast<TGrane*>(face));
}

std::vector<TPoint*> Builder::MakeTop()
{
    Morph shift;
    shift.Kind = MorphKind::Translation;
    shift.Element = m_solid.Axis;
    ImageMaker maker(m_scene, shift);
    auto* top = static_cast<TGrane*>(maker.ImageOf(*m_solid.Faces.front()));
    std::vector<TPoint*> images = top->Vertices;
    std::reverse(top->Vertices.begin() + 1, top->Vertices.end());
    m_solid.Faces.push_back(top);
    return images;
}

void Builder::Sides(const std::vector<TPoint*>& top)
{
    const std::vector<TPoint*>& base = m_solid.Base;
    const size_t n = base.size();
    for (size_t i = 0; i < n; ++i) {
        const size_t next = (i + 1) % n;
        AddFace({base[i], top[i], top[next], base[next]});
    }
}

// Faces [Vi, apex, Vi+1] above the base, [Vi, Vi+1, apex] below it.
void Builder::Apexed(TPoint& apex, bool apexSecond)
{
    const std::vector<TPoint*>& base = m_solid.Base;
    const size_t n = base.size();
    for (size_t i = 0; i < n; ++i) {
        TPoint* here = base[i];
        TPoint* next = base[(i + 1) % n];
        AddFace(apexSecond ? std::vector<TPoint*>{here, &apex, next} : std::vector<TPoint*>{here, next, &apex});
    }
}

} // namespace

std::optional<SolidKind> SolidOfTool(int code)
{
    switch (code) {
    case kToolCube: return SolidKind::Cube;
    case kToolTetrahedron: return SolidKind::Tetrahedron;
    case kToolPyramid: return SolidKind::Pyramid;
    case kToolPrism: return SolidKind::Prism;
    case kToolOctahedron: return SolidKind::Octahedron;
    default: return std::nullopt;
    }
}

bool SideCountAllowed(long long count) { return count >= kMinSideCount && count <= kMaxSideCount; }

const QString& SideCountRefusal()
{
    static const QString text =
        QStringLiteral("Число сторон основания должно быть от %1 до %2").arg(kMinSideCount).arg(kMaxSideCount);
    return text;
}

Vec3 FirstBaseVertex(const Vec3& centre, const Vec3& p1, const Vec3& p2, double factor)
{
    // The base lies in the depth of its centre, so that with P1 and P2 at
    // one depth it is perpendicular to P1P2 wherever the clicks snapped.
    return {centre.x - (p2.y - p1.y) * factor, centre.y + (p2.x - p1.x) * factor, centre.z};
}

std::optional<BuiltSolid> BuildSolid(SpaceScene& scene, TPoint& p1, TPoint& p2, const SolidRequest& request)
{
    const bool sided = request.kind == SolidKind::Pyramid || request.kind == SolidKind::Prism;
    if (&p1 == &p2 || (sided && !SideCountAllowed(request.sideCount))) return std::nullopt;
    return Builder(scene, p1, p2, request).Build();
}

} // namespace space
