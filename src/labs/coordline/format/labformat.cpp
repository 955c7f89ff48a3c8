#include "labs/coordline/format/labformat.h"
#include "numberline/placement.h"
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
    format.answersName = [](const QString& name) { return numberline::PlacementPointNumber(name).has_value(); };
    format.checkTaskAnswer = [](const QStringList& lines, const QString& name, const QString& value) {
        try {
            return numberline::PlacementAnswerProblem(numberline::ReadNumberLineSection(lines).Scene, name, value);
        } catch (const numberline::SectionFormatError&) {
            return QString(); // the lab file's own check tells why
        }
    };
    return format;
}

void RegisterLab2Format() { labframe::RegisterLabFormat(Lab2Format()); }

} // namespace coordlinelab
