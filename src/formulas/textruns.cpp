#include "formulas/textruns.h"
#include "formulas/formula.h"
#include <memory>

namespace formulas {

bool HoldsBrackets(const QString& text)
{
    return text.contains(u'[') || text.contains(u']');
}

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

QString TextGroups(QString text)
{
    while (StartsWithFourBlanks(text)) text.remove(3, 1);
    if (text.isEmpty()) return {};
    if (StartsWithStructureName(text)) return u'[' + text.left(1) + QStringLiteral("][") + text.mid(1) + u']';
    return u'[' + text + u']';
}

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

namespace {

// A text run that begins with four blanks is dropped by the reader at any
// depth: it loses blanks. One whose first four characters name a structure
// reads back as that structure: it is split after its first character, except
// where the reader keeps groups raw (deep enough, or holding brackets) and
// reads no names.
struct Mended {
    bool changed = false;
    bool split = false;  // a head was split off before the run
};

Mended MendRun(TSimpleTerm* run)
{
    Mended mended;
    TTerm* sequence = run->Parent;
    if (!sequence) return mended;
    while (StartsWithFourBlanks(run->Data)) {
        run->Data.remove(3, 1);
        if (run->Caret > 4) --run->Caret;
        mended.changed = true;
    }
    if (sequence->Level() >= kMaxReadNesting || HoldsBrackets(run->Data)) return mended;
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

} // namespace

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

} // namespace formulas
