#include "labs/coordline/format/labformat.h"
#include "numberline/records.h"

namespace coordlinelab {

using labframe::ControlKind;

labframe::LabFormat Lab2Format()
{
    labframe::LabFormat format;
    format.number = 2;
    format.controls = labframe::BaseLabControls();
    for (const char* button : {"btNumb", "btPlus", "btMinus", "bt0", "btGrid"})
        format.controls.append({QString::fromLatin1(button), ControlKind::SpeedButton});
    format.controls.append({QStringLiteral("edParts"), ControlKind::EditField});
    for (const char* button : {"btAdd", "btFig", "btCaseFig", "bt244", "bt255", "bt243", "bt230", "btCaseColor", "btDecimal"})
        format.controls.append({QString::fromLatin1(button), ControlKind::SpeedButton});
    // The window reads the section the same way (TfmLab2::ReadLab), so the
    // checker reports the window's own message.
    format.readEngine = [](const QStringList& lines, int firstLine) { numberline::ReadNumberLineSection(lines, firstLine); };
    return format;
}

void RegisterLab2Format() { labframe::RegisterLabFormat(Lab2Format()); }

} // namespace coordlinelab
