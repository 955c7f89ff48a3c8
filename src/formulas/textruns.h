#pragma once
// How a run of plain text in a formula reads back from bracket notation, for
// the editing code: a run must never read back as something else.
#include "formulas/terms.h"
#include <QString>
#include <QStringView>

namespace formulas {

inline bool IsText(const TTerm* term) { return term && term->Kind() == TermKind::Text; }

// Structure names are four characters long ("drob", "sqrt" ...).
constexpr qsizetype kNameLength = 4;

// A text run that holds brackets comes only from a stored text whose group
// began with a character before its inner groups («[a[b]]»), or from deep
// nesting the reader keeps raw. It reads back as it is only while its text
// stays as it is, so it is not edited; the caret passes through it and the
// whole run can be deleted.
bool HoldsBrackets(const QString& text);
bool StartsWithStructureName(QStringView text);
bool StartsWithFourBlanks(QStringView text);

// A text as elements of a sequence: "[text]", or two groups when the text
// alone would read back as a structure ("sqrt(x)" as «[s][qrt(x)]»), with
// leading blanks beyond three dropped (a group of four blanks is dropped by
// the reader). Empty for an empty text.
QString TextGroups(QString text);
// A text as an argument that the reader takes as exactly one group.
QString FirstArgument(const QString& text);
QString LastArgument(const QString& text);

// Splits or trims every run of the tree that would not read back as typed;
// true when something changed.
bool MendRuns(TTerm* term);

} // namespace formulas
