#include "ui/helpmenu.h"
#include "shellcalls/shellcalls.h"
#include <QAction>
#include <QPointer>
#include <QWidget>

namespace ui {

QAction* AttachHelpMenu(QWidget* control)
{
    auto* item = new QAction(QStringLiteral("Что это такое?"), control);
    item->setObjectName(QStringLiteral("PopupMenu1"));
    QObject::connect(item, &QAction::triggered, control, [target = QPointer<QWidget>(control)] {
        if (target) shellcalls::guide().ShowControlHelp(target);
    });
    control->addAction(item);
    control->setContextMenuPolicy(Qt::ActionsContextMenu);
    return item;
}

} // namespace ui
