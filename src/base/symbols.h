#pragma once
#include <QChar>
#include <QString>

// The mathematical symbols of formula text. A formula's bracket notation
// stores them as Cyrillic lower-case letters (the Windows-1251 bytes
// 0xE0..0xEF), because the user never types Cyrillic into a formula; the
// formula editor produces these letters from keys and buttons. In memory a
// Windows-1251 byte is one QChar, so each symbol is the letter's QChar.
namespace base::symbol {

inline constexpr QChar Less{u'а'};          // 0xE0 <
inline constexpr QChar Greater{u'б'};       // 0xE1 >
inline constexpr QChar NumberE{u'ж'};       // 0xE6 the number e
inline constexpr QChar ElementOf{u'з'};     // 0xE7 ∈
inline constexpr QChar Pi{u'и'};            // 0xE8 π
inline constexpr QChar GreaterEqual{u'й'};  // 0xE9 ≥
inline constexpr QChar LessEqual{u'к'};     // 0xEA ≤
inline constexpr QChar NotEqual{u'л'};      // 0xEB ≠
inline constexpr QChar Infinity{u'м'};      // 0xEC ∞
inline constexpr QChar Delta{u'н'};         // 0xED Δ
inline constexpr QChar Arrow{u'о'};         // 0xEE →
inline constexpr QChar Approx{u'п'};        // 0xEF ≈

// Square brackets are structural in the notation; a bracket the user means
// as a character is stored as a brace and shown as a bracket.
inline constexpr QChar OpenSquare{u'{'};
inline constexpr QChar CloseSquare{u'}'};

// What the numeric symbols become in an arithmetic expression.
inline constexpr QLatin1String NumberEText{"2.71828182845905"};
inline constexpr QLatin1String PiText{"3.14159265358979"};
inline constexpr QLatin1String InfinityText{"2147483647"};

// The character a symbol letter stands for on screen (π for и, ≤ for к, e
// for ж, < for а, ...); any other character is returned unchanged.
inline QChar Shown(QChar c)
{
    switch (c.unicode()) {
    case Less.unicode(): return u'<';
    case Greater.unicode(): return u'>';
    case NumberE.unicode(): return u'e';
    case ElementOf.unicode(): return u'∈';
    case Pi.unicode(): return u'π';
    case GreaterEqual.unicode(): return u'≥';
    case LessEqual.unicode(): return u'≤';
    case NotEqual.unicode(): return u'≠';
    case Infinity.unicode(): return u'∞';
    case Delta.unicode(): return u'Δ';
    case Arrow.unicode(): return u'→';
    case Approx.unicode(): return u'≈';
    case OpenSquare.unicode(): return u'[';
    case CloseSquare.unicode(): return u']';
    default: return c;
    }
}

// True for the symbols drawn from a symbol font (∈ π ≥ ≤ ≠ ∞ Δ → ≈).
inline bool IsSymbolGlyph(QChar c)
{
    return c.unicode() >= ElementOf.unicode() && c.unicode() <= Approx.unicode();
}

} // namespace base::symbol
