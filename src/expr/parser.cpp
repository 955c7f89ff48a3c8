#include "expr/parser.h"

namespace expr {

TshParser::TshParser(const TParamOwner* owner) : m_owner(owner) {}
TshParser::~TshParser() = default;

void TshParser::Parse(const QString& text)
{
    Use(ParsedExpression::Read(text));
    const ParsedExpression& expression = *m_bound.Expression();
    if (expression.Failed()) throw expression.Error();
}

void TshParser::Use(std::shared_ptr<const ParsedExpression> expression)
{
    m_bound = BoundExpression(std::move(expression), Slots());
    Bind();
}

void TshParser::Bind()
{
    if (!m_bound.Expression()) return;
    m_bound.Rebind(m_bound.Expression()->Bind([this](QStringView name) {
        return m_owner ? m_owner->ParamIndex(name) : -1;
    }));
    m_namesVersion = m_owner ? m_owner->ParamListVersion() : 0;
}

Outcome TshParser::Compute()
{
    if (!m_bound.Expression()) return {0, Fault::Syntax, -1};
    if (!m_owner) return m_bound.Evaluate({});
    // Names are found again only when the owner's list changed.
    if (m_owner->ParamListVersion() != m_namesVersion) Bind();
    return m_bound.Evaluate(m_owner->ParamValues());
}

std::optional<long double> TshParser::TryEvaluate(Fault* fault)
{
    const Outcome outcome = Compute();
    if (fault) *fault = outcome.fault;
    if (!outcome.Ok()) return std::nullopt;
    return outcome.value;
}

long double TshParser::Evaluate()
{
    const Outcome outcome = Compute();
    if (outcome.Ok()) return outcome.value;
    if (!m_bound.Expression()) throw EvalError(outcome.fault, QStringLiteral("Выражение не разобрано"));
    throw m_bound.Expression()->ErrorOf(outcome);
}

} // namespace expr
