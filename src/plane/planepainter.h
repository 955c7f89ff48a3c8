#pragma once
#include "base/colours.h"
#include "plane/functionlist.h"
#include "plane/planeview.h"
#include "plane/regions.h"
#include "plane/scene.h"
#include <QFont>
#include <QString>
#include <vector>

class QPainter;

// Painting of a plane scene for a view: grid, axes with their numbers,
// measures, figures, graphs, points and polygons, in that order. The painter holds no
// state of its own; the control and the render tool call it with the view.
namespace plane {

// Its colours are base::colour::plane (base/colours.h).
namespace colour = base::colour::plane;

struct PaintOptions {
    bool GridVisible = true;
    bool AxesVisible = true;
    bool ShowHidden = false;      // draw erased points and figures too
    bool ShowCoordinates = false; // unnamed points are labelled with their coordinates
    int PenWidth = 1;
    base::Bgr BackColor = base::colour::kWhite;
    base::Bgr BlinkColor = base::colour::kBlack;
    const TPoint* HotPoint = nullptr;
    HotFigures Hot;
    const TMeasure* HotMeasure = nullptr;
    // The chosen symmetry axis and shift vector are drawn in BlinkColor.
    const TFigure* BlinkAxis = nullptr;
    const TFigure* BlinkVector = nullptr;
    QFont Font;
    // The graphs drawn under the points; none when null.
    FunctionList* Functions = nullptr;
    const TAlgebra* HotFunction = nullptr;
    // The curves and shading of the equations and inequalities, drawn under
    // the grid and the axes; none when null.
    const RegionPicture* Regions = nullptr;
};

// World values of the grid lines (or axis ticks) between two world
// coordinates: multiples of step whose index is divisible by every. At most
// maxCount values, so no view, however far out, draws millions of lines.
std::vector<double> GridValues(double from, double to, double step, int every, int maxCount);
// Every how many grid lines one is drawn, for lines pixelsApart apart.
int GridThinning(double pixelsApart);
// Every how many ticks one is numbered on the axes.
int TickThinning(double pixelsApart);

// The label of a point: its name, or "(x;y)" with two decimals and the
// decimal comma when it has none (or carries an old coordinate label) and
// coordinates are shown; empty otherwise.
QString PointLabel(const TPoint& point, bool showCoordinates);
// "      2.24": the text of a distance; "90" (trimmed, without "°") of an angle.
QString DistanceText(double value);
QString AngleText(double degrees);

class PlanePainter {
public:
    PlanePainter(QPainter& painter, const PlaneView& view, const PaintOptions& options)
        : m_painter(painter), m_view(view), m_options(options) {}

    // The whole scene: grid and axes, measures, figures, graphs, points, polygons.
    void Paint(PlaneScene& scene);
    void DrawGrid();
    void DrawAxes();
    void DrawMeasure(TMeasure& measure);
    void DrawFigure(const TFigure& figure);
    void DrawPoint(const PlaneScene& scene, const TPoint& point);
    void DrawPolygon(const TPolygon& polygon);

private:
    QPoint Pixel(geometry::Vec2 world) const;
    void DrawLineFigure(const TFigureLine& figure);
    void DrawCircle(const TFigureCircle& circle);
    void DrawAngle(TAngle& angle);
    void DrawDistance(TDistance& distance);
    bool Shown(bool visible) const { return visible || m_options.ShowHidden; }

    QPainter& m_painter;
    const PlaneView& m_view;
    const PaintOptions& m_options;
};

} // namespace plane
