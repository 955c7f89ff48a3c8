#include "expr/odz.h"
#include <gtest/gtest.h>
#include <cmath>

using namespace expr;

namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;

// The fault a call raises, or Fault::None when it returns a value.
template <typename F>
Fault FaultOf(F call)
{
    try {
        call();
        return Fault::None;
    } catch (const EvalError& error) {
        return error.fault();
    }
}

#define EXPECT_FAULT(expr, expected) EXPECT_EQ(FaultOf([&] { return expr; }), Fault::expected) << #expr

} // namespace

TEST(PowerODZ, RulesAreTriedInOrder)
{
    EXPECT_EQ(PowerODZ(0, 0), 1);
    EXPECT_EQ(PowerODZ(-2, 0), 1);
    EXPECT_EQ(PowerODZ(0, 2), 0);
    EXPECT_EQ(PowerODZ(0, 0.5L), 0);
    EXPECT_EQ(PowerODZ(-2, 3), -8);
    EXPECT_EQ(PowerODZ(-8, 3), -512);
    EXPECT_EQ(PowerODZ(-2, -2), 0.25L);
    EXPECT_NEAR(double(PowerODZ(2, 0.5L)), 1.4142135623730951, 1e-15);
    EXPECT_NEAR(double(PowerODZ(8, 1.0L / 3)), 2.0, 1e-15);
    EXPECT_FAULT(PowerODZ(-8, 1.0L / 3), NotInODZ);
    EXPECT_FAULT(PowerODZ(0, -0.5L), NotInODZ);
    // A whole negative exponent of zero goes the integer way: division by zero.
    EXPECT_FAULT(PowerODZ(0, -1), ZeroDivide);
    // Beyond the 32-bit range the exponent is no longer served as an integer.
    EXPECT_FAULT(PowerODZ(-2, 4294967296.0L), NotInODZ);
    EXPECT_FAULT(PowerODZ(10, 5000), Overflow);
    EXPECT_FAULT(PowerODZ(10, 5000.5L), Overflow);
}

TEST(PowerInt, BinaryExponentiationWithoutSpuriousFaults)
{
    EXPECT_EQ(PowerInt(3, 0), 1);
    EXPECT_EQ(PowerInt(0, 0), 1);
    EXPECT_EQ(PowerInt(2, 10), 1024);
    EXPECT_EQ(PowerInt(-3, 3), -27);
    EXPECT_EQ(PowerInt(2, -3), 0.125L);
    EXPECT_EQ(PowerInt(-1, INT32_MIN), 1);
    EXPECT_EQ(PowerInt(-1, INT32_MAX), -1);
    const long double near1 = 1.0000001L;
    EXPECT_NEAR(double(PowerInt(near1, 1000000) / expl(1000000 * logl(near1))), 1.0, 1e-12);
    // The last square is never taken, so a large base to the first power is fine.
    EXPECT_EQ(PowerInt(1e3000L, 1), 1e3000L);
    EXPECT_FAULT(PowerInt(1e3000L, 2), Overflow);
    EXPECT_FAULT(PowerInt(0, -2), ZeroDivide);
    EXPECT_FAULT(PowerInt(1e-3000L, -2), ZeroDivide);  // the square underflows to 0
}

TEST(DomainChecks, BoundariesOfTheThreshold)
{
    const long double below = nextafterl(ODZ_EPS, 0);
    EXPECT_FAULT(SqrtODZ(0), NotInODZ);
    EXPECT_FAULT(SqrtODZ(-4), NotInODZ);
    EXPECT_FAULT(SqrtODZ(below), NotInODZ);
    EXPECT_NEAR(double(SqrtODZ(1e-30L) / 1e-15L), 1.0, 1e-15);
    EXPECT_EQ(SqrtODZ(16), 4);

    EXPECT_FAULT(LnODZ(0), NotInODZ);
    EXPECT_FAULT(LnODZ(below), NotInODZ);
    EXPECT_NEAR(double(LnODZ(ODZ_EPS)), std::log(1e-30), 1e-12);
    EXPECT_EQ(LnODZ(1), 0);

    EXPECT_FAULT(DivideODZ(1, 1e-31L), NotInODZ);
    EXPECT_FAULT(DivideODZ(1, -below), NotInODZ);
    EXPECT_FAULT(DivideODZ(0, 0), NotInODZ);
    EXPECT_NEAR(double(DivideODZ(1, -1e-29L) / -1e29L), 1.0, 1e-15);
    EXPECT_EQ(DivideODZ(7, 2), 3.5L);
    EXPECT_FAULT(DivideODZ(1e4920L, 1e-29L), Overflow);

    EXPECT_FAULT(LogNODZ(1, 5), NotInODZ);
    EXPECT_FAULT(LogNODZ(-2, 4), NotInODZ);
    EXPECT_FAULT(LogNODZ(0, 4), NotInODZ);
    EXPECT_FAULT(LogNODZ(10, 0), NotInODZ);
    EXPECT_FAULT(LogNODZ(10, below), NotInODZ);
    EXPECT_EQ(LogNODZ(2, 8), 3);
    EXPECT_NEAR(double(LogNODZ(10, 1000)), 3.0, 1e-15);
    EXPECT_NEAR(double(LogNODZ(0.5L, 8)), -3.0, 1e-15);
    EXPECT_NEAR(double(LogNODZ(1.0000001L, 2) / (logl(2) / logl(1.0000001L))), 1.0, 1e-15);
}

TEST(Trigonometry, TangentChecksTheRoundedCosine)
{
    EXPECT_EQ(TgODZ(0), 0);
    EXPECT_NEAR(double(TgODZ(kPi / 4)), 1.0, 1e-15);
    EXPECT_FAULT(CtgODZ(0), NotInODZ);
    EXPECT_NEAR(double(CtgODZ(kPi / 4)), 1.0, 1e-15);
    // The cosine of the machine value of π/2 is not zero: a huge value, no fault.
    const long double nearPole = TgODZ(kPi / 2);
    EXPECT_GT(fabsl(nearPole), 1e15L);
    EXPECT_NEAR(double(TgODZ(-kPi / 3)), -std::sqrt(3.0), 1e-14);
}

TEST(Trigonometry, InverseFunctionsAndTheirDomain)
{
    EXPECT_NEAR(double(ArcSinODZ(1)), double(kPi / 2), 1e-18);
    EXPECT_NEAR(double(ArcSinODZ(-1)), double(-kPi / 2), 1e-18);
    EXPECT_NEAR(double(ArcSinODZ(0.5L)), double(kPi / 6), 1e-15);
    EXPECT_FAULT(ArcSinODZ(1.0000001L), NotInODZ);
    EXPECT_FAULT(ArcSinODZ(nextafterl(-1, -2)), NotInODZ);
    EXPECT_EQ(ArcCosODZ(1), 0);
    EXPECT_NEAR(double(ArcCosODZ(-1)), double(kPi), 1e-18);
    EXPECT_NEAR(double(ArcCosODZ(0.5L)), double(kPi / 3), 1e-15);
    EXPECT_FAULT(ArcCosODZ(-1.5L), NotInODZ);
    EXPECT_NEAR(double(ArcCtg(0)), double(kPi / 2), 1e-15);
    EXPECT_NEAR(double(ArcCtg(-1)), double(3 * kPi / 4), 1e-15);
    EXPECT_NEAR(double(ArcCtg(1)), double(kPi / 4), 1e-15);
    EXPECT_NEAR(double(ArcTg(-1)), double(-kPi / 4), 1e-18);
}

TEST(DomainChecks, ErrorsCarryTheFixedMessages)
{
    try {
        SqrtODZ(-1);
        FAIL();
    } catch (const base::AppError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("NotInODZ"));
    }
    try {
        PowerInt(0, -1);
        FAIL();
    } catch (const base::AppError& error) {
        EXPECT_EQ(error.message(), FaultMessage(Fault::ZeroDivide));
        EXPECT_NE(error.message(), QStringLiteral("NotInODZ"));
    }
    // A non-number argument never comes back as a value.
    EXPECT_FAULT(SqrtODZ(NAN), InvalidOp);
    EXPECT_FAULT(PowerODZ(2, NAN), InvalidOp);
}
