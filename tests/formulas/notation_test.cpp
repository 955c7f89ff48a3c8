#include "formulas/formula.h"
#include "formulatest.h"
#include <gtest/gtest.h>
#include <random>

using namespace formulas;

namespace {

QString ShapeOf(const QString& text)
{
    TFormula formula;
    formula.SetText(text);
    return TermShape(formula.Root());
}

QString WrittenBack(const QString& text)
{
    TFormula formula;
    formula.SetText(text);
    QString notation;
    formula.Root()->ToBracketText(notation);
    return notation;
}

} // namespace

TEST(NotationReader, GroupsBecomeElements)
{
    EXPECT_EQ(ShapeOf(""), "{}");
    EXPECT_EQ(ShapeOf("[]"), "{}");
    EXPECT_EQ(ShapeOf("x+1"), "{}");  // bytes outside groups are ignored
    EXPECT_EQ(ShapeOf("[    y]"), "{}");
    EXPECT_EQ(ShapeOf("[  y]"), "{'  y'}");
    EXPECT_EQ(ShapeOf("[f(x)+a]"), "{'f(x)+a'}");
    EXPECT_EQ(ShapeOf("[drob[sin(x)][cos(x)]]"), "{drob({'sin(x)'},{'cos(x)'})}");
    EXPECT_EQ(ShapeOf("[[modl[f(x)]]]"), "{{modl({'f(x)'})}}");
    EXPECT_EQ(ShapeOf("[[f(][modl[x]][)]]"), "{{'f(',modl({'x'}),')'}}");
    EXPECT_EQ(ShapeOf("[a][powr[x][2]][b]"), "{'a',powr({'x'},{'2'}),'b'}");
    EXPECT_EQ(ShapeOf("[sqrt[][x]]"), "{sqrt({},{'x'})}");
    EXPECT_EQ(ShapeOf("[vect[AB]][indx[a][1]]"), "{vect({'AB'}),indx({'a'},{'1'})}");
    EXPECT_EQ(ShapeOf("[loga[2][8]]"), "{loga({'2'},{'8'})}");
    EXPECT_EQ(ShapeOf(QStringLiteral("[и*r][x к 2]")), QStringLiteral("{'и*r','x к 2'}"));
}

TEST(NotationReader, NamedTermsTakeTheirArgumentsAsSpecified)
{
    // The name test looks at the first four bytes only.
    EXPECT_EQ(ShapeOf("[sqrt(x)]"), "{sqrt({},{})}");
    EXPECT_EQ(ShapeOf("[drobnik]"), "{drob({},{})}");
    EXPECT_EQ(ShapeOf("[DROB[a][b]]"), "{'DROB[a][b]'}");
    // The first argument is the first group, the second everything after it.
    EXPECT_EQ(ShapeOf("[drob[a][b][c]]"), "{drob({'a'},{'b','c'})}");
    EXPECT_EQ(WrittenBack("[drob[a][b][c]]"), "[drob[a][b][c]]");
    EXPECT_EQ(ShapeOf("[skob[a][b]]"), "{skob({'a','b'})}");
    EXPECT_EQ(ShapeOf("[intg[0][1][x]]"), "{intg({'0'},{'1'},{'x'})}");
    EXPECT_EQ(ShapeOf("[intg[0][1][x][dx]]"), "{intg({'0'},{'1'},{'x','dx'})}");
    EXPECT_EQ(ShapeOf("[intg[0]]"), "{intg({'0'},{},{})}");
    EXPECT_EQ(ShapeOf("[syst[[x+y=5]][[x-y=1]]]"), "{syst({'x+y=5'},{'x-y=1'})}");
    EXPECT_EQ(ShapeOf("[syst[[]][[]]]"), "{syst({},{})}");
    EXPECT_EQ(ShapeOf("[syst]"), "{syst()}");
    // Nothing checks what precedes the first group: X closes it at once.
    EXPECT_EQ(ShapeOf("[drobX[a][b]]"), "{drob({},{'a','b'})}");
}

TEST(NotationReader, UnbalancedTextsGiveWhatTheScanGives)
{
    EXPECT_EQ(ShapeOf("[a][b"), "{'a'}");  // an unfinished last group is dropped
    EXPECT_EQ(ShapeOf("[a]]x[b]"), "{'a','x'}");  // after a surplus "]" the bytes up to depth 0 are one group
    EXPECT_EQ(ShapeOf("]]][a]"), "{}");
    EXPECT_EQ(ShapeOf("[[a]x]"), "{{'a'}}");
    EXPECT_EQ(ShapeOf("[ab[c]d]"), "{'ab[c]d'}");
    EXPECT_EQ(WrittenBack("[ab[c]d]"), "[ab[c]d]");
    EXPECT_EQ(ShapeOf("[drob[a"), "{}");
    EXPECT_EQ(ShapeOf("[[drob[a]]]"), "{{drob({'a'},{})}}");
}

TEST(NotationWriter, WritesEveryKindAndReadsBackTheSameText)
{
    const char* texts[] = {
        "[]",
        "[x]",
        "[drob[sin(x)][cos(x)]]",
        "[[modl[f(x)]]]",
        "[[f(][modl[x]][)]]",
        "[a][powr[x][2]][b]",
        "[sqrt[][x]][sqrt[3][x+1]]",
        "[skob[a][b]][vect[AB]][indx[a][n+1]]",
        "[loga[2][8]][intg[0][1][x][dx]]",
        "[syst[[x+y=5]][[x-y=1]][[]]]",
        "[[]][[[a]]][drob[][]]",
        "[drob[drob[1][x]][powr[x][drob[1][2]]]]",
        "[(1;5}]",
    };
    for (const char* text : texts) EXPECT_EQ(WrittenBack(QString::fromUtf8(text)), QString::fromUtf8(text));
    // The writer stores each term's text in its Data.
    TFormula formula;
    formula.SetText("[x][drob[1][2]]");
    formula.Root()->Data.clear();
    QString notation;
    formula.Root()->ToBracketText(notation);
    EXPECT_EQ(formula.Root()->Data, notation);
    EXPECT_EQ(formula.Root()->Child(2)->Data, "drob[1][2]");
}

TEST(NotationWriter, AFirstArgumentOfSeveralElementsKeepsItsPlace)
{
    // A numerator of two elements, as the editor can make it.
    TFormula formula;
    formula.SetText("[drob[a][c]]");
    TTerm* numerator = formula.Root()->Child(1)->Child(1);
    auto b = std::make_unique<TSimpleTerm>(numerator, &formula);
    b->Data = "+b";
    numerator->AppendChild(std::move(b));
    const QString before = formula.ExpressionText();
    EXPECT_EQ(before, "DIVISION_((a+b),c)");

    QString notation;
    formula.Root()->ToBracketText(notation);
    EXPECT_EQ(notation, "[drob[[a][+b]][c]]");
    formula.SetText(notation);
    EXPECT_EQ(TermShape(formula.Root()), "{drob({{'a','+b'}},{'c'})}");
    EXPECT_EQ(formula.ExpressionText(), before);

    // Both limits of an integral are wrapped the same way; the integrand is not.
    formula.SetText("[intg[0][1][x]]");
    TTerm* integral = formula.Root()->Child(1);
    for (int k : {1, 3}) {
        auto extra = std::make_unique<TSimpleTerm>(integral->Child(k), &formula);
        extra->Data = "+1";
        integral->Child(k)->AppendChild(std::move(extra));
    }
    formula.Root()->ToBracketText(notation);
    EXPECT_EQ(notation, "[intg[[0][+1]][1][x][+1]]");
    EXPECT_EQ(ShapeOf(notation), "{intg({{'0','+1'}},{'1'},{'x','+1'})}");
}

TEST(NotationReader, DeepAndLongTextsAreReadSafely)
{
    // Nesting deeper than the reader goes is kept as raw text and written
    // back unchanged.
    const QString deep = QString(5000, u'[') + u'x' + QString(5000, u']');
    TFormula formula;
    formula.SetText(deep);
    const TTerm* term = formula.Root();
    int levels = 0;
    while (term->Count() == 1 && term->Child(1)->Kind() == TermKind::Sequence) {
        term = term->Child(1);
        ++levels;
    }
    EXPECT_LE(levels, kMaxReadNesting);
    ASSERT_EQ(term->Count(), 1);
    EXPECT_EQ(term->Child(1)->Kind(), TermKind::Text);
    QString notation;
    formula.Root()->ToBracketText(notation);
    EXPECT_EQ(notation, deep);

    QString nestedFractions = QStringLiteral("x");
    for (int i = 0; i < 2000; ++i) nestedFractions = QStringLiteral("[drob[1][%1]]").arg(nestedFractions);
    formula.SetText(nestedFractions);
    formula.Root()->ToBracketText(notation);
    EXPECT_EQ(notation, nestedFractions);

    // Long texts are read in full: no element and no argument is cut.
    QString many;
    for (int i = 0; i < 20000; ++i) many += QStringLiteral("[a%1]").arg(i % 10);
    formula.SetText(many);
    EXPECT_EQ(formula.Root()->Count(), 20000);
    formula.Root()->ToBracketText(notation);
    EXPECT_EQ(notation, many);
    const QString longDenominator = "[drob[1][" + QString(3000, u'x') + "+1]]";
    EXPECT_EQ(WrittenBack(longDenominator), longDenominator);
}

namespace {

// Builds random trees of every kind (text runs that the notation can hold:
// not empty, not starting with blanks or a structure name, no brackets).
class TreeBuilder {
public:
    explicit TreeBuilder(uint32_t seed) : m_rng(seed) {}

    void Fill(TTerm* sequence, TFormula* owner, int depth)
    {
        const int count = Pick(4);
        for (int i = 0; i < count; ++i) sequence->AppendChild(Make(sequence, owner, depth));
    }

    // The shape the tree reads back as: a first argument (or limit) of
    // several elements comes back as one nested sequence.
    static QString Expected(const TTerm* term)
    {
        if (term->Kind() == TermKind::Text) return u'\'' + term->Data + u'\'';
        const bool sequence = term->Kind() == TermKind::Sequence;
        const int single = SingleGroupArguments(term->Kind());
        QString shape = sequence ? QStringLiteral("{") : NotationName(term->Kind()).toString() + u'(';
        for (int k = 1; k <= term->Count(); ++k) {
            if (k > 1) shape += u',';
            const QString child = Expected(term->Child(k));
            shape += k <= single && term->Child(k)->Count() > 1 ? u'{' + child + u'}' : child;
        }
        return shape + (sequence ? u'}' : u')');
    }

private:
    static int SingleGroupArguments(TermKind kind)
    {
        switch (kind) {
        case TermKind::Fraction:
        case TermKind::Root:
        case TermKind::Power:
        case TermKind::Index:
        case TermKind::Log: return 1;
        case TermKind::Integral: return 2;
        default: return 0;
        }
    }

    std::unique_ptr<TTerm> Make(TTerm* parent, TFormula* owner, int depth)
    {
        static const TermKind kinds[] = {TermKind::Fraction, TermKind::Parentheses, TermKind::Modulus,
                                         TermKind::Vector, TermKind::Root, TermKind::Power, TermKind::Index,
                                         TermKind::Log, TermKind::Integral, TermKind::System};
        const int choice = depth <= 0 ? 0 : Pick(4);
        if (choice == 0) {
            auto text = std::make_unique<TSimpleTerm>(parent, owner);
            static const QString alphabet = QStringLiteral("xya12+-*/=(),.ижмкй{} ");
            const int length = 1 + Pick(6);
            text->Data = alphabet[Pick(int(alphabet.size()) - 1)];  // never a blank first
            for (int i = 1; i < length; ++i) text->Data += alphabet[Pick(int(alphabet.size()))];
            return text;
        }
        if (choice == 1) {
            auto nested = std::make_unique<TSostTerm>(parent, owner);
            Fill(nested.get(), owner, depth - 1);
            return nested;
        }
        const TermKind kind = kinds[Pick(std::size(kinds))];
        std::unique_ptr<TTerm> named = MakeNamedTerm(NotationName(kind), parent, owner);
        int arguments = 2;
        if (kind == TermKind::Parentheses || kind == TermKind::Modulus || kind == TermKind::Vector) arguments = 1;
        if (kind == TermKind::Integral) arguments = 3;
        if (kind == TermKind::System) arguments = Pick(4);
        for (int k = 0; k < arguments; ++k) {
            auto argument = std::make_unique<TSostTerm>(named.get(), owner);
            Fill(argument.get(), owner, depth - 1);
            named->AppendChild(std::move(argument));
        }
        return named;
    }

    int Pick(int n) { return int(m_rng() % uint32_t(n)); }

    std::mt19937 m_rng;
};

} // namespace

TEST(NotationRoundTrip, RandomTreesReadBackAsWritten)
{
    TreeBuilder builder(7);
    for (int i = 0; i < 500; ++i) {
        TFormula original;
        builder.Fill(original.Root(), &original, 4);
        QString written;
        original.Root()->ToBracketText(written);

        TFormula reread;
        reread.SetText(written);
        ASSERT_EQ(TermShape(reread.Root()).toStdString(), TreeBuilder::Expected(original.Root()).toStdString())
            << written.toStdString();
        QString again;
        reread.Root()->ToBracketText(again);
        ASSERT_EQ(again, written);
    }
}

namespace {

int TreeDepth(const TTerm* term)
{
    int deepest = 0;
    for (int k = 1; k <= term->Count(); ++k) deepest = std::max(deepest, TreeDepth(term->Child(k)));
    return deepest + 1;
}

} // namespace

TEST(NotationReader, ArbitraryTextsGiveShallowTrees)
{
    std::mt19937 rng(11);
    const QString pieces[] = {"[", "]", "[", "]", "[[[[", "drob", "syst", "intg", "sqrt", "skob", "x", " ", "    ", "и"};
    TFormula formula;
    for (int i = 0; i < 3000; ++i) {
        QString text;
        const int count = int(rng() % 200);
        for (int k = 0; k < count; ++k) text += pieces[rng() % std::size(pieces)];
        formula.SetText(text);
        ASSERT_LE(TreeDepth(formula.Root()), kMaxReadNesting + 3) << text.toStdString();
        QString written;
        formula.Root()->ToBracketText(written);
        formula.SetText(written);
    }
}
