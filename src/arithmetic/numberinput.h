#pragma once
#include <QString>
#include <optional>

// Natural numbers as the number labs take them from a cell or a field: digits
// only, no sign, no blanks, at most a fixed number of digits. Typed keys and
// pasted text pass the same check.
namespace arithmetic {

enum class DigitsVerdict { Accepted, NotDigits, TooLong };

// Whether text may stand in a field that holds at most maxDigits digits.
// Empty text is accepted (a field being cleared).
DigitsVerdict CheckDigits(const QString& text, int maxDigits);

// The message shown when text was refused; empty for Accepted.
QString DigitsMessage(DigitsVerdict verdict, int maxDigits);

// The value of text that CheckDigits accepts and that is not empty; nullopt
// otherwise (empty text, other characters, too many digits).
std::optional<long long> ParseNatural(const QString& text, int maxDigits);

} // namespace arithmetic
