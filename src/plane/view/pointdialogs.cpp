#include "plane/view/pointdialogs.h"
#include "ui/centre.h"
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

namespace planeview {
namespace {

constexpr int kFieldWidth = 120;

QPushButton* OkButton(QDialog* dialog)
{
    auto* button = new QPushButton(QStringLiteral("OK"), dialog);
    button->setObjectName(QStringLiteral("btOK"));
    button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
    return button;
}

QLineEdit* Field(const QString& name, QDialog* dialog)
{
    auto* field = new QLineEdit(dialog);
    field->setObjectName(name);
    field->setMinimumWidth(kFieldWidth);
    return field;
}

void PrepareWindow(QDialog& dialog, const QString& caption)
{
    dialog.setWindowTitle(caption);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog.setModal(true);
}

} // namespace

TffDialog::TffDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ffDialog"));
    PrepareWindow(*this, kNameCaption);
    auto* layout = new QGridLayout(this);
    Edit1 = Field(QStringLiteral("Edit1"), this);
    btOK = OkButton(this);
    layout->addWidget(Edit1, 0, 0);
    layout->addWidget(btOK, 0, 1);
}

void TffDialog::SetName(const QString& name) { Edit1->setText(name); }
QString TffDialog::Name() const { return Edit1->text(); }

void TffDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ui::CentreOnScreen(*this);
    Edit1->selectAll();
    Edit1->setFocus();
}

TffDialog1::TffDialog1(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ffDialog1"));
    PrepareWindow(*this, kCoordinatesCaption);
    auto* layout = new QGridLayout(this);
    Edit1 = Field(QStringLiteral("Edit1"), this);
    Edit2 = Field(QStringLiteral("Edit2"), this);
    btOK = OkButton(this);
    layout->addWidget(new QLabel(QStringLiteral("X="), this), 0, 0);
    layout->addWidget(Edit1, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Y="), this), 1, 0);
    layout->addWidget(Edit2, 1, 1);
    layout->addWidget(btOK, 2, 1);
}

void TffDialog1::SetCoordinates(const QString& x, const QString& y)
{
    Edit1->setText(x);
    Edit2->setText(y);
}

std::pair<QString, QString> TffDialog1::Coordinates() const
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList words = (Edit1->text() + u' ' + Edit2->text()).split(blanks, Qt::SkipEmptyParts);
    return {words.value(0), words.value(1)};
}

void TffDialog1::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ui::CentreOnScreen(*this);
    Edit1->selectAll();
    Edit1->setFocus();
}

} // namespace planeview
