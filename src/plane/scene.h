#pragma once
#include "plane/figures.h"
#include <QString>
#include <array>
#include <memory>
#include <vector>

// The plane engine's scene without a window: points, figures and measures in
// creation order with their dependencies, the chosen elements of the
// transformations, and everything that changes them. Dependencies always form
// an acyclic graph (a change that would close a cycle is refused); moving a
// point recomputes each of its dependants once, parents before children.
namespace plane {

// Two figures under the mouse, the nearer first.
struct HotFigures {
    TFigure* first = nullptr;
    TFigure* second = nullptr;
};

// Where a click lands after snapping, and what a point created there depends on.
struct SnapResult {
    geometry::Vec2 position;
    TFigure* base = nullptr;
    TFigure* base2 = nullptr;
    int rootChoice = 0;
    TFunction* graph = nullptr;
};

// The value of a graph at x, or nothing: outside its domain, where it has
// no value, or when it cannot be evaluated at all.
std::optional<double> GraphValueAt(TFunction& graph, double x);

class PlaneScene {
public:
    static constexpr int kParamCount = 26; // the one-letter parameters "a" … "z"
    static constexpr double kInitialRotationAngle = 45;
    static constexpr double kInitialHomothetyFactor = 0.5;

    PlaneScene();
    ~PlaneScene();
    PlaneScene(PlaneScene&&) noexcept;
    PlaneScene& operator=(PlaneScene&&) noexcept;
    PlaneScene(const PlaneScene&) = delete;
    PlaneScene& operator=(const PlaneScene&) = delete;

    // Frees every object; resets the transformation elements and parameters.
    // DrawColor stays.
    void Clear();

    int PointCount() const { return int(m_points.size()); }
    TPoint* Point(int index) const { return m_points[size_t(index)].get(); }
    int FigureCount() const { return int(m_figures.size()); }
    TFigure* Figure(int index) const { return m_figures[size_t(index)].get(); }
    int MeasureCount() const { return int(m_measures.size()); }
    TMeasure* Measure(int index) const { return m_measures[size_t(index)].get(); }
    int FigureIndex(const TFigure* figure) const;
    int MeasureIndex(const TMeasure* measure) const;

    // The colour new figures get.
    base::Bgr DrawColor = base::colour::kBlack;

    double Param(int index) const { return m_params[size_t(index)]; }
    // False for an index outside 0 … 25 or a value that is not finite.
    bool SetParam(int index, double value);

    // --- transformation elements -----------------------------------------
    TPoint* RotationCenter = nullptr;
    TPoint* HomothetyCenter = nullptr;
    TFigureLine* SymmetryAxis = nullptr;
    TVector* ShiftVector = nullptr;
    double RotationAngle() const { return m_rotationAngle; }
    double HomothetyFactor() const { return m_homothetyFactor; }
    // False (nothing changes) for a value that is not finite.
    bool SetRotationAngle(double degrees);
    bool SetHomothetyFactor(double factor);

    // --- creation; nullptr when refused ----------------------------------
    // A free point; refused when the position is not finite.
    TPoint* AddPoint(geometry::Vec2 position);
    // A point on a figure, or on the intersection of two (see SetParents),
    // placed at once; it may start "not there".
    TPoint* AddPointOn(geometry::Vec2 position, TFigure* base, TFigure* base2 = nullptr, int rootChoice = 0);
    // A point on a graph at x = position.x (see SetGraph); it starts "not
    // there" where the graph has no value. Refused without a graph or for a
    // position that is not finite.
    TPoint* AddPointOnGraph(geometry::Vec2 position, TFunction* graph);
    TLine* AddLine(TPoint* p1, TPoint* p2);
    TLuch* AddLuch(TPoint* p1, TPoint* p2);
    TSegment* AddSegment(TPoint* p1, TPoint* p2);
    TVector* AddVector(TPoint* p1, TPoint* p2);
    // p2 becomes the image of p1 by their present offset; refused for p1 == p2
    // and when p1 already follows p2.
    TSegment0* AddSegment0(TPoint* p1, TPoint* p2);
    // Refused for a radius that is negative or not finite.
    TCircle1* AddCircle1(TPoint* centre, double radius);
    TCircle2* AddCircle2(TPoint* centre, TPoint* onCircle);
    // Refused with fewer than three vertices or a vertex that is not finite;
    // a repeated first vertex at the end is dropped.
    TPolygon* AddPolygon(std::vector<geometry::Vec2> vertices);
    // Refused outside 3 … 100 sides or for a side that is not positive.
    TPolygon* AddRegularPolygon(geometry::Vec2 centre, int sides, double side);
    TDistance* AddDistance(TPoint* a, TPoint* b);
    TAngle* AddAngle(TPoint* a, TPoint* vertex, TPoint* b);

    // --- dependencies (they move nothing; see RefreshExistence) ------------
    // The point lies on base, or on the intersection of base and base2 with
    // the given root (0: not chosen yet, 1 or 2). Refused when a figure is a
    // polygon, base2 comes without base, the root is not 0 … 2, or the point
    // would depend on itself.
    bool SetParents(TPoint* point, TFigure* base, TFigure* base2, int rootChoice);
    // The point becomes an image of source. Refused when the morph lacks its
    // element, an element has the wrong kind (an axis must be line-like, a
    // shift a vector), a value is not finite, or the point would depend on itself.
    bool SetMorph(TPoint* point, TPoint* source, const TMorph& morph);
    // The point lies on the graph: its y follows the graph's value at its x
    // (FollowGraphs). Refused for a point that lies on a figure or is an
    // image, as those have a place of their own; nullptr frees the point
    // where it stands. SetParents and SetMorph refuse a point on a graph.
    bool SetGraph(TPoint* point, TFunction* graph);
    // Every point on the graph becomes a free point where it stands (the
    // graph is about to be deleted). A point that was not there comes back.
    void ReleaseGraph(const TFunction* graph);
    // Points on graphs that changed since their last computation (a
    // parameter, the formula, the domain, a source of a derived graph) take
    // their graphs' new values, and their dependants follow. True when some
    // point was recomputed.
    bool FollowGraphs();
    // A reader that sets many dependencies at once switches the cycle checks
    // of each change off (a point depending directly on itself is still
    // refused) and asks FindCycle once at the end.
    void SetCycleChecks(bool on) { m_cycleChecks = on; }
    // The points of a dependency cycle, each a parent of the one before it;
    // empty when there is none.
    std::vector<TPoint*> FindCycle() const;

    // --- transformations -------------------------------------------------
    // The image of a point by the chosen element (rotation, axial symmetry,
    // homothety, translation); nullptr when that element is not chosen.
    TPoint* MakeImage(TPoint* source, MorphKind kind);
    // The image of a line-like figure or circle; nullptr for polygons and
    // when the element is not chosen.
    TFigure* MakeImage(TFigure* figure, MorphKind kind);
    // The midpoint of a line-like figure, as the image of P2 in the homothety
    // about P1 with factor 0.5; it stays the midpoint when the ends move.
    TPoint* AddMidpoint(TFigureLine* figure);
    // Polygons are turned and flipped in place (the lab animates the steps).
    static void RotatePolygon(TPolygon& polygon, geometry::Vec2 centre, double degrees);
    // Mirror in the vertical line x = axisX.
    static void FlipPolygon(TPolygon& polygon, double axisX);

    // --- moving ----------------------------------------------------------
    // Moves the point (a dependent point goes to its construction's nearest
    // result) and recomputes each dependant once. False for a position that
    // is not finite.
    bool MovePoint(TPoint* point, geometry::Vec2 position);
    // Decides for every dependent point whether its construction has a
    // result, without moving anything (positions read from a file stay).
    void RefreshExistence();

    // --- eraser ----------------------------------------------------------
    // Points and figures other than polygons are hidden and keep working;
    // polygons and measures are removed and freed.
    void Erase(TPoint* point);
    void Erase(TFigure* figure);
    void Erase(TMeasure* measure);

    // --- picking ---------------------------------------------------------
    // The visible point nearest to q within tolerance; the later created wins a tie.
    TPoint* FindHotPoint(geometry::Vec2 q, double tolerance) const;
    // The nearest and second nearest visible figures (polygons aside) within tolerance.
    HotFigures FindHotFigures(geometry::Vec2 q, double tolerance) const;
    // The snapped position of a click: the intersection of two figures under
    // the mouse (when they meet), else the nearest point of one, else the
    // point of the graph under the mouse at the click's x, else the nearest
    // grid node (gridStep > 0), else the click itself.
    SnapResult Snap(geometry::Vec2 click, HotFigures hot, double gridStep, TFunction* hotGraph = nullptr) const;

    // The intersection of two figures by their kinds (never by their order);
    // rootChoice 0 takes the root nearer to hint (2 on a tie) and stores it.
    static std::optional<geometry::Vec2> Intersect(const TFigure& a, const TFigure& b, int& rootChoice,
                                                   geometry::Vec2 hint);

private:
    template <class T, class... Args> T* AddFigure(Args&&... args);
    TPoint* NewPoint(geometry::Vec2 position);
    std::vector<TPoint*> ParentPoints(const TPoint& point) const;
    std::vector<TPoint*> ParentPoints(TFigure* base, TFigure* base2, TPoint* source, const TMorph& morph) const;
    // True when a dependency of point on these parents would close a cycle.
    bool WouldCycle(const TPoint& point, const std::vector<TPoint*>& parents) const;
    // Indices of every point that depends on point, directly or not, each once.
    std::vector<int> Descendants(const TPoint& point) const;
    void Link(TPoint& point);
    void Unlink(TPoint& point);
    std::optional<geometry::Vec2> Construct(TPoint& point, bool& keepPosition);
    void Update(TPoint& point);
    void EnsureOrder();
    void Propagate(const TPoint& moved);

    std::vector<std::unique_ptr<TPoint>> m_points;
    std::vector<std::unique_ptr<TFigure>> m_figures;
    std::vector<std::unique_ptr<TMeasure>> m_measures;
    std::array<double, kParamCount> m_params{};
    double m_rotationAngle = kInitialRotationAngle;
    double m_homothetyFactor = kInitialHomothetyFactor;

    // The dependency graph between points: for each point the points that
    // depend on it directly, and each point's place in a topological order.
    std::vector<std::vector<int>> m_dependants;
    std::vector<int> m_rank;
    bool m_orderStale = false;
    bool m_cycleChecks = true;
    mutable std::vector<unsigned> m_seen;
    mutable unsigned m_seenStamp = 0;
};

} // namespace plane
