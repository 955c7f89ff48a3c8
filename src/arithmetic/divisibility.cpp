#include "arithmetic/divisibility.h"
#include "arithmetic/numberinput.h"
#include <algorithm>
#include <limits>

namespace arithmetic {

std::optional<Division> DivideWithRemainder(long long dividend, long long divisor)
{
    if (divisor == 0) return std::nullopt;
    if (dividend == std::numeric_limits<long long>::min() && divisor == -1) return std::nullopt;
    return Division{dividend / divisor, dividend % divisor};
}

std::optional<DivisionRow> DivisionRowOf(const QString& dividendText, const QString& divisorText)
{
    const auto dividend = ParseNatural(dividendText, kDivisionDigits);
    const auto divisor = ParseNatural(divisorText, kDivisionDigits);
    if (!dividend || !divisor) return std::nullopt;
    const auto division = DivideWithRemainder(*dividend, *divisor);
    if (!division) return std::nullopt;
    DivisionRow row;
    row.quotient = QString::number(division->quotient);
    row.remainder = QString::number(division->remainder);
    row.equation = u' ' + dividendText + QStringLiteral(" = ") + divisorText + kTimesDot + row.quotient + u'+' +
                   row.remainder;
    return row;
}

QStringList FactorPairs(long long n)
{
    QStringList pairs;
    // j <= n / j is j·j <= n without the product, which could overflow.
    for (long long j = 1; n >= 1 && j <= n / j; ++j)
        if (n % j == 0) pairs.append(QString::number(j) + kTimesDot + QString::number(n / j));
    return pairs;
}

QList<long long> PrimeFactorList(long long n)
{
    QList<long long> factors;
    // Trial divisors stop at the square root of what is left: what remains
    // above it is prime, so an eight-digit prime takes thousands of steps,
    // not millions.
    for (long long i = 2; n >= 2 && i <= n / i; ++i)
        while (n % i == 0) {
            factors.append(i);
            n /= i;
        }
    if (n >= 2) factors.append(n);
    return factors;
}

QString PrimeFactors(long long n)
{
    QStringList parts;
    for (const long long factor : PrimeFactorList(n)) parts.append(QString::number(factor));
    return parts.join(kTimesDot);
}

int DivisorCount(long long n)
{
    int count = 0;
    // j <= n / j is j·j <= n; the square root of a square counts once.
    for (long long j = 1; n >= 1 && j <= n / j; ++j)
        if (n % j == 0) count += j == n / j ? 1 : 2;
    return count;
}

QList<long long> DivisorList(long long n)
{
    QList<long long> small;
    QList<long long> large;
    for (long long j = 1; n >= 1 && j <= n / j; ++j) {
        if (n % j != 0) continue;
        small.append(j);
        if (j != n / j) large.prepend(n / j);
    }
    return small + large;
}

} // namespace arithmetic
