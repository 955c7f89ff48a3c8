#pragma once
#include <QString>
#include <QStringList>
#include <span>

// The formula compiler as formulas see it: one per run, holding the
// expression texts of every compiled formula (an index per formula) and
// evaluating them fast. Until the program installs one, no formula is
// compiled and every formula is evaluated by the expression parser.
namespace formulas {

class TFormulaCompiler {
public:
    virtual ~TFormulaCompiler() = default;
    // Appends an expression with its variable names; returns its index.
    virtual int AddFunction(const QString& expression, const QStringList& variables) = 0;
    virtual void SetFunction(const QString& expression, int index, const QStringList& variables) = 0;
    // Makes every expression callable; raises base::AppError when that fails.
    virtual void Build() = 0;
    // The value of function index for values indexed like its variables.
    virtual long double CallFunction(int index, std::span<const long double> values) = 0;
};

// The compiler of the run, or nullptr. The caller keeps ownership.
TFormulaCompiler* Compiler();
void SetCompiler(TFormulaCompiler* compiler);

} // namespace formulas
