#include "labs/probability/format/labformat.h"
#include "probability/laplas.h"

namespace probabilitylab {

using labframe::ControlKind;

labframe::LabFormat Lab16Format()
{
    labframe::LabFormat format;
    format.number = 16;
    format.controls = labframe::BaseLabControls();
    const auto add = [&format](const char* name, ControlKind kind) {
        format.controls.append({QString::fromLatin1(name), kind});
    };
    for (const char* button : {"bt1", "bt2", "bt3", "bt4"}) add(button, ControlKind::SpeedButton);
    add("Panel4", ControlKind::Panel);
    add("Panel3", ControlKind::Panel);
    add("ComboColor", ControlKind::ComboBox);
    add("Panel5", ControlKind::Panel);
    for (const char* button : {"btDo", "btStart", "btPause", "btStop"}) add(button, ControlKind::SpeedButton);
    add("edMaxExp", ControlKind::EditField);
    add("Panel2", ControlKind::Panel);
    add("pIshody", ControlKind::Panel);
    add("ComboBox1", ControlKind::ComboBox);
    for (const char* button : {"btScale1", "btScale2", "btScale3", "btScale4"}) add(button, ControlKind::SpeedButton);
    add("PEvents", ControlKind::Panel);
    add("btAdd", ControlKind::SpeedButton);
    add("btDel", ControlKind::SpeedButton);
    add("TimeMash", ControlKind::Timer);
    // The engine needs no window: a throwaway one reads the records and
    // builds the tables, which also checks the events' outcome numbers.
    format.readEngine = [](const QStringList& lines, int) { probability::TLaplas().LoadModel(lines); };
    return format;
}

void RegisterLab16Format() { labframe::RegisterLabFormat(Lab16Format()); }

} // namespace probabilitylab
