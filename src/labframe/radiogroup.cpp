#include "labframe/radiogroup.h"
#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace labframe {

RadioGroup::RadioGroup(QWidget* parent) : QGroupBox(parent), m_group(new QButtonGroup(this))
{
    new QVBoxLayout(this);
    connect(m_group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) emit itemIndexChanged(id);
    });
}

void RadioGroup::setItems(const QStringList& items)
{
    for (QAbstractButton* button : m_group->buttons()) {
        m_group->removeButton(button);
        delete button;
    }
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        m_group->addButton(button, i);
        layout()->addWidget(button);
    }
}

QStringList RadioGroup::items() const
{
    QStringList texts;
    for (int i = 0; i < count(); ++i) texts.append(m_group->button(i)->text());
    return texts;
}

int RadioGroup::count() const { return int(m_group->buttons().size()); }

int RadioGroup::itemIndex() const { return m_group->checkedId(); }

void RadioGroup::setItemIndex(int index)
{
    if (index < 0 || index >= count()) index = -1;
    if (index == itemIndex()) return;
    if (index >= 0) {
        m_group->button(index)->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its last button directly.
    QAbstractButton* checked = m_group->checkedButton();
    m_group->setExclusive(false);
    checked->setChecked(false);
    m_group->setExclusive(true);
    emit itemIndexChanged(-1);
}

} // namespace labframe
