#include "formulacompiler/csource.h"
#include "formulacompiler/hostmath.h"
#include "expr/odz.h"
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <set>

namespace formulacompiler {
namespace {

using expr::TExprNode;

// Raised inside the writer when a node has no compiled form.
struct NoCode {};

// Values that need no test in between are written as one nested C
// expression, which the compiler keeps in registers; a value that is tested,
// used twice or passed by address goes to a temporary first. The tests are
// written in the order the expression core evaluates (left operand before
// right), and the nested parts have no effects, so the first test that fails
// is the one the core's evaluation would reach first.
class Writer {
public:
    Writer(const expr::ParsedExpression& expression, const expr::Slots& binding)
        : m_expression(expression), m_binding(binding)
    {
        m_source.constants.push_back(double(expr::ODZ_EPS));
    }

    FunctionSource Function(int number)
    {
        const std::string result = Materialize(Node(m_expression.Root()));
        CheckFinite(result);
        std::string text = "int " + FunctionName(number) + "(const double* v, const double* k, double* r) {\n";
        text += m_body;
        text += "*r = " + result + "; return 0;\n}\n";
        m_source.text = std::move(text);
        return std::move(m_source);
    }

private:
    // A new temporary holding the C expression value.
    std::string Define(const std::string& value)
    {
        const std::string name = "t" + std::to_string(m_temps++);
        m_body += "double " + name + " = " + value + ";\n";
        return name;
    }

    // A name for value: itself when it is one already (a temporary, a
    // parameter, a number), a new temporary otherwise.
    std::string Materialize(const std::string& value)
    {
        return value.front() == '(' || value.back() == ')' ? Define(value) : value;
    }

    // x - x is 0 for every finite x and undefined for infinities and
    // undefined values. A name found finite once (a number, a tested
    // parameter or temporary) is not tested again.
    void CheckFinite(const std::string& name)
    {
        if (!m_finite.insert(name).second) return;
        m_body += "if (!(" + name + " - " + name + " == 0)) return 1;\n";
    }

    // The expression core rejects arguments below the threshold k[0].
    void CheckAtLeastThreshold(const std::string& name) { m_body += "if (!(" + name + " >= k[0])) return 1;\n"; }

    // A number beyond the range of double becomes an infinity here, which
    // the tests then find (the expression core decides such points).
    std::string Constant(long double value)
    {
        m_source.constants.push_back(double(value));
        std::string name = "k[" + std::to_string(m_source.constants.size() - 1) + "]";
        if (std::isfinite(m_source.constants.back())) m_finite.insert(name);
        return name;
    }

    static std::string Call(const char* function, const std::string& argument)
    {
        return std::string(function) + "(" + argument + ")";
    }

    // Deeper trees are left to the expression core, whose evaluation does
    // not recurse: the writer and the C compiler both do.
    static constexpr int kMaxDepth = 200;

    std::string Node(const TExprNode* node)
    {
        if (++m_depth > kMaxDepth) throw NoCode{};
        std::string value = NodeValue(node);
        --m_depth;
        return value;
    }

    std::string NodeValue(const TExprNode* node)
    {
        switch (node->Kind) {
        case expr::lkNumber: return Constant(NumberOf(node));
        case expr::lkName: return "v[" + std::to_string(SlotOf(node)) + "]";
        case expr::lkOperator: return Operator(node);
        case expr::lkUnary: return Unary(node);
        case expr::lkBinaryFunc: return BinaryFunction(node);
        default: throw NoCode{};
        }
    }

    static long double NumberOf(const TExprNode* node)
    {
        const std::optional<long double> value = expr::NumberValue(node->Text);
        if (!value) throw NoCode{};
        return *value;
    }

    int SlotOf(const TExprNode* node) const
    {
        const qsizetype name = m_expression.Names().indexOf(node->Text.toString());
        if (name < 0 || size_t(name) >= m_binding.size() || m_binding[size_t(name)] < 0) throw NoCode{};
        return m_binding[size_t(name)];
    }

    std::string Operator(const TExprNode* node)
    {
        if (!node->Left || !node->Right || node->Text.size() != 1) throw NoCode{};
        const std::string left = Node(node->Left);
        const std::string right = Node(node->Right);
        switch (node->Text.front().unicode()) {
        case u'+': return "(" + left + " + " + right + ")";
        case u'-': return "(" + left + " - " + right + ")";
        case u'*': return "(" + left + " * " + right + ")";
        case u'/': {
            // A division by zero gives an infinity or an undefined value that
            // the later tests find; an infinite divisor would give 0.
            const std::string divisor = Materialize(right);
            CheckFinite(divisor);
            return "(" + left + " / " + divisor + ")";
        }
        default: throw NoCode{};
        }
    }

    // A host function that can fail: its value goes to a new temporary.
    std::string CallChecked(const char* function, const std::string& arguments)
    {
        const std::string name = "t" + std::to_string(m_temps++);
        m_body += "double " + name + ";\nif (" + function + "(" + arguments + ", &" + name + ")) return 1;\n";
        return name;
    }

    std::string Unary(const TExprNode* node)
    {
        if (!node->Left || node->Right) throw NoCode{};
        const QStringView name = node->Text;
        const std::string argument = Node(node->Left);
        if (name == u"-") return "(-" + argument + ")";
        if (name == u"+") return argument;
        if (name == u"abs") {
            const std::string value = Materialize(argument);
            return "(" + value + " < 0 ? -" + value + " : " + value + ")";
        }
        if (name == u"sin") return Call(host::Sin, argument);
        if (name == u"cos") return Call(host::Cos, argument);
        if (name == u"sqrt_" || name == u"ln_") {
            const std::string value = Materialize(argument);
            CheckAtLeastThreshold(value);
            return Call(name == u"sqrt_" ? host::Sqrt : host::Ln, value);
        }
        if (name == u"arctg" || name == u"arcctg") {
            const std::string value = Materialize(argument);
            CheckFinite(value);  // the arctangent of an infinity is finite
            return Call(name == u"arctg" ? host::ArcTg : host::ArcCtg, value);
        }
        if (name == u"tg") return CallChecked(host::Tg, argument);
        if (name == u"ctg") return CallChecked(host::Ctg, argument);
        if (name == u"arcsin_") return CallChecked(host::ArcSin, argument);
        if (name == u"arccos_") return CallChecked(host::ArcCos, argument);
        throw NoCode{};
    }

    std::string BinaryFunction(const TExprNode* node)
    {
        if (!node->Left || !node->Right) throw NoCode{};
        const QStringView name = node->Text;
        if (name == u"power_") return Power(node);
        const std::string left = Node(node->Left);
        const std::string right = Node(node->Right);
        if (name == u"division_") {
            const std::string divisor = Materialize(right);
            CheckFinite(divisor);
            m_body += "if (" + divisor + " < k[0] && " + divisor + " > -k[0]) return 1;\n";
            return "(" + left + " / " + divisor + ")";
        }
        if (name == u"logn_") return CallChecked(host::LogN, left + ", " + right);
        throw NoCode{};
    }

    // A whole number written as the exponent is multiplied out here, in the
    // order the expression core multiplies; any other exponent goes to the host.
    std::string Power(const TExprNode* node)
    {
        const std::string base = Node(node->Left);
        const std::optional<int32_t> whole = WholeExponent(node->Right);
        if (!whole) return CallChecked(host::Power, base + ", " + Node(node->Right));
        const std::string square0 = Materialize(base);
        if (*whole == 0) {
            CheckFinite(square0);  // a power 0 would hide an infinite base
            return "1.0";
        }
        uint32_t n = *whole < 0 ? 0u - uint32_t(*whole) : uint32_t(*whole);
        std::string value;
        std::string square = square0;
        while (n != 0) {
            if (n & 1u) value = value.empty() ? square : Define(value + " * " + square);
            n >>= 1;
            if (n != 0) square = Define(square + " * " + square);
        }
        if (*whole > 0) return value;
        m_body += "if (!(" + value + " - " + value + " == 0) || " + value + " == 0) return 1;\n";
        return "(1 / " + value + ")";
    }

    static std::optional<int32_t> WholeExponent(const TExprNode* node)
    {
        if (node->Kind != expr::lkNumber) return std::nullopt;
        const long double value = NumberOf(node);
        if (!(fabsl(value) <= INT32_MAX)) return std::nullopt;
        const int32_t whole = int32_t(value);
        if (static_cast<long double>(whole) != value) return std::nullopt;
        return whole;
    }

    const expr::ParsedExpression& m_expression;
    const expr::Slots& m_binding;
    FunctionSource m_source;
    std::string m_body;
    int m_temps = 0;
    int m_depth = 0;
    std::set<std::string> m_finite;
};

} // namespace

std::string FunctionName(int number) { return "f" + std::to_string(number); }

std::string ProgramPrelude()
{
    std::string text;
    for (const HostFunction& function : HostFunctions()) text += std::string(function.declaration) + "\n";
    return text;
}

std::optional<FunctionSource> WriteFunction(const expr::ParsedExpression& expression, const expr::Slots& binding,
                                            int number)
{
    if (expression.Failed() || !expression.Root()) return std::nullopt;
    try {
        return Writer(expression, binding).Function(number);
    } catch (const NoCode&) {
        return std::nullopt;
    }
}

} // namespace formulacompiler
