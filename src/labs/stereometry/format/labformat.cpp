#include "labs/stereometry/format/labformat.h"
#include "space/records.h"

namespace stereometrylab {

using labframe::ControlKind;

labframe::LabFormat Lab13Format()
{
    labframe::LabFormat format;
    format.number = 13;
    format.controls = labframe::BaseLabControls();
    for (const char* button : {"btPlus", "btMinus", "bt0", "bt98", "bt99", "btDrawReg0", "btDrawReg1", "btDrawReg2",
                               "btFig", "btCaseFig", "bt100", "bt101", "btMorph", "btCaseMorph", "bt255", "bt240",
                               "btFont"})
        format.controls.append({QString::fromLatin1(button), ControlKind::SpeedButton});
    format.controls.append({QStringLiteral("ComboBoxWidth"), ControlKind::ComboBox});
    for (const char* button : {"bt230", "btCaseColor", "btShowAll"})
        format.controls.append({QString::fromLatin1(button), ControlKind::SpeedButton});
    format.controls.append({QStringLiteral("Timer1"), ControlKind::Timer});
    // The section is read into a scene of its own, as the control reads it.
    format.readEngine = [](const QStringList& lines, int firstLine) { space::ReadSpaceSection(lines, firstLine); };
    return format;
}

void RegisterLab13Format() { labframe::RegisterLabFormat(Lab13Format()); }

} // namespace stereometrylab
