#pragma once
#include "expr/evalerror.h"
#include "expr/x87.h"
#include <cfloat>
#include <cmath>
#include <cstdint>

// Elementary functions that test the domain of their argument, in extended
// precision. A value outside the domain never comes back as a number: the
// throwing functions raise EvalError ("NotInODZ" for a domain violation), and
// a result that would be infinite or undefined raises the floating-point
// fault it stands for (division by zero, overflow, invalid operation), so
// plotting code can leave such a point out.
//
// The evaluator calls the non-throwing cores in namespace odz directly: each
// returns Fault::None and stores the value, or returns the fault.
namespace expr {

inline constexpr long double ODZ_EPS = 1e-30L;

namespace odz {

// Turns a computed value into the fault it stands for when it is not finite.
inline Fault Finite(long double v, long double& r)
{
    if (__builtin_expect(fabsl(v) <= LDBL_MAX, 1)) {
        r = v;
        return Fault::None;
    }
    return std::isnan(v) ? Fault::InvalidOp : Fault::Overflow;
}

inline Fault PowerInt(long double base, int32_t exponent, long double& r)
{
    uint32_t n = exponent < 0 ? 0u - uint32_t(exponent) : uint32_t(exponent);
    long double result = 1.0L;
    long double square = base;
    while (n != 0) {
        if (n & 1u) result *= square;
        n >>= 1;
        // The square is taken only when a later bit needs it, so that an
        // unused square cannot overflow.
        if (n != 0) square *= square;
    }
    if (exponent < 0) {
        if (result == 0) return Fault::ZeroDivide;
        if (!(fabsl(result) <= LDBL_MAX)) return std::isnan(result) ? Fault::InvalidOp : Fault::Overflow;
        result = 1.0L / result;
    }
    return Finite(result, r);
}

inline Fault Power(long double base, long double exponent, long double& r)
{
    if (exponent == 0) {
        r = 1.0L;
        return Fault::None;
    }
    if (base == 0 && exponent > 0) {
        r = 0.0L;
        return Fault::None;
    }
    if (fabsl(exponent) <= 2147483647.0L) {
        const int32_t whole = int32_t(exponent);
        if (static_cast<long double>(whole) == exponent) return PowerInt(base, whole, r);
    }
    if (base > 0) return Finite(x87::Exp2(x87::YLog2X(exponent, base)), r);  // e^(exponent*ln(base))
    return Fault::NotInODZ;
}

inline Fault Sqrt(long double x, long double& r)
{
    if (x < ODZ_EPS) return Fault::NotInODZ;
    return Finite(sqrtl(x), r);
}

inline Fault Ln(long double x, long double& r)
{
    if (x < ODZ_EPS) return Fault::NotInODZ;
    return Finite(x87::Ln(x), r);
}

inline Fault Divide(long double dividend, long double divisor, long double& r)
{
    if (fabsl(divisor) < ODZ_EPS) return Fault::NotInODZ;
    return Finite(dividend / divisor, r);
}

inline Fault LogN(long double base, long double x, long double& r)
{
    if (x < ODZ_EPS || base <= 0 || base == 1) return Fault::NotInODZ;
    return Finite(x87::Log2(x) / x87::Log2(base), r);
}

// Tangent and cotangent test and divide the sine and cosine rounded to double
// precision, so only arguments whose rounded cosine (sine) is below the
// threshold are rejected; near a pole the value is very large, not a fault.
inline Fault RoundedRatio(long double numerator, long double denominator, long double& r)
{
    const double n = double(numerator), d = double(denominator);
    if (std::fabs(d) < double(ODZ_EPS)) return Fault::NotInODZ;
    return Finite((long double)n / (long double)d, r);
}

inline Fault Tg(long double x, long double& r)
{
    long double s, c;
    x87::SinCos(x, s, c);
    return RoundedRatio(s, c, r);
}

inline Fault Ctg(long double x, long double& r)
{
    long double s, c;
    x87::SinCos(x, s, c);
    return RoundedRatio(c, s, r);
}

inline long double ArcTg(long double x) { return x87::Atan(x); }
inline long double ArcCtg(long double x) { return 1.5707963267948966L - x87::Atan(x); }

inline Fault ArcSin(long double x, long double& r)
{
    if (x < -1 || x > 1) return Fault::NotInODZ;
    return Finite(x87::Atan2(x, sqrtl(1.0L - x * x)), r);
}

inline Fault ArcCos(long double x, long double& r)
{
    if (x < -1 || x > 1) return Fault::NotInODZ;
    return Finite(x87::Atan2(sqrtl(1.0L - x * x), x), r);
}

} // namespace odz

// The throwing forms, arguments in the order of the expression language:
// power (base, exponent), logarithm (base, x), division (dividend, divisor).
long double PowerInt(long double base, int32_t exponent);
long double PowerODZ(long double base, long double exponent);
long double SqrtODZ(long double x);
long double LnODZ(long double x);
long double DivideODZ(long double dividend, long double divisor);
long double LogNODZ(long double base, long double x);
long double TgODZ(long double x);
long double CtgODZ(long double x);
long double ArcTg(long double x);
long double ArcCtg(long double x);
long double ArcSinODZ(long double x);
long double ArcCosODZ(long double x);

} // namespace expr
