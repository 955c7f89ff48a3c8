#pragma once
#include "labframe/file/controlvalues.h"
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

struct LabControlFormat;
struct LabControlLine;
class RadioGroup;

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
// Applies a value text as the lab file's reader does; values that
// CheckControlValue refuses throw LabFormatError.
void ApplyValue(const LabComponent& component, const QString& value);
// The base clearing: speed buttons enabled, edit fields and grid cells emptied.
void ClearValue(const LabComponent& component);

// The window lines of every component with a value, in creation order.
QList<LabControlLine> WindowLines(const LabComponents& components);
// The names and kinds of the components, in creation order: what a lab's
// registered format must list (labframe/file/labformats.h).
QList<LabControlFormat> ControlFormats(const LabComponents& components);
// Applies window lines in file order; lines naming no component are skipped.
void ApplyWindowLines(const LabComponents& components, const QList<LabControlLine>& lines);

// Tree nodes by absolute index: depth first, parents before their children,
// collapsed branches included.
int AbsoluteIndex(const QTreeWidgetItem* item);
QTreeWidgetItem* ItemAtAbsoluteIndex(const QTreeWidget& tree, int index);

// The tag of a control or menu item (tool codes of the engines, mode numbers);
// 0 when none was set.
int Tag(const QObject* object);
void SetTag(QObject* object, int tag);

} // namespace labframe
