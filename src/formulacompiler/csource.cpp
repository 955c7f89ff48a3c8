#include "formulacompiler/csource.h"
#include "formulacompiler/hostmath.h"
#include "expr/odz.h"
#include <algorithm>
#include <bit>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <set>

namespace formulacompiler {
namespace {

using expr::TExprNode;

// Raised inside the writer when a node has no compiled form.
struct NoCode {};

// How far a value in double may be from the core's value of the same node.
// The order matters: an operation's result is as far off as its farthest operand.
enum class Trust {
    Exact,    // a parameter, a number double holds, their negation or magnitude
    Rounded,  // arithmetic on such values: the core's value unless an operation rounded
    Approximate,  // from an elementary function or a number double does not hold
};

Trust Worst(Trust a, Trust b) { return std::max(a, b); }

// The status a failing test reports, by what it tested. In extended
// precision every number and every arithmetic step is the core's own.
int FailStatus(Trust trust, bool extended)
{
    switch (trust) {
    case Trust::Exact: return status::kNoValue;
    case Trust::Rounded: return extended ? status::kNoValue : status::kCheckInExtendedPrecision;
    default: return status::kUndecided;
    }
}

// A value of the written code: a C expression, or a name that holds one.
struct Value {
    std::string text;
    Trust trust;
    bool varies;  // reads the row's variable (only in forms with a row)
};

// Where the code of a form goes when a test fails: the C statement for a
// status given as C text.
using FailWriter = std::function<std::string(const std::string& status)>;

struct Form {
    bool split;  // what does not depend on the row's variable goes to a prelude
    bool extended;  // in long double, numbers from K: the check of csource.h
    std::string rowValue;  // C text of the row's variable, read in the body
    FailWriter bodyFail;
    FailWriter preludeFail;
};

// Values that need no test in between are written as one nested C
// expression, which the compiler keeps in registers; a value that is tested,
// used twice or passed by address goes to a temporary first. The tests are
// written in the order the expression core evaluates (left operand before
// right), and the nested parts have no effects, so the first test that fails
// is the one the core's evaluation would reach first; in a split form the
// prelude's tests come first, which changes only which test reports a point
// that has no value either way.
class Writer {
public:
    Writer(const expr::ParsedExpression& expression, const expr::Slots& binding, Form form)
        : m_expression(expression), m_binding(binding), m_form(std::move(form))
    {
        m_constants.push_back(DomainThreshold());  // hostmath.h
        m_extendedConstants.push_back(expr::ODZ_EPS);
        for (int status = status::kNoValue; status <= status::kUndecided; ++status) {
            m_constants.push_back(std::bit_cast<double>(kQuietNaNBits | uint64_t(status)));
            m_extendedConstants.push_back(m_constants.back());
        }
    }

    // The statements computing the value, and the name that holds it then.
    struct Body {
        std::string prelude;  // of a split form: what does not depend on the row's variable
        std::string statements;
        std::string result;
        std::vector<double> constants;
        std::vector<long double> extendedConstants;  // the same numbers as the core holds them
        std::vector<std::string> preludeTemporaries;  // declared in the prelude, used after it
        std::vector<int> preludeParameters;           // the slots the prelude reads
    };

    Body Write()
    {
        const Value result = Materialize(Node(m_expression.Root()));
        CheckFinite(result);
        // The parameters are read into locals first: the compiler then finds
        // each in one load from its frame. The core takes no infinite or
        // undefined parameter: those the prelude reads are tested there, once
        // per row or per change; the body's pass through + - * and the
        // functions that keep them and are tested only where an operation
        // could swallow them, as computed values are.
        std::string preludeReads, bodyReads;
        std::vector<int> preludeParameters;
        for (const int slot : m_parameters) {
            const std::string name = ParameterName(slot);
            if (InBody(IsRowVariable(slot))) {
                const std::string source = IsRowVariable(slot) ? m_form.rowValue : "v[" + std::to_string(slot) + "]";
                bodyReads += Type() + " " + name + " = " + source + ";\n";
                continue;
            }
            preludeReads += "double " + name + " = v[" + std::to_string(slot) + "];\nif (!(" + name + " - " + name +
                            " == 0)) " + m_form.preludeFail(std::to_string(status::kNoValue)) + "\n";
            preludeParameters.push_back(slot);
        }
        std::string bodyParametersFinite;
        for (const int slot : m_parameters) {
            if (!InBody(IsRowVariable(slot))) continue;
            const std::string name = ParameterName(slot);
            bodyParametersFinite += (bodyParametersFinite.empty() ? "" : " && ") + name + " - " + name + " == 0";
        }
        if (bodyParametersFinite.empty()) bodyParametersFinite = "1";
        for (size_t at = m_body.find(kBodyParametersFinite); at != std::string::npos;
             at = m_body.find(kBodyParametersFinite, at + bodyParametersFinite.size()))
            m_body.replace(at, 1, bodyParametersFinite);
        m_prelude.insert(0, preludeReads);
        m_body.insert(0, bodyReads);
        return {std::move(m_prelude), std::move(m_body), result.text, std::move(m_constants), std::move(m_extendedConstants),
                std::move(m_preludeTemporaries), std::move(preludeParameters)};
    }

    static constexpr uint64_t kQuietNaNBits = 0x7ff8000000000000ull;

private:
    static std::string ParameterName(int slot) { return "p" + std::to_string(slot); }

    bool IsRowVariable(int slot) const { return m_form.split && slot == kRowSlot; }

    std::string Type() const { return m_form.extended ? "long double" : "double"; }
    std::string Threshold() const { return m_form.extended ? "K[0]" : "k[0]"; }
    int StatusOf(Trust trust) const { return FailStatus(trust, m_form.extended); }

    // Whether a statement over this value goes into every point's body or,
    // in a split form, into the prelude.
    bool InBody(bool varies) const { return !m_form.split || varies; }

    void FailIf(const std::string& condition, bool varies, const std::string& status)
    {
        if (!InBody(varies)) {
            m_prelude += "if (" + condition + ") " + m_form.preludeFail(status) + "\n";
            return;
        }
        // The body's parameters are not tested where they are read: a point
        // that fails with one of them infinite or undefined has no value
        // for certain, whatever else the failing test saw.
        const std::string certainIfGivenFinite = "(" + std::string(1, kBodyParametersFinite) + " ? " + status + " : " +
                                                 std::to_string(status::kNoValue) + ")";
        m_body += "if (" + condition + ") " +
                  m_form.bodyFail(status == std::to_string(status::kNoValue) ? status : certainIfGivenFinite) + "\n";
    }

    // Stands in the body for the test that its parameters are finite, which
    // is known only when the whole body is written.
    static constexpr char kBodyParametersFinite = '@';

    void FailIf(const std::string& condition, const Value& tested)
    {
        FailIf(condition, tested.varies, std::to_string(StatusOf(tested.trust)));
    }

    std::string NewTemporary(bool varies)
    {
        std::string name = "t" + std::to_string(m_temps++);
        if (!InBody(varies)) m_preludeTemporaries.push_back(name);
        return name;
    }

    // A new temporary holding the value.
    Value Define(const Value& value)
    {
        const std::string name = NewTemporary(value.varies);
        (InBody(value.varies) ? m_body : m_prelude) += Type() + " " + name + " = " + value.text + ";\n";
        return {name, value.trust, value.varies};
    }

    // A name for value: itself when it is one already (a temporary, a
    // parameter, a number), a new temporary otherwise.
    Value Materialize(const Value& value)
    {
        return value.text.front() == '(' || value.text.back() == ')' ? Define(value) : value;
    }

    // x - x is 0 for every finite x and undefined for infinities and
    // undefined values. A name found finite once (a number, a tested
    // parameter or temporary) is not tested again.
    void CheckFinite(const Value& value)
    {
        if (!m_finite.insert(value.text).second) return;
        FailIf("!(" + value.text + " - " + value.text + " == 0)", value);
    }

    // The expression core rejects arguments below the threshold k[0].
    void CheckAtLeastThreshold(const Value& value) { FailIf("!(" + value.text + " >= " + Threshold() + ")", value); }

    // A number beyond the range of double becomes an infinity here, which
    // the tests then find (the expression core decides such points).
    Value Constant(long double value)
    {
        m_constants.push_back(double(value));
        m_extendedConstants.push_back(value);
        const double written = m_constants.back();
        std::string name = (m_form.extended ? "K[" : "k[") + std::to_string(m_constants.size() - 1) + "]";
        const bool held = m_form.extended ? std::isfinite(value)
                                          : std::isfinite(written) && static_cast<long double>(written) == value;
        if (held) m_finite.insert(name);
        m_known.emplace(name, value);
        return {name, held ? Trust::Exact : Trust::Approximate, false};
    }

    // The value of a name that stands for a number of the formula, or of
    // arithmetic on such numbers done here.
    std::optional<long double> Known(const Value& value) const
    {
        const auto found = m_known.find(value.text);
        if (found == m_known.end()) return std::nullopt;
        return found->second;
    }

    // Arithmetic on two numbers is done once, here, in the extended
    // precision and order of the expression core; a step the core finds
    // faulty (a zero divisor, a result beyond range) is left to the code,
    // whose tests then find it at run time.
    std::optional<Value> Folded(char16_t operation, long double left, long double right)
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
    std::optional<Value> ReciprocalOfPowerOfTwo(const Value& divisor)
    {
        const std::optional<long double> value = Known(divisor);
        if (!value) return std::nullopt;
        const double rounded = double(*value);
        int exponent = 0;
        if (static_cast<long double>(rounded) != *value || std::fabs(std::frexp(rounded, &exponent)) != 0.5)
            return std::nullopt;
        const double reciprocal = 1.0 / rounded;
        if (!std::isnormal(reciprocal)) return std::nullopt;
        return Constant(reciprocal);
    }

    static Value Arithmetic(const Value& left, const char* operation, const Value& right)
    {
        return {"(" + left.text + " " + operation + " " + right.text + ")",
                Worst(Trust::Rounded, Worst(left.trust, right.trust)), left.varies || right.varies};
    }

    static Value Call(const char* function, const Value& argument, Trust trust)
    {
        return {std::string(function) + "(" + argument.text + ")", Worst(trust, argument.trust), argument.varies};
    }

    // Deeper trees are left to the expression core, whose evaluation does
    // not recurse: the writer and the C compiler both do.
    static constexpr int kMaxDepth = 200;

    Value Node(const TExprNode* node)
    {
        if (++m_depth > kMaxDepth) throw NoCode{};
        Value value = NodeValue(node);
        --m_depth;
        return value;
    }

    Value NodeValue(const TExprNode* node)
    {
        switch (node->Kind) {
        case expr::lkNumber: return Constant(NumberOf(node));
        case expr::lkName: {
            const int slot = SlotOf(node);
            m_parameters.insert(slot);
            const std::string name = ParameterName(slot);
            const bool varies = IsRowVariable(slot);
            if (!InBody(varies)) m_finite.insert(name);  // tested where the prelude reads it
            return {name, Trust::Exact, varies};
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

    Value Operator(const TExprNode* node)
    {
        if (!node->Left || !node->Right || node->Text.size() != 1) throw NoCode{};
        const Value left = Node(node->Left);
        const Value right = Node(node->Right);
        const char16_t operation = node->Text.front().unicode();
        const std::optional<long double> leftValue = Known(left), rightValue = Known(right);
        if (leftValue && rightValue && IsArithmetic(operation)) {
            if (std::optional<Value> folded = Folded(operation, *leftValue, *rightValue)) return *folded;
        }
        switch (operation) {
        case u'+': return Arithmetic(left, "+", right);
        case u'-': return Arithmetic(left, "-", right);
        case u'*': return Arithmetic(left, "*", right);
        case u'/': {
            if (const std::optional<Value> reciprocal = ReciprocalOfPowerOfTwo(right))
                return Arithmetic(left, "*", *reciprocal);
            // The core refuses a zero divisor; an infinite one would give 0.
            const Value divisor = Materialize(right);
            CheckFinite(divisor);
            FailIf(divisor.text + " == 0", divisor);
            return Arithmetic(left, "/", divisor);
        }
        default: throw NoCode{};
        }
    }

    static bool IsArithmetic(char16_t operation)
    {
        return operation == u'+' || operation == u'-' || operation == u'*' || operation == u'/';
    }

    // A host function that can fail: its value goes to a new temporary. The
    // host's kOutsideDomain is decided by the arguments, whose trust it
    // takes; any other failure is left to the core.
    Value CallChecked(const char* function, const std::vector<Value>& arguments)
    {
        std::string text;
        Trust trust = Trust::Exact;
        bool varies = false;
        for (const Value& argument : arguments) {
            text += (text.empty() ? "" : ", ") + argument.text;
            trust = Worst(trust, argument.trust);
            varies = varies || argument.varies;
        }
        const std::string name = NewTemporary(varies);
        // The host works in double even in extended precision, where the
        // domain was tested before the call (ExtendedDomainTest).
        (InBody(varies) ? m_body : m_prelude) += "double " + name + ";\n";
        const std::string status = m_form.extended ? std::to_string(status::kUndecided)
                                                   : "(s == " + std::to_string(hoststatus::kOutsideDomain) + " ? " +
                                                         std::to_string(StatusOf(trust)) + " : " +
                                                         std::to_string(status::kUndecided) + ")";
        FailIf("(s = " + std::string(function) + "(" + text + ", &" + name + ")) != 0", varies, status);
        return {name, Trust::Approximate, varies};
    }

    // In extended precision the domain rule of a host function is tested
    // here, on the core's own values, by the core's rule: condition over
    // the arguments' names, which it returns.
    std::vector<Value> ExtendedDomainTest(std::vector<Value> arguments,
                                          const std::function<std::string(const std::vector<std::string>&)>& outside)
    {
        if (!m_form.extended) return arguments;
        Trust trust = Trust::Exact;
        bool varies = false;
        std::vector<std::string> names;
        for (Value& argument : arguments) {
            argument = Materialize(argument);
            names.push_back(argument.text);
            trust = Worst(trust, argument.trust);
            varies = varies || argument.varies;
        }
        FailIf(outside(names), varies, std::to_string(StatusOf(trust)));
        return arguments;
    }

    Value Unary(const TExprNode* node)
    {
        if (!node->Left || node->Right) throw NoCode{};
        const QStringView name = node->Text;
        const Value argument = Node(node->Left);
        if (name == u"-") {
            if (const std::optional<long double> value = Known(argument)) return Constant(-*value);
            return {"(-" + argument.text + ")", argument.trust, argument.varies};
        }
        if (name == u"+") return argument;
        if (name == u"abs") {
            const Value value = Materialize(argument);
            return {"(" + value.text + " < 0 ? -" + value.text + " : " + value.text + ")", value.trust, value.varies};
        }
        if (name == u"sin") return Call(host::Sin, argument, Trust::Approximate);
        if (name == u"cos") return Call(host::Cos, argument, Trust::Approximate);
        if (name == u"sqrt_" || name == u"ln_") {
            const Value value = Materialize(argument);
            CheckAtLeastThreshold(value);
            // A square root is rounded once, in double as in extended precision.
            if (name == u"ln_") return Call(host::Ln, value, Trust::Approximate);
            return Call(m_form.extended ? host::SqrtExtended : host::Sqrt, value, Trust::Rounded);
        }
        if (name == u"arctg" || name == u"arcctg") {
            const Value value = Materialize(argument);
            CheckFinite(value);  // the arctangent of an infinity is finite
            return Call(name == u"arctg" ? host::ArcTg : host::ArcCtg, value, Trust::Approximate);
        }
        if (name == u"tg") return CallChecked(host::Tg, {argument});
        if (name == u"ctg") return CallChecked(host::Ctg, {argument});
        if (name == u"arcsin_" || name == u"arccos_") {
            const auto outside = [](const std::vector<std::string>& x) { return x[0] + " < -1 || " + x[0] + " > 1"; };
            return CallChecked(name == u"arcsin_" ? host::ArcSin : host::ArcCos, ExtendedDomainTest({argument}, outside));
        }
        throw NoCode{};
    }

    Value BinaryFunction(const TExprNode* node)
    {
        if (!node->Left || !node->Right) throw NoCode{};
        const QStringView name = node->Text;
        if (name == u"power_") return Power(node);
        const Value left = Node(node->Left);
        const Value right = Node(node->Right);
        if (name == u"division_") {
            const Value divisor = Materialize(right);
            CheckFinite(divisor);
            FailIf(divisor.text + " < " + Threshold() + " && " + divisor.text + " > -" + Threshold(), divisor);
            return Arithmetic(left, "/", divisor);
        }
        if (name == u"logn_") {
            const auto outside = [this](const std::vector<std::string>& a) {
                return a[1] + " < " + Threshold() + " || " + a[0] + " <= 0 || " + a[0] + " == 1";
            };
            return CallChecked(host::LogN, ExtendedDomainTest({left, right}, outside));
        }
        throw NoCode{};
    }

    // A whole number written as the exponent is multiplied out here, in the
    // order the expression core multiplies; any other exponent goes to the host.
    Value Power(const TExprNode* node)
    {
        const Value base = Node(node->Left);
        const std::optional<int32_t> whole = WholeExponent(node->Right);
        if (!whole) {
            // The core's order: a zero exponent, a zero base, a whole
            // exponent, a positive base; nothing else has a value.
            const auto outside = [](const std::vector<std::string>& a) {
                const std::string& b = a[0];
                const std::string& e = a[1];
                return "!(" + e + " == 0) && !(" + b + " == 0 && " + e + " > 0) && !(" + e + " >= -2147483647 && " + e +
                       " <= 2147483647 && (long double)(int)" + e + " == " + e + ") && !(" + b + " > 0)";
            };
            return CallChecked(host::Power, ExtendedDomainTest({base, Node(node->Right)}, outside));
        }
        const Value square0 = Materialize(base);
        if (*whole == 0) {
            CheckFinite(square0);  // a power 0 would hide an infinite base
            m_finite.insert("1.0");
            return {"1.0", Trust::Exact, false};
        }
        uint32_t n = *whole < 0 ? 0u - uint32_t(*whole) : uint32_t(*whole);
        std::optional<Value> value;
        Value square = square0;
        while (true) {
            if (n & 1u) value = value ? Arithmetic(*value, "*", square) : square;
            n >>= 1;
            if (n == 0) break;
            // A square used once more stays nested in the expression; one
            // that is squared again goes to a temporary.
            const Value squared = Arithmetic(square, "*", square);
            square = n > 1 ? Define(squared) : squared;
        }
        if (*whole > 0) return *value;
        value = Materialize(*value);
        FailIf("!(" + value->text + " - " + value->text + " == 0) || " + value->text + " == 0", *value);
        return {"(1 / " + value->text + ")", Worst(Trust::Rounded, value->trust), value->varies};
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
    const Form m_form;
    std::string m_prelude;
    std::string m_body;
    std::set<int> m_parameters;  // slots read
    std::vector<double> m_constants;
    std::vector<long double> m_extendedConstants;
    std::vector<std::string> m_preludeTemporaries;
    std::map<std::string, long double> m_known;
    std::set<std::string> m_finite;
    int m_temps = 0;
    int m_depth = 0;
};

const std::string kSignatureOfPoint = "(const double* v, const double* k, double* r, double* m)";

// A single point, everything in one body.
std::string PointForm(const Writer::Body& body, int number)
{
    return "int " + FunctionName(number) + kSignatureOfPoint + " {\nint s;\n" + body.statements + "*r = " +
           body.result + "; return 0;\n}\n";
}

std::string MemoHelperName(int number) { return "q" + std::to_string(number); }

// Where C text uses the name as a word of its own, from position from on.
size_t FindName(const std::string& text, const std::string& name, size_t from = 0)
{
    const auto isWordCharacter = [](char ch) { return std::isalnum(static_cast<unsigned char>(ch)) || ch == '_'; };
    for (size_t at = text.find(name, from); at != std::string::npos; at = text.find(name, at + 1)) {
        const size_t end = at + name.size();
        if ((at == 0 || !isWordCharacter(text[at - 1])) && (end == text.size() || !isWordCharacter(text[end])))
            return at;
    }
    return std::string::npos;
}

bool UsesName(const std::string& text, const std::string& name) { return FindName(text, name) != std::string::npos; }

void ReplaceName(std::string& text, const std::string& name, const std::string& replacement)
{
    for (size_t at = FindName(text, name); at != std::string::npos; at = FindName(text, name, at + replacement.size()))
        text.replace(at, name.size(), replacement);
}

// A single point whose other variables' part is kept in the memo m: m[0]
// is that part's status (below 0 before it was computed), then the bits of
// the variables it read, then the temporaries it leaves to the body. While
// the bits are the same and the part has a value, the call goes straight to
// the body.
std::string MemoPointForm(const Writer::Body& body, int number, int& memoSize)
{
    const int firstTemporary = 1 + int(body.preludeParameters.size());
    memoSize = firstTemporary + int(body.preludeTemporaries.size());
    const std::string used = body.statements + body.result;
    std::string keep, changed, reads;
    for (size_t j = 0; j < body.preludeParameters.size(); ++j) {
        const std::string slot = std::to_string(body.preludeParameters[j]);
        const std::string key = std::to_string(1 + j);
        keep += "((long long*)m)[" + key + "] = ((const long long*)v)[" + slot + "];\n";
        changed += " || ((const long long*)v)[" + slot + "] != ((const long long*)m)[" + key + "]";
        const std::string name = "p" + slot;
        if (UsesName(used, name)) reads += "double " + name + " = v[" + slot + "];\n";
    }
    // The body reads a kept temporary from the memo where it uses it: one
    // load, where a local would cost a load, a store and a load again.
    std::string store, statements = body.statements, result = body.result;
    for (size_t j = 0; j < body.preludeTemporaries.size(); ++j) {
        const std::string& name = body.preludeTemporaries[j];
        const std::string at = "m[" + std::to_string(firstTemporary + int(j)) + "]";
        store += at + " = " + name + ";\n";
        ReplaceName(statements, name, at);
        ReplaceName(result, name, at);
    }
    const std::string helper = MemoHelperName(number);
    const std::string stale = "m[0] < 0" + changed;
    return "static void " + helper + "(const double* v, const double* k, double* m) {\nint s;\n" + keep +
           body.prelude + store + "m[0] = 0;\n}\n" + "int " + FunctionName(number) + kSignatureOfPoint +
           " {\nint s;\nif (m[0] != 0" + changed + ") {\nif (" + stale + ") " + helper +
           "(v, k, m);\nif (m[0] != 0) return (int)m[0];\n}\n" + reads + statements + "*r = " + result +
           "; return 0;\n}\n";
}

std::string RowForm(const Writer::Body& body, int number)
{
    return "void " + RowFunctionName(number) +
           "(const double* v, const double* k, const double* c, int n, double* r) {\nint i;\nint s;\n" +
           body.prelude + "for (i = 0; i < n; ++i) {\n" + body.statements + "r[i] = " + body.result + ";\n}\n}\n";
}

std::string Return(const std::string& status) { return "return " + status + ";"; }

} // namespace

std::string FunctionName(int number) { return "f" + std::to_string(number); }

std::string RowFunctionName(int number) { return "g" + std::to_string(number); }

std::string ExtendedFunctionName(int number) { return "e" + std::to_string(number); }

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
        FunctionSource source;
        // The point form keeps its other variables' part only where that
        // part computes something; reading and testing them costs less than
        // comparing them with the memo.
        const Writer::Body split = Writer(expression, binding,
                                          {true, false, "v[" + std::to_string(kRowSlot) + "]", Return,
                                           [](const std::string& status) { return "{ m[0] = " + status + "; return; }"; }})
                                       .Write();
        if (split.preludeTemporaries.empty()) {
            const Writer::Body whole = Writer(expression, binding, {false, false, {}, Return, Return}).Write();
            source.text = PointForm(whole, number);
        } else {
            source.text = MemoPointForm(split, number, source.memoSize);
        }
        // The row form writes the mark of no value and goes on with the next
        // point; where what the points share has no value, none has one.
        const Writer::Body row =
            Writer(expression, binding,
                   {true, false, "c[i]", [](const std::string& status) { return "{ r[i] = k[" + status + "]; continue; }"; },
                    [](const std::string& status) {
                        return "{ for (i = 0; i < n; ++i) r[i] = k[" + status + "]; return; }";
                    }})
                .Write();
        source.text += RowForm(row, number);
        const Writer::Body extended = Writer(expression, binding, {false, true, {}, Return, Return}).Write();
        source.text += "int " + ExtendedFunctionName(number) + "(const double* v, const long double* K) {\nint s;\n" +
                       extended.statements + "return 0;\n}\n";
        source.constants = std::move(row.constants);
        source.extendedConstants = std::move(row.extendedConstants);
        return source;
    } catch (const NoCode&) {
        return std::nullopt;
    }
}

} // namespace formulacompiler
