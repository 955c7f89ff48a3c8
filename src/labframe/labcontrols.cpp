#include "labframe/labcontrols.h"
#include "labframe/file/labdata.h"
#include "labframe/file/labfile.h"
#include "labframe/file/labformats.h"
#include "labframe/radiogroup.h"
#include "base/numfmt.h"
#include "base/textutil.h"
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <limits>

namespace labframe {
namespace {

const char* const kTagProperty = "tag";

// A value must stay on its own line.
QString OneLine(QString text)
{
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

QString GridCellText(const QTableWidget& grid, int row, int column)
{
    const QTableWidgetItem* item = grid.item(row, column);
    if (!item) return {};
    QString text = OneLine(item->text());
    text.replace(u'|', kGridBarStandIn);
    return text;
}

void SetGridCell(QTableWidget& grid, int row, int column, const QString& text)
{
    if (QTableWidgetItem* item = grid.item(row, column)) {
        item->setText(text);
    } else if (!text.isEmpty()) {
        grid.setItem(row, column, new QTableWidgetItem(text));
    }
}

// The control's own enabled flag, whatever its parents say.
bool OwnEnabled(const QWidget& widget) { return !widget.testAttribute(Qt::WA_ForceDisabled); }

QString SpeedButtonText(const QToolButton& button)
{
    return QString(OwnEnabled(button) ? u'1' : u'0') + QString(button.isChecked() ? u'1' : u'0');
}

// Pressing or releasing a button from a file runs its click action, so that a
// tool chosen in the file becomes the active tool. Only buttons that can stay
// pressed are pressed: a plain button never runs its action from a file.
void ApplySpeedButton(QToolButton& button, const QString& value)
{
    button.setEnabled(value.startsWith(u'1'));
    if (value.size() < 2 || !button.isCheckable()) return;
    const QChar pressed = value[1];
    if ((pressed == u'1' && !button.isChecked()) || (pressed == u'0' && button.isChecked())) {
        button.setChecked(pressed == u'1');
        emit button.clicked(button.isChecked());
    }
}

QString GridText(const QTableWidget& grid)
{
    QString text = QString::number(grid.rowCount()) + u' ' + QString::number(grid.columnCount()) + u' ';
    for (int row = 0; row < grid.rowCount(); ++row)
        for (int column = 0; column < grid.columnCount(); ++column)
            text += GridCellText(grid, row, column) + u'|';
    return text;
}

// The cells of a grid line, each up to its "|", found in one pass, since a
// grid line may hold a million cells. A cell keeps its leading blanks (a
// result such as " 17 = 5·3+2" begins with one), so that a grid reads back
// exactly as it was written.
class CellSplitter {
public:
    explicit CellSplitter(const QString& cells) : m_text(cells), m_end(cells.size())
    {
        while (m_end > 0 && IsBlank(m_text[m_end - 1])) --m_end;
    }

    QString next()
    {
        const qsizetype bar = m_pos < m_end ? m_text.indexOf(u'|', m_pos) : -1;
        const qsizetype stop = bar < 0 ? m_end : bar;
        QString cell = m_text.mid(m_pos, stop - m_pos);
        m_pos = bar < 0 ? m_end : bar + 1;
        return cell.replace(kGridBarStandIn, u'|');
    }

private:
    static bool IsBlank(QChar c) { return c.unicode() <= 32; }

    const QString& m_text;
    qsizetype m_end;
    qsizetype m_pos = 0;
};

void ApplyGrid(QTableWidget& grid, QString value)
{
    const GridSize size = TakeGridSize(value);
    grid.setRowCount(size.rows);
    grid.setColumnCount(size.columns);
    CellSplitter cells(value);
    for (int row = 0; row < size.rows; ++row)
        for (int column = 0; column < size.columns; ++column) SetGridCell(grid, row, column, cells.next());
}

void ClearGrid(QTableWidget& grid)
{
    for (int row = 0; row < grid.rowCount(); ++row)
        for (int column = 0; column < grid.columnCount(); ++column)
            if (QTableWidgetItem* item = grid.item(row, column)) item->setText(QString());
}

QString TreeText(const QTreeWidget& tree)
{
    const QList<QTreeWidgetItem*> selected = tree.selectedItems();
    return selected.isEmpty() ? QString() : QString::number(AbsoluteIndex(selected.first()));
}

void ApplyTree(QTreeWidget& tree, const QString& value)
{
    QTreeWidgetItem* item = ItemAtAbsoluteIndex(tree, ValueNumber(value));
    if (item) {
        tree.setCurrentItem(item);
    } else {
        tree.clearSelection();
        tree.setCurrentItem(nullptr);
    }
}

void ApplyPanel(QFrame& panel, const QString& value)
{
    const PanelSize size = ParsePanelSize(value);
    panel.resize(size.width, size.height);
}

int SelectableIndex(int index, int count) { return index >= 0 && index < count ? index : -1; }

// Pre-order walk; returns the item at index, counting from counter.
QTreeWidgetItem* FindAtIndex(QTreeWidgetItem* item, int index, int& counter)
{
    if (counter++ == index) return item;
    for (int i = 0; i < item->childCount(); ++i)
        if (QTreeWidgetItem* found = FindAtIndex(item->child(i), index, counter)) return found;
    return nullptr;
}

int NodesBelow(const QTreeWidgetItem* item)
{
    int count = item->childCount();
    for (int i = 0; i < item->childCount(); ++i) count += NodesBelow(item->child(i));
    return count;
}

} // namespace

void LabComponents::add(QObject* object, ControlKind kind) { m_list.append({object, kind}); }

QList<LabComponent> LabComponents::all() const
{
    QList<LabComponent> alive;
    for (const LabComponent& component : m_list)
        if (component.object) alive.append(component);
    return alive;
}

const LabComponent* LabComponents::find(const QString& name) const
{
    for (const LabComponent& component : m_list)
        if (component.object && component.object->objectName() == name) return &component;
    return nullptr;
}

QString ValueText(const LabComponent& component)
{
    QObject* object = component.object;
    if (!object) return {};
    switch (component.kind) {
    case ControlKind::SpeedButton: return SpeedButtonText(*static_cast<QToolButton*>(object));
    case ControlKind::EditField: return OneLine(static_cast<QLineEdit*>(object)->text());
    case ControlKind::SpinEdit: return QString::number(static_cast<QSpinBox*>(object)->value());
    case ControlKind::ComboBox: return QString::number(static_cast<QComboBox*>(object)->currentIndex());
    case ControlKind::RadioGroup: return QString::number(static_cast<RadioGroup*>(object)->itemIndex());
    case ControlKind::StringGrid: return GridText(*static_cast<QTableWidget*>(object));
    case ControlKind::TreeView: return TreeText(*static_cast<QTreeWidget*>(object));
    case ControlKind::Timer: return static_cast<QTimer*>(object)->isActive() ? QStringLiteral("1") : QStringLiteral("0");
    case ControlKind::Panel: {
        const auto* panel = static_cast<QFrame*>(object);
        return QString::number(panel->width()) + u' ' + QString::number(panel->height());
    }
    }
    return {};
}

void ApplyValue(const LabComponent& component, const QString& value)
{
    QObject* object = component.object;
    if (!object) return;
    switch (component.kind) {
    case ControlKind::SpeedButton: ApplySpeedButton(*static_cast<QToolButton*>(object), value); break;
    case ControlKind::EditField: static_cast<QLineEdit*>(object)->setText(value); break;
    case ControlKind::SpinEdit: {
        // A spin edit's text that is no number counts as its minimum.
        auto* spin = static_cast<QSpinBox*>(object);
        const auto number = base::ParseInt(value);
        spin->setValue(number ? int(std::clamp<long long>(*number, spin->minimum(), spin->maximum())) : spin->minimum());
        break;
    }
    case ControlKind::ComboBox: {
        auto* combo = static_cast<QComboBox*>(object);
        combo->setCurrentIndex(SelectableIndex(ValueNumber(value), combo->count()));
        break;
    }
    case ControlKind::RadioGroup: static_cast<RadioGroup*>(object)->setItemIndex(ValueNumber(value)); break;
    case ControlKind::StringGrid: ApplyGrid(*static_cast<QTableWidget*>(object), value); break;
    case ControlKind::TreeView: ApplyTree(*static_cast<QTreeWidget*>(object), value); break;
    case ControlKind::Timer: {
        auto* timer = static_cast<QTimer*>(object);
        if (value == u"1") timer->start();
        else timer->stop();
        break;
    }
    case ControlKind::Panel: ApplyPanel(*static_cast<QFrame*>(object), value); break;
    }
}

void ClearValue(const LabComponent& component)
{
    QObject* object = component.object;
    if (!object) return;
    switch (component.kind) {
    case ControlKind::SpeedButton: static_cast<QToolButton*>(object)->setEnabled(true); break;
    case ControlKind::EditField: static_cast<QLineEdit*>(object)->clear(); break;
    case ControlKind::StringGrid: ClearGrid(*static_cast<QTableWidget*>(object)); break;
    default: break;
    }
}

QList<LabControlLine> WindowLines(const LabComponents& components)
{
    QList<LabControlLine> lines;
    for (const LabComponent& component : components.all()) {
        const QString value = ValueText(component);
        if (!value.isEmpty()) lines.append({component.object->objectName(), value});
    }
    return lines;
}

QList<LabControlFormat> ControlFormats(const LabComponents& components)
{
    QList<LabControlFormat> formats;
    for (const LabComponent& component : components.all()) formats.append({component.object->objectName(), component.kind});
    return formats;
}

void ApplyWindowLines(const LabComponents& components, const QList<LabControlLine>& lines)
{
    for (const LabControlLine& line : lines)
        if (const LabComponent* component = components.find(line.name)) ApplyValue(*component, line.value);
}

int AbsoluteIndex(const QTreeWidgetItem* item)
{
    if (!item || !item->treeWidget()) return -1;
    const QTreeWidgetItem* parent = item->parent();
    int index = parent ? AbsoluteIndex(parent) + 1 : 0;
    const int position = parent ? parent->indexOfChild(const_cast<QTreeWidgetItem*>(item))
                                : item->treeWidget()->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item));
    for (int i = 0; i < position; ++i) {
        const QTreeWidgetItem* sibling = parent ? parent->child(i) : item->treeWidget()->topLevelItem(i);
        index += 1 + NodesBelow(sibling);
    }
    return index;
}

QTreeWidgetItem* ItemAtAbsoluteIndex(const QTreeWidget& tree, int index)
{
    if (index < 0) return nullptr;
    int counter = 0;
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        if (QTreeWidgetItem* found = FindAtIndex(tree.topLevelItem(i), index, counter)) return found;
    return nullptr;
}

int Tag(const QObject* object) { return object ? object->property(kTagProperty).toInt() : 0; }
void SetTag(QObject* object, int tag) { object->setProperty(kTagProperty, tag); }

} // namespace labframe
