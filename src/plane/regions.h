#pragma once
#include "plane/functionlist.h"
#include "plane/planeview.h"
#include <QImage>
#include <climits>
#include <cstdint>
#include <vector>

// The region layer of a plane: the curves F(x, y) = 0 of its equations and
// the shading of the set where all of its inequalities hold at once, exact
// per pixel. Every equation is evaluated once per grid point; the values
// serve both the sign-change scan that finds the curve and the shading of
// every inequality. A point where an object has no value is neither inside
// nor outside: it is never shaded and never a sign change.
namespace plane {

// The values of two neighbouring grid points change sign there (one may be
// 0); a product of kMaxCurveProduct or more is a jump across a pole, not a
// curve. A point without a value never takes part.
constexpr double kMaxCurveProduct = 100;
bool IsCurveStep(double a, double b);

// Whether a region layer is needed at all: some object is an equation or
// has the relation "<" or ">".
bool HasRegionLayer(const FunctionList& list);
// Whether some object has the relation "<" or ">".
bool HasInequalities(const FunctionList& list);

// The grid point (column, row) in steps of Step pixels; the picture covers
// the view it was made for and is placed by that view's world corner.
struct RegionPicture {
    int Step = 1;
    int Columns = 0;
    int Rows = 0;
    // The world point of the top-left pixel and the scale it was made at,
    // so that the picture can follow a pan or zoom until it is made again.
    double Left = 0;
    double Top = 0;
    double Scale = PlaneView::kInitialScale;
    // Per grid point, row by row: 1 where every inequality holds.
    std::vector<uint8_t> Inside;
    // Per grid point: the colour of the curve drawn there, or kNoCurve.
    static constexpr uint32_t kNoCurve = UINT32_MAX;
    std::vector<uint32_t> Curve;
    // Columns × Rows: transparent, plane::kShading (silver) where shaded, curves in their colours.
    QImage Image;

    bool IsInside(int column, int row) const { return Inside[size_t(row) * size_t(Columns) + size_t(column)] != 0; }
    uint32_t CurveAt(int column, int row) const { return Curve[size_t(row) * size_t(Columns) + size_t(column)]; }
};

// Builds a picture row by row: each equation is evaluated along a whole
// grid row with one formula call (compiled code runs once per row), so that
// a window can spread a large rebuild over several slices of time and show
// a coarse one (step > 1) first. The list and the view must outlive the
// builder and stay unchanged while it runs.
class RegionBuilder {
public:
    RegionBuilder(FunctionList& list, const PlaneView& view, int step = 1);

    bool Done() const { return m_next >= m_picture.Rows; }
    int NextRow() const { return m_next; }
    // Computes up to count further grid rows.
    void RunRows(int count);
    void Run() { RunRows(INT_MAX); }
    const RegionPicture& Picture() const { return m_picture; }
    RegionPicture TakePicture() { return std::move(m_picture); }

private:
    struct EquationValues {
        TEquation* Equation;
        QChar Relation;
        uint32_t Order; // the equation's place among the equations: a later one's curve lies on top
        std::vector<double> Previous; // the row above, NaN where no value
        std::vector<double> Current;
    };
    void EvaluateRow(int row);
    void ShadeRow(int row);
    void MarkCurves(int row);
    void MarkCurve(int column, int row, const EquationValues& values);
    void SetPixel(int column, int row, uint32_t argb);

    FunctionList& m_list;
    const PlaneView& m_view;
    RegionPicture m_picture;
    std::vector<EquationValues> m_equations;
    std::vector<TFunction*> m_functionInequalities;
    std::vector<double> m_columnX; // the world x of every grid column, computed once
    // Per graph inequality, its value at every grid column (NaN: none),
    // evaluated once per column for the whole picture.
    std::vector<std::vector<double>> m_graphValues;
    // Per grid point, 1 + the order of the equation whose curve is marked there.
    // Order + 1 of the equation whose curve shows at each grid point, 0 for
    // none. One byte a point keeps this buffer small; equations past the
    // 254th share the top rank.
    std::vector<uint8_t> m_curveOwner;
    bool m_shading = false;
    int m_next = 0;
};

RegionPicture BuildRegions(FunctionList& list, const PlaneView& view, int step = 1);

// Whether (x, y) satisfies the object's relation strictly; "=" holds
// nowhere and an object without a value at (x, y) does not hold.
bool HoldsAt(TAlgebra& object, double x, double y);

// The paint tool: every object gets the relation of the side of its curve
// or graph the point (x, y) lies on ("<" below zero or below the graph,
// ">" above, "=" on it or where it has no value), so that the region
// containing the click is shaded. True when a relation changed.
bool SignRegionsAt(FunctionList& list, double x, double y);
// The eraser: every object gets "=", so nothing is shaded. True when a relation changed.
bool DropShading(FunctionList& list);

} // namespace plane
