#include "orindo-render/render/planerender.h"
#include "orindo-render/render/labrender.h"
#include "plane/planepainter.h"
#include "plane/planerecords.h"
#include "plane/regions.h"
#include "plane/sectionpair.h"
#include <QPainter>

namespace labrender {

namespace {

// The engine draws its labels in the window's font.
const QString kSceneFontFamily = QStringLiteral("Arial");
constexpr int kSceneFontPoints = 10;
constexpr int kWidthItems = 5; // the width list holds "1" … "5"

// A speed button's value: "1" or "0" for enabled, then for pressed. A second
// character that is neither leaves the button as it was.
bool ButtonPressed(const QString& value, bool otherwise)
{
    if (value.size() < 2 || (value[1] != u'1' && value[1] != u'0')) return otherwise;
    return value[1] == u'1';
}

// The lines every plane lab's look reads: the grid button, the shown-erased
// button, the coordinates button and the width list.
void ReadLook(const QList<labframe::LabControlLine>& controls, PlaneLabLook& look)
{
    for (const labframe::LabControlLine& control : controls) {
        if (control.name == QLatin1String("btGrid")) look.gridVisible = ButtonPressed(control.value, look.gridVisible);
        else if (control.name == QLatin1String("btCoord"))
            look.showCoordinates = ButtonPressed(control.value, look.showCoordinates);
        else if (control.name == QLatin1String("btShowAll")) look.showHidden = ButtonPressed(control.value, look.showHidden);
        else if (control.name == QLatin1String("ComboBoxWidth")) {
            bool ok = false;
            const int index = control.value.trimmed().toInt(&ok);
            if (ok && index >= 0 && index < kWidthItems) look.penWidth = index + 1;
        }
    }
}

} // namespace

PlaneLabLook PlanimetryLook(const QList<labframe::LabControlLine>& controls)
{
    PlaneLabLook look;
    look.axesVisible = false;
    look.showCoordinates = false;
    ReadLook(controls, look);
    return look;
}

PlaneLabLook FunctionGraphsLook(const QList<labframe::LabControlLine>& controls)
{
    PlaneLabLook look;
    look.showCoordinates = true;
    ReadLook(controls, look);
    return look;
}

void RenderPlaneScene(const labframe::LabFileData& data, const PlaneLabLook& look, QPainter& painter, QSize size)
{
    RenderPlaneSection(data.engineLines, data.engineLine, look, painter, QRect(QPoint(0, 0), size));
}

void RenderPlaneSection(const QStringList& lines, int firstLine, const PlaneLabLook& look, QPainter& painter, QRect area)
{
    plane::PlaneSection section;
    try {
        section = plane::ReadPlaneSection(lines, firstLine);
    } catch (const plane::SceneFormatError& error) {
        throw RenderError({error.Line(), error.Reason()});
    }
    plane::PlaneView view(area.width(), area.height());
    if (!view.SetScale(section.Scale) || !view.SetCenter(section.CenterX, section.CenterY))
        throw RenderError({firstLine, QStringLiteral("масштаб или центр плоскости не являются числами")});
    painter.save();
    painter.translate(area.topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), area.size()));
    painter.fillRect(QRect(QPoint(0, 0), area.size()), base::BgrColor(look.backColor));
    const plane::RegionPicture regions = plane::BuildRegions(section.Algebra, view);

    plane::PaintOptions options;
    options.GridVisible = look.gridVisible;
    options.AxesVisible = look.axesVisible;
    options.ShowHidden = look.showHidden;
    options.ShowCoordinates = look.showCoordinates;
    options.PenWidth = look.penWidth;
    options.BackColor = look.backColor;
    options.Font = QFont(kSceneFontFamily, kSceneFontPoints);
    options.Functions = &section.Algebra;
    if (plane::HasRegionLayer(section.Algebra)) options.Regions = &regions;
    plane::PlanePainter(painter, view, options).Paint(section.Scene);
    painter.restore();
}

PlaneLabLook CoordinatePlaneLook(const QList<labframe::LabControlLine>& controls)
{
    PlaneLabLook look;
    look.showCoordinates = true;
    for (const labframe::LabControlLine& control : controls) {
        if (control.name == QLatin1String("btGrid")) look.gridVisible = ButtonPressed(control.value, look.gridVisible);
        else if (control.name == QLatin1String("btCoord"))
            look.showCoordinates = ButtonPressed(control.value, look.showCoordinates);
    }
    return look;
}

void RenderCoordinatePlane(const labframe::LabFileData& data, QPainter& painter, QSize size)
{
    RenderPlaneScene(data, CoordinatePlaneLook(data.controls), painter, size);
}

void RenderTrigonometry(const labframe::LabFileData& data, QPainter& painter, QSize size)
{
    plane::SectionPair sections;
    try {
        sections = plane::SplitSections(data.engineLines, data.engineLine);
    } catch (const plane::SceneFormatError& error) {
        throw RenderError({error.Line(), error.Reason()});
    }
    PlaneLabLook circle;
    circle.showCoordinates = true;
    circle.backColor = base::colour::trigonometry::kCirclePanel;
    const int split = std::min(kCirclePanelWidth, size.width() / 2);
    RenderPlaneSection(sections.First, sections.FirstLine, circle, painter, QRect(0, 0, split, size.height()));
    PlaneLabLook graph = CoordinatePlaneLook(data.controls);
    RenderPlaneSection(sections.Second, sections.SecondLine, graph, painter,
                       QRect(split, 0, size.width() - split, size.height()));
}

void RenderPlanimetry(const labframe::LabFileData& data, QPainter& painter, QSize size)
{
    RenderPlaneScene(data, PlanimetryLook(data.controls), painter, size);
}

void RenderFunctionGraphs(const labframe::LabFileData& data, QPainter& painter, QSize size)
{
    RenderPlaneScene(data, FunctionGraphsLook(data.controls), painter, size);
}

} // namespace labrender
