#include "labs/divisibility/numbercells.h"
#include "arithmetic/numberinput.h"
#include <QLineEdit>

namespace divisibilitylab {

DigitsValidator::DigitsValidator(int maxDigits, QLineEdit* edit, RefusalNote note)
    : QValidator(edit), m_maxDigits(maxDigits), m_known(edit->text()), m_note(std::move(note))
{
    // The line edit's own text already holds the change while it is being
    // validated; what it held before is kept here.
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { m_known = text; });
}

QValidator::State DigitsValidator::validate(QString& input, int&) const
{
    const arithmetic::DigitsVerdict verdict = arithmetic::CheckDigits(input, m_maxDigits);
    if (verdict == arithmetic::DigitsVerdict::Accepted) return Acceptable;
    const bool pasted = input.size() - m_known.size() > 1;
    if (pasted && m_note) m_note(arithmetic::DigitsMessage(verdict, m_maxDigits));
    return Invalid;
}

DigitsDelegate::DigitsDelegate(int maxDigits, RefusalNote note, EditHandler onEdit, QObject* parent)
    : QStyledItemDelegate(parent), m_maxDigits(maxDigits), m_note(std::move(note)), m_onEdit(std::move(onEdit))
{
}

QWidget* DigitsDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    edit->setValidator(new DigitsValidator(m_maxDigits, edit, m_note));
    const int row = index.row();
    const int column = index.column();
    connect(edit, &QLineEdit::textEdited, edit, [this, row, column](const QString& text) {
        if (m_onEdit) m_onEdit(row, column, text);
    });
    return edit;
}

void DigitsDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* edit = static_cast<QLineEdit*>(editor);
    const QString text = index.data(Qt::EditRole).toString();
    if (edit->text() != text) edit->setText(text);
}

} // namespace divisibilitylab
