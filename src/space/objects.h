#pragma once
#include "base/colours.h"
#include "space/geometry.h"
#include <QString>
#include <vector>

// The objects of a space scene. The scene owns them; objects refer to each
// other by plain pointers, which stay valid while the scene lives because
// erased points and figures are only hidden. A point built on other objects
// may be "not there" (two lines that stopped meeting): it keeps its last
// position, is neither drawn nor picked, and comes back when they meet again.
namespace space {

class TFigure;

inline constexpr int kNotThereFlag = -1;
// Coordinates stay within this bound, so that pixels and products of
// coordinates stay finite and every stored number reads back unchanged.
inline constexpr double kMaxCoordinate = 1e12;

// How an image point follows its source (the transformations of solids).
enum class MorphKind { None = 0, Rotation = 1, Mirror = 2, Translation = 3, Homothety = 4 };

class TPoint;

struct Morph {
    MorphKind Kind = MorphKind::None;
    TFigure* Element = nullptr;  // the axis, the mirror plane or the shift vector
    TPoint* Centre = nullptr;    // the homothety centre
    double Param = 0;            // degrees of a rotation, factor of a homothety
};

class TPoint {
public:
    double X = 0, Y = 0, Z = 0;
    bool Visible = true;
    bool Marked = false;
    // False while the construction behind the point has no solution.
    bool Present = true;
    QString Name;
    TFigure* Base = nullptr;  // the object the point lies on; a line figure for an intersection
    TFigure* Base2 = nullptr; // the second object of an intersection point
    // As read from a file: 1 when the bases of an intersection met in space,
    // 0 for a point on one object, kNotThereFlag when the point was not there.
    int MeetFlag = 0;
    TPoint* Source = nullptr; // an image point's original
    Morph Morphing;

    geometry::Vec3 Position() const { return {X, Y, Z}; }
    // Each coordinate is kept within ±kMaxCoordinate.
    void SetPosition(const geometry::Vec3& p);
    bool IsFree() const { return !Base && !Source; }
    bool IsIntersection() const { return Base && Base2; }
    bool IsImage() const { return Source != nullptr; }
    // Shown and pickable: visible (or all shown) and there.
    bool Shown(bool showHidden) const { return Present && (Visible || showHidden); }
};

enum class FigureKind { Line, Ray, Segment, Vector, Face, Plane, Section };

bool IsLineKind(FigureKind kind);

class TFigure {
public:
    virtual ~TFigure() = default;
    FigureKind Kind() const { return m_kind; }
    bool IsLine() const { return IsLineKind(m_kind); }
    bool IsPlane() const { return !IsLine(); }

    base::Bgr Color = base::colour::kBlack;
    bool Visible = true;

    // The points the figure is defined by, in order.
    virtual std::vector<TPoint*> DefiningPoints() const = 0;
    // Drawing order of plane figures: the smallest z of the vertices; line
    // figures come after every plane figure.
    virtual double DepthKey() const = 0;
    // The figure's point nearest to the mouse in the projection, with its
    // planar distance. Pick tolerance is what a plane inside its triangle
    // reports, so nearer candidates win.
    virtual geometry::Nearest DistanceTo(double wx, double wy, double pickTolerance) const = 0;
    // All defining points are there.
    bool Present() const;
    bool Shown(bool showHidden) const { return Present() && (Visible || showHidden); }

protected:
    explicit TFigure(FigureKind kind) : m_kind(kind) {}

private:
    FigureKind m_kind;
};

class TFigureLine : public TFigure {
public:
    TPoint* P1 = nullptr; // origin of a ray, tail of a vector
    TPoint* P2 = nullptr;
    std::vector<TPoint*> DefiningPoints() const override { return {P1, P2}; }
    double DepthKey() const override;

protected:
    TFigureLine(FigureKind kind, TPoint* p1, TPoint* p2) : TFigure(kind), P1(p1), P2(p2) {}
};

class TLine : public TFigureLine {
public:
    TLine(TPoint* p1, TPoint* p2) : TFigureLine(FigureKind::Line, p1, p2) {}
    geometry::Nearest DistanceTo(double wx, double wy, double pickTolerance) const override;
};

class TLuch : public TFigureLine {
public:
    TLuch(TPoint* p1, TPoint* p2) : TFigureLine(FigureKind::Ray, p1, p2) {}
    geometry::Nearest DistanceTo(double wx, double wy, double pickTolerance) const override;
};

class TSegment : public TFigureLine {
public:
    TSegment(TPoint* p1, TPoint* p2) : TFigureLine(FigureKind::Segment, p1, p2) {}
    geometry::Nearest DistanceTo(double wx, double wy, double pickTolerance) const override;

protected:
    TSegment(FigureKind kind, TPoint* p1, TPoint* p2) : TFigureLine(kind, p1, p2) {}
};

class TVector : public TSegment {
public:
    TVector(TPoint* p1, TPoint* p2) : TSegment(FigureKind::Vector, p1, p2) {}
};

class TFigurePlane : public TFigure {
public:
    // A face lists three or more vertices (a closing repeat of the first is
    // allowed); a plane and a section exactly three.
    std::vector<TPoint*> Vertices;
    std::vector<TPoint*> DefiningPoints() const override { return Vertices; }
    double DepthKey() const override;
    // The plane of the vertices (geometry::PlaneOfLoop); none for a
    // degenerate figure.
    std::optional<geometry::PlaneEquation> Equation() const;

protected:
    TFigurePlane(FigureKind kind, std::vector<TPoint*> vertices) : TFigure(kind), Vertices(std::move(vertices)) {}
};

class TGrane : public TFigurePlane {
public:
    explicit TGrane(std::vector<TPoint*> vertices) : TFigurePlane(FigureKind::Face, std::move(vertices)) {}
    // Turned away from the viewer faces report distance 1 (they are found
    // only when the tolerance reaches that far).
    geometry::Nearest DistanceTo(double wx, double wy, double pickTolerance) const override;
    // The vertex positions as one closed loop, the closing repeat dropped.
    std::vector<geometry::Vec3> Loop() const;
    bool FacesViewer() const;
};

class TPlane : public TFigurePlane {
public:
    explicit TPlane(std::vector<TPoint*> vertices) : TFigurePlane(FigureKind::Plane, std::move(vertices)) {}
    geometry::Nearest DistanceTo(double wx, double wy, double pickTolerance) const override;

protected:
    TPlane(FigureKind kind, std::vector<TPoint*> vertices) : TFigurePlane(kind, std::move(vertices)) {}
};

// The section of the solid whose faces have the section's colour. Its
// polygon is kept up to date by the scene (UpdateSections).
class TPlaneCut : public TPlane {
public:
    explicit TPlaneCut(std::vector<TPoint*> vertices) : TPlane(FigureKind::Section, std::move(vertices)) {}
    // Picked only inside its polygon.
    geometry::Nearest DistanceTo(double wx, double wy, double pickTolerance) const override;
    // Where a point lying on the section belongs: under (wx, wy) inside the
    // polygon, on its border outside; none while the plane misses the solid.
    std::optional<geometry::Vec3> Closest(double wx, double wy) const;
    std::vector<geometry::Vec3> Outline;
};

class TMeasure {
public:
    virtual ~TMeasure() = default;
    virtual double Value() const = 0;
    virtual std::vector<TPoint*> DefiningPoints() const = 0;
    // The label as drawn: distances with two decimals, angles in whole degrees.
    virtual QString Text() const = 0;
    bool Present() const;
};

class TDistance : public TMeasure {
public:
    TDistance(TPoint* a, TPoint* b) : A(a), B(b) {}
    TPoint* A;
    TPoint* B;
    double Value() const override;
    std::vector<TPoint*> DefiningPoints() const override { return {A, B}; }
    QString Text() const override;
};

class TAngle : public TMeasure {
public:
    TAngle(TPoint* a, TPoint* v, TPoint* b) : A(a), V(v), B(b) {}
    TPoint* A;
    TPoint* V; // vertex
    TPoint* B;
    double Value() const override;
    std::vector<TPoint*> DefiningPoints() const override { return {A, V, B}; }
    QString Text() const override;
};

} // namespace space
