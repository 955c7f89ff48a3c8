#pragma once
#include "base/colours.h"
#include "plane/geometry.h"
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// The objects of the plane: points, figures and measures. The scene
// (scene.h) owns them, keeps their dependencies acyclic and recomputes them;
// the objects themselves only answer for their own geometry.
namespace plane {

class PlaneScene;
class TFigure;
class TFigureLine;
class TFunction;
class TPoint;

enum class FigureKind : uint8_t { Line, Luch, Segment, Segment0, Vector, Circle1, Circle2, Polygon };

bool IsLineLike(FigureKind kind);
bool IsCircle(FigureKind kind);
// The tag of the figure's lab-file record, e.g. "TLine:".
QString FigureTag(FigureKind kind);

// How an image point follows its source (the numbers are those of the lab files).
enum class MorphKind : uint8_t {
    None = 0,
    Rotation = 1,      // about Centre by Param degrees
    AxialSymmetry = 2, // in the line-like Figure
    Homothety = 3,     // about Centre with the factor Param
    Translation = 4,   // by the vector Figure
    FixedOffset = 5,   // by (DX, DY): the far end of a fixed-length segment
};

struct TMorph {
    MorphKind Kind = MorphKind::None;
    TPoint* Centre = nullptr;
    TFigureLine* Figure = nullptr;
    double Param = 0;
    double DX = 0;
    double DY = 0;
};

class TPoint {
public:
    int Index() const { return m_index; }
    geometry::Vec2 Position() const { return m_position; }
    double X() const { return m_position.x; }
    double Y() const { return m_position.y; }
    // False while the construction the point depends on has no result (two
    // figures that do not meet, a missing source): such a point is not drawn,
    // measured or picked; it keeps its last position and comes back when the
    // construction has a result again.
    bool Exists() const { return m_exists; }
    bool IsFree() const { return !m_base && !m_source && !m_graph; }

    TFigure* Base() const { return m_base; }
    TFigure* Base2() const { return m_base2; }
    int RootChoice() const { return m_rootChoice; }
    TPoint* Source() const { return m_source; }
    const TMorph& Morph() const { return m_morph; }
    // The graph the point lies on: its y is the graph's value at its x.
    TFunction* Graph() const { return m_graph; }

    const QString& Name() const { return m_name; }
    // Control characters become blanks and the ends are trimmed, so that any
    // name survives a lab file's line.
    void SetName(const QString& name);

    bool Visible = true;
    bool Marked = false;
    bool Trace = false;
    bool Guide = false;

private:
    friend class PlaneScene;
    TPoint(int index, geometry::Vec2 position) : m_index(index), m_position(position) {}

    int m_index;
    geometry::Vec2 m_position;
    bool m_exists = true;
    TFigure* m_base = nullptr;
    TFigure* m_base2 = nullptr;
    int m_rootChoice = 0;
    TPoint* m_source = nullptr;
    TMorph m_morph;
    TFunction* m_graph = nullptr;
    // The graph's chain revision the position was last computed for.
    uint64_t m_graphRevision = 0;
    QString m_name;
};

class TFigure {
public:
    virtual ~TFigure() = default;
    virtual FigureKind Kind() const = 0;
    // The points the figure is defined by (none for a polygon).
    virtual std::vector<TPoint*> DefiningPoints() const = 0;
    // Distance from q to the nearest point of the figure, which goes to
    // *nearest; nullopt while the figure is not there.
    virtual std::optional<double> DistanceTo(geometry::Vec2 q, geometry::Vec2* nearest = nullptr) const = 0;
    // A figure is there while all its defining points are.
    bool Exists() const;

    base::Bgr Color = base::colour::kBlack;
    bool Visible = true;
};

class TFigureLine : public TFigure {
public:
    TFigureLine(TPoint* p1, TPoint* p2) : P1(p1), P2(p2) {}
    std::vector<TPoint*> DefiningPoints() const override { return {P1, P2}; }
    std::optional<double> DistanceTo(geometry::Vec2 q, geometry::Vec2* nearest) const override;
    geometry::Line AsLine() const { return {P1->Position(), P2->Position()}; }
    virtual geometry::Extent Extent() const = 0;

    TPoint* const P1;
    TPoint* const P2;
};

class TLine : public TFigureLine {
public:
    using TFigureLine::TFigureLine;
    FigureKind Kind() const override { return FigureKind::Line; }
    geometry::Extent Extent() const override { return geometry::Extent::Line; }
};

class TLuch : public TFigureLine {
public:
    using TFigureLine::TFigureLine;
    FigureKind Kind() const override { return FigureKind::Luch; }
    geometry::Extent Extent() const override { return geometry::Extent::Ray; }
};

class TSegment : public TFigureLine {
public:
    using TFigureLine::TFigureLine;
    FigureKind Kind() const override { return FigureKind::Segment; }
    geometry::Extent Extent() const override { return geometry::Extent::Segment; }
};

// A segment whose far end follows its first end rigidly (fixed length and direction).
class TSegment0 : public TSegment {
public:
    using TSegment::TSegment;
    FigureKind Kind() const override { return FigureKind::Segment0; }
};

class TVector : public TSegment {
public:
    using TSegment::TSegment;
    FigureKind Kind() const override { return FigureKind::Vector; }
    geometry::Vec2 Shift() const { return P2->Position() - P1->Position(); }
};

class TFigureCircle : public TFigure {
public:
    explicit TFigureCircle(TPoint* centre) : Center(centre) {}
    virtual double Radius() const = 0;
    geometry::Circle AsCircle() const { return {Center->Position(), Radius()}; }
    std::optional<double> DistanceTo(geometry::Vec2 q, geometry::Vec2* nearest) const override;

    TPoint* const Center;
};

// A circle of fixed radius.
class TCircle1 : public TFigureCircle {
public:
    TCircle1(TPoint* centre, double radius) : TFigureCircle(centre), m_radius(radius) {}
    FigureKind Kind() const override { return FigureKind::Circle1; }
    std::vector<TPoint*> DefiningPoints() const override { return {Center}; }
    double Radius() const override { return m_radius; }

private:
    double m_radius;
};

// A circle through a point.
class TCircle2 : public TFigureCircle {
public:
    TCircle2(TPoint* centre, TPoint* onCircle) : TFigureCircle(centre), OnCircle(onCircle) {}
    FigureKind Kind() const override { return FigureKind::Circle2; }
    std::vector<TPoint*> DefiningPoints() const override { return {Center, OnCircle}; }
    double Radius() const override { return geometry::Distance(Center->Position(), OnCircle->Position()); }

    TPoint* const OnCircle;
};

// A polygon with its own vertices (not tied to points); the first vertex is
// not repeated here. Hover searches do not look at polygons.
class TPolygon : public TFigure {
public:
    static constexpr int kMinVertices = 3;
    FigureKind Kind() const override { return FigureKind::Polygon; }
    std::vector<TPoint*> DefiningPoints() const override { return {}; }
    std::optional<double> DistanceTo(geometry::Vec2, geometry::Vec2*) const override { return std::nullopt; }

    std::vector<geometry::Vec2> Vertices;
    QString Caption;
};

class TMeasure {
public:
    virtual ~TMeasure() = default;
    virtual std::vector<TPoint*> Points() const = 0;
    // Nullopt while one of the points is not there.
    virtual std::optional<double> Value() = 0;
};

class TDistance : public TMeasure {
public:
    TDistance(TPoint* a, TPoint* b) : A(a), B(b) {}
    std::vector<TPoint*> Points() const override { return {A, B}; }
    std::optional<double> Value() override;

    TPoint* A;
    TPoint* B;
};

class TAngle : public TMeasure {
public:
    TAngle(TPoint* a, TPoint* vertex, TPoint* b) : A(a), V(vertex), B(b) {}
    std::vector<TPoint*> Points() const override { return {A, V, B}; }
    // The angle AVB in degrees, 0 … 180; 0 with a side of zero length. When the
    // turn from VA to VB is clockwise A and B are exchanged, so that the arc
    // drawn counter-clockwise from A to B always spans the measured angle.
    std::optional<double> Value() override;

    TPoint* A;
    TPoint* V;
    TPoint* B;
};

} // namespace plane
