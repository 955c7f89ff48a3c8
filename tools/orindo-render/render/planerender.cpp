#include "orindo-render/render/planerender.h"
#include "orindo-render/render/labrender.h"
#include "plane/planepainter.h"
#include "plane/planerecords.h"
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
    plane::PlaneSection section;
    try {
        section = plane::ReadPlaneSection(data.engineLines, data.engineLine);
    } catch (const plane::SceneFormatError& error) {
        throw RenderError({error.Line(), error.Reason()});
    }
    plane::PlaneView view(size.width(), size.height());
    if (!view.SetScale(section.Scale) || !view.SetCenter(section.CenterX, section.CenterY))
        throw RenderError({data.engineLine, QStringLiteral("масштаб или центр плоскости не являются числами")});

    plane::PaintOptions options;
    options.GridVisible = look.gridVisible;
    options.AxesVisible = look.axesVisible;
    options.ShowHidden = look.showHidden;
    options.ShowCoordinates = look.showCoordinates;
    options.PenWidth = look.penWidth;
    options.Font = QFont(kSceneFontFamily, kSceneFontPoints);
    options.Functions = &section.Algebra;
    plane::PlanePainter(painter, view, options).Paint(section.Scene);
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
