// Parse and evaluate of any expression text: never a crash or a hang; a
// value, when there is one, is finite; the throwing and the non-throwing
// evaluation agree; and the parsed form read once and shared by two
// evaluators (bound to differently laid out values) gives what the parser
// gives, again and again, failed texts included.
#include "expr/expression.h"
#include "expr/parser.h"
#include "base/textfile.h"
#include <QStringList>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

class Owner : public expr::TParamOwner {
public:
    QStringList names{QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("a")};
    std::vector<long double> values{0.5L, -2.0L, 0.0L};
    int ParamIndex(QStringView name) const override { return int(names.indexOf(name.toString())); }
    std::span<const long double> ParamValues() const override { return values; }
    uint64_t ParamListVersion() const override { return 1; }
};

bool Same(const expr::Outcome& a, const expr::Outcome& b)
{
    return a.fault == b.fault && (!a.Ok() || a.value == b.value);
}

// The shared form against the parser: the same outcome whatever the layout
// of the values, and the same every time.
void CheckSharedForm(const QString& text, const Owner& owner, bool parsed, expr::Fault parserFault,
                     std::optional<long double> parserValue)
{
    const auto expression = expr::ParsedExpression::Read(text);
    if (expression->Failed() == parsed) __builtin_trap();
    const expr::BoundExpression inOrder(expression, owner.names);
    const QStringList reversedNames{owner.names[2], owner.names[1], owner.names[0]};
    const std::vector<long double> reversedValues{owner.values[2], owner.values[1], owner.values[0]};
    const expr::BoundExpression reversed(expression, reversedNames);
    const expr::Outcome first = inOrder.Evaluate(owner.values);
    if (!Same(first, reversed.Evaluate(reversedValues)) || !Same(first, inOrder.Evaluate(owner.values))) __builtin_trap();
    if (!parsed) {
        if (first.fault != expr::Fault::Syntax) __builtin_trap();
        return;
    }
    if (first.fault != parserFault || (parserValue && first.value != *parserValue)) __builtin_trap();
    if (!first.Ok() && expression->ErrorOf(first).fault() != first.fault) __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = base::DecodeCp1251(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    Owner owner;
    expr::TshParser parser(&owner);
    try {
        parser.Parse(text);
    } catch (const expr::EvalError& error) {
        // A text that did not parse keeps its error for every evaluation.
        if (parser.TryEvaluate() || error.fault() != expr::Fault::Syntax) __builtin_trap();
        CheckSharedForm(text, owner, false, error.fault(), std::nullopt);
        return 0;
    }
    expr::Fault fault = expr::Fault::None;
    const std::optional<long double> quiet = parser.TryEvaluate(&fault);
    try {
        const long double value = parser.Evaluate();
        if (!quiet || *quiet != value || !std::isfinite(value)) __builtin_trap();
    } catch (const expr::EvalError& error) {
        if (quiet || error.fault() != fault) __builtin_trap();
    }
    CheckSharedForm(text, owner, true, fault, quiet);
    return 0;
}
