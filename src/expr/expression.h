#pragma once
#include "expr/evalerror.h"
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

// The small language that formulas are turned into: numbers with a decimal
// comma (a point is accepted and made a comma), parameter names, + - * /,
// parentheses, one-argument functions written name(...) and two-argument
// functions written name((first),second).
//
// A text is read once into a ParsedExpression: an expression tree, and the
// same tree laid out as a flat postfix program over extended-precision values
// in the tree's own evaluation order (left operand before right). The parsed
// form never changes after it is made, so any number of evaluators may share
// it (std::shared_ptr<const ParsedExpression>) and run it at once: an
// evaluation keeps its whole state on its own stack.
namespace expr {

class ParsedExpression;
namespace detail {
struct Instr;
}

// Token and node kinds.
enum TLexKind : uint8_t {
    lkNumber = 0,      // digits and commas, e.g. "2,5" or ",5"
    lkName = 1,        // a parameter name, lower-cased
    lkOperator = 2,    // binary * + - /; on the operator stack also the "(" marker
    lkUnary = 3,       // a sign in prefix position, or a one-argument function
    lkBinaryFunc = 4,  // a two-argument function
    lkOpen = 5,
    lkClose = 6,
};

struct TLexema {
    QStringView Text;  // a view into the prepared text
    uint8_t Kind = lkNumber;
};

// A node of the expression tree. Nodes live in their parsed expression and
// go with it.
struct TExprNode {
    const ParsedExpression* Owner = nullptr;
    uint8_t Kind = lkNumber;
    QStringView Text;
    TExprNode* Left = nullptr;   // first operand or the only argument
    TExprNode* Right = nullptr;  // second operand; none for numbers, names, unary nodes
};

// A stack of node references with 255 usable slots (slot 0 is never used, the
// top counter is one byte). It does not own the nodes.
class TStack {
public:
    static constexpr int Capacity = 255;
    bool Push(TExprNode* node);  // false when full
    TExprNode* Pop();            // nullptr when empty
    TExprNode* Top() const { return m_entries[m_top]; }
    bool Empty() const { return m_top == 0; }
    int Count() const { return m_top; }

private:
    std::array<TExprNode*, Capacity + 1> m_entries{};
    uint8_t m_top = 0;
};

// The text as the lexer reads it: blanks removed, the symbols of e and π
// written as numbers, every "." made ",", ASCII letters lower-cased (names are
// compared in lower case, and no other token holds a letter).
QString PrepareExpression(QStringView text);

// The value of a number token (digits and at most one comma), or nothing.
std::optional<long double> NumberValue(QStringView text);

// Reads the token at pos (0-based, advanced past it) of a prepared text.
// Returns false at the end. A comma right after ")" is the argument separator
// and is skipped; any other comma followed by a digit starts a number (",5"
// is 0,5). A character that starts no token (a stray comma among them) gives
// an lkName token with empty text and leaves pos on that character.
bool NextLexema(QStringView text, qsizetype& pos, TLexema& lexema);

// The result of one evaluation: the value, or the fault and where it arose.
struct Outcome {
    long double value = 0;
    Fault fault = Fault::None;
    int32_t step = -1;  // the program step that failed; -1 when the text has no program
    bool Ok() const { return fault == Fault::None; }
};

// For each name of an expression (in the order of Names()) the index of its
// value among the caller's values; -1 for a name the caller lacks.
using Slots = std::vector<int32_t>;

class ParsedExpression {
public:
    // Reads text; never raises. A malformed text (empty, a stray character,
    // unbalanced or empty parentheses, a missing operand or operator, more
    // than 255 entries on a stack) gives a failed expression that keeps its
    // syntax error: every evaluation fails with it at once, nothing is read again.
    static std::shared_ptr<const ParsedExpression> Read(QStringView text);
    // An expression whose text could not even be made: every evaluation fails
    // with this fault and message.
    static std::shared_ptr<const ParsedExpression> Failure(Fault fault, const QString& message);

    ParsedExpression(const ParsedExpression&) = delete;
    ParsedExpression& operator=(const ParsedExpression&) = delete;
    ~ParsedExpression();

    bool Failed() const { return m_root == nullptr; }
    // The error of a failed expression.
    EvalError Error() const { return EvalError(m_fault, m_message); }
    const TExprNode* Root() const { return m_root; }
    // The distinct parameter names, lower-cased, in the order they first occur.
    const QStringList& Names() const { return m_names; }

    // Where each name's value lies: slotOf gives the index of a name, or -1.
    Slots Bind(const std::function<int(QStringView)>& slotOf) const;
    // The same for values indexed like names (compared ignoring case).
    Slots Bind(const QStringList& names) const;

    // The value for values laid out as the binding says. Never raises and allocates
    // nothing; a failed expression answers at once.
    Outcome Evaluate(std::span<const int32_t> binding, std::span<const long double> values) const noexcept;
    // The error an outcome stands for: "NotInODZ", a floating-point fault,
    // "Параметр <name> в списке не найден", the number conversion error, or
    // the syntax error of a failed expression.
    EvalError ErrorOf(const Outcome& outcome) const;

private:
    ParsedExpression() = default;
    void BuildTree();
    void Reduce(TStack& operands, TStack& operators);
    void Emit(const TExprNode* node);
    void EmitLeaf(const TExprNode* node);
    int NameNumber(QStringView name);

    QString m_text;                  // prepared text; node and step texts view into it
    std::vector<TExprNode> m_nodes;  // every node of the tree, reserved up front
    TExprNode* m_root = nullptr;
    std::vector<detail::Instr> m_program;
    QStringList m_names;
    Fault m_fault = Fault::None;  // why a failed expression failed
    QString m_message;
};

// One evaluator of a shared parsed expression: the expression and where its
// names' values lie among the caller's values. One made without an
// expression holds none and must not be evaluated.
class BoundExpression {
public:
    BoundExpression() = default;
    BoundExpression(std::shared_ptr<const ParsedExpression> expression, Slots binding)
        : m_expression(std::move(expression)), m_binding(std::move(binding))
    {
    }
    BoundExpression(std::shared_ptr<const ParsedExpression> expression, const QStringList& names)
        : m_expression(std::move(expression)), m_binding(m_expression->Bind(names))
    {
    }

    // The outcome for the caller's values; never raises.
    Outcome Evaluate(std::span<const long double> values) const noexcept
    {
        return m_expression->Evaluate(m_binding, values);
    }
    // The value, or the outcome's error raised.
    long double Value(std::span<const long double> values) const;

    const std::shared_ptr<const ParsedExpression>& Expression() const { return m_expression; }
    const Slots& Binding() const { return m_binding; }
    void Rebind(Slots binding) { m_binding = std::move(binding); }

private:
    std::shared_ptr<const ParsedExpression> m_expression;
    Slots m_binding;
};

} // namespace expr
