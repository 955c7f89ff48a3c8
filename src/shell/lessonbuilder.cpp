#include "shell/lessonbuilder.h"
#include "base/apperror.h"
#include "base/textutil.h"
#include "ui/dialogs.h"
#include "shellcalls/shellcalls.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QGuiApplication>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace shell {

TffOwn::TffOwn(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("ffOwn"));
    setWindowTitle(QStringLiteral("Соберите материал и сохраните урок"));
    auto* label = new QLabel(QStringLiteral("Название урока:"), this);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    TreeView1 = new QTreeWidget(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    btSave = new QPushButton(QStringLiteral("Сохранить"), this);
    btSave->setObjectName(QStringLiteral("btSave"));
    btCancel = new QPushButton(QStringLiteral("Отмена"), this);
    btCancel->setObjectName(QStringLiteral("btCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btSave);
    buttons->addWidget(btCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(Edit1);
    layout->addWidget(TreeView1, 1);
    layout->addLayout(buttons);
    resize(320, 360);
    connect(btSave, &QPushButton::clicked, this, &TffOwn::btSaveClick);
    connect(btCancel, &QPushButton::clicked, this, &TffOwn::btCancelClick);
}

bool TffOwn::Open(int section)
{
    QStringList groups;
    try {
        groups = ReadLessonGroups();
    } catch (const base::AppError& error) {
        ui::ShowMessage(error.message());
        return false;
    }
    if (groups.size() < 3) {
        ui::ShowMessage(QStringLiteral("В файле ") + kLessonGroupsFile + QStringLiteral(" нет трех групп страниц"));
        return false;
    }
    TreeView1->clear();
    for (const QString& group : groups) TreeView1->addTopLevelItem(new QTreeWidgetItem({group}));
    TreeView1->expandAll();
    m_section = section;
    if (!m_placed) {
        // At the right edge of the screen, where it covers the least of the pages.
        m_placed = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            move(area.right() - width() - 8, area.top() + 40);
        }
    }
    show();
    raise();
    return true;
}

void TffOwn::AddToLesson(int page, const QString& code)
{
    QTreeWidgetItem* group = TreeView1->topLevelItem(page - 1);
    if (!group || page < 1 || page > 3) return;
    group->addChild(new QTreeWidgetItem({code}));
    group->setExpanded(true);
}

LessonPages TffOwn::pages() const
{
    LessonPages pages;
    for (int g = 0; g < 3; ++g) {
        const QTreeWidgetItem* group = TreeView1->topLevelItem(g);
        if (!group) continue;
        for (int i = 0; i < group->childCount(); ++i) pages[g].append(group->child(i)->text(0));
    }
    return pages;
}

void TffOwn::btSaveClick()
{
    const QString title = base::Trim(Edit1->text());
    if (title.isEmpty()) {
        shellcalls::guide().ShowNote(QStringLiteral("Урок должен иметь название!"), 1000);
        return;
    }
    const LessonSaved saved = SaveLesson(m_section, title, pages());
    if (saved.code.isEmpty()) {
        ui::ShowMessage(saved.error);
        return;
    }
    hide();
    shellcalls::guide().ShowNote(QStringLiteral("Урок сохранен"), 5);
    if (onSaved) onSaved(m_section);
}

void TffOwn::btCancelClick() { hide(); }

void TffOwn::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (onVisibilityChanged) onVisibilityChanged();
}

void TffOwn::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (onVisibilityChanged) onVisibilityChanged();
}

} // namespace shell
