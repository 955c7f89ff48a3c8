#include "taskfiles/answerpage.h"
#include "base/namevalue.h"
#include "base/textutil.h"
#include "taskfiles/formulacompare.h"
#include "base/htmlform.h"
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

bool HasFreeAnswers(const QStringList& expected)
{
    return std::any_of(expected.begin(), expected.end(), [](const QString& line) {
        return !base::Trim(line).isEmpty() && KindOfName(NameOf(line)) == AnswerKind::Free;
    });
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
    // A text area's answer keeps its lines.
    QString shown = EscapeHtml(value);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("<BR>"));
    shown.replace(u'\n', QStringLiteral("<BR>"));
    shown.replace(u'\r', QStringLiteral("<BR>"));
    return QStringLiteral("<FONT COLOR=GRAY> ") + shown + QStringLiteral(" </FONT>");
}

QString TagAttribute(const QString& tag, const QString& attribute)
{
    const QString key = attribute + u'=';
    for (qsizetype p = tag.indexOf(key, 0, Qt::CaseInsensitive); p >= 0;
         p = tag.indexOf(key, p + 1, Qt::CaseInsensitive)) {
        if (p == 0 || tag[p - 1].unicode() > 32) continue;
        qsizetype i = p + key.size();
        if (i < tag.size() && (tag[i] == u'"' || tag[i] == u'\'')) {
            const qsizetype close = tag.indexOf(tag[i], i + 1);
            return close < 0 ? tag.mid(i + 1) : tag.mid(i + 1, close - i - 1);
        }
        const qsizetype start = i;
        while (i < tag.size() && tag[i].unicode() > 32 && tag[i] != u'>') ++i;
        return tag.mid(start, i - start);
    }
    return {};
}

QString OptionText(const QString& selectHtml, const QString& value)
{
    const QLatin1String open("<OPTION");
    for (qsizetype p = selectHtml.indexOf(open, 0, Qt::CaseInsensitive); p >= 0;
         p = selectHtml.indexOf(open, p + 1, Qt::CaseInsensitive)) {
        const qsizetype tagEnd = selectHtml.indexOf(u'>', p);
        if (tagEnd < 0) break;
        const QString tag = selectHtml.mid(p, tagEnd - p);
        const qsizetype textEnd = selectHtml.indexOf(u'<', tagEnd);
        const QString text =
            base::Trim(base::DecodeEntities(selectHtml.mid(tagEnd + 1, textEnd < 0 ? -1 : textEnd - tagEnd - 1)));
        const bool hasValue = tag.contains(QLatin1String("VALUE="), Qt::CaseInsensitive);
        if ((hasValue ? base::DecodeEntities(TagAttribute(tag, QStringLiteral("VALUE"))) : text) == value) return text;
    }
    return value;
}

namespace {

QString Key(const QString& name) { return QStringLiteral("NAME=") + name; }

// How a judged value shows.
enum class Mark { Right, Wrong, Free };

QString Marked(const QString& value, Mark mark)
{
    switch (mark) {
    case Mark::Right: return RightValueHtml(value);
    case Mark::Wrong: return WrongValueHtml(value);
    case Mark::Free: return FreeValueHtml(value);
    }
    return EscapeHtml(value);
}

QString OpeningTag(const QString& page, const ControlSpan& span)
{
    const qsizetype end = page.indexOf(u'>', span.start);
    return page.mid(span.start, end < 0 ? span.end - span.start : end - span.start + 1);
}

bool IsRadio(const QString& tag)
{
    return tag.startsWith(QLatin1String("<INPUT"), Qt::CaseInsensitive)
           && TagAttribute(tag, QStringLiteral("TYPE")).compare(QLatin1String("RADIO"), Qt::CaseInsensitive) == 0;
}

// Every radio button of the group in turn: the chosen one as a marked dot,
// the others as empty circles, so their labels read as the pupil saw them.
// A group left without a choice shows its circles marked as the value is.
void ShowRadioGroup(QString& page, const QString& name, const QString& value, Mark mark)
{
    const bool noChoice = value.isEmpty() || value == kNoValue;
    for (ControlSpan span = FindControl(page, Key(name)); span.start >= 0; span = FindControl(page, Key(name))) {
        const QString tag = OpeningTag(page, span);
        if (!IsRadio(tag)) return;
        const bool chosen = base::DecodeEntities(TagAttribute(tag, QStringLiteral("VALUE"))) == value;
        const QString shown = chosen ? Marked(kChosenOption, mark)
                                     : noChoice ? Marked(kOtherOption, mark) : EscapeHtml(kOtherOption);
        page.replace(span.start, span.end - span.start, shown);
    }
}

// Puts the judged value of field name in place of its control: a radio
// group shows its options, a list the text of the chosen option, any other
// control the value itself.
void ShowJudgedField(QString& page, const QString& name, const QString& value, Mark mark)
{
    const ControlSpan span = FindControl(page, Key(name));
    if (span.start < 0) return;
    const QString tag = OpeningTag(page, span);
    if (IsRadio(tag)) {
        ShowRadioGroup(page, name, value, mark);
        return;
    }
    const bool isList = tag.startsWith(QLatin1String("<SELECT"), Qt::CaseInsensitive);
    const QString shown = isList ? OptionText(page.mid(span.start, span.end - span.start), value) : value;
    page.replace(span.start, span.end - span.start, Marked(shown, mark));
}

struct Judge {
    const base::NameValueList answers;
    FormJudgement result;

    void wrong() { result.verdict = 2; }

    void free(const QString& name)
    {
        if (!name.startsWith(u'F')) ShowJudgedField(result.page, name, answers.value(name), Mark::Free);
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
            const bool taken = TakeFromList(value, list);
            ShowJudgedField(result.page, field, value, taken ? Mark::Right : Mark::Wrong);
            if (!taken) wrong();
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
        const bool right = index >= 0 && answers.lines()[index] == expectedLine;
        ShowJudgedField(result.page, name, value, right ? Mark::Right : Mark::Wrong);
        if (!right) wrong();
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
