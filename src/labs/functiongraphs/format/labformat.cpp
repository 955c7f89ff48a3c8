#include "labs/functiongraphs/format/labformat.h"
#include "plane/planerecords.h"

namespace functiongraphslab {

using labframe::ControlKind;

labframe::LabFormat Lab3Format()
{
    labframe::LabFormat format;
    format.number = 3;
    format.controls = labframe::BaseLabControls();
    for (const char* button : {"bt0", "bt255", "bt231", "bt100", "bt101", "btFig", "btGrid", "btCoord", "btPlus",
                               "btMinus"})
        format.controls.append({QString::fromLatin1(button), ControlKind::SpeedButton});
    format.controls.append({QStringLiteral("Timer1"), ControlKind::Timer});
    for (const char* button : {"btAdd", "btDel", "btCaseFun", "btCaseFunArr", "btCaseFig", "btCaseColor", "btFont",
                               "btODZ"})
        format.controls.append({QString::fromLatin1(button), ControlKind::SpeedButton});
    format.controls.append({QStringLiteral("ComboBoxWidth"), ControlKind::ComboBox});
    // The section is read into a scene of its own, as the control reads it.
    format.readEngine = [](const QStringList& lines, int firstLine) { plane::ReadPlaneSection(lines, firstLine); };
    return format;
}

void RegisterLab3Format() { labframe::RegisterLabFormat(Lab3Format()); }

} // namespace functiongraphslab
