#pragma once
#include <QList>
#include <QPointer>
#include <QString>

class QComboBox;
class QFrame;
class QLineEdit;
class QSpinBox;
class QTableWidget;
class QTimer;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

// The controls of a lab window whose values a lab file keeps, in the order the
// window created them (the order of the file's window lines). Each kind of
// control is one Qt class, named once here:
//   speed button  QToolButton (checkable when it can stay pressed)
//   edit field    QLineEdit            spin edit   QSpinBox
//   combo box     QComboBox            radio group labframe::RadioGroup
//   string grid   QTableWidget         tree view   QTreeWidget
//   timer         QTimer               panel       QFrame
// Labels, pictures, menus and engines keep nothing here.
namespace labframe {

class LabFileReader;
class LabFileWriter;
class RadioGroup;

enum class ControlKind { SpeedButton, EditField, SpinEdit, ComboBox, RadioGroup, StringGrid, TreeView, Timer, Panel };

template <class Control> struct ControlKindOf;
template <> struct ControlKindOf<QToolButton> { static constexpr ControlKind value = ControlKind::SpeedButton; };
template <> struct ControlKindOf<QLineEdit> { static constexpr ControlKind value = ControlKind::EditField; };
template <> struct ControlKindOf<QSpinBox> { static constexpr ControlKind value = ControlKind::SpinEdit; };
template <> struct ControlKindOf<QComboBox> { static constexpr ControlKind value = ControlKind::ComboBox; };
template <> struct ControlKindOf<RadioGroup> { static constexpr ControlKind value = ControlKind::RadioGroup; };
template <> struct ControlKindOf<QTableWidget> { static constexpr ControlKind value = ControlKind::StringGrid; };
template <> struct ControlKindOf<QTreeWidget> { static constexpr ControlKind value = ControlKind::TreeView; };
template <> struct ControlKindOf<QTimer> { static constexpr ControlKind value = ControlKind::Timer; };
template <> struct ControlKindOf<QFrame> { static constexpr ControlKind value = ControlKind::Panel; };

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

struct LabComponent {
    QPointer<QObject> object;
    ControlKind kind;
};

class LabComponents {
public:
    void add(QObject* object, ControlKind kind);
    // Components still alive, in creation order.
    QList<LabComponent> all() const;
    // The component of exactly that object name (letter case counts); nullptr if none.
    const LabComponent* find(const QString& name) const;

private:
    QList<LabComponent> m_list;
};

// The value text of a window line; empty means the control writes no line.
QString ValueText(const LabComponent& component);
// Applies a value text as the lab file's reader does; a number field that is
// not a number, or a size beyond the limits, throws LabFormatError.
void ApplyValue(const LabComponent& component, const QString& value);
// The base clearing: speed buttons enabled, edit fields and grid cells emptied.
void ClearValue(const LabComponent& component);

// The window lines of every component, in creation order.
void WriteWindowLines(const LabComponents& components, LabFileWriter& out);
// Reads window lines up to and including "#" (or the end of the file); lines
// naming no component are skipped.
void ReadWindowLines(const LabComponents& components, LabFileReader& in);

// Tree nodes by absolute index: depth first, parents before their children,
// collapsed branches included.
int AbsoluteIndex(const QTreeWidgetItem* item);
QTreeWidgetItem* ItemAtAbsoluteIndex(const QTreeWidget& tree, int index);

// The tag of a control or menu item (tool codes of the engines, mode numbers);
// 0 when none was set.
int Tag(const QObject* object);
void SetTag(QObject* object, int tag);

} // namespace labframe
