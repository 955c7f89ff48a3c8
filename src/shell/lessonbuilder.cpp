#include "shell/lessonbuilder.h"
#include "base/appstate.h"
#include "base/apperror.h"
#include "base/textutil.h"
#include "shell/helpwindows.h"
#include "shell/messagepopup.h"
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
namespace {
const QString kNoTitleNote = QStringLiteral("Урок должен иметь название!");
const QString kSavedNote = QStringLiteral("Урок сохранен");
// The warning waits as long as the teacher may need to think of a title; it
// goes as soon as one is typed.
constexpr int kNoTitleNoteSeconds = 1000;
constexpr int kSavedNoteSeconds = 5;
// Where a page item keeps its full code; the item shows the topic's title.
constexpr int kCodeRole = Qt::UserRole;
} // namespace

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
    btRemove = new QPushButton(QStringLiteral("Убрать"), this);
    btRemove->setObjectName(QStringLiteral("btRemove"));
    btRemove->setToolTip(QStringLiteral("Убрать выбранную страницу из урока"));
    btUp = new QPushButton(QStringLiteral("Выше"), this);
    btUp->setObjectName(QStringLiteral("btUp"));
    btDown = new QPushButton(QStringLiteral("Ниже"), this);
    btDown->setObjectName(QStringLiteral("btDown"));
    auto* order = new QHBoxLayout;
    order->addWidget(btRemove);
    order->addWidget(btUp);
    order->addWidget(btDown);
    order->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btSave);
    buttons->addWidget(btCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(Edit1);
    layout->addWidget(TreeView1, 1);
    layout->addLayout(order);
    layout->addLayout(buttons);
    resize(320, 360);
    connect(btSave, &QPushButton::clicked, this, &TffOwn::btSaveClick);
    connect(btCancel, &QPushButton::clicked, this, &TffOwn::btCancelClick);
    connect(btRemove, &QPushButton::clicked, this, &TffOwn::btRemoveClick);
    connect(btUp, &QPushButton::clicked, this, &TffOwn::btUpClick);
    connect(btDown, &QPushButton::clicked, this, &TffOwn::btDownClick);
    connect(Edit1, &QLineEdit::textEdited, this, [] {
        if (TffMess* note = MessageWindow()) note->HideNote(kNoTitleNote);
    });
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
    // A new lesson after a changed one starts without the old title.
    if (!m_lessonCode.isEmpty()) Edit1->clear();
    m_lessonCode.clear();
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

bool TffOwn::Edit(int section, const QString& code, const QString& title)
{
    const std::optional<LessonPages> pages = ReadLesson(code);
    if (!pages) {
        ui::ShowMessage(QStringLiteral("Не удается прочитать урок ") + code);
        return false;
    }
    if (!Open(section)) return false;
    m_lessonCode = code;
    Edit1->setText(title);
    for (int g = 0; g < int(pages->size()); ++g)
        for (const QString& page : pages->at(size_t(g)))
            AddToLesson(g + 1, page, captionOf ? captionOf(page) : QString());
    return true;
}

void TffOwn::AddToLesson(int page, const QString& code, const QString& caption)
{
    QTreeWidgetItem* group = TreeView1->topLevelItem(page - 1);
    if (!group || page < 1 || page > 3) return;
    auto* item = new QTreeWidgetItem({caption.isEmpty() ? code : caption});
    item->setData(0, kCodeRole, code);
    item->setToolTip(0, code);
    group->addChild(item);
    group->setExpanded(true);
    TreeView1->setCurrentItem(item);
}

void TffOwn::btRemoveClick()
{
    QTreeWidgetItem* item = TreeView1->currentItem();
    if (!item || !item->parent()) return; // the groups stay
    delete item;
}

void TffOwn::btUpClick() { moveChosen(-1); }
void TffOwn::btDownClick() { moveChosen(+1); }

void TffOwn::moveChosen(int step)
{
    QTreeWidgetItem* item = TreeView1->currentItem();
    QTreeWidgetItem* group = item ? item->parent() : nullptr;
    if (!group) return;
    const int from = group->indexOfChild(item);
    const int to = from + step;
    if (to < 0 || to >= group->childCount()) return;
    group->insertChild(to, group->takeChild(from));
    TreeView1->setCurrentItem(item);
}

LessonPages TffOwn::pages() const
{
    LessonPages pages;
    for (int g = 0; g < 3; ++g) {
        const QTreeWidgetItem* group = TreeView1->topLevelItem(g);
        if (!group) continue;
        for (int i = 0; i < group->childCount(); ++i) pages[g].append(group->child(i)->data(0, kCodeRole).toString());
    }
    return pages;
}

void TffOwn::btSaveClick()
{
    const QString title = base::Trim(Edit1->text());
    if (title.isEmpty()) {
        shellcalls::guide().ShowNote(kNoTitleNote, kNoTitleNoteSeconds);
        return;
    }
    const LessonSaved saved = SaveLesson(base::App().sharedChanges, m_section, title, pages(), m_lessonCode);
    if (!saved.error.isEmpty()) ui::ShowMessage(saved.error);
    if (saved.code.isEmpty()) return;
    hide();
    // The windows change first: a window shown after the note would cover it.
    if (onSaved) onSaved(m_section);
    shellcalls::guide().ShowNote(kSavedNote, kSavedNoteSeconds);
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
