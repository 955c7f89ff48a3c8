// The arithmetic expression of each term: the language the expression parser
// and the formula compiler both read.
#include "formulas/terms.h"
#include "base/apperror.h"
#include "base/textutil.h"

namespace formulas {

void TTerm::ArgumentExpression(int k, QString& out) const
{
    if (k <= Count()) Child(k)->ToExpression(out);
}

void TSostTerm::ToExpression(QString& out) const
{
    for (int k = 1; k <= Count(); ++k) Child(k)->ToExpression(out);
}

// Text is copied as typed, with the parser's names of the functions that
// test their domain (ln_, arcsin_, arccos_) and decimal points.
void TSimpleTerm::ToExpression(QString& out) const
{
    QString text = Data;
    text.replace(QStringLiteral("ln("), QStringLiteral("ln_("));
    text.replace(QStringLiteral("arcsin("), QStringLiteral("arcsin_("));
    text.replace(QStringLiteral("arccos("), QStringLiteral("arccos_("));
    text.replace(u',', u'.');
    out += text;
}

// A two-argument function always encloses its first argument in its own
// parentheses: the parser would read a comma right after a digit as part of
// a number.
void TTerm::TwoArgumentCall(QLatin1String function, QString& out) const
{
    out += function;
    out += QLatin1String("((");
    ArgumentExpression(1, out);
    out += QLatin1String("),");
    ArgumentExpression(2, out);
    out += u')';
}

void TDrobTerm::ToExpression(QString& out) const { TwoArgumentCall(QLatin1String("DIVISION_"), out); }
void TPowerTerm::ToExpression(QString& out) const { TwoArgumentCall(QLatin1String("power_"), out); }
void TLogTerm::ToExpression(QString& out) const { TwoArgumentCall(QLatin1String("logN_"), out); }

void TSkobTerm::ToExpression(QString& out) const
{
    out += u'(';
    ArgumentExpression(1, out);
    out += u')';
}

void TModulTerm::ToExpression(QString& out) const
{
    out += QStringView(u"abs(");
    ArgumentExpression(1, out);
    out += u')';
}

void TVectorTerm::ToExpression(QString&) const {}
void TIndexTerm::ToExpression(QString&) const {}

void TSqrtTerm::ToExpression(QString& out) const
{
    QString degree;
    ArgumentExpression(1, degree);
    if (base::Trim(degree).isEmpty()) degree = QStringLiteral("2");
    if (degree == u"2") {
        out += QStringView(u"sqrt_(");
        ArgumentExpression(2, out);
        out += u')';
    } else {
        out += QStringView(u"power_((");
        ArgumentExpression(2, out);
        out += QStringView(u"),1/(");
        out += degree;
        out += QStringView(u"))");
    }
}

void TIntegralTerm::ToExpression(QString&) const
{
    throw base::AppError(QStringLiteral("Интегралы мы считать пока не умеем :("));
}

void TSystemTerm::ToExpression(QString&) const
{
    throw base::AppError(QStringLiteral("Системы мы считать пока не умеем :("));
}

} // namespace formulas
