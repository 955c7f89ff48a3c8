#pragma once
#include <cmath>

// Extended-precision elementary functions for the evaluator's hot path.
//
// On x86 the floating-point unit computes sine, cosine, arctangent and
// logarithms of 80-bit values in one instruction each, an order of magnitude
// faster than the C library's long double routines (which do the work in
// software). The trigonometric instructions reduce their argument with a
// 66-bit π, so their absolute error grows with the argument; beyond
// kTrigLimit (error there still below 1e-14) the library routine is used.
// Elsewhere the library routines serve throughout.
namespace expr::x87 {

inline constexpr long double kTrigLimit = 1e5L;
inline constexpr long double kLn2 = 0.693147180559945309417232121458176568L;

#if defined(__x86_64__) || defined(__i386__)

inline long double Sin(long double x)
{
    if (!(fabsl(x) <= kTrigLimit)) return sinl(x);
    long double r;
    asm("fsin" : "=t"(r) : "0"(x));
    return r;
}

inline long double Cos(long double x)
{
    if (!(fabsl(x) <= kTrigLimit)) return cosl(x);
    long double r;
    asm("fcos" : "=t"(r) : "0"(x));
    return r;
}

inline void SinCos(long double x, long double& s, long double& c)
{
    if (!(fabsl(x) <= kTrigLimit)) {
        sincosl(x, &s, &c);
        return;
    }
    asm("fsincos" : "=t"(c), "=u"(s) : "0"(x));
}

// The angle of the point (x, y), as atan2(y, x).
inline long double Atan2(long double y, long double x)
{
    long double r;
    asm("fpatan" : "=t"(r) : "0"(x), "u"(y) : "st(1)");
    return r;
}

inline long double Atan(long double x) { return Atan2(x, 1.0L); }

// y * log2(x), for x > 0.
inline long double YLog2X(long double y, long double x)
{
    long double r;
    asm("fyl2x" : "=t"(r) : "0"(x), "u"(y) : "st(1)");
    return r;
}

// 2 to the power t; an overflow gives infinity, an underflow 0.
inline long double Exp2(long double t)
{
    if (!(fabsl(t) < 32768.0L)) return std::isnan(t) ? t : t > 0 ? HUGE_VALL : 0.0L;
    const long double whole = rintl(t);
    long double fraction = t - whole;  // in [-0.5, 0.5]
    long double r;
    asm("f2xm1" : "=t"(r) : "0"(fraction));
    return ldexpl(r + 1.0L, int(whole));
}

#else

inline long double Sin(long double x) { return sinl(x); }
inline long double Cos(long double x) { return cosl(x); }
inline void SinCos(long double x, long double& s, long double& c) { s = sinl(x); c = cosl(x); }
inline long double Atan2(long double y, long double x) { return atan2l(y, x); }
inline long double Atan(long double x) { return atanl(x); }
inline long double YLog2X(long double y, long double x) { return y * log2l(x); }
inline long double Exp2(long double t) { return exp2l(t); }

#endif

inline long double Ln(long double x) { return YLog2X(kLn2, x); }
inline long double Log2(long double x) { return YLog2X(1.0L, x); }

} // namespace expr::x87
