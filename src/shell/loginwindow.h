#pragma once
#include "users/register.h"
#include <QWidget>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace ui {
class TGifImage;
class TMyButton;
class TMyPanel;
} // namespace ui

namespace users {
class TffReg;
}

// The login window "Регистрация": the first window of the program and its
// application main window. It plays a short intro (three animations one
// after the other), then shows the login panel: class, name, password. A
// correct login fills the current-user state, loads the user's results,
// prepares the workspace and opens the main window; a user of the first
// class may open the register window instead.
namespace shell {

class TfmZast : public QWidget {
    Q_OBJECT
public:
    explicit TfmZast(QWidget* parent = nullptr);

    // The register window whose classes and users the login reads.
    void setRegisterWindow(users::TffReg* reg);
    // Called on the first mouse move over the background while StartMode is
    // set (the command-line modes open their target from there).
    void setStartModeHandler(std::function<void()> handler) { m_startMode = std::move(handler); }

    void ComboBox1Change();
    void ListBox1Click();
    void btOKClick();
    void btDelClick();
    void btCancelClick();
    // Stops the intro music and runs the animations to their last frames, so
    // that the login panel shows at once.
    void SkipIntro();
    // Frees the intro animations (after login they are not needed).
    void ReleaseAnimations();
    // "Сменить пользователя": forgets the user who was logged in and makes the
    // login panel usable again for the next one (the caller has put this
    // window back on screen).
    void AwaitNextUser();

    // The identifiers, names and passwords of the chosen class.
    const users::ClassUsers& classUsers() const { return m_users; }

    QLabel* imZastFon;
    ui::TGifImage* GIF1;
    ui::TGifImage* Gif2;
    ui::TGifImage* Gif3;
    ui::TMyPanel* Panel;
    QLabel* imZast;
    QLabel* imZastOn;
    QComboBox* ComboBox1;
    QListWidget* ListBox1;
    QLineEdit* edName;
    QLineEdit* edPass;
    ui::TMyButton* btOK;
    ui::TMyButton* btDel;
    ui::TMyButton* btCancel;

signals:
    // The login panel became visible (the intro ended or was skipped).
    void panelShown();
    // The window closed: the program ends.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createIntro();
    void createPanel();
    void loadPictures();
    void placeOnScreen();
    void FormShow();
    void startIntro();
    void showPanel();
    // Steps 1, 3 and 4 of the login: the position of the user in the class,
    // or -1 after the message (or nothing) that explains the refusal.
    int checkUser();
    // Refills the classes from the register and applies the choice.
    void fillClasses(int select);
    void takeSelectionBack(int classIndex, int userIndex);
    void backgroundMouseMove();

    users::TffReg* m_reg = nullptr;
    users::ClassUsers m_users;
    std::function<void()> m_startMode;
    bool m_shownOnce = false;
    bool m_startModeDone = false;
};

} // namespace shell
