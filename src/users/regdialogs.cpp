#include "users/regdialogs.h"
#include "base/textutil.h"
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QVBoxLayout>

namespace users {
namespace {
QHBoxLayout* ButtonRow(QDialog* dialog, QPushButton*& ok, QPushButton*& cancel)
{
    ok = new QPushButton(QStringLiteral("OK"), dialog);
    ok->setObjectName(QStringLiteral("btOK"));
    ok->setDefault(true);
    cancel = new QPushButton(QStringLiteral("Отмена"), dialog);
    cancel->setObjectName(QStringLiteral("btCancel"));
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

QLineEdit* Field(QDialog* dialog, const char* name)
{
    auto* field = new QLineEdit(dialog);
    field->setObjectName(QLatin1String(name));
    field->setMinimumWidth(240);
    return field;
}

// OK only while the field holds more than blanks.
void RequireText(QLineEdit* field, QPushButton* ok)
{
    auto update = [field, ok] { ok->setEnabled(!base::Trim(field->text()).isEmpty()); };
    QObject::connect(field, &QLineEdit::textChanged, ok, update);
    update();
}

void SetUpDialog(QDialog* dialog, const char* name)
{
    dialog->setObjectName(QLatin1String(name));
    dialog->setModal(true);
    dialog->setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

void CentreOnScreen(QWidget* window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}
} // namespace

TffKlass::TffKlass(QWidget* parent) : QDialog(parent)
{
    SetUpDialog(this, "ffKlass");
    edClass = Field(this, "edClass");
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Класс:"), edClass);
    layout->addLayout(form);
    layout->addLayout(ButtonRow(this, btOK, btCancel));
    RequireText(edClass, btOK);
}

void TffKlass::setClassName(const QString& name)
{
    edClass->setText(name);
    edClass->selectAll();
    edClass->setFocus();
}

QString TffKlass::className() const { return base::Trim(edClass->text()); }

void TffKlass::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CentreOnScreen(this);
}

TffUser::TffUser(QWidget* parent) : QDialog(parent)
{
    SetUpDialog(this, "ffUser");
    lbClass = new QLabel(this);
    lbClass->setObjectName(QStringLiteral("lbClass"));
    edName = Field(this, "edName");
    edName->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^$]*")), edName));
    edPassword = Field(this, "edPassword");
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Класс:"), lbClass);
    form->addRow(QStringLiteral("Имя:"), edName);
    form->addRow(QStringLiteral("Пароль:"), edPassword);
    layout->addLayout(form);
    layout->addLayout(ButtonRow(this, btOK, btCancel));
    RequireText(edName, btOK);
}

void TffUser::setFields(const QString& className, const QString& name, const QString& password)
{
    lbClass->setText(className);
    edName->setText(name);
    edPassword->setText(password);
    edName->setFocus();
}

QString TffUser::name() const { return base::Trim(edName->text()); }
QString TffUser::password() const { return base::Trim(edPassword->text()); }

void TffUser::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CentreOnScreen(this);
}

} // namespace users
