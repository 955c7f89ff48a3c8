#pragma once
#include "numberline/lineview.h"
#include "numberline/scene.h"
#include <QFont>
#include <QPoint>
#include <QSize>

class QPainter;

// Painting of the number line for a view: the axis with its ticks, labels and
// divisions, then the figures, then the points with their formulas above and
// names below. The painter holds no state; the control and the render tool
// call it with the view.
namespace numberline {

// How formulas are measured and drawn: the formula view library in the lab,
// plain notation text where no formula view is at hand.
class FormulaArt {
public:
    virtual ~FormulaArt() = default;
    virtual void Draw(formulas::TFormula& formula, QPainter& canvas, int x, int y) = 0;
};

// Draws the formula's bracket notation: for tools that run without the formula views.
class PlainFormulaArt : public FormulaArt {
public:
    void Draw(formulas::TFormula& formula, QPainter& canvas, int x, int y) override;
};

struct PaintOptions {
    const TPoint* HotPoint = nullptr;
    const TFigure* HotFigure = nullptr;
    // A point being dragged and the figure last built on it are left out of
    // Paint and drawn by PaintMoving over a picture of the rest.
    const TPoint* Moving = nullptr;
    QFont Font;
};

// Where a point's formula and name are drawn, from the point's pixel.
inline constexpr QPoint kFormulaOffset{-10, -50};
inline constexpr QPoint kNameOffset{-5, 15};

class LinePainter {
public:
    LinePainter(QPainter& canvas, const LineView& view, FormulaArt& art, const PaintOptions& options)
        : m_canvas(canvas), m_view(view), m_art(art), m_options(options) {}

    // The whole picture: the line, every figure, every point (but Moving).
    void Paint(NumberLineScene& scene);
    // The moving point and its figure, over a picture Paint made without them.
    void PaintMoving(TPoint& point);
    void DrawLine(const NumberLineScene& scene);
    void DrawFigure(const TFigure& figure);
    void DrawPoint(TPoint& point);

private:
    QPainter& m_canvas;
    const LineView& m_view;
    FormulaArt& m_art;
    const PaintOptions& m_options;
};

// The fill of a point's dot: hot, off its value, included or excluded.
base::Bgr PointFill(const TPoint& point, bool hot, double scale);

} // namespace numberline
