#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The two small dialogs of the register window: a class name, and a user's
// name and password. Modal, on top, centred on the screen; the caller sets
// the caption and runs them through ui::dialogs().exec.
namespace users {

class TffKlass : public QDialog {
    Q_OBJECT
public:
    explicit TffKlass(QWidget* parent = nullptr);

    // Presets the field and selects it.
    void setClassName(const QString& name);
    // The field without surrounding blanks: leading blanks would make the
    // class a deeper level of the register file.
    QString className() const;

    QLineEdit* edClass;
    QPushButton* btOK;
    QPushButton* btCancel;

protected:
    void showEvent(QShowEvent* event) override;
};

class TffUser : public QDialog {
    Q_OBJECT
public:
    explicit TffUser(QWidget* parent = nullptr);

    void setFields(const QString& className, const QString& name, const QString& password);
    // Both without surrounding blanks, as the login reads them back. A name
    // cannot hold "$", which ends the name in the register.
    QString name() const;
    QString password() const;

    QLabel* lbClass;
    QLineEdit* edName;
    QLineEdit* edPassword;
    QPushButton* btOK;
    QPushButton* btCancel;

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace users
