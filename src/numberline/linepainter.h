#pragma once
#include "numberline/lineview.h"
#include "numberline/namelayout.h"
#include "numberline/scene.h"
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <utility>
#include <vector>

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

// Where a point's formula is drawn, from the point's pixel (names: namelayout.h).
inline constexpr QPoint kFormulaOffset{-10, -50};

struct TickLabel {
    int column;
    QString text;
    QRect box;
};

// A point's name and the box it is drawn in.
using NameBox = std::pair<const TPoint*, QRect>;

class LinePainter {
public:
    LinePainter(QPainter& canvas, const LineView& view, FormulaArt& art, const PaintOptions& options)
        : m_canvas(canvas), m_view(view), m_art(art), m_options(options) {}

    // The whole picture: the line, every figure, every point (but Moving).
    void Paint(NumberLineScene& scene);
    // The moving point and its figure, over a picture Paint made of the
    // scene without them.
    void PaintMoving(const NumberLineScene& scene, TPoint& point);
    void DrawLine(const NumberLineScene& scene, const std::vector<TickLabel>& labels);
    void DrawFigure(const TFigure& figure);
    // The dot and the formula above it; the name goes where NameBoxes puts it.
    void DrawPoint(TPoint& point);

    // The labels of the frame's ticks in the canvas's font.
    std::vector<TickLabel> TickLabels(const NumberLineScene& scene) const;
    // The names of the visible points, clear of the tick labels and of each
    // other, in the scene's order with the moving point last.
    std::vector<NameBox> NameBoxes(const NumberLineScene& scene, const std::vector<TickLabel>& labels) const;

private:
    void DrawName(const NameBox& name);

    QPainter& m_canvas;
    const LineView& m_view;
    FormulaArt& m_art;
    const PaintOptions& m_options;
};

// The fill of a point's dot: hot, off its value, included or excluded.
base::Bgr PointFill(const TPoint& point, bool hot, double scale);

} // namespace numberline
