// The sine and cosine of compiled formulas against the C library's.
#include "formulacompiler/hostmath.h"
#include "base/random.h"
#include <gtest/gtest.h>
#include <cfloat>
#include <cmath>
#include <numbers>

using namespace formulacompiler;

namespace {

// Within a few units in the last place of the library's value.
void ExpectNearLibrary(double x)
{
    SCOPED_TRACE("x = " + std::to_string(x));
    const double sine = std::sin(x), cosine = std::cos(x);
    EXPECT_LE(std::fabs(Sin(x) - sine), 4 * DBL_EPSILON * std::fabs(sine) + DBL_MIN) << Sin(x) << " " << sine;
    EXPECT_LE(std::fabs(Cos(x) - cosine), 4 * DBL_EPSILON * std::fabs(cosine) + DBL_MIN) << Cos(x) << " " << cosine;
}

} // namespace

TEST(HostTrigonometry, QuadrantEdgesZerosAndTheLimitOfTheReduction)
{
    constexpr double pi = std::numbers::pi;
    const double arguments[] = {0.0, -0.0, 1e-300, 5e-324, 1e-8, -1e-8, 0.5, pi / 4, -pi / 4, pi / 4 + 1e-15,
                                pi / 2, -pi / 2, 3 * pi / 4, pi, -pi, 3 * pi / 2, 2 * pi, 1e3 * pi, 355.0,
                                -355.0, 103993.0 / 2, 99999.99, 1e5, -1e5, 1e5 + 1, 1e6, 1e22, DBL_MAX};
    for (double x : arguments) ExpectNearLibrary(x);
    for (double x : {INFINITY, -INFINITY, NAN}) {
        EXPECT_TRUE(std::isnan(Sin(x)));
        EXPECT_TRUE(std::isnan(Cos(x)));
    }
}

TEST(HostTrigonometry, ArgumentsOfEveryMagnitudeAndSign)
{
    base::SetRandomSeed(7);
    for (int i = 0; i < 200000; ++i) {
        // A mantissa in [1, 2) times a power of two from 2^-30 to 2^17, either sign.
        const double mantissa = 1 + base::RandomInt(1 << 30) / double(1 << 30);
        const double x = std::ldexp(mantissa, base::RandomInt(48) - 30) * (base::RandomInt(2) ? 1 : -1);
        ExpectNearLibrary(x);
        if (HasFailure()) break;
    }
}
