#pragma once
#include <QString>
#include <QStringList>
#include <limits>
#include <optional>
#include <span>

// The formula compiler as formulas see it: one per run, holding the
// expression texts of every compiled formula (an index per formula) and
// evaluating them fast. Until the program installs one, no formula is
// compiled and every formula is evaluated by the expression parser.
//
// A function always answers as the expression parser would for its text:
// where compiled code is missing or cannot decide, the parser's value or
// error is given instead.
namespace formulas {

class TFormulaCompiler {
public:
    virtual ~TFormulaCompiler() = default;
    // Takes a free index (a released one first) for an expression with its
    // variable names; returns the index.
    virtual int AddFunction(const QString& expression, const QStringList& variables) = 0;
    virtual void SetFunction(const QString& expression, int index, const QStringList& variables) = 0;
    // Releases an index: its code goes with the next Build, and AddFunction
    // may hand the index out again.
    virtual void RemoveFunction(int index) = 0;
    // Makes every expression callable at once; raises base::AppError when
    // building fails, after which every function is answered by the parser.
    virtual void Build() = 0;
    // Whether the last Build made compiled code for function index (an
    // expression that does not parse or names a value it is not given has none).
    virtual bool IsBuilt(int index) const = 0;
    // The value of function index for values indexed like its variables.
    // Raises expr::EvalError where the formula has no value.
    virtual long double CallFunction(int index, std::span<const long double> values) = 0;
    // The same without raising: the value, or nothing.
    virtual std::optional<long double> TryCallFunction(int index, std::span<const long double> values) const noexcept = 0;
    // The same for values in double precision, the fastest way in.
    virtual std::optional<double> TryCallFunction(int index, std::span<const double> values) const noexcept = 0;
    // The values along a row of points (a line of pixels of a plane): the
    // variables have values, except that the one at column takes each of
    // columnValues in turn; results[i] is the value at columnValues[i], or
    // kNoValue where there is none. results must be as long as columnValues,
    // and column one of the variables.
    virtual void TryCallRow(int index, std::span<const double> values, int column,
                            std::span<const double> columnValues, std::span<double> results) const noexcept;

    // The mark of no value in TryCallRow's results (a quiet NaN: every value
    // of a formula is finite).
    static constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();
};

// The compiler of the run, or nullptr. The caller keeps ownership.
TFormulaCompiler* Compiler();
void SetCompiler(TFormulaCompiler* compiler);

} // namespace formulas
