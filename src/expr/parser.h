#pragma once
#include "expr/evalerror.h"
#include "expr/expression.h"
#include <QString>
#include <QStringView>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

// TshParser: the expression parser with an owner that supplies the
// parameters by name. It reads its text into a ParsedExpression and binds the
// expression's names to the owner's parameter list; the evaluation itself is
// the parsed expression's.
namespace expr {

// The object that supplies parameter names and values, kept in step by index.
class TParamOwner {
public:
    virtual ~TParamOwner() = default;
    // Index of a lower-cased name, or -1.
    virtual int ParamIndex(QStringView name) const = 0;
    virtual std::span<const long double> ParamValues() const = 0;
    // Changes whenever the list of names changes; values may change freely.
    virtual uint64_t ParamListVersion() const = 0;
};

class TshParser {
public:
    explicit TshParser(const TParamOwner* owner = nullptr);
    ~TshParser();
    TshParser(const TshParser&) = delete;
    TshParser& operator=(const TshParser&) = delete;

    // Builds the tree of text. A malformed text (empty, a stray character,
    // unbalanced or empty parentheses, a missing operand or operator, more
    // than 255 entries on a stack) raises EvalError(Fault::Syntax) and leaves
    // no tree; every evaluation then fails with the same error until the
    // next Parse, without reading the text again.
    void Parse(const QString& text);
    // Takes an expression parsed elsewhere (it may be shared with other
    // evaluators, and may be a failed one); raises nothing. Without one the
    // parser is as before its first Parse.
    void Use(std::shared_ptr<const ParsedExpression> expression);

    // The value for the owner's current parameter values. Raises EvalError:
    // "NotInODZ", a floating-point fault, "Параметр <name> в списке не найден",
    // the number conversion error, or the syntax error of a text that did not
    // parse, whichever the evaluation meets first.
    long double Evaluate();
    // The same without raising: the value, or nothing and the fault.
    std::optional<long double> TryEvaluate(Fault* fault = nullptr);

    bool HasTree() const { return m_bound.Expression() && !m_bound.Expression()->Failed(); }
    const TExprNode* Root() const { return m_bound.Expression() ? m_bound.Expression()->Root() : nullptr; }
    const TParamOwner* Owner() const { return m_owner; }

private:
    Outcome Compute();
    void Bind();

    const TParamOwner* m_owner;
    BoundExpression m_bound;
    uint64_t m_namesVersion = 0;  // owner's list version the names were bound for
};

} // namespace expr
