#include "expr/expression.h"
#include "expr/odz.h"
#include "base/symbols.h"
#include <cstdint>
#include <cstdlib>
#include <string>

namespace expr {
namespace detail {

// One step of the postfix program. A binary step takes its left operand from
// below the top of the stack and its right one from the top, or, in its
// "Leaf" form, from the step itself (a number or a parameter), which spares
// the stack a round trip through memory.
enum class Op : uint8_t {
    Number, Param, BadNumber,
    Add, Sub, Mul, Div, Power, Division, LogN,
    AddLeaf, SubLeaf, MulLeaf, DivLeaf, PowerLeaf, DivisionLeaf, LogNLeaf,
    Neg, Plus, Sin, Cos, Ln, Sqrt, Abs, Tg, Ctg, ArcTg, ArcCtg, ArcSin, ArcCos,
};

struct Instr {
    long double value = 0;  // a number's value
    QStringView text;       // a name or number as written, for messages
    int32_t index = -1;     // a parameter's number among the expression's names
    Op op = Op::Number;
    bool param = false;     // a Leaf step's operand is a parameter, not a number
};

} // namespace detail

namespace {

using detail::Instr;
using detail::Op;

// The functions of the language (names in lower case).
struct Function {
    const char16_t* name;
    uint8_t kind;
    Op op;
};

constexpr Function kFunctions[] = {
    {u"sin", lkUnary, Op::Sin},           {u"cos", lkUnary, Op::Cos},
    {u"ln_", lkUnary, Op::Ln},            {u"sqrt_", lkUnary, Op::Sqrt},
    {u"abs", lkUnary, Op::Abs},           {u"tg", lkUnary, Op::Tg},
    {u"ctg", lkUnary, Op::Ctg},           {u"arctg", lkUnary, Op::ArcTg},
    {u"arcctg", lkUnary, Op::ArcCtg},     {u"arcsin_", lkUnary, Op::ArcSin},
    {u"arccos_", lkUnary, Op::ArcCos},    {u"power_", lkBinaryFunc, Op::Power},
    {u"division_", lkBinaryFunc, Op::Division}, {u"logn_", lkBinaryFunc, Op::LogN},
};

const Function* FindFunction(QStringView name)
{
    for (const Function& function : kFunctions)
        if (name == QStringView(function.name)) return &function;
    return nullptr;
}

bool IsDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }

bool IsNameChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'_';
}

int Priority(const TExprNode* node)
{
    if (node->Kind == lkUnary || node->Kind == lkBinaryFunc) return 3;
    if (node->Text.isEmpty()) return 0;
    switch (node->Text.front().unicode()) {
    case u'*':
    case u'/': return 2;
    case u'+':
    case u'-': return 1;
    default: return 0;
    }
}

[[noreturn]] void SyntaxError(const QString& message)
{
    throw EvalError(Fault::Syntax, message);
}

} // namespace

// A number token has at most one comma (a trailing one is allowed: "2,").
std::optional<long double> NumberValue(QStringView text)
{
    std::string ascii;
    ascii.reserve(size_t(text.size()));
    bool comma = false;
    for (QChar c : text) {
        if (c == u',') {
            if (comma) return std::nullopt;
            comma = true;
            ascii += '.';
        } else {
            ascii += char(c.unicode());
        }
    }
    char* end = nullptr;
    const long double value = std::strtold(ascii.c_str(), &end);
    if (end != ascii.c_str() + ascii.size() || !(fabsl(value) <= LDBL_MAX)) return std::nullopt;
    return value;
}

bool TStack::Push(TExprNode* node)
{
    if (m_top == Capacity) return false;
    m_entries[++m_top] = node;
    return true;
}

TExprNode* TStack::Pop()
{
    if (m_top == 0) return nullptr;
    return m_entries[m_top--];
}

QString PrepareExpression(QStringView text)
{
    QString out;
    out.reserve(text.size() + 16);
    for (QChar c : text) {
        if (c == u' ') continue;
        if (c == base::symbol::NumberE) {
            out += base::symbol::NumberEText;
        } else if (c == base::symbol::Pi) {
            out += base::symbol::PiText;
        } else if (c >= u'A' && c <= u'Z') {
            out += QChar(c.unicode() + (u'a' - u'A'));
        } else {
            out += c;
        }
    }
    out.replace(u'.', u',');
    return out;
}

namespace {

// Whether the comma at pos separates two arguments: it follows the ")" that
// closes a first argument, as in "power_((x),2)". Every other comma belongs
// to a number, so that ",5" is read as 0,5 and not as 5.
bool IsSeparator(QStringView text, qsizetype pos)
{
    return text[pos] == u',' && pos > 0 && text[pos - 1] == u')';
}

bool StartsNumber(QStringView text, qsizetype pos)
{
    return IsDigit(text[pos]) || (text[pos] == u',' && pos + 1 < text.size() && IsDigit(text[pos + 1]));
}

} // namespace

bool NextLexema(QStringView text, qsizetype& pos, TLexema& lexema)
{
    if (pos < text.size() && IsSeparator(text, pos)) ++pos;
    if (pos >= text.size()) return false;
    const QChar c = text[pos];
    const qsizetype start = pos;
    switch (c.unicode()) {
    case u'(':
        lexema = {text.mid(pos++, 1), lkOpen};
        return true;
    case u')':
        lexema = {text.mid(pos++, 1), lkClose};
        return true;
    case u'*':
    case u'/':
        lexema = {text.mid(pos++, 1), lkOperator};
        return true;
    case u'+':
    case u'-': {
        const bool sign = pos == 0 || text[pos - 1] == u'(' || text[pos - 1] == u',';
        lexema = {text.mid(pos++, 1), sign ? lkUnary : lkOperator};
        return true;
    }
    default: break;
    }
    if (StartsNumber(text, pos)) {
        while (pos < text.size() && (IsDigit(text[pos]) || text[pos] == u',')) ++pos;
        lexema = {text.mid(start, pos - start), lkNumber};
        return true;
    }
    while (pos < text.size() && IsNameChar(text[pos])) ++pos;
    const QStringView name = text.mid(start, pos - start);
    const Function* function = FindFunction(name);
    lexema = {name, function ? function->kind : uint8_t(lkName)};
    return true;
}

ParsedExpression::~ParsedExpression() = default;

std::shared_ptr<const ParsedExpression> ParsedExpression::Read(QStringView text)
{
    std::shared_ptr<ParsedExpression> expression(new ParsedExpression);
    expression->m_text = PrepareExpression(text);
    // One node per token and at least one character per token: the nodes
    // never move while the tree is built.
    expression->m_nodes.reserve(size_t(expression->m_text.size()));
    try {
        expression->BuildTree();
    } catch (const EvalError& error) {
        return Failure(error.fault(), error.message());
    }
    return expression;
}

std::shared_ptr<const ParsedExpression> ParsedExpression::Failure(Fault fault, const QString& message)
{
    std::shared_ptr<ParsedExpression> expression(new ParsedExpression);
    expression->m_fault = fault;
    expression->m_message = message;
    return expression;
}

void ParsedExpression::BuildTree()
{
    TStack operands;
    TStack operators;
    auto newNode = [this](uint8_t kind, QStringView text) {
        m_nodes.push_back(TExprNode{this, kind, text, nullptr, nullptr});
        return &m_nodes.back();
    };
    auto pushOperator = [&](TExprNode* node) {
        if (!operators.Push(node)) SyntaxError(QStringLiteral("Слишком сложное выражение"));
    };

    qsizetype pos = 0;
    TLexema lexema;
    uint8_t previous = lkOperator;  // the kind of the token before; none is read yet
    bool anyToken = false;
    for (; NextLexema(m_text, pos, lexema); previous = lexema.Kind) {
        anyToken = true;
        switch (lexema.Kind) {
        case lkNumber:
        case lkName: {
            if (lexema.Text.isEmpty())
                SyntaxError(QStringLiteral("Недопустимый символ «") + m_text[pos] + QStringLiteral("» в выражении"));
            TExprNode* leaf = newNode(lexema.Kind, lexema.Text);
            if (!operands.Push(leaf)) SyntaxError(QStringLiteral("Слишком сложное выражение"));
            EmitLeaf(leaf);
            break;
        }
        case lkOperator: {
            TExprNode* node = newNode(lkOperator, lexema.Text);
            const int priority = Priority(node);
            while (!operators.Empty() && Priority(operators.Top()) >= priority) Reduce(operands, operators);
            pushOperator(node);
            break;
        }
        case lkUnary:
        case lkBinaryFunc:
            pushOperator(newNode(lexema.Kind, lexema.Text));
            break;
        case lkOpen:
            pushOperator(newNode(lkOperator, lexema.Text));
            break;
        case lkClose:
            // "()" holds nothing: beside an operand ("x()") it would vanish
            // without a trace.
            if (previous == lkOpen) SyntaxError(QStringLiteral("Пустые скобки в выражении"));
            while (!operators.Empty() && Priority(operators.Top()) >= 1) Reduce(operands, operators);
            if (operators.Empty()) SyntaxError(QStringLiteral("Лишняя закрывающая скобка в выражении"));
            operators.Pop();
            break;
        }
    }
    if (!anyToken) SyntaxError(QStringLiteral("Пустое выражение"));
    while (!operators.Empty()) {
        if (Priority(operators.Top()) == 0) SyntaxError(QStringLiteral("Не хватает закрывающей скобки в выражении"));
        Reduce(operands, operators);
    }
    if (operands.Count() == 0) SyntaxError(QStringLiteral("Не хватает операнда в выражении"));
    if (operands.Count() > 1) SyntaxError(QStringLiteral("Пропущен знак действия в выражении"));
    m_root = operands.Pop();
}

void ParsedExpression::Reduce(TStack& operands, TStack& operators)
{
    TExprNode* node = operators.Pop();
    TExprNode* right = nullptr;
    if (node->Kind == lkOperator || node->Kind == lkBinaryFunc) {
        right = operands.Pop();
        if (!right) SyntaxError(QStringLiteral("Не хватает операнда в выражении"));
    }
    TExprNode* left = operands.Pop();
    if (!left) SyntaxError(QStringLiteral("Не хватает операнда в выражении"));
    node->Left = left;
    node->Right = right;
    operands.Push(node);
    // The operands' steps were laid out before, left before right: the
    // program is the tree in post-order.
    Emit(node);
}

int ParsedExpression::NameNumber(QStringView name)
{
    for (int i = 0; i < m_names.size(); ++i)
        if (m_names[i] == name) return i;
    m_names.append(name.toString());
    return int(m_names.size()) - 1;
}

void ParsedExpression::EmitLeaf(const TExprNode* node)
{
    Instr instr;
    instr.text = node->Text;
    if (node->Kind == lkNumber) {
        const std::optional<long double> value = NumberValue(node->Text);
        instr.op = value ? Op::Number : Op::BadNumber;
        instr.value = value.value_or(0);
    } else {
        instr.op = Op::Param;
        instr.param = true;
        instr.index = NameNumber(node->Text);
    }
    m_program.push_back(instr);
}

void ParsedExpression::Emit(const TExprNode* node)
{
    Op op = Op::Plus;
    if (node->Kind == lkOperator) {
        switch (node->Text.front().unicode()) {
        case u'*': op = Op::Mul; break;
        case u'+': op = Op::Add; break;
        case u'-': op = Op::Sub; break;
        default: op = Op::Div; break;
        }
    } else if (node->Text == u"-") {
        op = Op::Neg;
    } else if (const Function* function = FindFunction(node->Text)) {
        op = function->op;
    }
    // A right operand that is a number or a parameter was the last step laid
    // out: it becomes the operand of this step.
    Instr& last = m_program.back();
    const bool binary = node->Right != nullptr;
    if (binary && !node->Right->Left && (last.op == Op::Number || last.op == Op::Param)) {
        last.op = Op(int(op) - int(Op::Add) + int(Op::AddLeaf));
        return;
    }
    Instr instr;
    instr.op = op;
    m_program.push_back(instr);
}

Slots ParsedExpression::Bind(const std::function<int(QStringView)>& slotOf) const
{
    Slots binding;
    binding.reserve(size_t(m_names.size()));
    for (const QString& name : m_names) binding.push_back(slotOf(name));
    return binding;
}

Slots ParsedExpression::Bind(const QStringList& names) const
{
    return Bind([&names](QStringView name) {
        for (int i = 0; i < names.size(); ++i)
            if (name.compare(names[i], Qt::CaseInsensitive) == 0) return i;
        return -1;
    });
}

namespace {

// The operand a Leaf step carries: its number, or its parameter's value.
inline Fault LeafOperand(long double number, bool param, int32_t name, std::span<const int32_t> binding,
                         std::span<const long double> values, long double& operand)
{
    if (!param) {
        operand = number;
        return Fault::None;
    }
    const size_t slot = size_t(name) < binding.size() ? size_t(binding[size_t(name)]) : SIZE_MAX;
    if (slot >= values.size()) return Fault::UnknownParameter;
    return odz::Finite(values[slot], operand);
}

} // namespace

// The two values on top of the stack are kept apart from those below them:
// most steps then work on registers, and a value pushed down to memory is
// read back only after at least one more step, not on the critical path.
Outcome ParsedExpression::Evaluate(std::span<const int32_t> binding, std::span<const long double> values) const noexcept
{
    if (!m_root) return {0, m_fault, -1};
    long double below[TStack::Capacity + 2];
    long double* next = below;  // where the next value pushed down goes
    long double top = 0;
    long double second = 0;
    long double right = 0;
    const Instr* const program = m_program.data();
    const int count = int(m_program.size());
    for (int i = 0; i < count; ++i) {
        const Instr& in = program[i];
        Fault fault = Fault::None;
        switch (in.op) {
        case Op::Number:
            *next++ = second;
            second = top;
            top = in.value;
            continue;
        case Op::Param:
            *next++ = second;
            second = top;
            fault = LeafOperand(0, true, in.index, binding, values, top);
            break;
        case Op::BadNumber: return {0, Fault::BadNumber, i};
        case Op::Add: fault = odz::Finite(second + top, top); second = *--next; break;
        case Op::Sub: fault = odz::Finite(second - top, top); second = *--next; break;
        case Op::Mul: fault = odz::Finite(second * top, top); second = *--next; break;
        case Op::Div:
            if (top == 0) return {0, second == 0 ? Fault::InvalidOp : Fault::ZeroDivide, i};
            fault = odz::Finite(second / top, top);
            second = *--next;
            break;
        case Op::Power: fault = odz::Power(second, top, top); second = *--next; break;
        case Op::Division: fault = odz::Divide(second, top, top); second = *--next; break;
        case Op::LogN: fault = odz::LogN(second, top, top); second = *--next; break;
        case Op::AddLeaf:
            if ((fault = LeafOperand(in.value, in.param, in.index, binding, values, right)) == Fault::None)
                fault = odz::Finite(top + right, top);
            break;
        case Op::SubLeaf:
            if ((fault = LeafOperand(in.value, in.param, in.index, binding, values, right)) == Fault::None)
                fault = odz::Finite(top - right, top);
            break;
        case Op::MulLeaf:
            if ((fault = LeafOperand(in.value, in.param, in.index, binding, values, right)) == Fault::None)
                fault = odz::Finite(top * right, top);
            break;
        case Op::DivLeaf:
            if ((fault = LeafOperand(in.value, in.param, in.index, binding, values, right)) != Fault::None) break;
            if (right == 0) return {0, top == 0 ? Fault::InvalidOp : Fault::ZeroDivide, i};
            fault = odz::Finite(top / right, top);
            break;
        case Op::PowerLeaf:
            if ((fault = LeafOperand(in.value, in.param, in.index, binding, values, right)) == Fault::None)
                fault = odz::Power(top, right, top);
            break;
        case Op::DivisionLeaf:
            if ((fault = LeafOperand(in.value, in.param, in.index, binding, values, right)) == Fault::None)
                fault = odz::Divide(top, right, top);
            break;
        case Op::LogNLeaf:
            if ((fault = LeafOperand(in.value, in.param, in.index, binding, values, right)) == Fault::None)
                fault = odz::LogN(top, right, top);
            break;
        case Op::Neg: top = -top; continue;
        case Op::Plus: continue;
        case Op::Sin: top = x87::Sin(top); continue;
        case Op::Cos: top = x87::Cos(top); continue;
        case Op::Ln: fault = odz::Ln(top, top); break;
        case Op::Sqrt: fault = odz::Sqrt(top, top); break;
        case Op::Abs: top = fabsl(top); continue;
        case Op::Tg: fault = odz::Tg(top, top); break;
        case Op::Ctg: fault = odz::Ctg(top, top); break;
        case Op::ArcTg: top = odz::ArcTg(top); continue;
        case Op::ArcCtg: top = odz::ArcCtg(top); continue;
        case Op::ArcSin: fault = odz::ArcSin(top, top); break;
        case Op::ArcCos: fault = odz::ArcCos(top, top); break;
        default: __builtin_unreachable();
        }
        if (fault != Fault::None) return {0, fault, i};
    }
    return {top, Fault::None, -1};
}

EvalError ParsedExpression::ErrorOf(const Outcome& outcome) const
{
    if (outcome.step < 0) return EvalError(outcome.fault, m_root ? FaultMessage(outcome.fault) : m_message);
    const Instr& in = m_program[size_t(outcome.step)];
    switch (outcome.fault) {
    case Fault::UnknownParameter: return EvalError(outcome.fault, UnknownParameterMessage(in.text.toString()));
    case Fault::BadNumber: return EvalError(outcome.fault, BadNumberMessage(in.text.toString()));
    default: return EvalError(outcome.fault, FaultMessage(outcome.fault));
    }
}

long double BoundExpression::Value(std::span<const long double> values) const
{
    const Outcome outcome = Evaluate(values);
    if (!outcome.Ok()) throw m_expression->ErrorOf(outcome);
    return outcome.value;
}

} // namespace expr
