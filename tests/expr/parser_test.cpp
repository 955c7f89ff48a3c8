#include "expr/odz.h"
#include "expr/parser.h"
#include <QStringList>
#include <gtest/gtest.h>
#include <cmath>
#include <map>
#include <random>

using namespace expr;

namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;

// A parameter owner with names and values kept in step.
class Params : public TParamOwner {
public:
    Params(std::initializer_list<std::pair<QString, long double>> params)
    {
        for (const auto& [name, value] : params) Add(name, value);
    }
    void Add(const QString& name, long double value)
    {
        m_names.append(name);
        m_values.push_back(value);
        ++m_version;
    }
    void Set(const QString& name, long double value) { m_values[size_t(m_names.indexOf(name))] = value; }
    void RemoveAll()
    {
        m_names.clear();
        m_values.clear();
        ++m_version;
    }
    int ParamIndex(QStringView name) const override
    {
        for (int i = 0; i < m_names.size(); ++i)
            if (name.compare(m_names[i], Qt::CaseInsensitive) == 0) return i;
        return -1;
    }
    std::span<const long double> ParamValues() const override { return m_values; }
    uint64_t ParamListVersion() const override { return m_version; }

private:
    QStringList m_names;
    std::vector<long double> m_values;
    uint64_t m_version = 0;
};

long double Eval(const QString& text, const TParamOwner* owner = nullptr)
{
    TshParser parser(owner);
    parser.Parse(text);
    return parser.Evaluate();
}

// The error an evaluation ends with; the fault is None when it gives a value.
EvalError ErrorOf(const QString& text, const TParamOwner* owner = nullptr)
{
    try {
        Eval(text, owner);
    } catch (const EvalError& error) {
        return error;
    }
    return EvalError(Fault::None, QString());
}

// Spells out a node for tree-shape checks: numbers and names as they are,
// everything else as text(left,right).
QString Shape(const TExprNode* node)
{
    if (!node->Left) return node->Text.toString();
    QString shape = node->Text.toString() + u'(' + Shape(node->Left);
    if (node->Right) shape += u',' + Shape(node->Right);
    return shape + u')';
}

QString ShapeOf(const QString& text)
{
    TshParser parser;
    parser.Parse(text);
    return Shape(parser.Root());
}

} // namespace

TEST(Parser, NumbersAcceptCommaOrPoint)
{
    EXPECT_EQ(Eval("2,5*2"), 5);
    EXPECT_EQ(Eval("2.5*2"), 5);
    EXPECT_EQ(Eval(" 1 2 , 5 "), 12.5L);  // blanks are removed first
    EXPECT_EQ(Eval("2,"), 2);
    EXPECT_EQ(ErrorOf("1,2,3").fault(), Fault::BadNumber);
    EXPECT_EQ(ErrorOf("1,2,3").message(), QStringLiteral("«1,2,3» не является числом"));
    EXPECT_EQ(ErrorOf("1" + QString(6000, u'0')).fault(), Fault::BadNumber);
    // The symbols of e and π are numbers.
    EXPECT_EQ(Eval(QStringLiteral("ж")), 2.71828182845905L);
    EXPECT_NEAR(double(Eval(QStringLiteral("sin(и)"))), 0.0, 1e-14);
    EXPECT_EQ(Eval(QStringLiteral("2*и")), 2 * 3.14159265358979L);
}

// A leading decimal separator belongs to its number: a pupil's ",5" is 0,5.
// A comma after ")" still separates the arguments of a two-argument function.
TEST(Parser, LeadingDecimalSeparator)
{
    const std::pair<const char*, long double> cases[] = {
        {",5", 0.5L},          {".5", 0.5L},          {"2*,5", 1},             {"2*.5", 1},
        {"(,25)", 0.25L},      {"-,5", -0.5L},        {"1-,5", 0.5L},          {"power_((4),,5)", 2},
        {"power_((2),3)", 8},  {"logn_((2),8)", 3},   {"division_((1),(,5))", 2}, {"power_((4),-,5)", 0.5L},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(Eval(text), value) << text;
    EXPECT_EQ(ErrorOf(",5,5").message(), QStringLiteral("«,5,5» не является числом"));
}

TEST(Parser, PrecedenceAndAssociativity)
{
    Params p{{"x", 2}, {"y", 3}, {"a", 5}, {"b", 4}, {"c", 8}};
    EXPECT_EQ(Eval("-x*y", &p), -6);
    EXPECT_EQ(Eval("-x+1", &p), -1);
    EXPECT_EQ(Eval("2-3-4"), -5);
    EXPECT_EQ(Eval("8/4/2"), 1);
    EXPECT_EQ(Eval("a/b*c", &p), 10);
    EXPECT_EQ(Eval("a-b+c", &p), 9);
    EXPECT_EQ(Eval("1+2*3-4/2"), 5);
    EXPECT_EQ(Eval("(1+2)*(3-4)/2"), -1.5L);
    EXPECT_EQ(Eval("x*(-y)", &p), -6);
    EXPECT_EQ(Eval("(+x)", &p), 2);
    EXPECT_EQ(ShapeOf("a-b-c"), QStringLiteral("-(-(a,b),c)"));
    EXPECT_EQ(ShapeOf("a-(b-c)"), QStringLiteral("-(a,-(b,c))"));
    EXPECT_EQ(ShapeOf("-x*y"), QStringLiteral("*(-(x),y)"));
    EXPECT_EQ(ShapeOf("a+b*c"), QStringLiteral("+(a,*(b,c))"));
    EXPECT_EQ(ShapeOf("sin(x)*2"), QStringLiteral("*(sin(x),2)"));
    EXPECT_EQ(ShapeOf("2*sin(x)"), QStringLiteral("*(2,sin(x))"));
    EXPECT_EQ(ShapeOf("-sin(x)"), QStringLiteral("-(sin(x))"));
    EXPECT_EQ(ShapeOf("sin(cos(x))+1"), QStringLiteral("+(sin(cos(x)),1)"));
    EXPECT_EQ(ShapeOf("POWER_((X),a+B)"), QStringLiteral("power_(x,+(a,b))"));
    EXPECT_EQ(ShapeOf("power_((2),-3)"), QStringLiteral("power_(2,-(3))"));
}

TEST(Parser, FunctionsOfTheLanguage)
{
    Params p{{"x", 0}};
    EXPECT_EQ(Eval("sin(x)+1", &p), 1);
    p.Set("x", kPi / 2);
    EXPECT_NEAR(double(Eval("2*sin(x)", &p)), 2.0, 1e-18);
    p.Set("x", -3);
    EXPECT_EQ(Eval("power_((x),2)", &p), 9);
    EXPECT_EQ(Eval("abs(x)", &p), 3);
    p.Set("x", 4);
    EXPECT_EQ(Eval("power_((x),0,5)", &p), 2);
    EXPECT_EQ(Eval("sqrt_(x)", &p), 2);
    EXPECT_EQ(Eval("DIVISION_((1),(x))", &p), 0.25L);
    p.Set("x", -4);
    EXPECT_EQ(ErrorOf("power_((x),0,5)", &p).message(), QStringLiteral("NotInODZ"));
    EXPECT_EQ(Eval("logN_((2),8)"), 3);
    EXPECT_NEAR(double(Eval("ln_(ж)")), 1.0, 1e-14);
    EXPECT_NEAR(double(Eval("tg(1)")), std::tan(1.0), 1e-15);
    EXPECT_NEAR(double(Eval("ctg(1)")), 1 / std::tan(1.0), 1e-15);
    EXPECT_NEAR(double(Eval("cos(1)")), std::cos(1.0), 1e-15);
    EXPECT_NEAR(double(Eval("arctg(1)*4")), double(kPi), 1e-15);
    EXPECT_NEAR(double(Eval("arcctg(0)*2")), double(kPi), 1e-15);
    EXPECT_NEAR(double(Eval("arcsin_(0,5)*6")), double(kPi), 1e-15);
    EXPECT_NEAR(double(Eval("arccos_(0,5)*3")), double(kPi), 1e-15);
    EXPECT_EQ(ErrorOf("arcsin_(2)").fault(), Fault::NotInODZ);
}

TEST(Parser, FaultsAndTheirOrder)
{
    Params p{{"x", 0}, {"y", 1}};
    EXPECT_EQ(ErrorOf("DIVISION_((1),(x))", &p).message(), QStringLiteral("NotInODZ"));
    EXPECT_EQ(ErrorOf("1/x", &p).fault(), Fault::ZeroDivide);
    EXPECT_EQ(ErrorOf("x/x", &p).fault(), Fault::InvalidOp);
    EXPECT_EQ(ErrorOf("power_((10),4000)*power_((10),1000)").fault(), Fault::Overflow);
    EXPECT_EQ(ErrorOf("k*x", &p).message(), QStringLiteral("Параметр k в списке не найден"));
    EXPECT_EQ(ErrorOf("K*x", &p).message(), QStringLiteral("Параметр k в списке не найден"));
    EXPECT_EQ(ErrorOf("x", nullptr).fault(), Fault::UnknownParameter);
    // The left operand is evaluated before the right one.
    EXPECT_EQ(ErrorOf("DIVISION_((1),(x))*k", &p).fault(), Fault::NotInODZ);
    EXPECT_EQ(ErrorOf("k*DIVISION_((1),(x))", &p).fault(), Fault::UnknownParameter);
    EXPECT_EQ(ErrorOf("1,2,3+1/x", &p).fault(), Fault::BadNumber);
    // "X" and "x" name the same parameter; a value that is no number never
    // comes out as one.
    p.Set("y", 7);
    EXPECT_EQ(Eval("X+Y", &p), 7);
    p.Set("y", NAN);
    EXPECT_EQ(ErrorOf("y*0", &p).fault(), Fault::InvalidOp);
    p.Set("y", INFINITY);
    EXPECT_EQ(ErrorOf("y", &p).fault(), Fault::Overflow);
}

TEST(Parser, MalformedTextsRaiseFromParse)
{
    const char* texts[] = {
        "", "   ", "(x", "((1)", "x)", "1)+(2", "x+", "*x", "2x", "x(2)", "x^2", "sin()", "power_(2)",
        "2*-3", "--1", "()", "x,,y", "1 + [2]", "a;b", "x()", "2()", "sin(x)()", "(x)()", "(())", "1+()",
        ",", "2*,", "x,5", ",,5", "(1),,",
    };
    Params p{{"x", 1}, {"y", 1}, {"a", 1}, {"b", 1}};
    for (const char* text : texts) {
        TshParser parser(&p);
        EXPECT_THROW(parser.Parse(QString::fromUtf8(text)), EvalError) << text;
        EXPECT_FALSE(parser.HasTree()) << text;
        Fault fault = Fault::None;
        EXPECT_FALSE(parser.TryEvaluate(&fault)) << text;
        EXPECT_EQ(fault, Fault::Syntax) << text;
        EXPECT_THROW(parser.Evaluate(), EvalError) << text;
    }
    EXPECT_EQ(ErrorOf(QStringLiteral("x^2"), &p).message(), QStringLiteral("Недопустимый символ «^» в выражении"));
    EXPECT_EQ(ErrorOf(QStringLiteral("x+ы"), &p).message(), QStringLiteral("Недопустимый символ «ы» в выражении"));
    EXPECT_EQ(ErrorOf(QStringLiteral("x()"), &p).message(), QStringLiteral("Пустые скобки в выражении"));
    EXPECT_EQ(ErrorOf(QStringLiteral("x,y"), &p).message(), QStringLiteral("Недопустимый символ «,» в выражении"));
    // A text that did not parse keeps its error for every evaluation.
    TshParser parser(&p);
    EXPECT_THROW(parser.Parse(QStringLiteral("x^2")), EvalError);
    for (int i = 0; i < 2; ++i) {
        try {
            parser.Evaluate();
            ADD_FAILURE() << "no error";
        } catch (const EvalError& error) {
            EXPECT_EQ(error.message(), QStringLiteral("Недопустимый символ «^» в выражении"));
        }
    }
}

TEST(Parser, StacksHoldAtMost255Entries)
{
    const QString deep = QString(254, u'(') + u'1' + QString(254, u')');
    EXPECT_EQ(Eval(deep), 1);
    const QString tooDeep = QString(256, u'(') + u'1' + QString(256, u')');
    EXPECT_EQ(ErrorOf(tooDeep).message(), QStringLiteral("Слишком сложное выражение"));
    // Right-nested sums keep every left operand and operator waiting.
    QString nested;
    for (int i = 0; i < 300; ++i) nested += QStringLiteral("1+(");
    nested += u'1' + QString(300, u')');
    EXPECT_EQ(ErrorOf(nested).fault(), Fault::Syntax);
    // A long flat sum needs two entries at a time and is read to its end.
    QString sum = QStringLiteral("1");
    for (int i = 0; i < 1000; ++i) sum += QStringLiteral("+1");
    EXPECT_EQ(Eval(sum), 1001);
}

TEST(Parser, ReparsingAndChangedParameterLists)
{
    Params p{{"x", 2}};
    TshParser parser(&p);
    parser.Parse("x*10");
    EXPECT_EQ(parser.Evaluate(), 20);
    p.Set("x", 3);
    EXPECT_EQ(parser.Evaluate(), 30);
    // The list changed after parsing: names are looked up again.
    p.RemoveAll();
    p.Add("a", 1);
    p.Add("x", 5);
    EXPECT_EQ(parser.Evaluate(), 50);
    p.RemoveAll();
    EXPECT_THROW(parser.Evaluate(), EvalError);
    parser.Parse("7");
    EXPECT_EQ(parser.Evaluate(), 7);
    EXPECT_EQ(parser.TryEvaluate(), 7);
}

TEST(Lexer, TokensOfAPreparedText)
{
    const QString text = PrepareExpression(QStringLiteral("Power_((-X), 2.5)-y1 /z_2"));
    EXPECT_EQ(text, QStringLiteral("power_((-x),2,5)-y1/z_2"));
    QStringList tokens;
    qsizetype pos = 0;
    TLexema lexema;
    while (NextLexema(text, pos, lexema)) tokens << QString::number(lexema.Kind) + lexema.Text.toString();
    EXPECT_EQ(tokens, (QStringList{"4power_", "5(", "5(", "3-", "1x", "6)", "02,5", "6)", "2-", "1y1", "2/", "1z_2"}))
        << tokens.join(u' ').toStdString();
    // The separating comma after ")" is skipped once; a sign after it is a sign.
    pos = 1;
    const QString second = QStringLiteral("),-3");
    ASSERT_TRUE(NextLexema(second, pos, lexema));
    EXPECT_EQ(lexema.Kind, lkUnary);
    // Anywhere else a comma before a digit starts a number; a lone one is a
    // stray character.
    pos = 0;
    ASSERT_TRUE(NextLexema(QStringLiteral(",5"), pos, lexema));
    EXPECT_EQ(lexema.Kind, lkNumber);
    EXPECT_EQ(lexema.Text, u",5");
    pos = 1;
    ASSERT_TRUE(NextLexema(QStringLiteral("x,y"), pos, lexema));
    EXPECT_TRUE(lexema.Text.isEmpty());
    EXPECT_EQ(pos, 1);
    // A character that starts no token gives an empty name and stays put.
    pos = 1;
    ASSERT_TRUE(NextLexema(QStringLiteral("x^2"), pos, lexema));
    EXPECT_EQ(lexema.Kind, lkName);
    EXPECT_TRUE(lexema.Text.isEmpty());
    EXPECT_EQ(pos, 1);
}
