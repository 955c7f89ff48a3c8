#include "formulacompiler/compiler.h"
#include "formulacompiler/csource.h"
#include "base/apperror.h"
#include <array>
#include <algorithm>
#include <bit>
#include <cfloat>
#include <climits>
#include <cmath>

namespace formulacompiler {
namespace {

// Values of this many variables or fewer are converted on the stack.
constexpr size_t kValuesOnStack = 16;

// Converts values into a buffer on the stack, or on the heap when there are many.
template <typename To, typename From>
class Converted {
public:
    explicit Converted(std::span<const From> values)
    {
        To* target = m_small.data();
        if (values.size() > kValuesOnStack) {
            m_large.resize(values.size());
            target = m_large.data();
        }
        for (size_t i = 0; i < values.size(); ++i) target[i] = To(values[i]);
        m_values = {target, values.size()};
    }
    std::span<To> Values() { return m_values; }

private:
    std::array<To, kValuesOnStack> m_small;
    std::vector<To> m_large;
    std::span<To> m_values;
};

QString NoFunctionMessage(int index) { return QStringLiteral("Нет скомпилированной функции с номером %1").arg(index); }

} // namespace

TCompiler::TCompiler(std::unique_ptr<TCodeBuilder> builder) : m_builder(std::move(builder)) {}

TCompiler::~TCompiler() = default;

void TCompiler::Assign(Function& function, const QString& expression, const QStringList& variables)
{
    function.used = true;
    function.parsed = expr::BoundExpression(expr::ParsedExpression::Read(expression), variables);
    function.variableCount = variables.size();
    function.constants.clear();
    function.memo.clear();
    // Code made for another expression must never run for this one.
    function.code = nullptr;
    function.row = nullptr;
    function.check = nullptr;
}

int TCompiler::AddFunction(const QString& expression, const QStringList& variables)
{
    int index;
    if (!m_free.empty()) {
        index = m_free.back();
        m_free.pop_back();
    } else {
        index = int(m_functions.size());
        m_functions.emplace_back();
    }
    Assign(m_functions[size_t(index)], expression, variables);
    return index;
}

void TCompiler::SetFunction(const QString& expression, int index, const QStringList& variables)
{
    if (index < 0 || size_t(index) >= m_functions.size()) throw base::AppError(NoFunctionMessage(index));
    Function& function = m_functions[size_t(index)];
    if (!function.used) std::erase(m_free, index);
    Assign(function, expression, variables);
}

void TCompiler::RemoveFunction(int index)
{
    if (!Used(index)) return;
    m_functions[size_t(index)] = Function{};
    m_free.push_back(index);
}

int TCompiler::Count() const
{
    return int(m_functions.size() - m_free.size());
}

void TCompiler::Build()
{
    // The old code goes first: from here on only what this build makes runs.
    for (Function& function : m_functions) {
        function.code = nullptr;
        function.row = nullptr;
        function.check = nullptr;
    }
    m_code.reset();
    m_source = ProgramPrelude();
    std::vector<int> written;
    for (size_t i = 0; i < m_functions.size(); ++i) {
        Function& function = m_functions[i];
        if (!function.used) continue;
        const expr::ParsedExpression& parsed = *function.parsed.Expression();
        std::optional<FunctionSource> source = WriteFunction(parsed, function.parsed.Binding(), int(i));
        if (!source) continue;
        m_source += source->text;
        function.constants = std::move(source->constants);
        function.extendedConstants = std::move(source->extendedConstants);
        function.memo.assign(size_t(source->memoSize), -1.0);  // nothing kept yet
        written.push_back(int(i));
    }
    if (written.empty()) {
        m_source.clear();
        return;
    }
    QString error;
    std::unique_ptr<TMachineCode> code = m_builder->Build(m_source, HostFunctions(), error);
    if (!code) throw base::AppError(QStringLiteral("Compilation ") + error);
    // A function the code lacks is answered by its parsed expression.
    for (int index : written) {
        Function& function = m_functions[size_t(index)];
        function.code = reinterpret_cast<Code>(code->Function(FunctionName(index)));
        // The row form is of use only beside the point form of the same build.
        if (function.code) {
            function.row = reinterpret_cast<RowCode>(code->Function(RowFunctionName(index)));
            function.check = reinterpret_cast<CheckCode>(code->Function(ExtendedFunctionName(index)));
        }
    }
    m_code = std::move(code);
}

bool TCompiler::IsBuilt(int index) const
{
    const Function* function = Used(index);
    return function && function->code;
}

std::optional<long double> TCompiler::Parsed(const Function& function,
                                             std::span<const long double> values) const noexcept
{
    ++m_parserEvaluations;
    const expr::Outcome outcome = function.parsed.Evaluate(values);
    if (!outcome.Ok()) return std::nullopt;
    return outcome.value;
}

// Kept out of line: the calls the code decides need none of its stack.
[[gnu::noinline]] std::optional<double> TCompiler::ParsedInDouble(const Function& function,
                                                                  std::span<const double> values) const noexcept
{
    // A value beyond the range of double is none for a caller in double.
    const std::optional<long double> value = Parsed(function, Converted<long double, double>(values).Values());
    if (!value || !(fabsl(*value) <= DBL_MAX)) return std::nullopt;
    return double(*value);
}

// The point form found no value where only arithmetic was tested: the
// check form repeats it as the core does and decides.
bool TCompiler::CertainlyNoValue(const Function& function, std::span<const double> values, int status) noexcept
{
    if (status == status::kNoValue) return true;
    if (status != status::kCheckInExtendedPrecision || !function.check ||
        qsizetype(values.size()) < function.variableCount)
        return false;
    return function.check(values.data(), function.extendedConstants.data()) == status::kNoValue;
}

std::optional<double> TCompiler::Decided(const Function& function, std::span<const double> values) const noexcept
{
    double value;
    const int status = RunCode(function, values, value);
    if (status == status::kValue) return value;
    return NoValueOrParsed(function, values, status);
}

std::optional<double> TCompiler::NoValueOrParsed(const Function& function, std::span<const double> values,
                                                 int status) const noexcept
{
    if (CertainlyNoValue(function, values, status)) return std::nullopt;
    return ParsedInDouble(function, values);
}

void TCompiler::TryCallRow(int index, std::span<const double> values, int column,
                           std::span<const double> columnValues, std::span<double> results) const noexcept
{
    const size_t count = std::min(columnValues.size(), results.size());
    const Function* function = Used(index);
    if (!function || column < 0 || size_t(column) >= values.size()) {
        std::fill_n(results.begin(), count, kNoValue);
        return;
    }
    Converted<double, double> point(values);
    const std::span<double> pointValues = point.Values();
    // The row form reads every variable's slot, as the point form does.
    if (!function->row || column != kRowSlot || qsizetype(values.size()) < function->variableCount ||
        count > size_t(INT_MAX)) {
        for (size_t i = 0; i < count; ++i) {
            pointValues[size_t(column)] = columnValues[i];
            results[i] = Decided(*function, pointValues).value_or(kNoValue);
        }
        return;
    }
    function->row(pointValues.data(), function->constants.data(), columnValues.data(), int(count), results.data());
    // The row marks each point without a value with the status of its
    // failing test, a bit pattern of its own (csource.h).
    const auto marked = [function](double result, int status) {
        return std::bit_cast<uint64_t>(result) == std::bit_cast<uint64_t>(function->constants[size_t(status)]);
    };
    for (size_t i = 0; i < count; ++i) {
        if (!std::isnan(results[i])) continue;
        if (marked(results[i], status::kNoValue)) {
            results[i] = kNoValue;
            continue;
        }
        pointValues[size_t(column)] = columnValues[i];
        if (marked(results[i], status::kCheckInExtendedPrecision) &&
            CertainlyNoValue(*function, pointValues, status::kCheckInExtendedPrecision)) {
            results[i] = kNoValue;
            continue;
        }
        results[i] = ParsedInDouble(*function, pointValues).value_or(kNoValue);
    }
}

TCompiler::Compiled TCompiler::CompiledAnswer(int index, std::span<const double> values) const noexcept
{
    const Function* function = Used(index);
    if (!function) return {CodeAnswer::Undecided, 0};
    double value = 0;
    const int status = RunCode(*function, values, value);
    if (status == status::kValue) return {CodeAnswer::Value, value};
    return {CertainlyNoValue(*function, values, status) ? CodeAnswer::NoValue : CodeAnswer::Undecided, 0};
}

std::optional<double> TCompiler::CompiledValue(int index, std::span<const double> values) const noexcept
{
    const Compiled compiled = CompiledAnswer(index, values);
    if (compiled.answer != CodeAnswer::Value) return std::nullopt;
    return compiled.value;
}

std::optional<long double> TCompiler::TryCallFunction(int index, std::span<const long double> values) const noexcept
{
    const Function* function = Used(index);
    if (!function) return std::nullopt;
    if (function->code) {
        Converted<double, long double> converted(values);
        const std::span<double> doubles = converted.Values();
        double value;
        const int status = RunCode(*function, doubles, value);
        if (status == status::kValue) return value;
        // The code saw the parser's values only where double holds them
        // (every undefined value is refused alike).
        const bool same = std::equal(values.begin(), values.end(), doubles.begin(), [](long double given, double seen) {
            return given == seen || (std::isnan(given) && std::isnan(seen));
        });
        if (same && CertainlyNoValue(*function, doubles, status)) return std::nullopt;
    }
    return Parsed(*function, values);
}

long double TCompiler::CallFunction(int index, std::span<const long double> values)
{
    const Function* function = Used(index);
    if (!function) throw base::AppError(NoFunctionMessage(index));
    if (const std::optional<long double> value = TryCallFunction(index, values)) return *value;
    // The parsed expression names the reason.
    return function->parsed.Value(values);
}

} // namespace formulacompiler
