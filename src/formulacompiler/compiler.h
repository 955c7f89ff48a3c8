#pragma once
#include "formulacompiler/csource.h"
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
// expression has no compiled form, a failed build) or where the code cannot
// tell in double precision whether a point has a value, the parsed
// expression answers, so every call gives what the expression parser gives,
// within rounding. A point the code finds without a value for certain is not
// evaluated again.
//
// Each function's code keeps the part that does not depend on its first
// variable from its last call (csource.h): a compiler is used by one thread
// at a time.
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
    // The usual path, a value from the code, is written here so that a
    // caller holding a TCompiler has it inline.
    std::optional<double> TryCallFunction(int index, std::span<const double> values) const noexcept override
    {
        const Function* function = Used(index);
        if (!function) return std::nullopt;
        double value;
        const int status = RunCode(*function, values, value);
        if (status == status::kValue) [[likely]]
            return value;
        return NoValueOrParsed(*function, values, status);
    }
    // A row along the first variable is one call of the row form of the
    // code, any other point by point; only the points the code cannot decide
    // are asked of the parsed expression.
    void TryCallRow(int index, std::span<const double> values, int column, std::span<const double> columnValues,
                    std::span<double> results) const noexcept override;

    // What the compiled code alone gives, without the parsed expression.
    enum class CodeAnswer {
        Value,
        NoValue,    // certainly none: the parser finds none either
        Undecided,  // double precision cannot tell, or there is no code
    };
    struct Compiled {
        CodeAnswer answer;
        double value;  // of a Value
    };
    Compiled CompiledAnswer(int index, std::span<const double> values) const noexcept;
    // The value of CompiledAnswer, where it has one.
    std::optional<double> CompiledValue(int index, std::span<const double> values) const noexcept;

    // How many times a call was answered by the parsed expression.
    size_t ParserEvaluations() const { return m_parserEvaluations; }

    // Functions in use.
    int Count() const;
    // The program the last Build wrote (empty when it had nothing to compile).
    const std::string& Source() const { return m_source; }

private:
    using Code = int (*)(const double* values, const double* constants, double* result, double* memo);
    using RowCode = void (*)(const double* values, const double* constants, const double* columnValues, int count,
                             double* results);
    using CheckCode = int (*)(const double* values, const long double* constants);
    struct Function {
        bool used = false;
        expr::BoundExpression parsed;  // over values laid out like the variables
        qsizetype variableCount = 0;
        std::vector<double> constants;
        std::vector<long double> extendedConstants;
        mutable std::vector<double> memo;  // the code's own, between calls
        Code code = nullptr;
        RowCode row = nullptr;
        CheckCode check = nullptr;
    };

    const Function* Used(int index) const
    {
        if (index < 0 || size_t(index) >= m_functions.size() || !m_functions[size_t(index)].used) return nullptr;
        return &m_functions[size_t(index)];
    }
    // The code's status (csource.h), with the value in value; kUndecided without code.
    static int RunCode(const Function& function, std::span<const double> values, double& value) noexcept
    {
        // The code reads every variable's slot: it runs only with all of them given.
        if (!function.code || qsizetype(values.size()) < function.variableCount) return status::kUndecided;
        return function.code(values.data(), function.constants.data(), &value, function.memo.data());
    }
    // Whether a point the code found no value for has none for certain.
    static bool CertainlyNoValue(const Function& function, std::span<const double> values, int status) noexcept;
    // The code's answer where certain, else the parsed expression's.
    std::optional<double> Decided(const Function& function, std::span<const double> values) const noexcept;
    // For a point the code found no value for with status: nothing where that
    // is certain, else the parsed expression's answer.
    std::optional<double> NoValueOrParsed(const Function& function, std::span<const double> values,
                                          int status) const noexcept;
    void Assign(Function& function, const QString& expression, const QStringList& variables);
    std::optional<long double> Parsed(const Function& function, std::span<const long double> values) const noexcept;
    // The parsed expression's value as a double, for a point the code did not decide.
    std::optional<double> ParsedInDouble(const Function& function, std::span<const double> values) const noexcept;

    std::unique_ptr<TCodeBuilder> m_builder;
    std::vector<Function> m_functions;
    std::vector<int> m_free;  // released indexes, handed out again first
    std::unique_ptr<TMachineCode> m_code;
    std::string m_source;
    mutable size_t m_parserEvaluations = 0;
};

} // namespace formulacompiler
