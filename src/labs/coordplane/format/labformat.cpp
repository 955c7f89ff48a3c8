#include "labs/coordplane/format/labformat.h"
#include "plane/planerecords.h"

namespace coordplanelab {

using labframe::ControlKind;

labframe::LabFormat Lab6Format()
{
    labframe::LabFormat format;
    format.number = 6;
    format.controls = labframe::BaseLabControls();
    for (const char* button : {"btPlus", "btMinus"})
        format.controls.append({QString::fromLatin1(button), ControlKind::SpeedButton});
    format.controls.append({QStringLiteral("Timer1"), ControlKind::Timer});
    for (const char* button : {"bt0", "bt230", "bt255", "btGrid", "btCoord", "btAdd", "btDel", "btCaseType",
                               "btCaseColor", "bt241", "btFig", "btCaseFig"})
        format.controls.append({QString::fromLatin1(button), ControlKind::SpeedButton});
    // The section is read into a scene of its own, as the control reads it.
    format.readEngine = [](const QStringList& lines, int firstLine) { plane::ReadPlaneSection(lines, firstLine); };
    return format;
}

void RegisterLab6Format() { labframe::RegisterLabFormat(Lab6Format()); }

} // namespace coordplanelab
