#include "formulacompiler/csource.h"
#include "formulacompiler/hostmath.h"
#include "expr/odz.h"
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <map>
#include <set>

namespace formulacompiler {
namespace {

using expr::TExprNode;

// Raised inside the writer when a node has no compiled form.
struct NoCode {};

// How the row form reads its variable.
const std::string kRowValue = "c[i]";

// Values that need no test in between are written as one nested C
// expression, which the compiler keeps in registers; a value that is tested,
// used twice or passed by address goes to a temporary first. The tests are
// written in the order the expression core evaluates (left operand before
// right), and the nested parts have no effects, so the first test that fails
// is the one the core's evaluation would reach first.
class Writer {
public:
    // fail is the statement run where the formula has no value. With a
    // row slot the body is that of a row: the variable at the slot is read as
    // c[i], and what does not depend on it goes to a prelude run once per
    // row, whose statement of no value is rowFail.
    Writer(const expr::ParsedExpression& expression, const expr::Slots& binding, std::string fail,
           std::optional<int> rowSlot = std::nullopt, std::string rowFail = {})
        : m_expression(expression), m_binding(binding), m_fail(std::move(fail)), m_rowSlot(rowSlot),
          m_rowFail(std::move(rowFail))
    {
        m_constants.push_back(double(expr::ODZ_EPS));
        m_constants.push_back(std::numeric_limits<double>::quiet_NaN());
    }

    // The statements computing the value, and the name that holds it then.
    struct Body {
        std::string prelude;  // of a row: what the row's points share
        std::string statements;
        std::string result;
        std::vector<double> constants;
    };

    Body Write()
    {
        std::string result = Materialize(Node(m_expression.Root()));
        CheckFinite(result);
        // The parameters are read into locals first: the compiler then finds
        // each in one load from its frame instead of three through v.
        std::string reads;
        for (const int slot : m_parameters) reads += "double p" + std::to_string(slot) + " = v[" + std::to_string(slot) + "];\n";
        (m_rowSlot ? m_prelude : m_body).insert(0, reads);
        return {std::move(m_prelude), std::move(m_body), std::move(result), std::move(m_constants)};
    }

private:
    // Whether C text reads the row's variable, directly or through a temporary.
    bool Varies(const std::string& text) const
    {
        if (!m_rowSlot) return true;
        if (text.find(kRowValue) != std::string::npos) return true;
        const auto isWordCharacter = [](char ch) { return std::isalnum(static_cast<unsigned char>(ch)) || ch == '_'; };
        for (size_t at = text.find('t'); at != std::string::npos; at = text.find('t', at + 1)) {
            if (at > 0 && isWordCharacter(text[at - 1])) continue;
            size_t end = at + 1;
            while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
            if (end > at + 1 && m_varying.contains(text.substr(at, end - at))) return true;
        }
        return false;
    }

    // Where a statement over text goes: into every point's body, or into
    // the row's prelude when it does not depend on the row's variable.
    std::string& Section(const std::string& text) { return Varies(text) ? m_body : m_prelude; }

    void FailIf(const std::string& condition)
    {
        const bool varies = Varies(condition);
        (varies ? m_body : m_prelude) += "if (" + condition + ") " + (varies ? m_fail : m_rowFail) + "\n";
    }

    // A new temporary holding the C expression value.
    std::string Define(const std::string& value)
    {
        const std::string name = "t" + std::to_string(m_temps++);
        if (m_rowSlot && Varies(value)) m_varying.insert(name);
        Section(value) += "double " + name + " = " + value + ";\n";
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
        FailIf("!(" + name + " - " + name + " == 0)");
    }

    // The expression core rejects arguments below the threshold k[0].
    void CheckAtLeastThreshold(const std::string& name) { FailIf("!(" + name + " >= k[0])"); }

    // A number beyond the range of double becomes an infinity here, which
    // the tests then find (the expression core decides such points).
    std::string Constant(long double value)
    {
        m_constants.push_back(double(value));
        std::string name = "k[" + std::to_string(m_constants.size() - 1) + "]";
        if (std::isfinite(m_constants.back())) m_finite.insert(name);
        m_known.emplace(name, value);
        return name;
    }

    // The value of a name that stands for a number of the formula, or of
    // arithmetic on such numbers done here.
    std::optional<long double> Known(const std::string& name) const
    {
        const auto found = m_known.find(name);
        if (found == m_known.end()) return std::nullopt;
        return found->second;
    }

    // Arithmetic on two numbers is done once, here, in the extended
    // precision and order of the expression core; a step the core finds
    // faulty (a zero divisor, a result beyond range) is left to the code,
    // whose tests then find it at run time.
    std::optional<std::string> Folded(char16_t operation, long double left, long double right)
    {
        long double value;
        switch (operation) {
        case u'+': value = left + right; break;
        case u'-': value = left - right; break;
        case u'*': value = left * right; break;
        default:
            if (right == 0) return std::nullopt;
            value = left / right;
            break;
        }
        if (!std::isfinite(value)) return std::nullopt;
        return Constant(value);
    }

    // A divisor that is a power of two is a multiplication by its
    // reciprocal: the same result to the last bit, and several times faster.
    std::optional<std::string> ReciprocalOfPowerOfTwo(const std::string& divisor)
    {
        const std::optional<long double> value = Known(divisor);
        if (!value) return std::nullopt;
        const double rounded = double(*value);
        int exponent = 0;
        if (!std::isfinite(rounded) || std::fabs(std::frexp(rounded, &exponent)) != 0.5) return std::nullopt;
        const double reciprocal = 1.0 / rounded;
        if (!std::isnormal(reciprocal)) return std::nullopt;
        return Constant(reciprocal);
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
        case expr::lkName: {
            const int slot = SlotOf(node);
            if (m_rowSlot && slot == *m_rowSlot) return kRowValue;
            m_parameters.insert(slot);
            return "p" + std::to_string(slot);
        }
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
        const char16_t operation = node->Text.front().unicode();
        const std::optional<long double> leftValue = Known(left), rightValue = Known(right);
        if (leftValue && rightValue && IsArithmetic(operation)) {
            if (std::optional<std::string> folded = Folded(operation, *leftValue, *rightValue)) return *folded;
        }
        switch (operation) {
        case u'+': return "(" + left + " + " + right + ")";
        case u'-': return "(" + left + " - " + right + ")";
        case u'*': return "(" + left + " * " + right + ")";
        case u'/': {
            if (const std::optional<std::string> reciprocal = ReciprocalOfPowerOfTwo(right))
                return "(" + left + " * " + *reciprocal + ")";
            // A division by zero gives an infinity or an undefined value that
            // the later tests find; an infinite divisor would give 0.
            const std::string divisor = Materialize(right);
            CheckFinite(divisor);
            return "(" + left + " / " + divisor + ")";
        }
        default: throw NoCode{};
        }
    }

    static bool IsArithmetic(char16_t operation)
    {
        return operation == u'+' || operation == u'-' || operation == u'*' || operation == u'/';
    }

    // A host function that can fail: its value goes to a new temporary.
    std::string CallChecked(const char* function, const std::string& arguments)
    {
        const std::string name = "t" + std::to_string(m_temps++);
        if (m_rowSlot && Varies(arguments)) m_varying.insert(name);
        Section(arguments) += "double " + name + ";\n";
        FailIf(std::string(function) + "(" + arguments + ", &" + name + ")");
        return name;
    }

    std::string Unary(const TExprNode* node)
    {
        if (!node->Left || node->Right) throw NoCode{};
        const QStringView name = node->Text;
        const std::string argument = Node(node->Left);
        if (name == u"-") {
            if (const std::optional<long double> value = Known(argument)) return Constant(-*value);
            return "(-" + argument + ")";
        }
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
            FailIf(divisor + " < k[0] && " + divisor + " > -k[0]");
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
        FailIf("!(" + value + " - " + value + " == 0) || " + value + " == 0");
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
    const std::string m_fail;
    const std::optional<int> m_rowSlot;
    const std::string m_rowFail;
    std::string m_prelude;
    std::set<std::string> m_varying;  // temporaries that depend on the row's variable
    std::set<int> m_parameters;       // slots read
    std::vector<double> m_constants;
    std::map<std::string, long double> m_known;
    std::string m_body;
    int m_temps = 0;
    int m_depth = 0;
    std::set<std::string> m_finite;
};

} // namespace

std::string FunctionName(int number) { return "f" + std::to_string(number); }

std::string RowFunctionName(int number) { return "g" + std::to_string(number); }

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
        Writer::Body point = Writer(expression, binding, "return 1;").Write();
        // The row form writes the mark of no value and goes on with the next
        // point; where what the points share has no value, none has one.
        const Writer::Body row = Writer(expression, binding, "{ r[i] = k[1]; continue; }", kRowSlot,
                                        "{ for (i = 0; i < n; ++i) r[i] = k[1]; return; }")
                                     .Write();
        FunctionSource source;
        source.text = "int " + FunctionName(number) + "(const double* v, const double* k, double* r) {\n" +
                      point.statements + "*r = " + point.result + "; return 0;\n}\n";
        source.text += "void " + RowFunctionName(number) +
                       "(const double* v, const double* k, const double* c, int n, double* r) {\nint i;\n" +
                       row.prelude + "for (i = 0; i < n; ++i) {\n" + row.statements + "r[i] = " + row.result +
                       ";\n}\n}\n";
        source.constants = std::move(point.constants);
        return source;
    } catch (const NoCode&) {
        return std::nullopt;
    }
}

} // namespace formulacompiler
