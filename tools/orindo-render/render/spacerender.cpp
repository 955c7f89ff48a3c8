#include "orindo-render/render/spacerender.h"
#include "orindo-render/render/labrender.h"
#include "space/records.h"
#include <QPainter>

namespace labrender {

namespace {

constexpr int kWidthItems = 5; // the width list holds "1" … "5"
const QString kSceneFontFamily = QStringLiteral("Tahoma");
constexpr int kSceneFontPixels = 13;

bool Pressed(const QString& value) { return value.size() >= 2 && value[1] == u'1'; }

} // namespace

space::PaintOptions StereometryLook(const QList<labframe::LabControlLine>& controls)
{
    space::PaintOptions options;
    const struct { const char* name; space::DrawMode mode; } modes[] = {
        {"btDrawReg0", space::DrawMode::Wireframe},
        {"btDrawReg1", space::DrawMode::Image},
        {"btDrawReg2", space::DrawMode::Solid},
    };
    for (const labframe::LabControlLine& control : controls) {
        for (const auto& m : modes)
            if (control.name == QLatin1String(m.name) && Pressed(control.value)) options.Mode = m.mode;
        if (control.name == QLatin1String("btShowAll")) options.ShowHidden = Pressed(control.value);
        if (control.name == QLatin1String("ComboBoxWidth")) {
            bool ok = false;
            const int index = control.value.trimmed().toInt(&ok);
            if (ok && index >= 0 && index < kWidthItems) options.PenWidth = index + 1;
        }
    }
    return options;
}

void RenderStereometry(const labframe::LabFileData& data, QPainter& painter, QSize size)
{
    space::SpaceSection section;
    try {
        section = space::ReadSpaceSection(data.engineLines, data.engineLine);
    } catch (const space::SectionFormatError& error) {
        throw RenderError({error.Line(), error.Reason()});
    }
    space::SpaceView view(size.width(), size.height());
    view.SetScale(section.Scale);
    view.SetCenter(section.CenterX, section.CenterY);
    QFont font(kSceneFontFamily);
    font.setPixelSize(kSceneFontPixels);
    painter.setFont(font);
    space::PaintScene(painter, section.Scene, view, StereometryLook(data.controls));
}

} // namespace labrender
