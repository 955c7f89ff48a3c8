#pragma once
#include <QChar>
#include <QString>
#include <limits>

// The values of a lab file's window lines ("name=value"), as text. Which
// values a control accepts depends only on its kind, so lab files can be
// checked here without the control; the lab window applies the same readings
// to its widgets (labcontrols.h).
namespace labframe {

// The kinds of controls whose values lab files keep (their Qt classes are
// named in labcontrols.h).
enum class ControlKind { SpeedButton, EditField, SpinEdit, ComboBox, RadioGroup, StringGrid, TreeView, Timer, Panel };

// Limits that keep a damaged file from making absurd controls: a grid side, the
// cells of a grid, a panel side. Larger values are a format error.
constexpr int kMaxGridSide = 100000;
constexpr qint64 kMaxGridCells = 1000000;
constexpr int kMaxPanelSide = 10000;

// A string grid cannot store "|" in a cell, because the bar ends the cell in
// the file. It is written as this broken bar (Windows-1251 0xA6), which keeps
// every later cell in its place, and read back as "|", so that cells such as
// "|x-2|" survive; a broken bar typed into a cell comes back as "|".
constexpr QChar kGridBarStandIn = QChar(0x00A6);

// A number field of a window line within the limits; anything else throws
// LabFormatError, which ends the reading.
int ValueNumber(const QString& text, int minimum = std::numeric_limits<int>::min(),
                int maximum = std::numeric_limits<int>::max());

struct GridSize {
    int rows = 0;
    int columns = 0;
};
// Takes "rows columns " from the front of a grid line, leaving the cells in
// value; sizes beyond the limits throw LabFormatError.
GridSize TakeGridSize(QString& value);

struct PanelSize {
    int width = 0;
    int height = 0;
};
// "width height" of a panel line; sizes beyond the limits throw LabFormatError.
PanelSize ParsePanelSize(QString value);

// Throws LabFormatError exactly where applying the value to a control of the
// kind would; values of the other kinds are always accepted.
void CheckControlValue(ControlKind kind, const QString& value);

} // namespace labframe
