#pragma once
#include "formulas/terms.h"
#include <QString>
#include <ostream>

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// A term tree spelled out for comparisons: a sequence as {e1,e2}, a text run
// as 'text', a named term as name(arg1,arg2).
inline QString TermShape(const formulas::TTerm* term)
{
    using formulas::TermKind;
    if (term->Kind() == TermKind::Text) return u'\'' + term->Data + u'\'';
    QString shape = term->Kind() == TermKind::Sequence ? QStringLiteral("{") : formulas::NotationName(term->Kind()).toString() + u'(';
    for (int k = 1; k <= term->Count(); ++k) {
        if (k > 1) shape += u',';
        shape += TermShape(term->Child(k));
    }
    return shape + (term->Kind() == TermKind::Sequence ? u'}' : u')');
}
