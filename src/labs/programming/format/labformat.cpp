#include "labs/programming/format/labformat.h"

namespace programminglab {

const QStringList& Lab19Buttons()
{
    static const QStringList buttons = {QStringLiteral("btRun"), QStringLiteral("btConfig"), QStringLiteral("btTurbo"),
                                        QStringLiteral("btCopy"), QStringLiteral("btPaste")};
    return buttons;
}

labframe::LabFormat Lab19Format()
{
    labframe::LabFormat format;
    format.number = kLabNumber;
    format.controls = labframe::BaseLabControls();
    for (const QString& button : Lab19Buttons()) format.controls.append({button, labframe::ControlKind::SpeedButton});
    return format;
}

void RegisterLab19Format() { labframe::RegisterLabFormat(Lab19Format()); }

} // namespace programminglab
