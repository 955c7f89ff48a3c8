#pragma once
#include <QString>

// Judging a formula answer by value: both formulas are evaluated at 20 random
// integer points and must agree to 10 significant digits wherever they are
// defined, and be undefined at the same points.
namespace tasks {

inline constexpr int kComparePoints = 20;
inline constexpr int kCompareDigits = 10;

// True when given is a right answer for expected (both in bracket notation).
// The formulas must have the same variables. Every variable gets the same
// random integer from -5000 to 4999 in both (drawn from the process random
// generator). An expected formula that never evaluates (an integral, a
// system) is compared by text.
bool FormulasEquivalent(const QString& expected, const QString& given);

// Whether two values agree to kCompareDigits significant digits: the same
// sign and decimal exponent and the same leading digits of their 18-digit
// decimal forms. Values that differ only in rounding noise (below 1e-15 of
// their size) agree even across a digit boundary (4.99999999999999999 and 5).
bool SameToSignificantDigits(long double a, long double b);

} // namespace tasks
