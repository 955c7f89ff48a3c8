#include "arithmetic/numberinput.h"
#include <algorithm>

namespace arithmetic {

DigitsVerdict CheckDigits(const QString& text, int maxDigits)
{
    for (const QChar c : text)
        if (c < u'0' || c > u'9') return DigitsVerdict::NotDigits;
    return text.size() > maxDigits ? DigitsVerdict::TooLong : DigitsVerdict::Accepted;
}

QString DigitsMessage(DigitsVerdict verdict, int maxDigits)
{
    switch (verdict) {
    case DigitsVerdict::Accepted: return {};
    case DigitsVerdict::NotDigits: return QStringLiteral("Здесь можно записать только натуральное число или 0 (одни цифры)");
    case DigitsVerdict::TooLong:
        return QStringLiteral("Здесь можно записать число не длиннее %1 цифр").arg(maxDigits);
    }
    return {};
}

std::optional<long long> ParseNatural(const QString& text, int maxDigits)
{
    // Eighteen digits always fit in 64 bits.
    constexpr int kMostDigits = 18;
    maxDigits = std::min(maxDigits, kMostDigits);
    if (text.isEmpty() || CheckDigits(text, maxDigits) != DigitsVerdict::Accepted) return std::nullopt;
    long long value = 0;
    for (const QChar c : text) value = value * 10 + (c.unicode() - u'0');
    return value;
}

} // namespace arithmetic
