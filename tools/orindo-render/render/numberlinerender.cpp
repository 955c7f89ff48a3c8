#include "orindo-render/render/numberlinerender.h"
#include "numberline/linepainter.h"
#include "numberline/records.h"
#include "orindo-render/render/labrender.h"
#include <QPainter>

namespace labrender {

namespace {

const QString kSceneFontFamily = QStringLiteral("Arial");
constexpr int kSceneFontPoints = 10;

// A speed button's value: "1" or "0" for enabled, then for pressed.
bool Pressed(const QString& value, bool otherwise)
{
    if (value.size() < 2 || (value[1] != u'1' && value[1] != u'0')) return otherwise;
    return value[1] == u'1';
}

} // namespace

NumberLineLook CoordinateLineLook(const QList<labframe::LabControlLine>& controls)
{
    NumberLineLook look;
    for (const labframe::LabControlLine& control : controls) {
        if (control.name == QLatin1String("btGrid")) look.showDivisions = Pressed(control.value, look.showDivisions);
        else if (control.name == QLatin1String("btDecimal")) look.decimalLabels = Pressed(control.value, look.decimalLabels);
        else if (control.name == QLatin1String("edParts")) {
            bool ok = false;
            const int parts = control.value.trimmed().toInt(&ok);
            if (ok && parts > 0) look.parts = parts;
        }
    }
    return look;
}

void RenderCoordinateLine(const labframe::LabFileData& data, QPainter& painter, QSize size)
{
    numberline::NumberLineSection section;
    try {
        section = numberline::ReadNumberLineSection(data.engineLines, data.engineLine);
    } catch (const numberline::SectionFormatError& error) {
        throw RenderError({error.Line(), error.Reason()});
    }
    const NumberLineLook look = CoordinateLineLook(data.controls);
    section.Scene.ShowDivisions = look.showDivisions;
    section.Scene.DecimalLabels = look.decimalLabels;
    section.Scene.SetParts(look.parts);
    numberline::LineView view(size.width(), size.height());
    view.SetScale(section.Scale);
    view.SetCenter(section.CenterX);
    numberline::PaintOptions options;
    options.Font = QFont(kSceneFontFamily, kSceneFontPoints);
    numberline::PlainFormulaArt art;
    numberline::LinePainter(painter, view, art, options).Paint(section.Scene);
}

} // namespace labrender
