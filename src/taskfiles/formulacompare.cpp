#include "taskfiles/formulacompare.h"
#include "formulas/formula.h"
#include "base/random.h"
#include <cmath>
#include <cstdio>
#include <optional>

namespace tasks {

namespace {

constexpr int kLowestPoint = -5000;
constexpr int kPointRange = 10000;     // -5000 .. 4999
constexpr long double kRoundingNoise = 1e-15L;

// The decimal form of a value with 18 significant digits: sign, exponent and
// the digits without trailing zeros.
struct DecimalForm {
    bool negative = false;
    int exponent = 0;
    QString digits;
};

DecimalForm ToDecimal(long double value)
{
    DecimalForm form;
    if (value == 0) return form; // zero has no digits and no sign
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17Le", value);
    const QString text = QString::fromLatin1(buffer);       // "-1.23456789012345678e+02"
    const qsizetype e = text.indexOf(u'e');
    QString mantissa = text.left(e);
    form.negative = mantissa.startsWith(u'-');
    if (form.negative) mantissa.remove(0, 1);
    mantissa.remove(u'.');
    while (mantissa.endsWith(u'0')) mantissa.chop(1);
    form.digits = mantissa;
    form.exponent = text.mid(e + 1).toInt();
    return form;
}

std::optional<long double> Evaluate(formulas::TFormula& formula)
{
    const std::optional<long double> value = formula.TryCalculate();
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}

} // namespace

bool SameToSignificantDigits(long double a, long double b)
{
    if (std::fabs(a - b) <= kRoundingNoise * std::fmax(std::fabs(a), std::fabs(b))) return true;
    const DecimalForm x = ToDecimal(a);
    const DecimalForm y = ToDecimal(b);
    if (x.negative != y.negative || x.exponent != y.exponent) return false;
    // Digits past the end of a shorter form are zeros.
    const QString dx = x.digits.leftJustified(kCompareDigits, u'0', true);
    const QString dy = y.digits.leftJustified(kCompareDigits, u'0', true);
    return dx == dy;
}

bool FormulasEquivalent(const QString& expected, const QString& given)
{
    try {
        formulas::TFormula right;
        formulas::TFormula answer;
        right.SetText(expected);
        answer.SetText(given);
        // Both lists are sorted, so equal lists name equal variables at equal indexes.
        if (right.Variables() != answer.Variables()) return false;

        int rightEvaluations = 0;
        for (int point = 0; point < kComparePoints; ++point) {
            for (qsizetype i = 0; i < right.Variables().size(); ++i) {
                const long double value = kLowestPoint + base::RandomInt(kPointRange);
                right.Values()[i] = value;
                answer.Values()[i] = value;
            }
            const std::optional<long double> a = Evaluate(right);
            const std::optional<long double> b = Evaluate(answer);
            if (a) ++rightEvaluations;
            if (a.has_value() != b.has_value()) return false;
            if (a && !SameToSignificantDigits(*a, *b)) return false;
        }
        return rightEvaluations > 0 || expected == given;
    } catch (...) {
        // Anything else that goes wrong means the answer cannot be confirmed.
        return false;
    }
}

} // namespace tasks
