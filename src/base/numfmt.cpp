#include "base/numfmt.h"
#include "base/textutil.h"
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace base {

QString FormatRecordReal(double value)
{
    if (!std::isfinite(value) || value == 0) value = 0; // never written: the scenes keep their numbers finite
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.14E", value);
    QString text = QString::fromLatin1(buffer);
    const qsizetype e = text.indexOf(u'E');
    const QChar sign = text[e + 1];
    const QString digits = text.mid(e + 2).rightJustified(4, u'0');
    text = text.left(e + 1) + sign + digits;
    return value < 0 ? text : u' ' + text;
}

QString FormatReal(long double value, Decimal sep)
{
    if (std::isnan(value)) return QStringLiteral("NAN");
    if (std::isinf(value)) return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0) return QStringLiteral("0");
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15Lg", value);
    QString text = QString::fromLatin1(buffer);
    // The C library writes "1e+20" / "1e-05"; the program's form is "1E20" / "1E-5".
    const qsizetype e = text.indexOf(u'e');
    if (e >= 0) {
        QString mantissa = text.left(e);
        QString exponent = text.mid(e + 1);
        bool negative = exponent.startsWith(u'-');
        if (exponent.startsWith(u'-') || exponent.startsWith(u'+')) exponent.remove(0, 1);
        while (exponent.size() > 1 && exponent.startsWith(u'0')) exponent.remove(0, 1);
        text = mantissa + u'E' + (negative ? QStringLiteral("-") : QString()) + exponent;
    }
    if (sep == Decimal::Comma) text.replace(u'.', u',');
    return text;
}

std::optional<long double> ParseReal(const QString& text, Decimal sep)
{
    const QString trimmed = Trim(text);
    if (trimmed.isEmpty()) return std::nullopt;
    const QChar own = sep == Decimal::Comma ? u',' : u'.';
    QByteArray ascii;
    ascii.reserve(trimmed.size());
    bool digits = false;
    bool seenSep = false;
    bool seenExp = false;
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed[i];
        if (c.isDigit() && c.unicode() < 128) {
            digits = true;
            ascii += char(c.unicode());
        } else if (c == own && !seenSep && !seenExp) {
            seenSep = true;
            ascii += '.';
        } else if ((c == u'e' || c == u'E') && digits && !seenExp) {
            seenExp = true;
            ascii += 'e';
            if (i + 1 < trimmed.size() && (trimmed[i + 1] == u'+' || trimmed[i + 1] == u'-'))
                ascii += char(trimmed[++i].unicode());
            if (i + 1 >= trimmed.size()) return std::nullopt;
        } else if ((c == u'+' || c == u'-') && i == 0) {
            ascii += char(c.unicode());
        } else {
            return std::nullopt;
        }
    }
    if (!digits) return std::nullopt;
    char* end = nullptr;
    const long double value = std::strtold(ascii.constData(), &end);
    if (end == nullptr || *end != '\0' || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<long long> ParseInt(const QString& text)
{
    bool ok = false;
    const long long value = Trim(text).toLongLong(&ok);
    if (!ok) return std::nullopt;
    return value;
}

QString FormatDate(const QDate& date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

std::optional<QDate> ParseDate(const QString& text)
{
    const QDate date = QDate::fromString(Trim(text), QStringLiteral("dd.MM.yyyy"));
    if (!date.isValid()) return std::nullopt;
    return date;
}

} // namespace base
