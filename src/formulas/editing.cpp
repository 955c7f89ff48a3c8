// Editing the term tree: the caret, typing and deleting (structures are
// inserted in structures.cpp). Every change is made to the tree;
// TFormula::Refresh then writes the whole tree back to bracket notation.
#include "formulas/formula.h"
#include "formulas/terms.h"
#include "formulas/textruns.h"
#include "base/symbols.h"
#include "base/textfile.h"
#include <QByteArray>
#include <QHash>
#include <array>

namespace formulas {
namespace {

bool IsBracket(QChar c) { return c == u'[' || c == u']'; }

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
