// The parser against a straightforward recursive evaluator of randomly built
// expression trees: each tree is written out as text with only the
// parentheses its structure needs (plus some redundant ones, blanks and
// upper-case letters), parsed, evaluated and compared with the tree's own
// value or fault.
#include "expr/odz.h"
#include "expr/parser.h"
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>
#include <random>

using namespace expr;

namespace {

struct Value {
    Fault fault = Fault::None;
    long double value = 0;
};

class Owner : public TParamOwner {
public:
    QStringList names{"x", "y", "alpha"};
    std::vector<long double> values{0, 0, 0};
    int ParamIndex(QStringView name) const override { return int(names.indexOf(name.toString())); }
    std::span<const long double> ParamValues() const override { return values; }
    uint64_t ParamListVersion() const override { return 1; }
};

struct Node {
    enum Type { Number, Name, Binary, Sign, Function1, Function2 } type = Number;
    QString text;  // number text, name, operator or function name
    std::unique_ptr<Node> a, b;
};

class Generator {
public:
    explicit Generator(uint32_t seed) : m_rng(seed) {}

    std::unique_ptr<Node> Make(int depth)
    {
        auto node = std::make_unique<Node>();
        const int choice = depth <= 0 ? Pick(2) : Pick(10);
        static const char* numbers[] = {"0", "1", "2", "3", "0,5", "2.5", "10", "0,25", "100", "7", "0.001"};
        static const char* names[] = {"x", "y", "alpha", "X", "Alpha"};
        static const char* ops[] = {"+", "-", "*", "/"};
        static const char* unary[] = {"sin", "cos", "ln_", "sqrt_", "abs", "tg", "ctg", "arctg", "arcctg",
                                      "arcsin_", "arccos_", "SIN", "Sqrt_"};
        static const char* binary[] = {"power_", "division_", "logn_", "DIVISION_", "logN_"};
        switch (choice) {
        case 0: node->type = Node::Number; node->text = numbers[Pick(std::size(numbers))]; break;
        case 1: node->type = Node::Name; node->text = names[Pick(std::size(names))]; break;
        case 2:
        case 3:
        case 4:
        case 5: node->type = Node::Binary; node->text = ops[Pick(4)]; break;
        case 6: node->type = Node::Sign; node->text = Pick(4) == 0 ? "+" : "-"; break;
        case 7:
        case 8: node->type = Node::Function1; node->text = unary[Pick(std::size(unary))]; break;
        default: node->type = Node::Function2; node->text = binary[Pick(std::size(binary))]; break;
        }
        if (node->type >= Node::Binary) node->a = Make(depth - 1);
        if (node->type == Node::Binary || node->type == Node::Function2) node->b = Make(depth - 1);
        return node;
    }

    // Writes the node; returns its binding strength (3 for anything that is
    // one operand, else the operator's priority).
    int Write(const Node& node, QString& out)
    {
        switch (node.type) {
        case Node::Number:
        case Node::Name: out += node.text; return 3;
        case Node::Sign: {
            // A sign is recognised only after "(" (or first), and binds tighter
            // than any binary operator.
            out += u'(' + node.text;
            WriteOperand(*node.a, 3, out);
            out += u')';
            return 3;
        }
        case Node::Function1:
            out += node.text + u'(';
            WriteOperand(*node.a, 0, out);
            out += u')';
            return 3;
        case Node::Function2:
            out += node.text + QStringLiteral("((");
            WriteOperand(*node.a, 0, out);
            out += QStringLiteral("),");
            WriteOperand(*node.b, 0, out);
            out += u')';
            return 3;
        case Node::Binary: {
            const int priority = (node.text == u"*" || node.text == u"/") ? 2 : 1;
            WriteOperand(*node.a, priority, out);
            out += node.text;
            WriteOperand(*node.b, priority + 1, out);
            return priority;
        }
        }
        return 3;
    }

    uint32_t Pick(size_t n) { return uint32_t(m_rng() % n); }

private:
    // Parentheses when the operand binds weaker than needed, and now and then
    // when it does not.
    void WriteOperand(const Node& node, int needed, QString& out)
    {
        QString text;
        const int strength = Write(node, text);
        if (strength < needed || Pick(10) == 0) text = u'(' + text + u')';
        if (Pick(8) == 0) text = u' ' + text + u' ';
        out += text;
    }

    std::mt19937 m_rng;
};

Value Evaluate(const Node& node, const Owner& owner)
{
    Value r;
    switch (node.type) {
    case Node::Number: {
        QString text = node.text;
        text.replace(u',', u'.');
        r.value = std::strtold(text.toLatin1().constData(), nullptr);
        return r;
    }
    case Node::Name: r.value = owner.values[size_t(owner.names.indexOf(node.text.toLower()))]; return r;
    default: break;
    }
    const Value a = Evaluate(*node.a, owner);
    if (a.fault != Fault::None) return a;
    Value b;
    if (node.b) {
        b = Evaluate(*node.b, owner);
        if (b.fault != Fault::None) return b;
    }
    const QString name = node.text.toLower();
    long double& v = r.value;
    if (node.type == Node::Sign) v = name == u"-" ? -a.value : a.value;
    else if (name == u"+") r.fault = odz::Finite(a.value + b.value, v);
    else if (name == u"-") r.fault = odz::Finite(a.value - b.value, v);
    else if (name == u"*") r.fault = odz::Finite(a.value * b.value, v);
    else if (name == u"/") {
        if (b.value == 0) r.fault = a.value == 0 ? Fault::InvalidOp : Fault::ZeroDivide;
        else r.fault = odz::Finite(a.value / b.value, v);
    }
    else if (name == u"sin") v = x87::Sin(a.value);
    else if (name == u"cos") v = x87::Cos(a.value);
    else if (name == u"abs") v = fabsl(a.value);
    else if (name == u"arctg") v = odz::ArcTg(a.value);
    else if (name == u"arcctg") v = odz::ArcCtg(a.value);
    else if (name == u"ln_") r.fault = odz::Ln(a.value, v);
    else if (name == u"sqrt_") r.fault = odz::Sqrt(a.value, v);
    else if (name == u"tg") r.fault = odz::Tg(a.value, v);
    else if (name == u"ctg") r.fault = odz::Ctg(a.value, v);
    else if (name == u"arcsin_") r.fault = odz::ArcSin(a.value, v);
    else if (name == u"arccos_") r.fault = odz::ArcCos(a.value, v);
    else if (name == u"power_") r.fault = odz::Power(a.value, b.value, v);
    else if (name == u"division_") r.fault = odz::Divide(a.value, b.value, v);
    else if (name == u"logn_") r.fault = odz::LogN(a.value, b.value, v);
    else ADD_FAILURE() << "unknown node " << name.toStdString();
    return r;
}

} // namespace

TEST(ParserAgainstTrees, RandomExpressionsAgreeWithTheirTrees)
{
    Generator generator(20240601);
    Owner owner;
    TshParser parser(&owner);
    int values = 0;
    for (int i = 0; i < 4000; ++i) {
        const auto tree = generator.Make(1 + int(generator.Pick(6)));
        QString text;
        generator.Write(*tree, text);
        ASSERT_NO_THROW(parser.Parse(text)) << text.toStdString();
        for (int round = 0; round < 3; ++round) {
            for (long double& v : owner.values) v = (long double)(int(generator.Pick(13)) - 6) / 2;
            const Value expected = Evaluate(*tree, owner);
            Fault fault = Fault::None;
            const std::optional<long double> got = parser.TryEvaluate(&fault);
            ASSERT_EQ(fault, expected.fault) << text.toStdString();
            if (expected.fault == Fault::None) {
                ++values;
                ASSERT_EQ(*got, expected.value) << text.toStdString();
            }
        }
    }
    // Most expressions must have a value, or the comparison proves little.
    EXPECT_GT(values, 4000);
}
