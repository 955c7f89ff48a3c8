#pragma once
#include <QDate>
#include <QString>
#include <optional>

// Real numbers and dates as the program's files store them.
// Everywhere a real number is written with a decimal comma ("2,5"); the
// engines' lab-file sections use a decimal point. Dates are "dd.mm.yyyy".
namespace base {

enum class Decimal { Comma, Point };

// General format with 15 significant digits, exponent as "1E20", "1E-5".
QString FormatReal(long double value, Decimal sep = Decimal::Comma);
// Leading and trailing blanks allowed; the other separator is not accepted.
std::optional<long double> ParseReal(const QString& text, Decimal sep = Decimal::Comma);

// Integer text with optional sign and surrounding blanks.
std::optional<long long> ParseInt(const QString& text);

// A real number of an engine's lab-file record: sign or blank, one digit, a
// point, 14 decimals and a signed four-digit exponent, e.g.
// " 1.50000000000000E+0000". A number that is not finite is written as 0.
QString FormatRecordReal(double value);

QString FormatDate(const QDate& date);
std::optional<QDate> ParseDate(const QString& text);

} // namespace base
