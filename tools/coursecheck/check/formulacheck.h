#pragma once
#include "coursecheck/check/report.h"
#include <QString>
#include <optional>

// Formulas written by hand in pages, answer files and container files.
namespace coursecheck {

// The notation as the term tree writes it back; equal to text when the
// formula reads back the same.
QString NotationReadBack(const QString& text);

// How many random integer points an expected formula gets before it counts
// as undefined everywhere (the judging itself tries 20 per answer).
inline constexpr int kEvaluationTries = 100;

// Why an expected formula answer can never be matched by value: none when it
// evaluates at one of kEvaluationTries points with every variable a random
// integer from -5000 to 4999 (as the judging draws them); otherwise the last
// evaluation error.
std::optional<QString> NeverEvaluates(const QString& text);

// Reports a formula whose notation changes on reading back; false then.
bool CheckNotation(Report& report, const QString& file, int line, const QString& text);
// CheckNotation, and then a formula answer that never evaluates.
void CheckExpectedFormula(Report& report, const QString& file, int line, const QString& text);

// Every "<FORMULA=...>" tag of the lines (the tag's name in any letter case).
void CheckFormulaTags(Report& report, const QString& file, const QStringList& lines);

} // namespace coursecheck
