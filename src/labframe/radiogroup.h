#pragma once
#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

// A framed group of radio buttons with one selected item, addressed by index
// (-1: none), as lab windows use it.
namespace labframe {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit RadioGroup(QWidget* parent = nullptr);

    void setItems(const QStringList& items);
    QStringList items() const;
    int count() const;

    int itemIndex() const;
    // An index outside the items selects none.
    void setItemIndex(int index);

signals:
    // The selected item changed, by the user or by setItemIndex.
    void itemIndexChanged(int index);

private:
    QButtonGroup* m_group;
};

} // namespace labframe
