#include "plane/interpolation.h"
#include <algorithm>
#include <cmath>
#include <limits>

namespace plane {
namespace {

std::optional<double> Finite(double value)
{
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

int DistinctAbscissas(std::span<const Sample> points)
{
    std::vector<double> xs;
    xs.reserve(points.size());
    for (const Sample& p : points) xs.push_back(p.x);
    std::sort(xs.begin(), xs.end());
    return int(std::unique(xs.begin(), xs.end()) - xs.begin());
}

// Solves the least-squares problem min |A·c − b| by Householder reflections;
// A is rows × cols, stored by columns. False when A has no full column rank.
bool SolveLeastSquares(std::vector<std::vector<double>>& columns, std::vector<double>& b, std::vector<double>& c)
{
    const size_t rows = b.size();
    const size_t cols = columns.size();
    constexpr double kRankTolerance = 1e-12;
    for (size_t k = 0; k < cols; ++k) {
        std::vector<double>& a = columns[k];
        double norm = 0;
        for (size_t i = k; i < rows; ++i) norm = std::hypot(norm, a[i]);
        if (!(norm > 0)) return false;
        const double alpha = a[k] > 0 ? -norm : norm;
        std::vector<double> v(a.begin(), a.end());
        for (size_t i = 0; i < k; ++i) v[i] = 0;
        v[k] -= alpha;
        double vv = 0;
        for (size_t i = k; i < rows; ++i) vv += v[i] * v[i];
        if (!(vv > 0)) continue;
        auto reflect = [&](std::vector<double>& x) {
            double dot = 0;
            for (size_t i = k; i < rows; ++i) dot += v[i] * x[i];
            const double f = 2 * dot / vv;
            for (size_t i = k; i < rows; ++i) x[i] -= f * v[i];
        };
        for (size_t j = k; j < cols; ++j) reflect(columns[j]);
        reflect(b);
    }
    double largest = 0;
    for (size_t k = 0; k < cols; ++k) largest = std::max(largest, std::abs(columns[k][k]));
    c.assign(cols, 0);
    for (size_t k = cols; k-- > 0;) {
        if (std::abs(columns[k][k]) <= kRankTolerance * largest) return false;
        double sum = b[k];
        for (size_t j = k + 1; j < cols; ++j) sum -= columns[j][k] * c[j];
        c[k] = sum / columns[k][k];
    }
    return true;
}

} // namespace

QString FitProblemText(FitProblem problem)
{
    switch (problem) {
    case FitProblem::None: return {};
    case FitProblem::NoPoints: return QStringLiteral("Нет ни одной точки");
    case FitProblem::TooFewPoints: return QStringLiteral("Слишком мало точек с разными абсциссами");
    case FitProblem::RepeatedX: return QStringLiteral("Две точки с одинаковой абсциссой");
    case FitProblem::Overflow: return QStringLiteral("Слишком большие числа");
    }
    return {};
}

std::optional<double> BrokenLineValue(std::span<const Sample> sorted, double x)
{
    if (sorted.empty()) return std::nullopt;
    const auto at = std::lower_bound(sorted.begin(), sorted.end(), x, [](const Sample& s, double v) { return s.x < v; });
    if (at == sorted.begin()) return sorted.front().y;
    if (at == sorted.end()) return sorted.back().y;
    const Sample& a = *(at - 1);
    const Sample& b = *at;
    return Finite(a.y + (b.y - a.y) * ((x - a.x) / (b.x - a.x)));
}

// Each weight is 1 / Π(x_i − x_j); they are formed as logarithms and scaled
// by the largest, since the value only depends on their ratios and the
// products themselves overflow for a few dozen points.
InterpolationPolynomial::InterpolationPolynomial(std::span<const Sample> points) : m_points(points.begin(), points.end())
{
    if (m_points.empty()) {
        m_problem = FitProblem::NoPoints;
        return;
    }
    std::vector<double> logs(m_points.size());
    std::vector<double> signs(m_points.size(), 1);
    for (size_t i = 0; i < m_points.size(); ++i) {
        for (size_t j = 0; j < m_points.size(); ++j) {
            if (i == j) continue;
            const double d = m_points[i].x - m_points[j].x;
            if (d == 0) {
                m_problem = FitProblem::RepeatedX;
                return;
            }
            logs[i] -= std::log(std::abs(d));
            if (d < 0) signs[i] = -signs[i];
        }
        if (!std::isfinite(logs[i])) {
            m_problem = FitProblem::Overflow;
            return;
        }
    }
    const double largest = *std::max_element(logs.begin(), logs.end());
    m_weights.resize(m_points.size());
    for (size_t i = 0; i < m_points.size(); ++i) m_weights[i] = signs[i] * std::exp(logs[i] - largest);
}

std::optional<double> InterpolationPolynomial::Value(double x) const
{
    if (m_problem != FitProblem::None) return std::nullopt;
    double numerator = 0, denominator = 0;
    for (size_t i = 0; i < m_points.size(); ++i) {
        const double d = x - m_points[i].x;
        if (d == 0) return m_points[i].y;
        const double t = m_weights[i] / d;
        numerator += t * m_points[i].y;
        denominator += t;
    }
    return Finite(numerator / denominator);
}

// The fit is made in the centred and scaled variable t = (x − mean) / spread,
// where the columns 1, t, t², … are well conditioned, and then written back
// as a polynomial in x.
PolynomialFit LeastSquaresPolynomial(std::span<const Sample> points, int degree)
{
    PolynomialFit fit;
    if (points.empty()) {
        fit.Problem = FitProblem::NoPoints;
        return fit;
    }
    if (degree < 0 || DistinctAbscissas(points) < degree + 1) {
        fit.Problem = FitProblem::TooFewPoints;
        return fit;
    }
    double mean = 0, spread = 0;
    for (const Sample& p : points) mean += p.x / double(points.size());
    for (const Sample& p : points) spread = std::max(spread, std::abs(p.x - mean));
    if (!std::isfinite(mean) || !std::isfinite(spread)) {
        fit.Problem = FitProblem::Overflow;
        return fit;
    }
    if (spread == 0) spread = 1;
    const size_t cols = size_t(degree) + 1;
    std::vector<std::vector<double>> columns(cols, std::vector<double>(points.size()));
    std::vector<double> b(points.size());
    for (size_t i = 0; i < points.size(); ++i) {
        const double t = (points[i].x - mean) / spread;
        double power = 1;
        for (size_t k = 0; k < cols; ++k, power *= t) columns[k][i] = power;
        b[i] = points[i].y;
    }
    std::vector<double> c;
    if (!SolveLeastSquares(columns, b, c)) {
        fit.Problem = FitProblem::TooFewPoints;
        return fit;
    }
    // Σ c_k·((x − mean)/spread)^k expanded in powers of x.
    std::vector<double> term{1};  // ((x − mean)/spread)^k
    fit.Coefficients.assign(cols, 0);
    for (size_t k = 0; k < cols; ++k) {
        for (size_t j = 0; j < term.size(); ++j) fit.Coefficients[j] += c[k] * term[j];
        std::vector<double> next(term.size() + 1, 0);
        for (size_t j = 0; j < term.size(); ++j) {
            next[j + 1] += term[j] / spread;
            next[j] -= term[j] * mean / spread;
        }
        term = std::move(next);
    }
    if (!std::all_of(fit.Coefficients.begin(), fit.Coefficients.end(), [](double v) { return std::isfinite(v); })) {
        fit.Coefficients.clear();
        fit.Problem = FitProblem::Overflow;
    }
    return fit;
}

std::optional<double> PolynomialValue(std::span<const double> coefficients, double x)
{
    double v = 0;
    for (size_t i = coefficients.size(); i-- > 0;) v = v * x + coefficients[i];
    return Finite(v);
}

} // namespace plane
