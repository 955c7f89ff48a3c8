#pragma once
#include "space/objects.h"
#include <memory>
#include <optional>
#include <vector>

// The scene of the space engine: points, figures and measures in the order
// they were made (the model's order, which the records keep); the drawing
// order is the painter's business and never changes these lists. Every
// object is built only from objects made before it, so one pass in model
// order brings every dependant up to date after a point moved.
namespace space {

class SpaceScene {
public:
    SpaceScene() = default;
    SpaceScene(const SpaceScene&) = delete;
    SpaceScene& operator=(const SpaceScene&) = delete;
    SpaceScene(SpaceScene&&) = default;
    SpaceScene& operator=(SpaceScene&&) = default;

    const std::vector<std::unique_ptr<TPoint>>& Points() const { return m_points; }
    const std::vector<std::unique_ptr<TFigure>>& Figures() const { return m_figures; }
    const std::vector<std::unique_ptr<TMeasure>>& Measures() const { return m_measures; }

    // --- making objects -----------------------------------------------------
    TPoint& AddPoint(const geometry::Vec3& at);
    // A point that lies on a figure (put onto it now and after every move).
    TPoint& AddPointOn(TFigure& base, const geometry::Vec3& near);
    // The meeting point of a line figure with a line or plane figure; none
    // when they do not meet in space.
    TPoint* AddIntersection(TFigure& line, TFigure& other);
    // A point that follows the image of another under a transformation.
    TPoint& AddImagePoint(TPoint& source, const Morph& morph);
    // Line figures need two different points.
    TFigureLine* AddLineFigure(FigureKind kind, TPoint& p1, TPoint& p2, base::Bgr colour);
    // A face needs three different vertices (its first may close the list
    // again); a plane or a section exactly three different points. Otherwise
    // nothing is made. Points that moved onto one line later leave the
    // figure without a plane (it is then not drawn and cuts nothing).
    TFigurePlane* AddPlaneFigure(FigureKind kind, std::vector<TPoint*> vertices, base::Bgr colour);
    TDistance& AddDistance(TPoint& a, TPoint& b);
    TAngle& AddAngle(TPoint& a, TPoint& vertex, TPoint& b);
    // Only measures are destroyed; points and figures are hidden instead.
    void RemoveMeasure(const TMeasure* measure);
    void Clear();

    // --- indices --------------------------------------------------------------
    int PointIndex(const TPoint* point) const;
    int FigureIndex(const TFigure* figure) const;

    // --- keeping the scene consistent -------------------------------------------
    // Moves a point (a point on an object slides back onto it) and brings its
    // dependants up to date. Image and intersection points do not move.
    void MovePoint(TPoint& point, double x, double y);
    // After loading: decides which dependent points are there from the
    // stored flags (MeetFlag −1: not there) and from the points behind them,
    // keeping every position as stored.
    void RefreshPresence();
    // Recomputes every dependent point, in model order.
    void RecalcAll();
    // Recomputes the dependants of the given point (it included).
    void RecalcFrom(TPoint& point);
    // Turns every point rigidly about the origin; relations keep holding.
    void TurnAboutX(double degrees);
    void TurnAboutY(double degrees);
    void TurnAboutZ(double degrees);
    // Brings the polygons of the sections up to date with their solids.
    void UpdateSections();
    bool HasSection() const;

    // The faces of a solid: those with the given colour.
    std::vector<const TGrane*> FacesOfColour(base::Bgr colour) const;

    // Where a dependent point belongs now; none when its construction has no
    // solution. Free points stay where they are.
    std::optional<geometry::Vec3> Placement(const TPoint& point) const;
    // The points a point depends on directly.
    static std::vector<const TPoint*> PointsBehind(const TPoint& point);

private:
    template <class Turn> void TurnAll(Turn turn);
    void Recalc(TPoint& point);
    bool DefinesFigure(const TPoint& point) const;

    std::vector<std::unique_ptr<TPoint>> m_points;
    std::vector<std::unique_ptr<TFigure>> m_figures;
    std::vector<std::unique_ptr<TMeasure>> m_measures;
};

// Where a line figure meets a line or plane figure (whole lines and planes);
// none when they do not meet in space.
std::optional<geometry::Vec3> MeetingPoint(const TFigure& line, const TFigure& other);

// Whether three of the points span a plane (the constructions wait for
// points that do).
bool SpansPlane(const std::vector<TPoint*>& vertices);
size_t DistinctCount(const std::vector<TPoint*>& points);

// The image of a point under a transformation; none when the element is
// degenerate (an axis of no length, a mirror plane through a line).
std::optional<geometry::Vec3> MorphImage(const geometry::Vec3& source, const Morph& morph);

} // namespace space
