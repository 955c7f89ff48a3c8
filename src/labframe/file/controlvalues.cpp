#include "labframe/file/controlvalues.h"
#include "labframe/file/labfile.h"
#include "base/numfmt.h"
#include "base/textutil.h"

namespace labframe {

int ValueNumber(const QString& text, int minimum, int maximum)
{
    const auto number = base::ParseInt(text);
    if (!number || *number < minimum || *number > maximum) throw LabFormatError();
    return int(*number);
}

GridSize TakeGridSize(QString& value)
{
    GridSize size;
    size.rows = ValueNumber(base::SplitLeft(value, u' '), 0, kMaxGridSide);
    // One blank ends the column count; what follows it, leading blanks of
    // the first cell included, is the cells.
    value = base::Trim(value);
    const qsizetype blank = value.indexOf(u' ');
    size.columns = ValueNumber(blank < 0 ? value : value.left(blank), 0, kMaxGridSide);
    value = blank < 0 ? QString() : value.mid(blank + 1);
    if (qint64(size.rows) * size.columns > kMaxGridCells) throw LabFormatError();
    return size;
}

PanelSize ParsePanelSize(QString value)
{
    PanelSize size;
    size.width = ValueNumber(base::SplitLeft(value, u' '), 0, kMaxPanelSide);
    size.height = ValueNumber(base::SplitLeft(value, u' '), 0, kMaxPanelSide);
    return size;
}

void CheckControlValue(ControlKind kind, const QString& value)
{
    switch (kind) {
    case ControlKind::ComboBox:
    case ControlKind::RadioGroup:
    case ControlKind::TreeView: ValueNumber(value); break;
    case ControlKind::StringGrid: {
        QString cells = value;
        TakeGridSize(cells);
        break;
    }
    case ControlKind::Panel: ParsePanelSize(value); break;
    case ControlKind::SpeedButton:
    case ControlKind::EditField:
    case ControlKind::SpinEdit:
    case ControlKind::Timer: break;
    }
}

} // namespace labframe
