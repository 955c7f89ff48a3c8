#include "arithmetic/fractions.h"
#include <limits>

namespace arithmetic {

namespace {

using Wide = __int128;

unsigned __int128 Magnitude(Wide value)
{
    return value < 0 ? (unsigned __int128)(-(value + 1)) + 1 : (unsigned __int128)value;
}

unsigned __int128 WideGcd(unsigned __int128 a, unsigned __int128 b)
{
    while (b != 0) {
        const unsigned __int128 rest = a % b;
        a = b;
        b = rest;
    }
    return a;
}

bool FitsIn64(Wide value)
{
    return value >= std::numeric_limits<long long>::min() && value <= std::numeric_limits<long long>::max();
}

// num/den with den != 0, reduced and stored in 64 bits when it fits.
std::optional<Fraction> ReduceWide(Wide num, Wide den)
{
    if (den == 0) return std::nullopt;
    if (num == 0) return Fraction{0, 1};
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const Wide g = Wide(WideGcd(Magnitude(num), Magnitude(den)));
    num /= g;
    den /= g;
    if (!FitsIn64(num) || !FitsIn64(den)) return std::nullopt;
    return Fraction{(long long)num, (long long)den};
}

} // namespace

unsigned long long Gcd(unsigned long long a, unsigned long long b)
{
    while (b != 0) {
        const unsigned long long rest = a % b;
        a = b;
        b = rest;
    }
    return a;
}

std::optional<Fraction> ReduceFraction(long long num, long long den)
{
    return ReduceWide(num, den);
}

std::optional<Fraction> AddFractions(const Fraction& x, const Fraction& y)
{
    // Each product of two 64-bit numbers fits in 127 bits, their sum in 128.
    const Wide num = Wide(x.Num) * y.Den + Wide(y.Num) * x.Den;
    const Wide den = Wide(x.Den) * y.Den;
    return ReduceWide(num, den);
}

std::optional<Fraction> SubtractFractions(const Fraction& x, const Fraction& y)
{
    const Wide num = Wide(x.Num) * y.Den - Wide(y.Num) * x.Den;
    const Wide den = Wide(x.Den) * y.Den;
    return ReduceWide(num, den);
}

bool FractionLessOrEqual(const Fraction& x, const Fraction& y)
{
    return Wide(x.Num) * y.Den <= Wide(y.Num) * x.Den;
}

bool FractionsEqual(const Fraction& x, const Fraction& y)
{
    return Wide(x.Num) * y.Den == Wide(y.Num) * x.Den;
}

QString FractionText(const Fraction& x)
{
    return QString::number(x.Num) + u'/' + QString::number(x.Den);
}

QString GeneralNumber(double value, int digits)
{
    return QString::number(value, 'g', digits).replace(u'.', u',');
}

QString PercentText(const Fraction& x)
{
    return GeneralNumber(double(x.Num) / double(x.Den) * 100.0, 3) + u'%';
}

} // namespace arithmetic
