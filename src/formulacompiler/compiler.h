#pragma once
#include "formulacompiler/machinecode.h"
#include "formulas/compiler.h"
#include "expr/expression.h"
#include <memory>
#include <string>
#include <vector>

// TCompiler: the formula compiler of the run. Every function keeps its
// parsed expression; Build writes one C program from the parsed trees of all
// functions and has it compiled in memory, and a call runs the compiled code.
// Where there is no code (a function added since the last Build, one whose
// expression has no compiled form, a failed build) or where the code finds no
// value in double precision, the parsed expression answers, so every call
// gives what the expression parser gives, within rounding.
namespace formulacompiler {

class TCompiler : public formulas::TFormulaCompiler {
public:
    // The builder turns the written program into machine code (libtcc unless given).
    explicit TCompiler(std::unique_ptr<TCodeBuilder> builder = std::make_unique<TTccCodeBuilder>());
    ~TCompiler() override;

    int AddFunction(const QString& expression, const QStringList& variables) override;
    void SetFunction(const QString& expression, int index, const QStringList& variables) override;
    void RemoveFunction(int index) override;
    // Raises base::AppError "Compilation " + the builder's message when the
    // program does not build; every function is then answered by its parsed
    // expression until a later Build succeeds.
    void Build() override;
    bool IsBuilt(int index) const override;
    long double CallFunction(int index, std::span<const long double> values) override;
    std::optional<long double> TryCallFunction(int index, std::span<const long double> values) const noexcept override;
    std::optional<double> TryCallFunction(int index, std::span<const double> values) const noexcept override;
    // A row along the first variable is one call of the row form of the
    // code, any other point by point; the points the code finds no value
    // for are asked of the parsed expression.
    void TryCallRow(int index, std::span<const double> values, int column, std::span<const double> columnValues,
                    std::span<double> results) const noexcept override;

    // What the compiled code alone gives, without the parsed expression: no
    // value where it has none, or cannot tell, or where there is no code.
    std::optional<double> CompiledValue(int index, std::span<const double> values) const noexcept;

    // Functions in use.
    int Count() const;
    // The program the last Build wrote (empty when it had nothing to compile).
    const std::string& Source() const { return m_source; }

private:
    using Code = int (*)(const double* values, const double* constants, double* result);
    using RowCode = void (*)(const double* values, const double* constants, const double* columnValues, int count,
                             double* results);
    struct Function {
        bool used = false;
        expr::BoundExpression parsed;  // over values laid out like the variables
        qsizetype variableCount = 0;
        std::vector<double> constants;
        Code code = nullptr;
        RowCode row = nullptr;
    };

    const Function* Used(int index) const
    {
        if (index < 0 || size_t(index) >= m_functions.size() || !m_functions[size_t(index)].used) return nullptr;
        return &m_functions[size_t(index)];
    }
    static std::optional<double> RunCode(const Function& function, std::span<const double> values) noexcept
    {
        // The code reads every variable's slot: it runs only with all of them given.
        if (!function.code || qsizetype(values.size()) < function.variableCount) return std::nullopt;
        double result;
        if (function.code(values.data(), function.constants.data(), &result) != 0) return std::nullopt;
        return result;
    }
    void Assign(Function& function, const QString& expression, const QStringList& variables);
    static std::optional<long double> Parsed(const Function& function, std::span<const long double> values) noexcept;
    // The parsed expression's value as a double, for a point the code did not decide.
    static std::optional<double> ParsedInDouble(const Function& function, std::span<const double> values) noexcept;

    std::unique_ptr<TCodeBuilder> m_builder;
    std::vector<Function> m_functions;
    std::vector<int> m_free;  // released indexes, handed out again first
    std::unique_ptr<TMachineCode> m_code;
    std::string m_source;
};

} // namespace formulacompiler
