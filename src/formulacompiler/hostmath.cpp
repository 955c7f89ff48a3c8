#include "formulacompiler/hostmath.h"
#include "expr/odz.h"
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

namespace formulacompiler {

double DomainThreshold()
{
    const double nearest = double(expr::ODZ_EPS);
    if (static_cast<long double>(nearest) >= expr::ODZ_EPS) return nearest;
    return std::nextafter(nearest, std::numeric_limits<double>::infinity());
}

namespace {

const double kEps = DomainThreshold();
constexpr double kHalfPi = 1.5707963267948966;
using namespace hoststatus;

bool Finite(double x) { return std::isfinite(x); }

int Store(double value, double* result)
{
    if (!Finite(value)) return kNoValueInDouble;
    *result = value;
    return kValue;
}

extern "C" {

double orindo_arcctg(double x) { return kHalfPi - std::atan(x); }

// Tangent and cotangent test the sine and cosine in double precision, as the
// expression core does after rounding them.
int orindo_tg(double x, double* result)
{
    if (!Finite(x)) return kNoValueInDouble;
    const double c = std::cos(x);
    if (std::fabs(c) < kEps) return kNoValueInDouble;
    return Store(std::sin(x) / c, result);
}

int orindo_ctg(double x, double* result)
{
    if (!Finite(x)) return kNoValueInDouble;
    const double s = std::sin(x);
    if (std::fabs(s) < kEps) return kNoValueInDouble;
    return Store(std::cos(x) / s, result);
}

int orindo_arcsin(double x, double* result)
{
    if (!Finite(x)) return kNoValueInDouble;
    if (x < -1 || x > 1) return kOutsideDomain;
    return Store(std::atan2(x, std::sqrt(1.0 - x * x)), result);
}

int orindo_arccos(double x, double* result)
{
    if (!Finite(x)) return kNoValueInDouble;
    if (x < -1 || x > 1) return kOutsideDomain;
    return Store(std::atan2(std::sqrt(1.0 - x * x), x), result);
}

// Binary exponentiation, squaring only where a later bit needs the square,
// so that an unused square cannot overflow.
int PowerInt(double base, int32_t exponent, double* result)
{
    uint32_t n = exponent < 0 ? 0u - uint32_t(exponent) : uint32_t(exponent);
    double value = 1.0;
    double square = base;
    while (n != 0) {
        if (n & 1u) value *= square;
        n >>= 1;
        if (n != 0) square *= square;
    }
    if (exponent < 0) {
        if (value == 0 || !Finite(value)) return kNoValueInDouble;
        value = 1.0 / value;
    }
    return Store(value, result);
}

// The rules of the expression core, tried in order: a zero exponent gives 1,
// a zero base 0, a whole exponent repeated multiplication (negative bases
// included), a positive base e^(exponent·ln base); nothing else has a value.
int orindo_power(double base, double exponent, double* result)
{
    if (!Finite(base) || !Finite(exponent)) return kNoValueInDouble;
    if (exponent == 0) return Store(1.0, result);
    if (base == 0 && exponent > 0) return Store(0.0, result);
    if (std::fabs(exponent) <= double(INT32_MAX)) {
        const int32_t whole = int32_t(exponent);
        if (double(whole) == exponent) return PowerInt(base, whole, result);
    }
    if (base > 0) return Store(std::exp2(exponent * std::log2(base)), result);
    return kOutsideDomain;
}

int orindo_logn(double base, double x, double* result)
{
    if (!Finite(base) || !Finite(x)) return kNoValueInDouble;
    if (x < kEps || base <= 0 || base == 1) return kOutsideDomain;
    return Store(std::log2(x) / std::log2(base), result);
}

} // extern "C"

const HostFunction kHostFunctions[] = {
    // The C library's functions serve directly where no rule is added.
    {host::Sin, "double orindo_sin(double);", reinterpret_cast<const void*>(static_cast<double (*)(double)>(&::sin))},
    {host::Cos, "double orindo_cos(double);", reinterpret_cast<const void*>(static_cast<double (*)(double)>(&::cos))},
    {host::Sqrt, "double orindo_sqrt(double);", reinterpret_cast<const void*>(static_cast<double (*)(double)>(&::sqrt))},
    {host::SqrtExtended, "long double orindo_sqrtl(long double);",
     reinterpret_cast<const void*>(static_cast<long double (*)(long double)>(&::sqrtl))},
    {host::Ln, "double orindo_ln(double);", reinterpret_cast<const void*>(static_cast<double (*)(double)>(&::log))},
    {host::ArcTg, "double orindo_arctg(double);", reinterpret_cast<const void*>(static_cast<double (*)(double)>(&::atan))},
    {host::ArcCtg, "double orindo_arcctg(double);", reinterpret_cast<const void*>(&orindo_arcctg)},
    {host::Tg, "int orindo_tg(double, double*);", reinterpret_cast<const void*>(&orindo_tg)},
    {host::Ctg, "int orindo_ctg(double, double*);", reinterpret_cast<const void*>(&orindo_ctg)},
    {host::ArcSin, "int orindo_arcsin(double, double*);", reinterpret_cast<const void*>(&orindo_arcsin)},
    {host::ArcCos, "int orindo_arccos(double, double*);", reinterpret_cast<const void*>(&orindo_arccos)},
    {host::Power, "int orindo_power(double, double, double*);", reinterpret_cast<const void*>(&orindo_power)},
    {host::LogN, "int orindo_logn(double, double, double*);", reinterpret_cast<const void*>(&orindo_logn)},
};

} // namespace

std::span<const HostFunction> HostFunctions() { return kHostFunctions; }

} // namespace formulacompiler
