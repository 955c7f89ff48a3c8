#include "labs/divisibility/format/labformat.h"

namespace divisibilitylab {

using labframe::ControlKind;

labframe::LabFormat Lab1Format()
{
    labframe::LabFormat format;
    format.number = 1;
    format.controls = labframe::BaseLabControls();
    const auto add = [&format](const char* name, ControlKind kind) {
        format.controls.append({QString::fromLatin1(name), kind});
    };
    for (const char* button : {"bt0", "bt1", "bt2", "bt3"}) add(button, ControlKind::SpeedButton);
    for (const char* grid : {"MyTable3", "MyTable2", "MyTable1"}) add(grid, ControlKind::StringGrid);
    for (const char* field : {"edMin", "edMax", "edDivCount"}) add(field, ControlKind::EditField);
    add("Table1", ControlKind::StringGrid);
    return format;
}

void RegisterLab1Format() { labframe::RegisterLabFormat(Lab1Format()); }

} // namespace divisibilitylab
