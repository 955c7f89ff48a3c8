// Editing sessions on the term tree: keys and structures, with the
// notation after every step.
#include "formulas/formula.h"
#include "formulatest.h"
#include <gtest/gtest.h>

using namespace formulas;

namespace {

// A formula open for editing.
class Session {
public:
    explicit Session(const QString& text = QString(), bool restricted = false)
    {
        formula.SetText(text);
        formula.BeginEdit(restricted);
    }

    QString Type(const QString& keys)
    {
        formula.TypeText(keys);
        return formula.Notation();
    }
    QString Press(int key, int times = 1)
    {
        for (int i = 0; i < times; ++i) formula.KeyDown(key);
        return formula.Notation();
    }
    // The term holding the caret and the caret in it, as "'text'@p" or "{..}@g".
    QString Caret() const
    {
        const TTerm* current = formula.Current();
        return current ? TermShape(current) + u'@' + QString::number(current->Caret) : QStringLiteral("none");
    }

    TFormula formula;
};

} // namespace

TEST(FormulaEditing, TypingBuildsTextRunsAndRestrictedModeFiltersCharacters)
{
    Session full;
    EXPECT_EQ(full.Type(QStringLiteral("x+1")), QStringLiteral("[x+1]"));
    EXPECT_EQ(full.Caret(), QStringLiteral("'x+1'@4"));
    EXPECT_EQ(full.Type(QStringLiteral(" <")), QStringLiteral("[x+1 <]"));
    // Square brackets are the notation's own: never typed into a text.
    EXPECT_EQ(full.Type(QStringLiteral("[]")), QStringLiteral("[x+1 <]"));

    Session restricted(QString(), true);
    EXPECT_EQ(restricted.Type(QStringLiteral("x <")), QStringLiteral("[x]"));
    // The number e and π are in the set, ≈ is not.
    EXPECT_EQ(restricted.Type(QStringLiteral("*жип")), QStringLiteral("[x*жи]"));
    // "/" still inserts a fraction, taking x*жи's last operand.
    EXPECT_EQ(restricted.Type(QStringLiteral("/2")), QStringLiteral("[[x*][drob[жи][2]]]"));
}

TEST(FormulaEditing, StructureInTextTakesTheOperandsAroundTheCaret)
{
    // The power takes only the digit run 1 as its base; the caret goes on
    // into the empty exponent.
    Session power(QStringLiteral("[x+1]"));
    power.Press(kKeyRight, 3);
    EXPECT_EQ(power.Caret(), QStringLiteral("'x+1'@4"));
    EXPECT_EQ(power.Type(QStringLiteral("^")), QStringLiteral("[[x+][powr[1][]]]"));
    EXPECT_EQ(power.Caret(), QStringLiteral("{}@1"));
    EXPECT_EQ(power.Type(QStringLiteral("2")), QStringLiteral("[[x+][powr[1][2]]]"));

    // Operands on both sides of the caret: 2|x gives 2/x, the caret at the end
    // of the denominator, the text after it kept after the fraction.
    Session both(QStringLiteral("[2x+1]"));
    both.Press(kKeyRight);
    EXPECT_EQ(both.Type(QStringLiteral("/")), QStringLiteral("[[drob[2][x]][+1]]"));
    EXPECT_EQ(both.Caret(), QStringLiteral("'x'@2"));

    // One-argument structures take the operand before the caret and leave
    // the rest after them.
    Session modulus(QStringLiteral("[a-b]"));
    modulus.Press(kKeyRight);
    modulus.formula.InsertStructure(kStructModulus);
    EXPECT_EQ(modulus.formula.Notation(), QStringLiteral("[[modl[a]][-b]]"));
    EXPECT_EQ(modulus.Caret(), QStringLiteral("'a'@2"));
}

TEST(FormulaEditing, TypingAFractionOfBracketedSums)
{
    Session session;
    EXPECT_EQ(session.Type(QStringLiteral("(x+1)")), QStringLiteral("[(x+1)]"));
    // The bracketed group is the numerator; the fraction groups it itself.
    EXPECT_EQ(session.Type(QStringLiteral("/")), QStringLiteral("[[drob[x+1][]]]"));
    EXPECT_EQ(session.Caret(), QStringLiteral("{}@1"));
    EXPECT_EQ(session.Type(QStringLiteral("x-1")), QStringLiteral("[[drob[x+1][x-1]]]"));
    // Right leaves the denominator and the fraction; typing goes on after it.
    session.Press(kKeyRight);
    EXPECT_EQ(session.Type(QStringLiteral("+2")), QStringLiteral("[[drob[x+1][x-1]][+2]]"));

    session.formula.EndEdit(true);
    EXPECT_EQ(session.formula.Text(), QStringLiteral("[[drob[x+1][x-1]][+2]]"));
    session.formula.SetValue(u"x", 3);
    EXPECT_DOUBLE_EQ(double(session.formula.Calculate()), 4.0);
}

TEST(FormulaEditing, RootOfAFractionAndPowerWithAFractionalExponent)
{
    Session root;
    // The caret goes to the radicand, not the (optional) degree.
    EXPECT_EQ(root.Type(QStringLiteral("\\")), QStringLiteral("[sqrt[][]]"));
    EXPECT_EQ(root.Type(QStringLiteral("x/2")), QStringLiteral("[sqrt[][[drob[x][2]]]]"));

    Session power;
    EXPECT_EQ(power.Type(QStringLiteral("x^")), QStringLiteral("[[powr[x][]]]"));
    EXPECT_EQ(power.Type(QStringLiteral("2/3")), QStringLiteral("[[powr[x][[drob[2][3]]]]]"));
    power.formula.EndEdit(true);
    power.formula.SetValue(u"x", 8);
    EXPECT_NEAR(double(power.formula.Calculate()), 4.0, 1e-9);

    // A degree typed before the root sign.
    Session cube;
    EXPECT_EQ(cube.Type(QStringLiteral("3\\27")), QStringLiteral("[[sqrt[3][27]]]"));
    cube.formula.EndEdit(true);
    EXPECT_NEAR(double(cube.formula.Calculate()), 3.0, 1e-9);
}

TEST(FormulaEditing, ArrowsWalkThroughAFractionAndWrapAtTheEnds)
{
    Session session(QStringLiteral("[a][drob[b][c]][d]"));
    EXPECT_EQ(session.Caret(), QStringLiteral("'a'@1"));
    // At the start of a leading text run Left wraps to the end of the formula.
    session.Press(kKeyLeft);
    EXPECT_EQ(session.Caret(), QStringLiteral("'d'@2"));
    session.Press(kKeyRight);
    EXPECT_EQ(session.Caret(), QStringLiteral("'a'@1"));

    const QStringList expected = {
        QStringLiteral("'a'@2"),                 // after a
        QStringLiteral("{'a',drob({'b'},{'c'}),'d'}@3"),  // the gap before the fraction
        QStringLiteral("'b'@1"), QStringLiteral("'b'@2"),
        QStringLiteral("'c'@1"), QStringLiteral("'c'@2"),
        QStringLiteral("{'a',drob({'b'},{'c'}),'d'}@5"),  // after the fraction
        QStringLiteral("'d'@1"), QStringLiteral("'d'@2"),
        QStringLiteral("'a'@1"),                 // round to the start
    };
    for (const QString& caret : expected) {
        session.Press(kKeyRight);
        EXPECT_EQ(session.Caret(), caret);
    }
    // Up and Down move like Left and Right; the notation never changes.
    session.Press(kKeyDown, 2);
    EXPECT_EQ(session.Caret(), QStringLiteral("{'a',drob({'b'},{'c'}),'d'}@3"));
    EXPECT_EQ(session.Press(kKeyUp), QStringLiteral("[a][drob[b][c]][d]"));
    EXPECT_EQ(session.Caret(), QStringLiteral("'a'@2"));
}

TEST(FormulaEditing, ArrowsWalkThroughASystemEquationByEquation)
{
    Session session;
    session.formula.InsertStructure(kStructSystem, 3);
    EXPECT_EQ(session.formula.Notation(), QStringLiteral("[syst[[]][[]][[]]]"));
    EXPECT_EQ(session.Type(QStringLiteral("x+y=5")), QStringLiteral("[syst[[x+y=5]][[]][[]]]"));
    // From the end of an equation one step goes to the start of the next.
    session.Press(kKeyRight);
    EXPECT_EQ(session.Caret(), QStringLiteral("{}@1"));
    EXPECT_EQ(session.Type(QStringLiteral("x-y=1")), QStringLiteral("[syst[[x+y=5]][[x-y=1]][[]]]"));
    session.Press(kKeyDown);
    EXPECT_EQ(session.Type(QStringLiteral("z=0")), QStringLiteral("[syst[[x+y=5]][[x-y=1]][[z=0]]]"));
    // Back to the end of the second equation.
    session.Press(kKeyUp, 4);
    EXPECT_EQ(session.Caret(), QStringLiteral("'x-y=1'@6"));
    // A system is not inserted with a number of equations that is not positive.
    session.formula.InsertStructure(kStructSystem, 0);
    EXPECT_EQ(session.formula.Notation(), QStringLiteral("[syst[[x+y=5]][[x-y=1]][[z=0]]]"));
}

TEST(FormulaEditing, BackspaceAndDeleteAtStructureBorders)
{
    Session session(QStringLiteral("[a][drob[b][c]][d]"));
    // Backspace at the start does nothing; Delete removes a character.
    EXPECT_EQ(session.Press(kKeyBackspace), QStringLiteral("[a][drob[b][c]][d]"));
    EXPECT_EQ(session.Press(kKeyDelete), QStringLiteral("[drob[b][c]][d]"));
    // The emptied run is gone; the caret is in the gap where it was.
    EXPECT_EQ(session.Caret(), QStringLiteral("{drob({'b'},{'c'}),'d'}@1"));
    // Delete in a gap destroys the whole structure after it.
    EXPECT_EQ(session.Press(kKeyDelete), QStringLiteral("[d]"));

    Session back(QStringLiteral("[a][drob[b][c]][d]"));
    back.Press(kKeyRight, 7);  // after the fraction, in the gap
    EXPECT_EQ(back.Caret(), QStringLiteral("{'a',drob({'b'},{'c'}),'d'}@5"));
    EXPECT_EQ(back.Press(kKeyBackspace), QStringLiteral("[a][d]"));
    EXPECT_EQ(back.Caret(), QStringLiteral("{'a','d'}@3"));
    // Backspace at the start of an argument's text does nothing at all.
    Session inside(QStringLiteral("[drob[b][c]]"));
    inside.Press(kKeyRight, 3);
    EXPECT_EQ(inside.Caret(), QStringLiteral("'c'@1"));
    EXPECT_EQ(inside.Press(kKeyBackspace), QStringLiteral("[drob[b][c]]"));
    // Delete at the end of a run does nothing either.
    inside.Press(kKeyRight);
    EXPECT_EQ(inside.Press(kKeyDelete), QStringLiteral("[drob[b][c]]"));
    // Backspace on the only character removes the run.
    EXPECT_EQ(inside.Press(kKeyBackspace), QStringLiteral("[drob[b][]]"));
    EXPECT_EQ(inside.Caret(), QStringLiteral("{}@1"));
    // In an empty argument of a structure that holds something: nothing.
    EXPECT_EQ(inside.Press(kKeyBackspace), QStringLiteral("[drob[b][]]"));

    // A structure with nothing in it goes with one Backspace.
    Session mistaken(QStringLiteral("[x+][drob[1][2]]"));
    mistaken.Press(kKeyRight, 3);
    EXPECT_EQ(mistaken.Type(QStringLiteral("\\")), QStringLiteral("[x+][sqrt[][]][drob[1][2]]"));
    EXPECT_EQ(mistaken.Press(kKeyBackspace), QStringLiteral("[x+][drob[1][2]]"));
    EXPECT_EQ(mistaken.Caret(), QStringLiteral("{'x+',drob({'1'},{'2'})}@3"));
}

TEST(FormulaEditing, TextsThatWouldReadBackAsStructuresAreSplit)
{
    Session session(QString(), true);
    EXPECT_EQ(session.Type(QStringLiteral("sqrt(x)")), QStringLiteral("[s][qrt(x)]"));
    EXPECT_EQ(session.Caret(), QStringLiteral("'qrt(x)'@7"));
    session.formula.EndEdit(true);
    TFormula reread;
    reread.SetText(session.formula.Text());
    QString written;
    reread.Root()->ToBracketText(written);
    EXPECT_EQ(written, session.formula.Text());

    // An operand of a structure that starts like one: a wrapped first argument.
    Session numerator;
    EXPECT_EQ(numerator.Type(QStringLiteral("(drob)/")), QStringLiteral("[[drob[[d][rob]][]]]"));
    // Four blanks would make the run vanish: only three are kept.
    Session blanks;
    EXPECT_EQ(blanks.Type(QStringLiteral("     y")), QStringLiteral("[   y]"));
}

// Deep formulas: the editor stops nesting structures where the reader would
// keep them as raw text, and a deep raw text run loses its fourth leading
// blank like any other (the reader drops a run that begins with four).
TEST(FormulaEditing, DeepFormulasReadBackAsTheyWereEdited)
{
    Session nested;
    for (int i = 0; i < 2 * kMaxReadNesting; ++i) nested.formula.InsertStructure(kStructParentheses);
    nested.Type(QStringLiteral("x"));
    TFormula reread;
    reread.SetText(nested.formula.Notation());
    EXPECT_EQ(TermShape(reread.Root()), TermShape(nested.formula.Root()));
    EXPECT_LT(nested.formula.Notation().count(QStringLiteral("skob")), kMaxReadNesting);

    // Fifty parentheses: the argument of the innermost is read raw.
    const int structures = kMaxReadNesting / 2;
    const QString opened = QStringLiteral("[skob").repeated(structures), closed = QString(structures, u']');
    Session raw(opened + QStringLiteral("[ab]") + closed);
    for (int i = 0; i < structures && !raw.Caret().startsWith(u'\''); ++i) raw.Press(kKeyRight);
    ASSERT_EQ(raw.Caret(), QStringLiteral("'ab'@1"));
    const QString written = raw.Type(QStringLiteral("    "));
    EXPECT_EQ(written, opened + QStringLiteral("[   ab]") + closed);
    reread.SetText(written);
    QString again;
    reread.Root()->ToBracketText(again);
    EXPECT_EQ(again, written);
}

// A stored group with a character before its inner groups is one text run
// holding brackets; changing it would change how the whole text reads.
TEST(FormulaEditing, TextRunsHoldingBracketsAreNotEditedButCanBeDeleted)
{
    Session session(QStringLiteral("[a[a][drob[b]]d][x]"));
    EXPECT_EQ(session.Caret(), QStringLiteral("'a[a][drob[b]]d'@1"));
    EXPECT_EQ(session.Press(kKeyDelete), QStringLiteral("[a[a][drob[b]]d][x]"));
    session.Press(kKeyRight);
    EXPECT_EQ(session.Press(kKeyBackspace), QStringLiteral("[a[a][drob[b]]d][x]"));
    EXPECT_EQ(session.Type(QStringLiteral("y^")), QStringLiteral("[a[a][drob[b]]d][x]"));
    session.Press(kKeyRight, 14);
    EXPECT_EQ(session.Caret(), QStringLiteral("{'a[a][drob[b]]d','x'}@3"));
    EXPECT_EQ(session.Press(kKeyBackspace), QStringLiteral("[x]"));
}

TEST(FormulaEditing, CancelRestoresTheTreeAndValuesConfirmRebuildsVariables)
{
    TFormula formula;
    formula.SetText(QStringLiteral("[a*x]"));
    formula.SetValue(u"a", 2);
    formula.SetValue(u"x", 5);
    formula.BeginEdit(false);
    formula.TypeText(QStringLiteral("+b"));
    EXPECT_EQ(formula.Notation(), QStringLiteral("[+ba*x]"));
    formula.EndEdit(false);
    EXPECT_EQ(formula.Text(), QStringLiteral("[a*x]"));
    EXPECT_FALSE(formula.Editing());
    EXPECT_DOUBLE_EQ(double(formula.Calculate()), 10.0);

    formula.BeginEdit(false);
    for (int i = 0; i < 3; ++i) formula.KeyDown(kKeyRight);
    formula.TypeText(QStringLiteral("+b"));
    formula.EndEdit(true);
    EXPECT_EQ(formula.Text(), QStringLiteral("[a*x+b]"));
    EXPECT_EQ(formula.Variables(), QStringList({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("x")}));
}
