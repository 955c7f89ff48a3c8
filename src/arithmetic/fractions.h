#pragma once
#include <QString>
#include <optional>

// Exact fractions: a numerator and a positive denominator, always reduced;
// zero is 0/1. Sums are formed in 128-bit arithmetic and reduced before they
// are stored in 64 bits, so no sum the labs can make overflows; one that
// would not fit even then is refused (nullopt), never wrapped round.
namespace arithmetic {

struct Fraction {
    long long Num = 0;
    long long Den = 1;
    friend bool operator==(const Fraction&, const Fraction&) = default;
};

// Greatest common divisor of two non-negative numbers by Euclid's remainders
// (Gcd(a, 0) = a); steps grow with the digits of the numbers, not their size.
unsigned long long Gcd(unsigned long long a, unsigned long long b);

// num/den reduced, with the sign on the numerator; nullopt for a zero
// denominator and for the one quotient that does not fit in 64 bits.
std::optional<Fraction> ReduceFraction(long long num, long long den);

std::optional<Fraction> AddFractions(const Fraction& x, const Fraction& y);
std::optional<Fraction> SubtractFractions(const Fraction& x, const Fraction& y);
// x <= y by value, exactly (cross products in 128 bits).
bool FractionLessOrEqual(const Fraction& x, const Fraction& y);
// Equal values; fractions are kept reduced, so this is equal parts.
bool FractionsEqual(const Fraction& x, const Fraction& y);

// "3/4"; "0/1" for zero.
QString FractionText(const Fraction& x);
// A real number in general format with digits significant digits and a
// decimal comma: 3.3333 with 4 digits gives "3,333", 25.0 with 3 gives "25".
QString GeneralNumber(double value, int digits);
// x as a percentage with three significant digits: 3/4 gives "75%".
QString PercentText(const Fraction& x);

} // namespace arithmetic
