#include "labs/trigonometry/format/labformat.h"
#include "plane/sectionpair.h"
#include "plane/planerecords.h"

namespace trigonometrylab {

using labframe::ControlKind;

labframe::LabFormat Lab5Format()
{
    labframe::LabFormat format;
    format.number = 5;
    format.controls = labframe::BaseLabControls();
    for (const char* button : {"bt0", "bt255", "btFig", "btMorph", "bt100", "bt101", "btGrid", "btPlus", "btMinus"})
        format.controls.append({QString::fromLatin1(button), ControlKind::SpeedButton});
    format.controls.append({QStringLiteral("Timer1"), ControlKind::Timer});
    for (const char* button : {"btCaseFig", "btCaseMorph", "btFont"})
        format.controls.append({QString::fromLatin1(button), ControlKind::SpeedButton});
    format.controls.append({QStringLiteral("ComboBoxWidth"), ControlKind::ComboBox});
    for (const char* button : {"btSIN", "btCOS", "btTG", "btCTG"})
        format.controls.append({QString::fromLatin1(button), ControlKind::SpeedButton});
    format.readEngine = [](const QStringList& lines, int firstLine) {
        const plane::SectionPair sections = plane::SplitSections(lines, firstLine);
        plane::ReadPlaneSection(sections.First, sections.FirstLine);
        plane::ReadPlaneSection(sections.Second, sections.SecondLine);
    };
    return format;
}

void RegisterLab5Format() { labframe::RegisterLabFormat(Lab5Format()); }

} // namespace trigonometrylab
