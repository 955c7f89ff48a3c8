#pragma once
#include <QStyledItemDelegate>
#include <QValidator>
#include <functional>

class QLineEdit;

// The one input check of the lab's number cells and fields: digits only, at
// most a fixed number of them. Typed keys and pasted text pass through the
// same validator; text it refuses never reaches the cell, and a refused paste
// (more than one character at once) is explained by a note.
namespace divisibilitylab {

using RefusalNote = std::function<void(const QString& message)>;

class DigitsValidator : public QValidator {
public:
    DigitsValidator(int maxDigits, QLineEdit* edit, RefusalNote note);
    State validate(QString& input, int& pos) const override;

private:
    int m_maxDigits;
    QString m_known;
    RefusalNote m_note;
};

// The editor of a grid's input cells: a line edit with the digits check that
// hands every change of its text to onEdit at once (row, column, text), so
// that results follow each keystroke.
class DigitsDelegate : public QStyledItemDelegate {
public:
    using EditHandler = std::function<void(int row, int column, const QString& text)>;
    DigitsDelegate(int maxDigits, RefusalNote note, EditHandler onEdit, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // Leaves an editor alone whose text the cell already holds, so that the
    // caret stays where the pupil types.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;

private:
    int m_maxDigits;
    RefusalNote m_note;
    EditHandler m_onEdit;
};

} // namespace divisibilitylab
