#pragma once
#include "space/scene.h"
#include <QString>
#include <optional>
#include <vector>

// The five solids of the space engine, each built from the two clicked
// points P1 and P2. A solid has no object of its own: it is the faces that
// share one colour, a random identifier (faces are drawn in fixed colours, so
// the colour only tells which faces a section cuts). The base vertices after
// the first are rotation images of the one before about the hidden vector
// P1P2, and a top face is the translation image of the base along it, so the
// solid stays a solid when its free vertex is dragged.
namespace space {

enum class SolidKind { Cube, Tetrahedron, Pyramid, Prism, Octahedron };

std::optional<SolidKind> SolidOfTool(int code);

// Pyramids and prisms: fewer than three sides is no solid, and the upper
// bound keeps a typed number from building millions of faces.
inline constexpr int kMinSideCount = 3;
inline constexpr int kMaxSideCount = 100;
bool SideCountAllowed(long long count);
const QString& SideCountRefusal();

// The largest identifier a solid draws (identifiers are 0 … this).
inline constexpr int kMaxSolidIdentifier = 2147483646;

// What a build leaves behind; the engine takes the axis and the step angle
// as its rotation (and, for the solids with a top, the axis as its shift).
struct BuiltSolid {
    TFigureLine* Axis = nullptr; // the invisible vector from P1 to P2
    double StepAngle = 0;        // degrees between neighbouring base vertices
    bool AxisIsShift = false;
    std::vector<TPoint*> Base;   // V0 … V(n−1); V0 is the free vertex
    std::vector<TGrane*> Faces;
};

struct SolidRequest {
    SolidKind kind = SolidKind::Cube;
    int sideCount = 4;                          // pyramids and prisms
    base::Bgr identifier = 0;                   // the faces' colour
    base::Bgr axisColour = base::colour::kBlack; // the drawing colour
};

// None (and nothing made) when P1 and P2 coincide in the projection, which
// leaves no direction for the base, or when the side count is refused.
std::optional<BuiltSolid> BuildSolid(SpaceScene& scene, TPoint& p1, TPoint& p2, const SolidRequest& request);

// The base vertex the builders start from: the base centre plus the
// perpendicular of P2 − P1 in the projection, scaled by the factor.
geometry::Vec3 FirstBaseVertex(const geometry::Vec3& centre, const geometry::Vec3& p1, const geometry::Vec3& p2,
                               double factor);

} // namespace space
