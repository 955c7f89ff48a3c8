#include "users/regwindow.h"
#include "base/apperror.h"
#include "base/paths.h"
#include "ui/dialogs.h"
#include "ui/imagebuttons.h"
#include "ui/waitcursor.h"
#include "users/regdialogs.h"
#include "users/reglayout.h"
#include "users/veltaimport.h"
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>

namespace users {
namespace {
const QString kCaption = QStringLiteral("Список пользователей");
constexpr int kSkippedShown = 10;
const QString kImportFilter = QStringLiteral("Списки пользователей Вельта|*.XML");

QListWidget* List(QWidget* parent, const char* name, const QRect& place)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(place);
    list->setFocusPolicy(Qt::StrongFocus);
    return list;
}

// Shows the message of a failed register operation.
template <typename F> void Guarded(F step)
{
    try {
        step();
    } catch (const base::AppError& error) {
        ui::ShowMessage(error.message());
    }
}

// One paragraph of the import report: why, then the first users it concerns.
QString SkippedParagraph(const QString& reason, const QStringList& skipped)
{
    QStringList shown = skipped.mid(0, kSkippedShown);
    if (skipped.size() > kSkippedShown) shown.append(QStringLiteral("... (всего %1)").arg(skipped.size()));
    return reason + u'\n' + shown.join(u'\n');
}

// Empty when every user was imported.
QString SkippedMessage(const ImportReport& report)
{
    QStringList paragraphs;
    if (!report.skipped.isEmpty())
        paragraphs.append(SkippedParagraph(QStringLiteral("Не импортированы пользователи, чей идентификатор не годится "
                                                          "для имени папки или уже занят:"),
                                           report.skipped));
    if (!report.dollarNames.isEmpty())
        paragraphs.append(SkippedParagraph(QStringLiteral("Не импортированы пользователи, в чьем имени есть знак \"$\" "
                                                          "(он отделяет имя от пароля):"),
                                           report.dollarNames));
    return paragraphs.join(QStringLiteral("\n\n"));
}
} // namespace

template <typename F> auto TffReg::modal(F step)
{
    struct Depth {
        int& depth;
        explicit Depth(int& d) : depth(d) { ++depth; }
        ~Depth() { --depth; }
    } depth(m_modalDepth);
    return step();
}

TffReg::TffReg(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("ffReg"));
    setWindowTitle(kCaption);
    setFixedSize(reglayout::kWindow);
    imFon = new QLabel(this);
    imFon->setObjectName(QStringLiteral("imFon"));
    imFon->setGeometry(QRect(QPoint(0, 0), reglayout::kWindow));
    imOn = new QLabel(this);
    imOn->setObjectName(QStringLiteral("imOn"));
    imOn->setGeometry(imFon->geometry());
    imOn->hide();
    List1 = List(this, "List1", reglayout::kClassList);
    List2 = List(this, "List2", reglayout::kUserList);
    btAdd = ui::NewImageButton(this, QStringLiteral("btAdd"), reglayout::kAdd, QStringLiteral("Добавить"), imOn);
    btDel = ui::NewImageButton(this, QStringLiteral("btDel"), reglayout::kDelete, QStringLiteral("Удалить"), imOn);
    btEdit = ui::NewImageButton(this, QStringLiteral("btEdit"), reglayout::kEdit, QStringLiteral("Изменить"), imOn);
    btImport = ui::NewImageButton(this, QStringLiteral("btImport"), reglayout::kImport, QStringLiteral("Импорт из Вельта"), imOn);
    ffKlass = new TffKlass(this);
    ffUser = new TffUser(this);

    connect(List1, &QListWidget::currentRowChanged, this, [this] { List1Click(); });
    connect(btAdd, &ui::TMyButton::clicked, this, &TffReg::btAddClick);
    connect(btDel, &ui::TMyButton::clicked, this, &TffReg::btDelClick);
    connect(btEdit, &ui::TMyButton::clicked, this, &TffReg::btEditClick);
    connect(btImport, &ui::TMyButton::clicked, this, &TffReg::btImportClick);
    LoadRegister();
}

TffReg::~TffReg() = default;

bool TffReg::LoadRegister()
{
    try {
        m_register.LoadRegister();
    } catch (const base::AppError& error) {
        modal([&] { ui::ShowMessage(error.message()); });
        return false;
    }
    fillClasses(List1->currentRow());
    return true;
}

void TffReg::loadPictures()
{
    if (m_picturesLoaded) return;
    m_picturesLoaded = true;
    QStringList missing;
    if (!ui::LoadJpegBitmap(imFon, QStringLiteral("JPG\\Reg.JPG"))) missing.append(QStringLiteral("JPG\\Reg.JPG"));
    if (!ui::LoadJpegBitmap(imOn, QStringLiteral("JPG\\RegOn.JPG"))) missing.append(QStringLiteral("JPG\\RegOn.JPG"));
    if (!missing.isEmpty())
        modal([&] { ui::ShowMessage(QStringLiteral("Не удается открыть файл ") + missing.join(QStringLiteral(", "))); });
}

void TffReg::ShowFrom(QWidget* login, int classIndex)
{
    fillClasses(classIndex);
    if (login) move(login->frameGeometry().topLeft() + QPoint(80, 60));
    show();
    loadPictures();
    raise();
    activateWindow();
    List1->setFocus();
}

void TffReg::fillClasses(int select)
{
    const QSignalBlocker blocker(List1);
    List1->clear();
    List1->addItems(m_register.classNames());
    List1->setCurrentRow(std::min(select, List1->count() - 1));
    List1Click();
}

void TffReg::List1Click()
{
    fillUsers(0);
}

void TffReg::fillUsers(int select)
{
    m_users = m_register.classUsers(List1->currentRow());
    List2->clear();
    List2->addItems(m_users.names);
    if (List2->count() > 0) List2->setCurrentRow(std::clamp(select, 0, List2->count() - 1));
}

TffReg::Focus TffReg::focusedList() const
{
    const QWidget* focused = focusWidget();
    if (focused == List1) return Focus::Classes;
    if (focused == List2) return Focus::Users;
    return Focus::None;
}

void TffReg::actOnSelection(void (TffReg::*onClass)(int), void (TffReg::*onUser)(int, int))
{
    const int k = List1->currentRow();
    const int m = List2->currentRow();
    switch (focusedList()) {
    case Focus::Classes:
        if (List1->count() > 0 && k >= 0) (this->*onClass)(k);
        break;
    case Focus::Users:
        if (List2->count() > 0 && m >= 0) (this->*onUser)(k, m);
        break;
    case Focus::None: break;
    }
}

// --- "Добавить" -------------------------------------------------------------------

void TffReg::btAddClick()
{
    switch (focusedList()) {
    case Focus::Classes: addClass(); break;
    case Focus::Users: addUser(); break;
    case Focus::None: break;
    }
}

void TffReg::addClass()
{
    ffKlass->setWindowTitle(QStringLiteral("Добавление класса"));
    ffKlass->setClassName(QString());
    if (modal([&] { return ui::dialogs().exec(*ffKlass); }) != QDialog::Accepted) return;
    const int keep = List1->currentRow();
    modal([&] { Guarded([&] { m_register.AddClass(ffKlass->className()); }); });
    fillClasses(keep);
}

void TffReg::addUser()
{
    const int k = List1->currentRow();
    if (k < 0) return;
    ffUser->setWindowTitle(QStringLiteral("Добавление нового пользователя"));
    ffUser->setFields(m_register.className(k), QString(), QString());
    if (modal([&] { return ui::dialogs().exec(*ffUser); }) != QDialog::Accepted) return;
    modal([&] { Guarded([&] { m_register.AddUser(k, m_register.NewUserId(), ffUser->password(), ffUser->name()); }); });
    fillUsers(m_register.userCount(k) - 1);
}

// --- "Удалить" ----------------------------------------------------------------------

void TffReg::btDelClick() { actOnSelection(&TffReg::deleteClass, &TffReg::deleteUser); }

void TffReg::deleteClass(int k)
{
    if (const QString refusal = m_register.CheckDeleteClass(k); !refusal.isEmpty()) {
        modal([&] { ui::ShowMessage(refusal); });
        return;
    }
    const QString text = QStringLiteral("Вы действительно хотите удалить класс ") + m_register.className(k) + u'?';
    const auto answer = modal([&] {
        return ui::dialogs().question(text, QStringLiteral("Удаление класса"), ui::Choice::OkCancel, ui::Answer::Cancel);
    });
    if (answer != ui::Answer::Ok) return;
    modal([&] { Guarded([&] { m_register.DeleteClass(k); }); });
    fillClasses(std::max(0, k - 1));
}

void TffReg::deleteUser(int k, int m)
{
    if (const QString refusal = m_register.CheckDeleteUser(k, m); !refusal.isEmpty()) {
        modal([&] { ui::ShowMessage(refusal); });
        return;
    }
    const UserEntry user = m_register.user(k, m);
    const QString text = QStringLiteral("Вы действительно хотите удалить пользователя ") + user.name + u'?';
    const auto answer = modal([&] {
        return ui::dialogs().question(text, QStringLiteral("Удаление пользователя"), ui::Choice::OkCancel,
                                      ui::Answer::Cancel);
    });
    if (answer != ui::Answer::Ok) return;
    modal([&] {
        Guarded([&] {
            if (!m_register.DeleteUser(k, m))
                ui::ShowMessage(QStringLiteral("Папка пользователя не удалена: идентификатор \"%1\" не называет "
                                               "папку одного пользователя.").arg(user.id));
        });
    });
    fillUsers(m);
}

// --- "Изменить" ---------------------------------------------------------------------

void TffReg::btEditClick() { actOnSelection(&TffReg::editClass, &TffReg::editUser); }

void TffReg::editClass(int k)
{
    if (const QString refusal = m_register.CheckRenameClass(k); !refusal.isEmpty()) {
        modal([&] { ui::ShowMessage(refusal); });
        return;
    }
    ffKlass->setWindowTitle(QStringLiteral("Изменение класса"));
    ffKlass->setClassName(m_register.className(k));
    if (modal([&] { return ui::dialogs().exec(*ffKlass); }) != QDialog::Accepted) return;
    modal([&] { Guarded([&] { m_register.RenameClass(k, ffKlass->className()); }); });
    fillClasses(k);
}

void TffReg::editUser(int k, int m)
{
    if (const QString refusal = m_register.CheckUpdateUser(k, m); !refusal.isEmpty()) {
        modal([&] { ui::ShowMessage(refusal); });
        return;
    }
    const UserEntry user = m_register.user(k, m);
    ffUser->setWindowTitle(QStringLiteral("Изменение данных о пользователе"));
    ffUser->setFields(m_register.className(k), user.name, user.password);
    if (modal([&] { return ui::dialogs().exec(*ffUser); }) != QDialog::Accepted) return;
    modal([&] { Guarded([&] { m_register.UpdateUser(k, m, ffUser->name(), ffUser->password()); }); });
    fillUsers(m);
}

// --- "Импорт из Вельта" ---------------------------------------------------------------

void TffReg::btImportClick()
{
    const QString file = modal([&] {
        return ui::dialogs().openFile(kImportFilter, QStringLiteral("XML"), base::ProgramFolder());
    });
    if (file.isEmpty()) return;
    ui::WaitCursor wait;
    ImportReport report;
    try {
        report = ImportVelta(m_register, file);
    } catch (const base::AppError& error) {
        wait.Release();
        modal([&] { ui::ShowMessage(error.message()); });
        return;
    }
    fillClasses(0);
    wait.Release();
    if (const QString skipped = SkippedMessage(report); !skipped.isEmpty()) modal([&] { ui::ShowMessage(skipped); });
}

// --- closing ----------------------------------------------------------------------------

void TffReg::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit selectionHandedBack(List1->currentRow(), List2->currentRow());
}

void TffReg::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || isActiveWindow() || !isVisible()) return;
    // Another window of the program took the focus (a click on the login
    // window): the register work is over. Our own dialogs and message boxes,
    // and switching to another program, do not count.
    const QWidget* active = QApplication::activeWindow();
    if (m_modalDepth > 0 || !active || active == this || QApplication::activeModalWidget()) return;
    close();
}

} // namespace users
