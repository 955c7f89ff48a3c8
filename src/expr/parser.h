#pragma once
#include "expr/evalerror.h"
#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// The expression parser and evaluator of the small language that formulas
// are turned into: numbers with a decimal comma (a point is accepted and made
// a comma), parameter names, + - * /, parentheses, one-argument functions
// written name(...) and two-argument functions written name((first),second).
//
// Parsing follows operator precedence with an operand stack and an operator
// stack of at most 255 entries each and builds an expression tree. The tree is
// also laid out as a flat postfix program over extended-precision values, in
// the tree's own evaluation order (left operand before right), which is what
// Evaluate runs: one pass, no recursion, domain checks inline.
namespace expr {

class TshParser;
namespace detail {
struct Instr;
}

// Token and node kinds.
enum TLexKind : uint8_t {
    lkNumber = 0,      // digits and commas, e.g. "2,5"
    lkName = 1,        // a parameter name, lower-cased
    lkOperator = 2,    // binary * + - /; on the operator stack also the "(" marker
    lkUnary = 3,       // a sign in prefix position, or a one-argument function
    lkBinaryFunc = 4,  // a two-argument function
    lkOpen = 5,
    lkClose = 6,
};

struct TLexema {
    QStringView Text;  // a view into the parser's prepared text
    uint8_t Kind = lkNumber;
};

// A node of the expression tree. Nodes live in their parser, which frees the
// whole tree when it parses again or is destroyed.
struct TExprNode {
    const TshParser* Parser = nullptr;
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
    TExprNode* Top() const { return m_slots[m_top]; }
    bool Empty() const { return m_top == 0; }
    int Count() const { return m_top; }

private:
    std::array<TExprNode*, Capacity + 1> m_slots{};
    uint8_t m_top = 0;
};

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

// The text as the lexer reads it: blanks removed, the symbols of e and π
// written as numbers, every "." made ",", ASCII letters lower-cased (names are
// compared in lower case, and no other token holds a letter).
QString PrepareExpression(QStringView text);

// Reads the token at pos (0-based, advanced past it) of a prepared text; a
// single "," before it is skipped as the argument separator. Returns false at
// the end. A character that starts no token gives an lkName token with empty
// text and leaves pos on that character.
bool NextLexema(QStringView text, qsizetype& pos, TLexema& lexema);

class TshParser {
public:
    explicit TshParser(const TParamOwner* owner = nullptr);
    ~TshParser();
    TshParser(const TshParser&) = delete;
    TshParser& operator=(const TshParser&) = delete;

    // Builds the tree of text. A malformed text (empty, a stray character,
    // unbalanced parentheses, a missing operand or operator, more than 255
    // entries on a stack) raises EvalError(Fault::Syntax) and leaves no tree.
    void Parse(const QString& text);

    // The value for the owner's current parameter values. Raises EvalError:
    // "NotInODZ", a floating-point fault, "Параметр <name> в списке не найден",
    // or the number conversion error, whichever the evaluation meets first.
    long double Evaluate();
    // The same without raising: the value, or nothing and the fault.
    std::optional<long double> TryEvaluate(Fault* fault = nullptr);

    bool HasTree() const { return m_root != nullptr; }
    const TExprNode* Root() const { return m_root; }
    const TParamOwner* Owner() const { return m_owner; }

private:
    struct Failure {
        Fault fault = Fault::None;
        int at = -1;  // instruction that failed
    };

    void Clear();
    void BuildTree();
    void Reduce(TStack& operands, TStack& operators);
    void Emit(const TExprNode* node);
    void EmitLeaf(const TExprNode* node);
    void ResolveNames();
    Failure Compute(long double& value);
    Failure Run(long double& value) const;
    [[noreturn]] void Raise(const Failure& failure) const;

    const TParamOwner* m_owner;
    QString m_text;                  // prepared text; node texts view into it
    std::vector<TExprNode> m_nodes;  // every node of the tree, reserved up front
    TExprNode* m_root = nullptr;
    std::vector<detail::Instr> m_program;
    std::vector<int> m_nameInstrs;   // instructions that read a parameter
    uint64_t m_namesVersion = 0;     // owner's list version the names were resolved for
};

} // namespace expr
