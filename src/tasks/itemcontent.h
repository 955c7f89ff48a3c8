#pragma once
#include <QSize>
#include <QString>

class QPainter;

namespace formulas {
class TFormula;
}

// What a card or a place shows: a formula (content beginning with "[") or a
// plain text. The one place where item contents are measured and drawn.
namespace tasks {

bool IsFormulaContent(const QString& content);

// The formula as one line of text (fractions as "(a)/(b)", powers as "a^b",
// roots with "√", the symbol letters as their signs), shown until the
// formula drawing can lay it out on the canvas.
QString FormulaLine(const formulas::TFormula& formula);

// The size of the content in the painter's font.
QSize ContentSize(QPainter& painter, const formulas::TFormula& formula, const QString& content);
// Draws the content with its top left corner at (x, y).
void DrawContent(QPainter& painter, const formulas::TFormula& formula, const QString& content, int x, int y);

} // namespace tasks
