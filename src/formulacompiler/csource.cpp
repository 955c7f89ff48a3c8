#include "formulacompiler/csource.h"
#include "formulacompiler/hostmath.h"
#include "expr/odz.h"
#include <cstdint>
#include <cstdlib>

namespace formulacompiler {
namespace {

using expr::TExprNode;

// Raised inside the writer when a node has no compiled form.
struct NoCode {};

class Writer {
public:
    Writer(const expr::ParsedExpression& expression, const expr::Slots& binding)
        : m_expression(expression), m_binding(binding)
    {
        m_source.constants.push_back(double(expr::ODZ_EPS));
    }

    FunctionSource Function(int number)
    {
        const std::string result = Node(m_expression.Root());
        std::string text = "int " + FunctionName(number) + "(const double* v, const double* k, double* r) {\n";
        text += m_body;
        CheckFinite(text, result);
        text += "*r = " + result + "; return 0;\n}\n";
        m_source.text = std::move(text);
        return std::move(m_source);
    }

private:
    std::string Fresh() { return "t" + std::to_string(m_temps++); }

    // A new temporary holding the C expression value.
    std::string Define(const std::string& value)
    {
        const std::string name = Fresh();
        m_body += "double " + name + " = " + value + ";\n";
        return name;
    }

    static void CheckFinite(std::string& body, const std::string& name)
    {
        // x - x is 0 for every finite x and undefined for infinities and
        // undefined values.
        body += "if (!(" + name + " - " + name + " == 0)) return 1;\n";
    }
    void CheckFinite(const std::string& name) { CheckFinite(m_body, name); }

    // The expression core rejects arguments below the threshold k[0].
    void CheckAtLeastThreshold(const std::string& name) { m_body += "if (!(" + name + " >= k[0])) return 1;\n"; }

    std::string Constant(long double value)
    {
        m_source.constants.push_back(double(value));
        return "k[" + std::to_string(m_source.constants.size() - 1) + "]";
    }

    std::string Node(const TExprNode* node)
    {
        switch (node->Kind) {
        case expr::lkNumber: return Define(Constant(NumberOf(node)));
        case expr::lkName: return Define("v[" + std::to_string(SlotOf(node)) + "]");
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
        case u'+': return Define(left + " + " + right);
        case u'-': return Define(left + " - " + right);
        case u'*': return Define(left + " * " + right);
        case u'/':
            // A division by zero gives an infinity or an undefined value that
            // the later tests find; an infinite divisor would give 0.
            CheckFinite(right);
            return Define(left + " / " + right);
        default: throw NoCode{};
        }
    }

    // A host function that can fail: its value goes to a new temporary.
    std::string CallChecked(const char* function, const std::string& arguments)
    {
        const std::string name = Fresh();
        m_body += "double " + name + ";\nif (" + function + "(" + arguments + ", &" + name + ")) return 1;\n";
        return name;
    }

    std::string Unary(const TExprNode* node)
    {
        if (!node->Left || node->Right) throw NoCode{};
        const QStringView name = node->Text;
        const std::string argument = Node(node->Left);
        if (name == u"-") return Define("-" + argument);
        if (name == u"+") return argument;
        if (name == u"abs") return Define(argument + " < 0 ? -" + argument + " : " + argument);
        if (name == u"sin") return Define(std::string(host::Sin) + "(" + argument + ")");
        if (name == u"cos") return Define(std::string(host::Cos) + "(" + argument + ")");
        if (name == u"sqrt_") {
            CheckAtLeastThreshold(argument);
            return Define(std::string(host::Sqrt) + "(" + argument + ")");
        }
        if (name == u"ln_") {
            CheckAtLeastThreshold(argument);
            return Define(std::string(host::Ln) + "(" + argument + ")");
        }
        if (name == u"arctg" || name == u"arcctg") {
            CheckFinite(argument);  // the arctangent of an infinity is finite
            return Define(std::string(name == u"arctg" ? host::ArcTg : host::ArcCtg) + "(" + argument + ")");
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
            CheckFinite(right);
            m_body += "if (" + right + " < k[0] && " + right + " > -k[0]) return 1;\n";
            return Define(left + " / " + right);
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
        if (*whole == 0) {
            CheckFinite(base);  // a power 0 would hide an infinite base
            return Define("1");
        }
        uint32_t n = *whole < 0 ? 0u - uint32_t(*whole) : uint32_t(*whole);
        std::string value;
        std::string square = base;
        while (n != 0) {
            if (n & 1u) value = value.empty() ? square : Define(value + " * " + square);
            n >>= 1;
            if (n != 0) square = Define(square + " * " + square);
        }
        if (*whole > 0) return value;
        m_body += "if (!(" + value + " - " + value + " == 0) || " + value + " == 0) return 1;\n";
        return Define("1 / " + value);
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
