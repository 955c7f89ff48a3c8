#pragma once
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

// Answer lists and the judged page: the pieces of answer checking that work
// on text alone.
//
// An answer list has one "name=value" line per field. Names ending in "_"
// are free answers (judged by the teacher), names ending in "*" groups (every
// page field whose name begins with the group name takes one of the values,
// each once), names beginning with "F" formulas (judged by value), all others
// plain fields (judged by exact text) - tested in this order, so "F1_" is a
// free answer.
namespace tasks {

// The value of a form control the form did not report (an unticked box), and
// the value of a ticked box. Both show as boxes in the judged page.
inline constexpr QChar kNoValue{u'Ё'};   // Windows-1251 0xA8
inline constexpr QChar kTicked{u'ю'};    // Windows-1251 0xFE
// A judged radio group shows the chosen option's button as a dot, the
// others as empty circles.
inline const QString kChosenOption = QStringLiteral("◉");
inline const QString kOtherOption = QStringLiteral("○");

enum class AnswerKind { Free, Group, Formula, Plain };
AnswerKind KindOfName(const QString& name);

// Every line trimmed and rewritten as name + "=" + trimmed value; a line
// without "=" becomes the line followed by "=".
QStringList NormalizeAnswers(const QStringList& formValues);
// True when some line of an answer file names a free answer.
bool HasFreeAnswers(const QStringList& expected);
// False when a field other than a free answer has an empty value.
bool AnswersComplete(const QStringList& answers);
// For every control name (page order) that is no free answer: a missing
// entry is appended as name + "=Ё", to the answers and to the expected list.
// Controls without a name are left out.
void FillMissingAnswers(QStringList& answers, QStringList& expected, const QStringList& controlNames);

// Looks for " " + v + " " in list; when found, deletes v there (the blanks
// stay) so that each acceptable answer is used once. An empty value, or one
// with a blank in it, is never a single element of the list.
bool TakeFromList(const QString& value, QString& list);

// Puts replacement in place of the form control whose attribute is key
// ("NAME=" + field name), also written with the name in quotes. Only
// "<INPUT ...>", "<SELECT ...>...</SELECT>" and "<TEXTAREA ...>...</TEXTAREA>"
// are replaced; a closing tag that is missing (or belongs to a later control)
// leaves only the opening tag replaced, never the rest of the page. False
// when no control carries the key.
bool ReplaceControl(QString& page, const QString& key, const QString& replacement);

// The shown forms of a judged value. Values are escaped for HTML; "Ё" and "ю"
// become an empty and a ticked box; a free answer's line breaks stay.
QString RightValueHtml(const QString& value);
QString WrongValueHtml(const QString& value);
QString FreeValueHtml(const QString& value);
QString EscapeHtml(const QString& text);

// The value of an attribute in a tag's text (name without regard to letter
// case, value quoted or bare, entities left as written); empty when missing.
QString TagAttribute(const QString& tag, const QString& attribute);
// The text of the option of a "<SELECT ...>...</SELECT>" whose value is
// value (an option without VALUE has its text as value), trimmed and with
// entities decoded; value itself when no option has it.
QString OptionText(const QString& selectHtml, const QString& value);

// A formula field to be drawn again: black when right, red when wrong.
struct FormulaMark {
    QString name;
    QString value;
    bool right = false;
    bool operator==(const FormulaMark&) const = default;
};

struct FormJudgement {
    int verdict = 1;             // 1 right, 2 wrong, 0 for the teacher
    QString page;                // the page with judged controls replaced
    QList<FormulaMark> formulas; // in the order of the expected list
};

// Judges answers (already filled in) against the expected lines and rewrites
// the page text: a judged control shows its value (a list the chosen
// option's text, a radio group its options with the chosen one marked). An expected name no answer carries (a stale answer file)
// counts as wrong. Blank expected lines are skipped.
FormJudgement JudgeForm(const QStringList& answers, const QStringList& expected, const QString& page);

// A drag-and-drop answer: every expected line must equal the answer line of
// the same name (names without regard to letter case). 1 or 2.
int JudgeArea(const QStringList& answers, const QStringList& expected);

} // namespace tasks
