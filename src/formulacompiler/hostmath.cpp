#include "formulacompiler/hostmath.h"
#include "expr/odz.h"
#include <cfloat>
#include <cmath>
#include <cstdint>

namespace formulacompiler {
namespace {

constexpr double kEps = double(expr::ODZ_EPS);
constexpr double kHalfPi = 1.5707963267948966;
constexpr int kNoValue = 1;
constexpr int kValue = 0;

bool Finite(double x) { return std::isfinite(x); }

// The reduction below keeps the quadrant number n exact and n times each
// part of pi/2 exact up to this argument; the library serves beyond it.
constexpr double kReducedTrigLimit = 1e5;
constexpr double kTwoOverPi = 6.36619772367581382433e-01;
// pi/2 in three parts: the first two of 33 bits, so that n times them
// (|n| < 2^17) has no rounding, and the rest (Cody and Waite).
constexpr double kHalfPi1 = 1.57079632673412561417e+00;
constexpr double kHalfPi2 = 6.07710050630396597660e-11;
constexpr double kHalfPi3 = 2.02226624879595063154e-21;
// Adding and taking away 1.5 * 2^52 rounds a double below 2^51 to a whole number.
constexpr double kRoundingShift = 6755399441055744.0;

// Minimax polynomials of sine and cosine on [-pi/4, pi/4], as in the freely
// distributed fdlibm kernels (error below one ulp).
double SinKernel(double x)
{
    constexpr double s1 = -1.66666666666666324348e-01, s2 = 8.33333333332248946124e-03,
                     s3 = -1.98412698298579493134e-04, s4 = 2.75573137070700676789e-06,
                     s5 = -2.50507602534068634195e-08, s6 = 1.58969099521155010221e-10;
    const double z = x * x;
    const double r = s2 + z * (s3 + z * (s4 + z * (s5 + z * s6)));
    return x + z * x * (s1 + z * r);
}

double CosKernel(double x)
{
    constexpr double c1 = 4.16666666666666019037e-02, c2 = -1.38888888888741095749e-03,
                     c3 = 2.48015872894767294178e-05, c4 = -2.75573143513906633035e-07,
                     c5 = 2.08757232129817482790e-09, c6 = -1.13596475577881948265e-11;
    const double z = x * x;
    const double w = z * z;
    const double r = z * (c1 + z * (c2 + z * c3)) + w * w * (c4 + z * (c5 + z * c6));
    const double half = 0.5 * z;
    const double rest = 1.0 - half;
    return rest + (((1.0 - rest) - half) + z * r);
}

// x - n pi/2 for the n nearest x / (pi/2); quadrant gets n mod 4.
double Reduce(double x, unsigned& quadrant)
{
    const double n = (x * kTwoOverPi + kRoundingShift) - kRoundingShift;
    quadrant = unsigned(int(n)) & 3u;
    return ((x - n * kHalfPi1) - n * kHalfPi2) - n * kHalfPi3;
}

int Store(double value, double* result)
{
    if (!Finite(value)) return kNoValue;
    *result = value;
    return kValue;
}

extern "C" {

double orindo_arcctg(double x) { return kHalfPi - std::atan(x); }

// Tangent and cotangent test the sine and cosine in double precision, as the
// expression core does after rounding them.
int orindo_tg(double x, double* result)
{
    if (!Finite(x)) return kNoValue;
    const double c = std::cos(x);
    if (std::fabs(c) < kEps) return kNoValue;
    return Store(std::sin(x) / c, result);
}

int orindo_ctg(double x, double* result)
{
    if (!Finite(x)) return kNoValue;
    const double s = std::sin(x);
    if (std::fabs(s) < kEps) return kNoValue;
    return Store(std::cos(x) / s, result);
}

int orindo_arcsin(double x, double* result)
{
    if (!Finite(x) || x < -1 || x > 1) return kNoValue;
    return Store(std::atan2(x, std::sqrt(1.0 - x * x)), result);
}

int orindo_arccos(double x, double* result)
{
    if (!Finite(x) || x < -1 || x > 1) return kNoValue;
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
        if (value == 0 || !Finite(value)) return kNoValue;
        value = 1.0 / value;
    }
    return Store(value, result);
}

// The rules of the expression core, tried in order: a zero exponent gives 1,
// a zero base 0, a whole exponent repeated multiplication (negative bases
// included), a positive base e^(exponent·ln base); nothing else has a value.
int orindo_power(double base, double exponent, double* result)
{
    if (!Finite(base) || !Finite(exponent)) return kNoValue;
    if (exponent == 0) return Store(1.0, result);
    if (base == 0 && exponent > 0) return Store(0.0, result);
    if (std::fabs(exponent) <= double(INT32_MAX)) {
        const int32_t whole = int32_t(exponent);
        if (double(whole) == exponent) return PowerInt(base, whole, result);
    }
    if (base > 0) return Store(std::exp2(exponent * std::log2(base)), result);
    return kNoValue;
}

int orindo_logn(double base, double x, double* result)
{
    if (!Finite(base) || !Finite(x)) return kNoValue;
    if (x < kEps || base <= 0 || base == 1) return kNoValue;
    return Store(std::log2(x) / std::log2(base), result);
}

} // extern "C"

double HostSin(double x) { return formulacompiler::Sin(x); }
double HostCos(double x) { return formulacompiler::Cos(x); }

const HostFunction kHostFunctions[] = {
    // The C library's functions serve directly where no rule is added.
    {host::Sin, "double orindo_sin(double);", reinterpret_cast<const void*>(&HostSin)},
    {host::Cos, "double orindo_cos(double);", reinterpret_cast<const void*>(&HostCos)},
    {host::Sqrt, "double orindo_sqrt(double);", reinterpret_cast<const void*>(static_cast<double (*)(double)>(&::sqrt))},
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

double Sin(double x)
{
    if (!(std::fabs(x) <= kReducedTrigLimit)) return std::sin(x);
    unsigned quadrant;
    const double r = Reduce(x, quadrant);
    const double value = quadrant & 1u ? CosKernel(r) : SinKernel(r);
    return quadrant & 2u ? -value : value;
}

double Cos(double x)
{
    if (!(std::fabs(x) <= kReducedTrigLimit)) return std::cos(x);
    unsigned quadrant;
    const double r = Reduce(x, quadrant);
    const double value = quadrant & 1u ? SinKernel(r) : CosKernel(r);
    return (quadrant + 1u) & 2u ? -value : value;
}

} // namespace formulacompiler
