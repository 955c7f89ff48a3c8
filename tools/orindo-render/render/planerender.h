#pragma once
#include "base/colours.h"
#include "labframe/file/labdata.h"
#include <QRect>
#include <QSize>
#include <QStringList>

class QPainter;

// Renderers of the labs built on the plane engine.
namespace labrender {

constexpr int kFunctionGraphsLab = 3;
constexpr int kPlanimetryLab = 4;
constexpr int kTrigonometryLab = 5;
constexpr int kCoordinatePlaneLab = 6;
// Its scenes are drawn as the coordinate plane's: the same plane, equations and graphs.
constexpr int kEquationGraphsLab = 11;

// What a plane lab's window lines say about its drawing.
struct PlaneLabLook {
    bool gridVisible = true;
    bool axesVisible = true;
    bool showHidden = false;
    bool showCoordinates = false;
    int penWidth = 1;
    base::Bgr backColor = base::colour::kWhite;
};

// The planimetry lab: no axes and no coordinate labels; its window lines
// decide the rest: "btGrid" pressed shows the grid (it is pressed when the
// lab opens), "btShowAll" pressed shows erased objects too, and the width
// list "ComboBoxWidth" gives the pen width (item index + 1).
PlaneLabLook PlanimetryLook(const QList<labframe::LabControlLine>& controls);

// Reads the data's plane section as the engine reads it and paints the scene
// at the view the section keeps. A refused section throws RenderError at the
// file line where the engine stops.
void RenderPlaneScene(const labframe::LabFileData& data, const PlaneLabLook& look, QPainter& painter, QSize size);
// One section (lines from firstLine on) in the rectangle area of the painter,
// with its graphs, equation curves and shading.
void RenderPlaneSection(const QStringList& lines, int firstLine, const PlaneLabLook& look, QPainter& painter, QRect area);

// The coordinate plane lab: axes; "btGrid" and "btCoord" pressed show the
// grid and the coordinates of unnamed points (both are pressed when it opens).
PlaneLabLook CoordinatePlaneLook(const QList<labframe::LabControlLine>& controls);
void RenderCoordinatePlane(const labframe::LabFileData& data, QPainter& painter, QSize size);
// The trigonometry lab: the circle plane on its amber panel on the left, as
// wide as the lab opens it, and the graph plane on the rest.
constexpr int kCirclePanelWidth = 325;
void RenderTrigonometry(const labframe::LabFileData& data, QPainter& painter, QSize size);

void RenderPlanimetry(const labframe::LabFileData& data, QPainter& painter, QSize size);

// The function graphs lab: axes always; "btGrid" and "btCoord" pressed show
// the grid and the coordinates of unnamed points (both are when the lab
// opens); the width list gives the pen width.
PlaneLabLook FunctionGraphsLook(const QList<labframe::LabControlLine>& controls);
void RenderFunctionGraphs(const labframe::LabFileData& data, QPainter& painter, QSize size);

} // namespace labrender
