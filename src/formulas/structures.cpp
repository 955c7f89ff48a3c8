// Inserting a structure (fraction, root, power ...) at the caret. In a text
// run the structure takes the operands around the caret as its arguments.
#include "formulas/formula.h"
#include "formulas/terms.h"
#include "formulas/textruns.h"
#include "base/symbols.h"
#include <memory>
#include <vector>

namespace formulas {
namespace {

// ---- the operands a structure takes from a text run -------------------------------

// Letters, digits, the numbers e, π and ∞, and a decimal comma or point
// between digits: the characters of one operand.
bool IsOperandChar(QStringView text, qsizetype i)
{
    const QChar c = text[i];
    if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')) return true;
    if (c == base::symbol::NumberE || c == base::symbol::Pi || c == base::symbol::Infinity) return true;
    if (c == u',' || c == u'.')
        return i > 0 && i + 1 < text.size() && text[i - 1].isDigit() && text[i + 1].isDigit();
    return false;
}

// Index of the "(" that the ")" at close matches; -1 when there is none.
qsizetype OpeningOf(QStringView text, qsizetype close)
{
    int depth = 0;
    for (qsizetype i = close; i >= 0; --i) {
        if (text[i] == u')') ++depth;
        else if (text[i] == u'(' && --depth == 0) return i;
    }
    return -1;
}

qsizetype ClosingOf(QStringView text, qsizetype open)
{
    int depth = 0;
    for (qsizetype i = open; i < text.size(); ++i) {
        if (text[i] == u'(') ++depth;
        else if (text[i] == u')' && --depth == 0) return i;
    }
    return -1;
}

// The operand just before the caret, removed from before: a group in
// parentheses with the name or factor written before it ("sin(x)",
// "2(x+1)"), or a run of operand characters ("12", "x", "2,5").
QString TakeOperandBefore(QString& before)
{
    qsizetype start = before.size();
    if (start > 0 && before[start - 1] == u')') {
        const qsizetype open = OpeningOf(before, start - 1);
        if (open >= 0) start = open;
    }
    while (start > 0 && IsOperandChar(before, start - 1)) --start;
    const QString operand = before.mid(start);
    before.truncate(start);
    return operand;
}

// The operand just after the caret, removed from after: operand characters,
// then a group in parentheses if one follows.
QString TakeOperandAfter(QString& after)
{
    qsizetype end = 0;
    while (end < after.size() && IsOperandChar(after, end)) ++end;
    if (end < after.size() && after[end] == u'(') {
        const qsizetype close = ClosingOf(after, end);
        if (close >= 0) end = close + 1;
    }
    const QString operand = after.left(end);
    after.remove(0, end);
    return operand;
}

// "(x+1)" without its outer parentheses: x+1.
QString WithoutOuterParentheses(const QString& operand)
{
    if (operand.size() >= 2 && operand.front() == u'(' && ClosingOf(operand, 0) == operand.size() - 1)
        return operand.mid(1, operand.size() - 2);
    return operand;
}

// «[name[a][b]]» followed by the rest, as the reader takes them back.
QString TwoArguments(QLatin1String name, const QString& a, const QString& b, const QString& rest)
{
    return u'[' + name + FirstArgument(a) + LastArgument(b) + u']' + TextGroups(rest);
}

QString OneArgument(QLatin1String name, const QString& a, const QString& rest)
{
    return u'[' + name + LastArgument(a) + u']' + TextGroups(rest);
}

// The notation of a new structure with its arguments taken from a text run:
// a the operand before the caret, b the one after it, rest the text after b.
// Parentheses around a numerator, denominator, exponent or radicand go: the
// structure groups it itself.
QString StructureText(int kind, int n, const QString& a, const QString& b, const QString& rest)
{
    switch (kind) {
    case kStructFraction:
        return TwoArguments(QLatin1String("drob"), WithoutOuterParentheses(a), WithoutOuterParentheses(b), rest);
    case kStructRoot: return TwoArguments(QLatin1String("sqrt"), a, WithoutOuterParentheses(b), rest);
    case kStructPower: return TwoArguments(QLatin1String("powr"), a, WithoutOuterParentheses(b), rest);
    case kStructIndex: return TwoArguments(QLatin1String("indx"), a, b, rest);
    case kStructLog: return TwoArguments(QLatin1String("loga"), a, b, rest);
    case kStructParentheses: return OneArgument(QLatin1String("skob"), a, b + rest);
    case kStructModulus: return OneArgument(QLatin1String("modl"), a, b + rest);
    case kStructVector: return OneArgument(QLatin1String("vect"), a, b + rest);
    case kStructIntegral:
        return QStringLiteral("[intg") + FirstArgument(a) + FirstArgument(b) + QStringLiteral("[]]") + TextGroups(rest);
    case kStructSystem: {
        QString text = QStringLiteral("[syst[") + FirstArgument(a) + QStringLiteral("][") + FirstArgument(b) + u']';
        for (int i = 2; i < n; ++i) text += QStringLiteral("[[]]");
        return text + u']' + TextGroups(rest);
    }
    default: return {};
    }
}

// A new structure of the kind with empty arguments (a system with n empty
// equations); nullptr for a kind that is none of them.
std::unique_ptr<TTerm> NewStructure(int kind, int n, TTerm* parent)
{
    QString text;
    switch (kind) {
    case kStructFraction: text = QStringLiteral("drob[][]"); break;
    case kStructRoot: text = QStringLiteral("sqrt[][]"); break;
    case kStructPower: text = QStringLiteral("powr[][]"); break;
    case kStructIndex: text = QStringLiteral("indx[][]"); break;
    case kStructLog: text = QStringLiteral("loga[][]"); break;
    case kStructParentheses: text = QStringLiteral("skob[]"); break;
    case kStructModulus: text = QStringLiteral("modl[]"); break;
    case kStructVector: text = QStringLiteral("vect[]"); break;
    case kStructIntegral: text = QStringLiteral("intg[][][]"); break;
    case kStructSystem:
        if (n < 1 || n > kMaxEditElements) return nullptr;
        text = QStringLiteral("syst") + QString(QStringLiteral("[[]]")).repeated(n);
        break;
    default: return nullptr;
    }
    std::unique_ptr<TTerm> term = MakeNamedTerm(text.left(kNameLength), parent, parent->Owner);
    term->Data = text;
    term->ParseText();
    return term;
}

// After a structure is inserted the caret goes where typing goes on: into
// its first empty argument (the radicand before the degree of a root, which
// is usually left empty), or, when every argument is filled, to the end of
// the last one.
void PlaceCaretIn(TTerm* structure)
{
    std::vector<int> order;
    if (structure->Kind() == TermKind::Root) order = {2, 1};
    else
        for (int k = 1; k <= structure->Count(); ++k) order.push_back(k);
    for (int k : order) {
        if (structure->Child(k)->Count() == 0) {
            structure->Caret = k;
            structure->Child(k)->Enter(true);
            structure->Owner->FixCaretPath();
            return;
        }
    }
    structure->Caret = structure->Count();
    structure->Child(structure->Count())->Enter(false);
    structure->Owner->FixCaretPath();
}

// The structure taking the operands around the caret of a text run: the
// run's sequence is rebuilt from its notation as one nested sequence that
// holds, in order, the elements before the run, the text before the
// operand, the structure, the text after it and the elements after the run.
void InsertStructureInRun(TSimpleTerm* run, int kind, int n)
{
    TTerm* sequence = run->Parent;
    if (!sequence || HoldsBrackets(run->Data)) return;
    // The nested sequence must be read as terms, not kept as raw text.
    if (sequence->Level() + 1 >= kMaxReadNesting) return;
    if (kind == kStructSystem && (n < 1 || n > kMaxEditElements)) return;
    const int k = sequence->IndexOfChild(run);
    QString before, after, element;
    for (int j = 1; j <= sequence->Count(); ++j) {
        if (j == k) continue;
        sequence->Child(j)->ToBracketText(element);
        (j < k ? before : after) += u'[' + element + u']';
    }
    QString textBefore = run->Data.left(run->Caret - 1);
    QString textAfter = run->Data.mid(run->Caret - 1);
    const QString a = TakeOperandBefore(textBefore);
    const QString b = TakeOperandAfter(textAfter);
    const QString structure = StructureText(kind, n, a, b, textAfter);
    if (structure.isEmpty()) return;
    before += TextGroups(textBefore);

    // How many elements precede the structure once read.
    TSostTerm preceding(sequence, sequence->Owner);
    preceding.Data = before;
    preceding.ParseText();
    if (preceding.Count() + 3 + sequence->Count() > kMaxEditElements) return;

    TFormula* owner = sequence->Owner;
    sequence->Data = u'[' + before + structure + after + u']';
    sequence->ParseText();  // destroys run
    owner->SetCurrent(nullptr);
    if (sequence->Count() == 0) return;
    TTerm* group = sequence->Child(1);
    if (group->Count() <= preceding.Count()) return;
    TTerm* inserted = group->Child(preceding.Count() + 1);
    if (!CanEnter(inserted) || inserted->Kind() == TermKind::Text || inserted->Kind() == TermKind::Sequence) return;
    PlaceCaretIn(inserted);
}

} // namespace

// Past the reader's depth a structure would come back from the stored text as
// raw text, so none is inserted there.
void TSostTerm::InsertStructure(int kind, int n)
{
    if (Count() >= kMaxEditElements || Caret < 1 || Caret % 2 == 0) return;
    if (Level() >= kMaxReadNesting) return;
    std::unique_ptr<TTerm> structure = NewStructure(kind, n, this);
    if (!structure) return;
    TTerm* inserted = structure.get();
    InsertChild((Caret - 1) / 2 + 1, std::move(structure));
    PlaceCaretIn(inserted);
}

void TSimpleTerm::InsertStructure(int kind, int n)
{
    InsertStructureInRun(this, kind, n);
}

} // namespace formulas
