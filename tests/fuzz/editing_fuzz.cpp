// Editing sessions on any formula: the first bytes are a line of bracket
// notation (Windows-1251) up to a zero byte, the rest a sequence of keys, each
// byte one key (arrows, Backspace, Delete, a structure, or a character typed).
// The tree must never crash, the caret must stay in a sequence or text run of
// the tree, and the notation written after every step must read back to
// itself (a blank text run, which the reader drops, aside: one of spaces, or
// of control characters left from a stored text once its letters are gone).
// A stored text that does not read back to itself (unbalanced brackets leave
// brackets in a text run) is first read and written until it does; one that
// never does is only edited, not checked.
#include "formulas/formula.h"
#include "base/textfile.h"
#include <QRegularExpression>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

using namespace formulas;

QString ReadBack(const QString& notation)
{
    TFormula formula;
    formula.SetText(notation);
    QString written;
    formula.Root()->ToBracketText(written);
    return written;
}

bool InTree(const TTerm* term, const TTerm* root)
{
    while (term && term != root) term = term->Parent;
    return term == root;
}

void Step(TFormula& formula, uint8_t key)
{
    static const int kKeys[] = {kKeyLeft, kKeyRight, kKeyUp, kKeyDown, kKeyBackspace, kKeyDelete};
    static const int kKinds[] = {kStructFraction, kStructParentheses, kStructModulus, kStructRoot, kStructPower,
                                 kStructIndex, kStructLog, kStructIntegral, kStructSystem, kStructVector};
    if (key < 6) formula.KeyDown(kKeys[key]);
    else if (key < 16) formula.InsertStructure(kKinds[key - 6], key % 4);
    else formula.KeyChar(base::DecodeCp1251(QByteArray(1, char(key)))[0]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype split = bytes.indexOf('\0');
    const QByteArray notation = split < 0 ? bytes : bytes.left(split);
    const QByteArray keys = split < 0 ? QByteArray() : bytes.mid(split + 1, 400);

    QString text = base::DecodeCp1251(notation);
    bool stable = false;
    for (int round = 0; round < 3 && !stable; ++round) {
        const QString again = ReadBack(text);
        stable = again == text;
        text = again;
    }
    TFormula formula;
    formula.SetText(text);
    formula.BeginEdit(!keys.isEmpty() && (uint8_t(keys[0]) & 1));
    static const QRegularExpression blankRun(QStringLiteral("\\[[\\x{0}-\\x{20}]+\\]"));
    QString checked; // the last notation found to read back as the check wants
    for (char key : keys) {
        Step(formula, uint8_t(key));
        const TTerm* current = formula.Current();
        if (!current || !InTree(current, formula.Root()) || current->Caret < 1
            || (current->Kind() != TermKind::Sequence && current->Kind() != TermKind::Text))
            std::abort();
        if (!stable) continue;
        const QString written = formula.Notation();
        // A key that left the notation as it was (a caret move, Backspace at
        // the start: four keys in ten) has nothing new to read back.
        if (written == checked) continue;
        const QString once = ReadBack(written);
        // Read back to itself: then it also reads back to itself once more.
        if (once != written && (!written.contains(blankRun) || once != ReadBack(once))) std::abort();
        checked = written;
    }
    formula.EndEdit(true);
    return 0;
}
