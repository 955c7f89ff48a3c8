#pragma once
#include <QString>
#include <optional>
#include <span>
#include <vector>

// Curves through measured points and polynomials given by coefficients:
// the broken line, the interpolation polynomial, least-squares fits and
// Horner's scheme. Every result is a finite number or nothing: a fit that
// cannot be made says why instead of giving NaN or infinity.
namespace plane {

struct Sample {
    double x = 0;
    double y = 0;
    friend bool operator==(const Sample&, const Sample&) = default;
};

// Why a curve through points has no values.
enum class FitProblem {
    None,
    NoPoints,
    TooFewPoints,   // fewer distinct abscissas than the curve needs
    RepeatedX,      // interpolation through two points with the same x
    Overflow,       // the numbers are too large to be combined
};

// The pupil's explanation of a problem (empty for None).
QString FitProblemText(FitProblem problem);

// The broken line through points sorted by x: constant beyond the first and
// the last point. Nothing without points.
std::optional<double> BrokenLineValue(std::span<const Sample> sorted, double x);

// The polynomial of least degree through every point, in barycentric form:
// weights are computed once per set of points, each value then costs one
// pass over them.
class InterpolationPolynomial {
public:
    explicit InterpolationPolynomial(std::span<const Sample> points);
    FitProblem Problem() const { return m_problem; }
    std::optional<double> Value(double x) const;

private:
    std::vector<Sample> m_points;
    std::vector<double> m_weights;
    FitProblem m_problem = FitProblem::None;
};

// Coefficients a0, a1, … of the least-squares polynomial of the given degree
// (1 is the straight line), or the problem: fewer distinct x than
// degree + 1, no points, numbers too large.
struct PolynomialFit {
    std::vector<double> Coefficients;
    FitProblem Problem = FitProblem::None;
};
PolynomialFit LeastSquaresPolynomial(std::span<const Sample> points, int degree);

// a0 + a1·x + a2·x² + … by Horner's scheme; nothing when the value is not finite.
std::optional<double> PolynomialValue(std::span<const double> coefficients, double x);

} // namespace plane
