#include "labs/dataanalysis/format/labformat.h"
#include "dataanalysis/datasection.h"
#include "labs/dataanalysis/format/controlnames.h"

namespace dataanalysislab {

labframe::LabFormat Lab17Format()
{
    labframe::LabFormat format;
    format.number = kLabNumber;
    format.controls = labframe::BaseLabControls();
    for (const char* button : kButtonNames)
        format.controls.append({QString::fromLatin1(button), labframe::ControlKind::SpeedButton});
    format.readEngine = [](const QStringList& lines, int firstLine) { dataanalysis::ReadDataSection(lines, firstLine); };
    return format;
}

void RegisterLab17Format() { labframe::RegisterLabFormat(Lab17Format()); }

} // namespace dataanalysislab
