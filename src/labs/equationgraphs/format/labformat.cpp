#include "labs/equationgraphs/format/labformat.h"
#include "plane/planerecords.h"

namespace equationgraphslab {

using labframe::ControlKind;

labframe::LabFormat Lab11Format()
{
    labframe::LabFormat format;
    format.number = 11;
    format.controls = labframe::BaseLabControls();
    for (const char* button : {"btPlus", "btMinus"})
        format.controls.append({QString::fromLatin1(button), ControlKind::SpeedButton});
    format.controls.append({QStringLiteral("Timer1"), ControlKind::Timer});
    for (const char* button : {"bt0", "bt230", "bt255", "bt1", "btGrid", "btCoord", "btAdd", "btAddFunction", "btDel",
                               "btCaseType", "btCaseColor"})
        format.controls.append({QString::fromLatin1(button), ControlKind::SpeedButton});
    // The section is read into a scene of its own, as the control reads it.
    format.readEngine = [](const QStringList& lines, int firstLine) { plane::ReadPlaneSection(lines, firstLine); };
    return format;
}

void RegisterLab11Format() { labframe::RegisterLabFormat(Lab11Format()); }

} // namespace equationgraphslab
