#pragma once
#include "space/scene.h"
#include <array>

// Solids for tests and benchmarks, built from points and faces the way the
// solid builders do: the faces of one solid share a colour, and each face is
// listed so that its normal points out of the solid (front faces have a
// negative z component).
namespace space::testscenes {

struct Box {
    std::array<TPoint*, 8> corners{};
    std::vector<TFigurePlane*> faces;
};

inline void OrientOutwards(std::vector<TPoint*>& loop, const geometry::Vec3& inside)
{
    const auto plane = geometry::PlaneOf(loop[0]->Position(), loop[1]->Position(), loop[2]->Position());
    if (plane && geometry::Dot(plane->n, loop[0]->Position() - inside) < 0) std::reverse(loop.begin(), loop.end());
}

// The box [lo, hi] (corner k has x from bit 0, y from bit 1, z from bit 2).
inline Box AddBox(SpaceScene& scene, const geometry::Vec3& lo, const geometry::Vec3& hi, base::Bgr colour)
{
    Box box;
    for (int k = 0; k < 8; ++k)
        box.corners[k] = &scene.AddPoint({k & 1 ? hi.x : lo.x, k & 2 ? hi.y : lo.y, k & 4 ? hi.z : lo.z});
    constexpr int kFaces[6][4] = {{0, 1, 3, 2}, {4, 5, 7, 6}, {0, 1, 5, 4}, {2, 3, 7, 6}, {0, 2, 6, 4}, {1, 3, 7, 5}};
    const geometry::Vec3 centre = (lo + hi) * 0.5;
    for (const auto& face : kFaces) {
        std::vector<TPoint*> loop;
        for (int k : face) loop.push_back(box.corners[k]);
        OrientOutwards(loop, centre);
        box.faces.push_back(scene.AddPlaneFigure(FigureKind::Face, loop, colour));
    }
    return box;
}

// A right prism over a regular polygon of n sides in the plane z = z0, of
// height h, centred on the z axis.
struct Prism {
    std::vector<TPoint*> bottom, top;
    std::vector<TFigurePlane*> faces;
};

inline Prism AddPrism(SpaceScene& scene, int sides, double radius, double z0, double height, base::Bgr colour)
{
    Prism prism;
    for (int k = 0; k < sides; ++k) {
        const double a = 2 * M_PI * k / sides;
        prism.bottom.push_back(&scene.AddPoint({radius * std::cos(a), radius * std::sin(a), z0}));
    }
    for (int k = 0; k < sides; ++k) {
        const geometry::Vec3 p = prism.bottom[size_t(k)]->Position();
        prism.top.push_back(&scene.AddPoint({p.x, p.y, z0 + height}));
    }
    const geometry::Vec3 centre{0, 0, z0 + height / 2};
    auto add = [&](std::vector<TPoint*> loop) {
        OrientOutwards(loop, centre);
        prism.faces.push_back(scene.AddPlaneFigure(FigureKind::Face, loop, colour));
    };
    add(prism.bottom);
    add(prism.top);
    for (int k = 0; k < sides; ++k) {
        const int next = (k + 1) % sides;
        add({prism.bottom[size_t(k)], prism.bottom[size_t(next)], prism.top[size_t(next)], prism.top[size_t(k)]});
    }
    return prism;
}

} // namespace space::testscenes
