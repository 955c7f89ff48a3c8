#include "labs/fractions/format/labformat.h"
#include "labs/fractions/format/fractionssection.h"

namespace fractionslab {

using labframe::ControlKind;

labframe::LabFormat Lab14Format()
{
    labframe::LabFormat format;
    format.number = 14;
    format.controls = labframe::BaseLabControls();
    const auto add = [&format](const char* name, ControlKind kind) {
        format.controls.append({QString::fromLatin1(name), kind});
    };
    for (const char* button : {"bt0", "bt1", "bt2"}) add(button, ControlKind::SpeedButton);
    for (const char* spin : {"spVolume", "spMember", "spPart", "spN", "spM"}) add(spin, ControlKind::SpinEdit);
    for (const char* button : {"Pal0", "Pal1", "Pal2"}) add(button, ControlKind::SpeedButton);
    add("Pal", ControlKind::StringGrid);
    format.readEngine = [](const QStringList& lines, int firstLine) { ReadFractionsSection(lines, firstLine); };
    return format;
}

void RegisterLab14Format() { labframe::RegisterLabFormat(Lab14Format()); }

} // namespace fractionslab
