// Editing the term tree: the caret, typing, deleting and inserting
// structures. Every change is made to the tree; TFormula::Refresh then writes
// the whole tree back to bracket notation.
#include "formulas/formula.h"
#include "formulas/terms.h"
#include "base/symbols.h"
#include "base/textfile.h"
#include <QByteArray>
#include <QHash>
#include <array>

namespace formulas {
namespace {

bool IsText(const TTerm* term) { return term && term->Kind() == TermKind::Text; }

bool IsBracket(QChar c) { return c == u'[' || c == u']'; }

// A text run that holds brackets comes only from a stored text whose group
// began with a character before its inner groups («[a[b]]»), or from deep
// nesting the reader keeps raw. It reads back as it is only while its text
// stays as it is, so it is not edited; the caret passes through it and the
// whole run can be deleted.
bool HoldsBrackets(const QString& text)
{
    return text.contains(u'[') || text.contains(u']');
}

// ---- character sets --------------------------------------------------------------

// The Windows-1251 byte of a character; -1 for a character the code page lacks.
int Cp1251Byte(QChar ch)
{
    static const QHash<char16_t, int> bytes = [] {
        QHash<char16_t, int> table;
        for (int b = 0; b < 256; ++b) {
            const QString decoded = base::DecodeCp1251(QByteArray(1, char(b)));
            if (decoded.size() == 1 && decoded[0] != QChar::ReplacementCharacter) table.insert(decoded[0].unicode(), b);
        }
        return table;
    }();
    return bytes.value(ch.unicode(), -1);
}

// Restricted: what a computable formula holds, "(", ")", "*", "+", ",", "-",
// "/", digits, "=", Latin letters, and the symbols e, ∈, π, ≥, ≤, ≠, ∞.
bool InRestrictedSet(int byte)
{
    if (byte >= 0xE6 && byte <= 0xEC) return true;
    if (byte >= '0' && byte <= '9') return true;
    if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z')) return true;
    return QByteArrayView("()*+,-/=").contains(char(byte));
}

// ---- notation of the pieces of a text run ----------------------------------------

constexpr qsizetype kNameLength = 4;

bool StartsWithStructureName(QStringView text)
{
    return text.size() >= kNameLength && MakeNamedTerm(text.left(kNameLength), nullptr, nullptr) != nullptr;
}

bool StartsWithFourBlanks(QStringView text)
{
    if (text.size() < kNameLength) return false;
    for (qsizetype i = 0; i < kNameLength; ++i)
        if (text[i].unicode() > u' ') return false;
    return true;
}

// A text as elements of a sequence: "[text]", or two groups when the text
// alone would read back as a structure ("sqrt(x)" as «[s][qrt(x)]»), with
// leading blanks beyond three dropped (a group of four blanks is dropped by
// the reader). Empty for an empty text.
QString TextGroups(QString text)
{
    while (StartsWithFourBlanks(text)) text.remove(3, 1);
    if (text.isEmpty()) return {};
    if (StartsWithStructureName(text)) return u'[' + text.left(1) + QStringLiteral("][") + text.mid(1) + u']';
    return u'[' + text + u']';
}

// A text as an argument that the reader takes as exactly one group.
QString FirstArgument(const QString& text)
{
    const QString groups = TextGroups(text);
    if (groups.isEmpty()) return QStringLiteral("[]");
    if (groups.count(u'[') > 1) return u'[' + groups + u']';
    return groups;
}

QString LastArgument(const QString& text)
{
    const QString groups = TextGroups(text);
    return groups.isEmpty() ? QStringLiteral("[]") : groups;
}

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

// A text run whose first four characters name a structure reads back as that
// structure, one that begins with four blanks is dropped: the first is split
// after its first character, the second loses blanks. Runs deep enough to be
// kept raw by the reader read back as they are and are left alone.
struct Mended {
    bool changed = false;
    bool split = false;  // a head was split off before the run
};

Mended MendRun(TSimpleTerm* run)
{
    Mended mended;
    TTerm* sequence = run->Parent;
    if (!sequence || sequence->Level() >= kMaxReadNesting || HoldsBrackets(run->Data)) return mended;
    while (StartsWithFourBlanks(run->Data)) {
        run->Data.remove(3, 1);
        if (run->Caret > 4) --run->Caret;
        mended.changed = true;
    }
    if (StartsWithStructureName(run->Data)) {
        const int k = sequence->IndexOfChild(run);
        auto head = std::make_unique<TSimpleTerm>(sequence, run->Owner);
        head->Data = run->Data.left(1);
        run->Data.remove(0, 1);
        TFormula* owner = run->Owner;
        if (owner->Current() == run) {
            if (run->Caret <= 1) {
                head->Caret = 1;
                owner->SetCurrent(head.get());
            } else {
                --run->Caret;
            }
        }
        // A gap after the run in the same sequence moves one element on.
        if (owner->Current() == sequence && sequence->Caret >= 2 * k + 1) sequence->Caret += 2;
        sequence->InsertChild(k, std::move(head));
        mended.changed = mended.split = true;
    }
    return mended;
}

bool MendRuns(TTerm* term)
{
    bool changed = false;
    for (int k = 1; k <= term->Count(); ++k) {
        TTerm* child = term->Child(k);
        if (IsText(child)) {
            const Mended mended = MendRun(static_cast<TSimpleTerm*>(child));
            changed = changed || mended.changed;
            if (mended.split) ++k;  // past the split-off head
        } else {
            changed = MendRuns(child) || changed;
        }
    }
    return changed;
}

void ClearCarets(TTerm* term, const TTerm* except)
{
    if (term != except) term->Caret = 0;
    for (int k = 1; k <= term->Count(); ++k) ClearCarets(term->Child(k), except);
}

} // namespace

// ---- entering ---------------------------------------------------------------------

bool CanEnter(const TTerm* term)
{
    return term->Kind() == TermKind::Sequence || term->Kind() == TermKind::Text || term->Count() > 0;
}

// A named term: its first argument from the left, its last from the right.
void TTerm::Enter(bool fromLeft)
{
    if (Count() == 0) return;
    Caret = fromLeft ? 1 : Count();
    Child(Caret)->Enter(fromLeft);
}

// The gap before a leading text run and after a trailing one is skipped: the
// caret goes into the run.
void TSostTerm::Enter(bool fromLeft)
{
    const int n = Count();
    Caret = fromLeft ? 1 : 2 * n + 1;
    Owner->SetCurrent(this);
    if (n == 0) return;
    TTerm* edge = Child(fromLeft ? 1 : n);
    if (!IsText(edge)) return;
    Caret = fromLeft ? 2 : 2 * n;
    edge->Enter(fromLeft);
}

void TSimpleTerm::Enter(bool fromLeft)
{
    Caret = fromLeft ? 1 : int(Data.size()) + 1;
    Owner->SetCurrent(this);
}

// ---- moving -----------------------------------------------------------------------

void TTerm::MoveRight()
{
    ++Caret;
    if (Caret <= Count()) {
        Child(Caret)->Enter(true);
        return;
    }
    LeaveRight();
}

void TTerm::MoveLeft()
{
    --Caret;
    if (Caret >= 1 && Caret <= Count()) {
        Child(Caret)->Enter(false);
        return;
    }
    LeaveLeft();
}

void TTerm::LeaveRight()
{
    Caret = 0;
    if (Parent) Parent->MoveRight();
}

void TTerm::LeaveLeft()
{
    Caret = 0;
    if (Parent) Parent->MoveLeft();
}

// Leaving the last gap (or the end of a trailing run) hands the caret to the
// parent; at the top of the formula it comes round to the start.
void TSostTerm::MoveRight()
{
    const int n = Count();
    ++Caret;
    if ((Caret == 2 * n + 1 && n > 0 && IsText(Child(n))) || Caret > 2 * n + 1) {
        if (Parent) LeaveRight();
        else Enter(true);
        return;
    }
    if (Caret % 2 == 0) {
        TTerm* element = Child(Caret / 2);
        if (CanEnter(element)) {
            element->Enter(true);
            return;
        }
        ++Caret;
    }
    Owner->SetCurrent(this);
}

void TSostTerm::MoveLeft()
{
    const int n = Count();
    --Caret;
    if ((Caret == 1 && n > 0 && IsText(Child(1))) || Caret < 1) {
        if (Parent) LeaveLeft();
        else Enter(false);
        return;
    }
    if (Caret % 2 == 0) {
        TTerm* element = Child(Caret / 2);
        if (CanEnter(element)) {
            element->Enter(false);
            return;
        }
        --Caret;
    }
    Owner->SetCurrent(this);
}

void TSimpleTerm::MoveRight()
{
    ++Caret;
    if (Caret <= Data.size() + 1 || !Parent) {
        Caret = std::min(Caret, int(Data.size()) + 1);
        Owner->SetCurrent(this);
        return;
    }
    LeaveRight();
}

void TSimpleTerm::MoveLeft()
{
    --Caret;
    if (Caret > 0 || !Parent) {
        Caret = std::max(Caret, 1);
        Owner->SetCurrent(this);
        return;
    }
    LeaveLeft();
}

// ---- typing -----------------------------------------------------------------------

// The caret is never held by a named term, only by the sequences and text
// runs of its arguments.
void TTerm::InsertChar(QChar) {}
void TTerm::KeyAction(int, Qt::KeyboardModifiers) {}
void TTerm::InsertStructure(int, int) {}

// A character in a gap starts a new text run there.
void TSostTerm::InsertChar(QChar ch)
{
    if (!Owner->Accepts(ch) || Count() >= kMaxEditElements || Caret < 1 || Caret % 2 == 0) return;
    const int k = (Caret - 1) / 2;
    auto run = std::make_unique<TSimpleTerm>(this, Owner);
    run->Data = QString(ch);
    run->Caret = 2;
    TTerm* typed = run.get();
    InsertChild(k + 1, std::move(run));
    ++Caret;
    Owner->SetCurrent(typed);
}

void TSimpleTerm::InsertChar(QChar ch)
{
    if (!Owner->Accepts(ch) || Caret < 1 || Caret > Data.size() + 1 || HoldsBrackets(Data)) return;
    Data.insert(Caret - 1, ch);
    ++Caret;
}

// ---- deleting ---------------------------------------------------------------------

// Backspace in an empty argument of a structure whose arguments are all
// empty (a fraction or root put in by mistake) removes the structure; nothing
// typed is lost. Returns whether it did; the argument is then destroyed.
namespace {
bool RemoveEmptyStructure(TTerm* argument)
{
    TTerm* structure = argument->Parent;
    if (!structure || structure->Kind() == TermKind::Sequence || !structure->Parent) return false;
    for (int k = 1; k <= structure->Count(); ++k)
        if (structure->Child(k)->Count() > 0) return false;
    TTerm* sequence = structure->Parent;
    const int k = sequence->IndexOfChild(structure);
    sequence->Caret = 2 * k - 1;
    argument->Owner->SetCurrent(sequence);
    sequence->DeleteChild(k);
    return true;
}
} // namespace

// Backspace destroys the whole element before the gap, Delete the one after.
void TSostTerm::KeyAction(int key, Qt::KeyboardModifiers)
{
    if (Caret < 1 || Caret % 2 == 0) return;
    const int k = (Caret - 1) / 2;
    if (key == kKeyBackspace && Count() == 0 && RemoveEmptyStructure(this)) return;  // this is destroyed
    if (key == kKeyBackspace && k >= 1) {
        DeleteChild(k);
        Caret -= 2;
    } else if (key == kKeyDelete && k < Count()) {
        DeleteChild(k + 1);
    }
}

// A character is removed; a run left empty is removed from its sequence and
// the caret stays in the gap where it was.
void TSimpleTerm::KeyAction(int key, Qt::KeyboardModifiers)
{
    if (HoldsBrackets(Data)) return;
    if (key == kKeyBackspace) {
        if (Caret < 2 || Caret > Data.size() + 1) return;
        --Caret;
        Data.remove(Caret - 1, 1);
    } else if (key == kKeyDelete) {
        if (Caret < 1 || Caret > Data.size()) return;
        Data.remove(Caret - 1, 1);
    } else {
        return;
    }
    TTerm* sequence = Parent;
    if (!Data.isEmpty() || !sequence) return;
    const int k = sequence->IndexOfChild(this);
    Owner->SetCurrent(sequence);
    sequence->Caret = 2 * k - 1;
    sequence->DeleteChild(k);  // destroys this run
}

// ---- structures -------------------------------------------------------------------

void TSostTerm::InsertStructure(int kind, int n)
{
    if (Count() >= kMaxEditElements || Caret < 1 || Caret % 2 == 0) return;
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

// ---- the formula --------------------------------------------------------------------

bool TFormula::Accepts(QChar ch) const
{
    if (IsBracket(ch)) return false;
    const int byte = Cp1251Byte(ch);
    if (byte < 32) return false;
    return !m_restricted || InRestrictedSet(byte);
}

void TFormula::EnsureCaret()
{
    if (!m_current) m_root->Enter(true);
}

void TFormula::BeginEdit(bool restricted)
{
    m_restricted = restricted;
    m_editing = true;
    ClearCarets(m_root.get(), nullptr);
    m_current = nullptr;
    m_root->Enter(true);
    Refresh();
}

void TFormula::EndEdit(bool confirmed)
{
    if (confirmed) AcceptTree();
    else RestoreTree();
    ClearCarets(m_root.get(), nullptr);
    m_current = nullptr;
    m_editing = false;
}

// The tree as Text gives it; the variables and their values stay.
void TFormula::RestoreTree()
{
    m_current = nullptr;
    m_root = std::make_unique<TSostTerm>(nullptr, this);
    m_root->Data = m_text;
    m_root->ParseText();
    TreeChanged();
}

void TFormula::KeyChar(QChar ch)
{
    EnsureCaret();
    if (ch == u'/') InsertStructure(kStructFraction);
    else if (ch == u'\\') InsertStructure(kStructRoot);
    else if (ch == u'^') InsertStructure(kStructPower);
    else {
        m_current->InsertChar(ch);
        Refresh();
    }
}

void TFormula::KeyDown(int key, Qt::KeyboardModifiers shift)
{
    EnsureCaret();
    switch (key) {
    case kKeyLeft:
    case kKeyUp: m_current->MoveLeft(); break;
    case kKeyRight:
    case kKeyDown: m_current->MoveRight(); break;
    default: m_current->KeyAction(key, shift); break;
    }
    EnsureCaret();
    Refresh();
}

void TFormula::TypeText(const QString& text)
{
    for (QChar ch : text) KeyChar(ch);
}

void TFormula::InsertStructure(int kind, int n)
{
    EnsureCaret();
    m_current->InsertStructure(kind, n);
    EnsureCaret();
    Refresh();
}

void TFormula::CaretPlaced()
{
    EnsureCaret();
    FixCaretPath();
    Refresh();
}

void TFormula::FixCaretPath()
{
    ClearCarets(m_root.get(), m_current);
    for (TTerm* term = m_current; term && term->Parent; term = term->Parent) {
        const int k = term->Parent->IndexOfChild(term);
        term->Parent->Caret = term->Parent->Kind() == TermKind::Sequence ? 2 * k : k;
    }
}

void TFormula::Refresh()
{
    if (MendRuns(m_root.get())) FixCaretPath();
    QString notation;
    m_root->ToBracketText(notation);
    TreeChanged();
    if (m_refreshListener) m_refreshListener();
}

const QString& TFormula::Notation() const
{
    return m_root->Data;
}

} // namespace formulas
