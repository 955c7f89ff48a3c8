#include "labs/planimetry/format/labformat.h"
#include "plane/planerecords.h"

namespace planimetrylab {

using labframe::ControlKind;

labframe::LabFormat Lab4Format()
{
    labframe::LabFormat format;
    format.number = 4;
    format.controls = labframe::BaseLabControls();
    for (const char* button : {"bt0", "bt255", "btFig", "btMorph", "bt242", "bt240", "bt230", "bt100", "bt101",
                               "btGrid", "btShowAll", "btPlus", "btMinus"})
        format.controls.append({QString::fromLatin1(button), ControlKind::SpeedButton});
    format.controls.append({QStringLiteral("Timer1"), ControlKind::Timer});
    for (const char* button : {"btCaseFig", "btCaseMorph", "btCaseColor", "btFont"})
        format.controls.append({QString::fromLatin1(button), ControlKind::SpeedButton});
    format.controls.append({QStringLiteral("ComboBoxWidth"), ControlKind::ComboBox});
    // The section is read into a scene of its own, as the control reads it.
    format.readEngine = [](const QStringList& lines, int firstLine) { plane::ReadPlaneSection(lines, firstLine); };
    return format;
}

void RegisterLab4Format() { labframe::RegisterLabFormat(Lab4Format()); }

} // namespace planimetrylab
