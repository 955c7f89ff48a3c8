#include "taskfiles/answerpage.h"
#include "base/namevalue.h"
#include "base/textutil.h"
#include "taskfiles/formulacompare.h"
#include <algorithm>
#include <utility>

namespace tasks {

namespace {

const QChar kEmptyBox{u'☐'};
const QChar kTickedBox{u'☑'};

QString NameOf(const QString& line)
{
    const qsizetype eq = line.indexOf(u'=');
    return eq < 0 ? line : line.left(eq);
}

QString ValueOf(const QString& line)
{
    const qsizetype eq = line.indexOf(u'=');
    return eq < 0 ? QString() : line.mid(eq + 1);
}

bool IsBoxValue(const QString& value) { return value == kNoValue || value == kTicked; }

// The box a check-box value stands for; the value itself otherwise.
QString BoxOrText(const QString& value)
{
    if (value == kNoValue) return kEmptyBox;
    if (value == kTicked) return kTickedBox;
    return EscapeHtml(value);
}

// The end of a name attribute's value: a blank, a line break, ">" or "/".
bool EndsAttribute(const QString& page, qsizetype pos)
{
    if (pos >= page.size()) return false;
    const QChar c = page[pos];
    return c.unicode() <= 32 || c == u'>' || c == u'/';
}

bool StartsWithTag(const QString& page, qsizetype pos, QLatin1String tag)
{
    return QStringView(page).mid(pos).startsWith(tag, Qt::CaseInsensitive);
}

// Position just past the control that opens at start, whose name attribute is
// at namePos; -1 when the tag is no form control or has no end.
qsizetype ControlEnd(const QString& page, qsizetype start, qsizetype namePos)
{
    const qsizetype tagEnd = page.indexOf(u'>', namePos);
    if (tagEnd < 0) return -1;
    if (StartsWithTag(page, start, QLatin1String("<INPUT"))) return tagEnd + 1;
    for (const auto& [open, close] : {std::pair{QLatin1String("<SELECT"), QLatin1String("</SELECT>")},
                                      std::pair{QLatin1String("<TEXTAREA"), QLatin1String("</TEXTAREA>")}}) {
        if (!StartsWithTag(page, start, open)) continue;
        const qsizetype closing = page.indexOf(close, tagEnd, Qt::CaseInsensitive);
        const qsizetype nextOpen = page.indexOf(open, tagEnd, Qt::CaseInsensitive);
        if (closing < 0 || (nextOpen >= 0 && nextOpen < closing)) return tagEnd + 1;
        return closing + close.size();
    }
    return -1;
}

struct ControlSpan {
    qsizetype start = -1;
    qsizetype end = -1;
};

// The first form control carrying key exactly (the name unquoted or quoted).
ControlSpan FindControl(const QString& page, const QString& key)
{
    const qsizetype eq = key.indexOf(u'=');
    const QString attribute = key.left(eq + 1);
    const QString name = key.mid(eq + 1);
    const QStringList spellings{key, attribute + u'"' + name + u'"', attribute + u'\'' + name + u'\''};
    ControlSpan best;
    for (const QString& spelling : spellings) {
        const bool quoted = spelling.size() != key.size();
        for (qsizetype p = page.indexOf(spelling); p >= 0; p = page.indexOf(spelling, p + 1)) {
            if (best.start >= 0 && p > best.start) break;
            const qsizetype after = p + spelling.size();
            if (!quoted && !EndsAttribute(page, after)) continue;
            const qsizetype start = std::max<qsizetype>(page.lastIndexOf(u'<', p), 0);
            // The key must stand inside the tag, not in text after it.
            const qsizetype closed = page.indexOf(u'>', start);
            if (closed >= 0 && closed < p) continue;
            const qsizetype end = ControlEnd(page, start, p);
            if (end < 0) continue;
            if (best.start < 0 || start < best.start) best = {start, end};
            break;
        }
    }
    return best;
}

} // namespace

AnswerKind KindOfName(const QString& name)
{
    if (name.endsWith(u'_')) return AnswerKind::Free;
    if (name.endsWith(u'*')) return AnswerKind::Group;
    if (name.startsWith(u'F')) return AnswerKind::Formula;
    return AnswerKind::Plain;
}

QStringList NormalizeAnswers(const QStringList& formValues)
{
    QStringList answers;
    for (const QString& raw : formValues) {
        const QString line = base::Trim(raw);
        const qsizetype eq = line.indexOf(u'=');
        answers.append(eq < 0 ? line + u'=' : line.left(eq) + u'=' + base::Trim(line.mid(eq + 1)));
    }
    return answers;
}

bool AnswersComplete(const QStringList& answers)
{
    for (const QString& line : answers)
        if (KindOfName(NameOf(line)) != AnswerKind::Free && ValueOf(line).isEmpty()) return false;
    return true;
}

void FillMissingAnswers(QStringList& answers, QStringList& expected, const QStringList& controlNames)
{
    for (const QString& name : controlNames) {
        if (name.isEmpty() || KindOfName(name) == AnswerKind::Free) continue;
        const QString missing = name + u'=' + kNoValue;
        if (base::NameValueList(answers).indexOfName(name) < 0) answers.append(missing);
        if (base::NameValueList(expected).indexOfName(name) < 0) expected.append(missing);
    }
}

bool TakeFromList(const QString& value, QString& list)
{
    if (value.isEmpty() || value.contains(u' ')) return false;
    const qsizetype p = list.indexOf(u' ' + value + u' ');
    if (p < 0) return false;
    list.remove(p + 1, value.size());
    return true;
}

bool ReplaceControl(QString& page, const QString& key, const QString& replacement)
{
    const ControlSpan span = FindControl(page, key);
    if (span.start < 0) return false;
    page.replace(span.start, span.end - span.start, replacement);
    return true;
}

QString EscapeHtml(const QString& text) { return text.toHtmlEscaped(); }

QString RightValueHtml(const QString& value)
{
    if (IsBoxValue(value)) return QStringLiteral("<FONT FACE=\"Wingdings\">") + BoxOrText(value) + QStringLiteral("</FONT>");
    return EscapeHtml(value);
}

QString WrongValueHtml(const QString& value)
{
    if (IsBoxValue(value))
        return QStringLiteral("<FONT FACE=\"Wingdings\" COLOR=RED>") + BoxOrText(value) + QStringLiteral("</FONT>");
    return QStringLiteral("<FONT COLOR=RED> ") + EscapeHtml(value) + QStringLiteral(" </FONT>");
}

QString FreeValueHtml(const QString& value)
{
    return QStringLiteral("<FONT COLOR=GRAY> ") + EscapeHtml(value) + QStringLiteral(" </FONT>");
}

namespace {

QString Key(const QString& name) { return QStringLiteral("NAME=") + name; }

struct Judge {
    const base::NameValueList answers;
    FormJudgement result;

    void wrong() { result.verdict = 2; }

    void free(const QString& name)
    {
        if (!name.startsWith(u'F')) ReplaceControl(result.page, Key(name), FreeValueHtml(answers.value(name)));
        if (result.verdict < 2) result.verdict = 0;
    }

    void group(const QString& name, const QString& acceptable)
    {
        const QString prefix = name.chopped(1);
        QString list = u' ' + acceptable + u' ';
        for (int i = 0; i < answers.count(); ++i) {
            const QString field = answers.name(i);
            if (field.left(prefix.size()) != prefix) continue;
            const QString value = answers.value(i);
            if (TakeFromList(value, list)) {
                ReplaceControl(result.page, Key(field), EscapeHtml(value));
            } else {
                ReplaceControl(result.page, Key(field), WrongValueHtml(value));
                wrong();
            }
        }
    }

    void formula(const QString& name, const QString& expectedValue)
    {
        const int index = answers.indexOfName(name);
        const QString value = index < 0 ? QString() : answers.value(index);
        const bool right = index >= 0 && FormulasEquivalent(expectedValue, value);
        result.formulas.append({name, value, right});
        if (!right) wrong();
    }

    void plain(const QString& expectedLine, const QString& name)
    {
        const int index = answers.indexOfName(name);
        const QString value = index < 0 ? QString() : answers.value(index);
        if (index < 0 || answers.lines()[index] != expectedLine) {
            ReplaceControl(result.page, Key(name), WrongValueHtml(value));
            wrong();
        } else {
            ReplaceControl(result.page, Key(name), RightValueHtml(value));
        }
    }
};

} // namespace

FormJudgement JudgeForm(const QStringList& answers, const QStringList& expected, const QString& page)
{
    Judge judge{base::NameValueList(answers), {1, page, {}}};
    for (const QString& line : expected) {
        if (base::Trim(line).isEmpty()) continue;
        const QString name = NameOf(line);
        switch (KindOfName(name)) {
        case AnswerKind::Free: judge.free(name); break;
        case AnswerKind::Group: judge.group(name, ValueOf(line)); break;
        case AnswerKind::Formula: judge.formula(name, ValueOf(line)); break;
        case AnswerKind::Plain: judge.plain(line, name); break;
        }
    }
    return judge.result;
}

int JudgeArea(const QStringList& answers, const QStringList& expected)
{
    const base::NameValueList given(answers);
    int verdict = 1;
    for (const QString& line : expected) {
        if (base::Trim(line).isEmpty()) continue;
        const int index = given.indexOfName(NameOf(line));
        if (index < 0 || given.lines()[index] != line) verdict = 2;
    }
    return verdict;
}

} // namespace tasks
