#pragma once
#include <QList>
#include <QString>
#include <optional>

// Divisibility of natural numbers: division with remainder, the ways of
// writing a number as a product of two factors, the prime factorisation and
// the number of divisors. All in 64-bit arithmetic, so that no input the labs
// accept (at most nine digits) can overflow.
namespace arithmetic {

// The character that joins factors ("·", Windows-1251 0xB7).
inline constexpr QChar kTimesDot = QChar(0x00B7);

// Digits a cell of the division and factor-pair tables takes, and of the
// prime-factorisation table.
constexpr int kDivisionDigits = 9;
constexpr int kFactorisationDigits = 8;

struct Division {
    long long quotient = 0;
    long long remainder = 0;
    friend bool operator==(const Division&, const Division&) = default;
};

// Integer division truncating towards zero, remainder with the dividend's
// sign. nullopt for a zero divisor and for the one quotient that does not fit
// in 64 bits (the smallest integer divided by -1).
std::optional<Division> DivideWithRemainder(long long dividend, long long divisor);

// The three result cells of a division row: quotient, remainder and the line
// " a = b·q+r" with dividend and divisor as typed.
struct DivisionRow {
    QString quotient;
    QString remainder;
    QString equation;
};
// nullopt when either text is not a natural number of at most nine digits or
// the divisor is 0: the row's result cells are then empty.
std::optional<DivisionRow> DivisionRowOf(const QString& dividendText, const QString& divisorText);

// "j·(n/j)" for every divisor j of n with j·j <= n, in ascending j; empty
// for n < 1.
QStringList FactorPairs(long long n);

// The prime factors of n in ascending order, repeated by multiplicity; empty
// for n < 2.
QList<long long> PrimeFactorList(long long n);
// The same joined by "·": 12 gives "2·2·3"; empty for n < 2.
QString PrimeFactors(long long n);

// The number of natural divisors of n; 0 for n < 1.
int DivisorCount(long long n);
// The natural divisors of n in ascending order; empty for n < 1.
QList<long long> DivisorList(long long n);

} // namespace arithmetic
