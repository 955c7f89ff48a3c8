#include "tasks/itemcontent.h"
#include "formulas/formula.h"
#include "shell/base/symbols.h"
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace tasks {

namespace {

using formulas::TermKind;
using formulas::TTerm;

QString Line(const TTerm* term);

QString Argument(const TTerm* term, int k)
{
    return k <= term->Count() ? Line(term->Child(k)) : QString();
}

// An argument that needs brackets to stay one operand on a line.
QString Operand(const TTerm* term, int k)
{
    if (k > term->Count()) return {};
    const QString text = Argument(term, k);
    const TTerm* argument = term->Child(k);
    const bool oneTerm = argument->Count() == 1 && argument->Child(1)->Kind() != TermKind::Text;
    const bool oneWord = std::all_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber() || c == u','; });
    const bool simple = oneTerm || oneWord;
    return simple ? text : u'(' + text + u')';
}

// A one-digit exponent as a superscript digit, any other after "^".
QString Exponent(const QString& text)
{
    static const QString superscripts = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    if (text.size() == 1 && text[0].isDigit() && text[0].unicode() <= u'9') return superscripts[text[0].unicode() - u'0'];
    const bool oneWord = std::all_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
    return u'^' + (oneWord ? text : u'(' + text + u')');
}

QString Shown(const QString& text)
{
    QString shown = text;
    for (QChar& c : shown) c = shell::symbol::Shown(c);
    return shown;
}

QString Line(const TTerm* term)
{
    switch (term->Kind()) {
    case TermKind::Text: return Shown(term->Data);
    case TermKind::Fraction: return Operand(term, 1) + u'/' + Operand(term, 2);
    case TermKind::Parentheses: return u'(' + Argument(term, 1) + u')';
    case TermKind::Modulus: return u'|' + Argument(term, 1) + u'|';
    case TermKind::Root: {
        const QString degree = Argument(term, 1);
        return (degree.isEmpty() ? QString() : degree) + u'√' + Operand(term, 2);
    }
    case TermKind::Power: return Operand(term, 1) + Exponent(Argument(term, 2));
    case TermKind::Index: return Argument(term, 1) + u'_' + Operand(term, 2);
    case TermKind::Log: return QStringLiteral("log_") + Operand(term, 1) + Operand(term, 2);
    case TermKind::Sequence:
    case TermKind::Vector:
    case TermKind::Integral:
    case TermKind::System:
        break;
    }
    QString text;
    for (int k = 1; k <= term->Count(); ++k) {
        if (term->Kind() == TermKind::System && k > 1) text += QStringLiteral("; ");
        text += Line(term->Child(k));
    }
    return text;
}

QString ShownText(const formulas::TFormula& formula, const QString& content)
{
    return IsFormulaContent(content) && formula.Root() ? FormulaLine(formula) : content;
}

} // namespace

bool IsFormulaContent(const QString& content) { return content.startsWith(u'['); }

QString FormulaLine(const formulas::TFormula& formula)
{
    return formula.Root() ? Line(formula.Root()) : QString();
}

QSize ContentSize(QPainter& painter, const formulas::TFormula& formula, const QString& content)
{
    const QFontMetrics metrics(painter.font());
    return {metrics.horizontalAdvance(ShownText(formula, content)), metrics.height()};
}

void DrawContent(QPainter& painter, const formulas::TFormula& formula, const QString& content, int x, int y)
{
    const QFontMetrics metrics(painter.font());
    painter.drawText(x, y + metrics.ascent(), ShownText(formula, content));
}

} // namespace tasks
