#include "expr/odz.h"

namespace expr {
namespace {

// Runs a core and raises its fault.
template <typename Core, typename... Args>
long double Checked(Core core, Args... args)
{
    long double r = 0;
    const Fault fault = core(args..., r);
    if (fault != Fault::None) RaiseFault(fault);
    return r;
}

} // namespace

long double PowerInt(long double base, int32_t exponent) { return Checked(odz::PowerInt, base, exponent); }
long double PowerODZ(long double base, long double exponent) { return Checked(odz::Power, base, exponent); }
long double SqrtODZ(long double x) { return Checked(odz::Sqrt, x); }
long double LnODZ(long double x) { return Checked(odz::Ln, x); }
long double DivideODZ(long double dividend, long double divisor) { return Checked(odz::Divide, dividend, divisor); }
long double LogNODZ(long double base, long double x) { return Checked(odz::LogN, base, x); }
long double TgODZ(long double x) { return Checked(odz::Tg, x); }
long double CtgODZ(long double x) { return Checked(odz::Ctg, x); }
long double ArcTg(long double x) { return odz::ArcTg(x); }
long double ArcCtg(long double x) { return odz::ArcCtg(x); }
long double ArcSinODZ(long double x) { return Checked(odz::ArcSin, x); }
long double ArcCosODZ(long double x) { return Checked(odz::ArcCos, x); }

} // namespace expr
