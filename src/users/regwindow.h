#pragma once
#include "users/register.h"
#include <QLabel>
#include <QListWidget>
#include <QWidget>

namespace ui {
class TMyButton;
}

// The register window: the classes and the users of the chosen class, with
// "Добавить", "Удалить", "Изменить" (acting on whichever list has the
// keyboard focus) and "Импорт из Вельта". It is created at start-up, holds
// the register for the whole run and is shown by the login window to a user
// of the first class; closing it hands its selection back.
namespace users {

class TffKlass;
class TffUser;

class TffReg : public QWidget {
    Q_OBJECT
public:
    explicit TffReg(QWidget* parent = nullptr);
    ~TffReg() override;

    Register& reg() { return m_register; }
    const Register& reg() const { return m_register; }

    // Reads the register file; a failure is shown as a message and the lists
    // keep what they had. True when the file was read.
    bool LoadRegister();

    // Shows the window 80 pixels right of and 60 below the login window's
    // top-left corner with that class selected.
    void ShowFrom(QWidget* login, int classIndex);

    int selectedClass() const { return List1->currentRow(); }
    int selectedUser() const { return List2->currentRow(); }
    // The lists of the selected class, as the login window reads them too.
    const ClassUsers& shownUsers() const { return m_users; }

    void btAddClick();
    void btDelClick();
    void btEditClick();
    void btImportClick();

    QLabel* imFon;
    QLabel* imOn;
    QListWidget* List1;
    QListWidget* List2;
    ui::TMyButton* btAdd;
    ui::TMyButton* btDel;
    ui::TMyButton* btEdit;
    ui::TMyButton* btImport;
    TffKlass* ffKlass;
    TffUser* ffUser;

signals:
    // The class and user selected when the window closed (-1 for none).
    void selectionHandedBack(int classIndex, int userIndex);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    enum class Focus { None, Classes, Users };
    Focus focusedList() const;
    // "Удалить" and "Изменить": the step for the selected class or user of
    // the focused list; nothing when that list is empty or has no selection.
    void actOnSelection(void (TffReg::*onClass)(int k), void (TffReg::*onUser)(int k, int m));
    void List1Click();
    void fillClasses(int select);
    void fillUsers(int select);
    void loadPictures();
    // Runs a modal step; the window does not close on the lost activation.
    template <typename F> auto modal(F step);

    void addClass();
    void addUser();
    void deleteClass(int k);
    void deleteUser(int k, int m);
    void editClass(int k);
    void editUser(int k, int m);

    Register m_register;
    ClassUsers m_users;
    bool m_picturesLoaded = false;
    int m_modalDepth = 0;
};

} // namespace users
