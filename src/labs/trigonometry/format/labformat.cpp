#include "labs/trigonometry/format/labformat.h"
#include "base/textutil.h"
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
        const TwoSections sections = SplitSections(lines, firstLine);
        plane::ReadPlaneSection(sections.Circle, sections.CircleLine);
        plane::ReadPlaneSection(sections.Graph, sections.GraphLine);
    };
    return format;
}

void RegisterLab5Format() { labframe::RegisterLabFormat(Lab5Format()); }

TwoSections SplitSections(const QStringList& lines, int firstLine)
{
    qsizetype blank = 0;
    while (blank < lines.size() && !base::Trim(lines[blank]).isEmpty()) ++blank;
    if (blank + 1 >= lines.size())
        throw plane::SceneFormatError(firstLine + int(blank),
                                      QStringLiteral("нет раздела графиков после пустой строки"));
    return {lines.mid(0, blank), firstLine, lines.mid(blank + 1), firstLine + int(blank) + 1};
}

} // namespace trigonometrylab
