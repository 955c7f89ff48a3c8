#pragma once
#include "base/virtualkeys.h"
#include <QString>
#include <QStringView>
#include <Qt>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

// The term tree of a formula. A formula is one line of bracket notation, for
// example "[drob[sin(x)][cos(x)]]", held in memory as a tree of terms: a
// sequence (TSostTerm) of elements, text runs (TSimpleTerm) and named terms
// ("drob", "skob", "modl", "vect", "sqrt", "powr", "indx", "loga", "intg",
// "syst") whose arguments are sequences. The reader and the writer of the
// notation are a file format: lab, answer, container and page files store
// formulas only this way.
//
// Terms know their notation, their expression and the caret's moves; they
// draw nothing. Measuring, drawing, the caret's picture and clicks are the
// formula view's (formulas/view/drawing.h), which dispatches on Kind().
namespace formulas {

class TFormula;

enum class TermKind : uint8_t {
    Sequence,     // TSostTerm
    Text,         // TSimpleTerm
    Fraction,     // TDrobTerm "drob": numerator, denominator
    Parentheses,  // TSkobTerm "skob": contents
    Modulus,      // TModulTerm "modl": contents
    Vector,       // TVectorTerm "vect": contents
    Root,         // TSqrtTerm "sqrt": degree (empty: square root), radicand
    Power,        // TPowerTerm "powr": base, exponent
    Index,        // TIndexTerm "indx": base, subscript
    Log,          // TLogTerm "loga": base, argument
    Integral,     // TIntegralTerm "intg": lower limit, upper limit, integrand
    System,       // TSystemTerm "syst": equations
};

// The reserved words, in their fixed order: they never name a variable, and
// the drawing of text keeps their letters upright (blanking them from the
// last word of the table to the first).
inline constexpr std::array<QStringView, 20> kReservedWords{
    u"sin", u"cos", u"ln", u"lg", u"drob", u"skob", u"modl", u"sqrt", u"powr", u"indx",
    u"loga", u"intg", u"syst", u"tg", u"ctg", u"arctg", u"arcctg", u"arcsin", u"arccos", u"vect",
};

// Bracket depth of reading: a sequence this many levels below the root keeps
// every group it meets as a text run with the group's raw content instead of
// reading it further. Such a text writes back exactly as it was read, and the
// reader's recursion (and everything that walks the tree) stays shallow
// whatever the text.
inline constexpr int kMaxReadNesting = 100;

// Every structure (fraction, parentheses, root, power, ...) nested in another
// takes three levels of the tree: the structure, its argument and the
// sequence of the argument's group. So 34 structures nested in one another
// are read, and the 35th is kept as raw text, which has no arithmetic
// expression.
inline constexpr int kLevelsPerStructure = 3;
inline constexpr int kMaxNestedStructures = (kMaxReadNesting + kLevelsPerStructure - 1) / kLevelsPerStructure;

// The most elements a sequence takes from the editor; the reader keeps every
// element of a stored text.
inline constexpr int kMaxEditElements = 255;

// The structures the editor inserts (InsertStructure's kind). Parentheses come
// only from stored texts; no command of the editor inserts them.
enum StructureKind : int {
    kStructFraction = 0,
    kStructParentheses = 2,
    kStructModulus = 3,
    kStructRoot = 4,
    kStructPower = 5,
    kStructIndex = 6,
    kStructLog = 7,
    kStructIntegral = 8,
    kStructSystem = 9,
    kStructVector = 10,
};

// The key codes of KeyDown and KeyAction (the platform's virtual keys).
inline constexpr int kKeyBackspace = base::kVkBackspace;
inline constexpr int kKeyLeft = base::kVkLeft;
inline constexpr int kKeyUp = base::kVkUp;
inline constexpr int kKeyRight = base::kVkRight;
inline constexpr int kKeyDown = base::kVkDown;
inline constexpr int kKeyDelete = base::kVkDelete;

class TTerm {
public:
    TTerm(TTerm* parent, TFormula* owner) : Parent(parent), Owner(owner) {}
    virtual ~TTerm();
    TTerm(const TTerm&) = delete;
    TTerm& operator=(const TTerm&) = delete;

    virtual TermKind Kind() const = 0;

    // The term's own bracket text: a sequence's elements «[e1][e2]», a text
    // run's text, a named term's name and arguments «drob[x][2]». Set by the
    // reader before ParseText and by every ToBracketText.
    QString Data;
    TTerm* Parent;   // none for a formula's root, prefix and suffix
    TFormula* Owner;
    int Caret = 0;   // editing caret inside this term; 0 when elsewhere

    // The layout of the last measuring and drawing, written only by the
    // formula view and read by clicks on what it drew.
    int Left = 0;    // where the term was last drawn
    int Top = 0;
    int Width = 0;   // size from the last measuring
    int Height = 0;
    int Axis = 0;    // from Top down to the middle line that neighbours share
    int FontSize = 0;  // points, recorded by the measuring

    // Children are numbered 1..Count, as the caret arithmetic counts them.
    int Count() const { return int(m_children.size()); }
    TTerm* Child(int k) const { return m_children[size_t(k - 1)].get(); }
    void AppendChild(std::unique_ptr<TTerm> child);
    void InsertChild(int k, std::unique_ptr<TTerm> child);  // becomes child k
    void DeleteChild(int k);                                // destroys its subtree
    // Levels between this term and the top of its tree (0 for a root).
    int Level() const;
    // Position of child among the children (1..Count); 0 when it is none of them.
    int IndexOfChild(const TTerm* child) const;

    // The operations of every term. Caret: in a sequence of n elements 2k+1
    // is the gap after element k and 2k inside element k; in a text run p is
    // before character p; in a named term i is inside argument i; 0 when the
    // caret is not in or below the term.
    virtual void ParseText();  // build the children from Data
    virtual void ToExpression(QString& out) const;  // appends the arithmetic expression
    virtual void ToBracketText(QString& out);  // out := the notation, also stored in Data
    // Puts the caret at the start or the end of the term (editing.cpp).
    virtual void Enter(bool fromLeft);

protected:
    // The editor's steps at the caret (editing.cpp). Only the formula takes
    // them, because after each one it mends and rewrites the whole tree.
    friend class TFormula;
    virtual void MoveRight();
    virtual void MoveLeft();
    virtual void InsertChar(QChar ch);
    virtual void KeyAction(int key, Qt::KeyboardModifiers shift);
    virtual void InsertStructure(int kind, int n);
    // The caret leaves the term at its right or left edge, to the parent.
    void LeaveRight();
    void LeaveLeft();

    // The readers start from no children.
    void ClearChildren();
    // Appends a new sequence argument read from text.
    void AddArgument(const QString& text);
    // The expression of argument k; nothing when the term lacks it.
    void ArgumentExpression(int k, QString& out) const;
    // function((argument 1),argument 2)
    void TwoArgumentCall(QLatin1String function, QString& out) const;
    // The readers of named terms: two arguments (the first group and the
    // rest), or one (everything after the name).
    void ReadTwoArguments();
    void ReadOneArgument();
    // Data := name + the arguments' notation. The first singleGroups arguments
    // are read back as exactly one group each, so one with several elements is
    // wrapped in an extra pair of brackets (it reads back as one nested
    // sequence with the same elements).
    void WriteNamed(int singleGroups, QString& out);

private:
    std::vector<std::unique_ptr<TTerm>> m_children;
};

// A sequence of elements of any class.
class TSostTerm : public TTerm {
public:
    using TTerm::TTerm;
    TermKind Kind() const override { return TermKind::Sequence; }
    void ParseText() override;
    void ToExpression(QString& out) const override;
    void ToBracketText(QString& out) override;
    void Enter(bool fromLeft) override;

protected:
    void MoveRight() override;
    void MoveLeft() override;
    void InsertChar(QChar ch) override;
    void KeyAction(int key, Qt::KeyboardModifiers shift) override;
    void InsertStructure(int kind, int n) override;
};

// A run of text; Data is the text itself and there are no children.
class TSimpleTerm : public TTerm {
public:
    using TTerm::TTerm;
    TermKind Kind() const override { return TermKind::Text; }
    void ParseText() override {}
    void ToExpression(QString& out) const override;
    void ToBracketText(QString& out) override;
    void Enter(bool fromLeft) override;

protected:
    void MoveRight() override;
    void MoveLeft() override;
    void InsertChar(QChar ch) override;
    void KeyAction(int key, Qt::KeyboardModifiers shift) override;
    void InsertStructure(int kind, int n) override;
};

class TDrobTerm : public TTerm {
public:
    using TTerm::TTerm;
    TermKind Kind() const override { return TermKind::Fraction; }
    void ParseText() override;
    void ToExpression(QString& out) const override;
    void ToBracketText(QString& out) override;
};

class TSkobTerm : public TTerm {
public:
    using TTerm::TTerm;
    TermKind Kind() const override { return TermKind::Parentheses; }
    void ParseText() override;
    void ToExpression(QString& out) const override;
    void ToBracketText(QString& out) override;
};

class TModulTerm : public TTerm {
public:
    using TTerm::TTerm;
    TermKind Kind() const override { return TermKind::Modulus; }
    void ParseText() override;
    void ToExpression(QString& out) const override;
    void ToBracketText(QString& out) override;
};

// A vector (overline); it takes no part in the expression.
class TVectorTerm : public TTerm {
public:
    using TTerm::TTerm;
    TermKind Kind() const override { return TermKind::Vector; }
    void ParseText() override;
    void ToExpression(QString& out) const override;
    void ToBracketText(QString& out) override;
};

class TSqrtTerm : public TTerm {
public:
    using TTerm::TTerm;
    TermKind Kind() const override { return TermKind::Root; }
    void ParseText() override;
    void ToExpression(QString& out) const override;
    void ToBracketText(QString& out) override;
};

class TPowerTerm : public TTerm {
public:
    using TTerm::TTerm;
    TermKind Kind() const override { return TermKind::Power; }
    void ParseText() override;
    void ToExpression(QString& out) const override;
    void ToBracketText(QString& out) override;
};

// A subscript (a₁); it takes no part in the expression.
class TIndexTerm : public TTerm {
public:
    using TTerm::TTerm;
    TermKind Kind() const override { return TermKind::Index; }
    void ParseText() override;
    void ToExpression(QString& out) const override;
    void ToBracketText(QString& out) override;
};

class TLogTerm : public TTerm {
public:
    using TTerm::TTerm;
    TermKind Kind() const override { return TermKind::Log; }
    void ParseText() override;
    void ToExpression(QString& out) const override;
    void ToBracketText(QString& out) override;
};

// An integral; it cannot be evaluated.
class TIntegralTerm : public TTerm {
public:
    using TTerm::TTerm;
    TermKind Kind() const override { return TermKind::Integral; }
    void ParseText() override;
    void ToExpression(QString& out) const override;
    void ToBracketText(QString& out) override;
};

// A system of equations; it cannot be evaluated.
class TSystemTerm : public TTerm {
public:
    using TTerm::TTerm;
    TermKind Kind() const override { return TermKind::System; }
    void ParseText() override;
    void ToExpression(QString& out) const override;
    void ToBracketText(QString& out) override;
};

// The four-letter notation name of a named term ("drob", ...); empty for a
// sequence and a text run.
QStringView NotationName(TermKind kind);

// A new term of the class a notation name stands for; nullptr for a name that
// is none of the ten.
std::unique_ptr<TTerm> MakeNamedTerm(QStringView name, TTerm* parent, TFormula* owner);

// Whether a part of the tree lies deeper than the reader goes and was kept as
// raw text holding structures.
bool HoldsUnreadNesting(const TTerm& root);

// Whether the caret can go into the term: a named term read without its
// arguments (a bare "syst") has no place for it, and moves and clicks pass
// it by.
bool CanEnter(const TTerm* term);

} // namespace formulas
