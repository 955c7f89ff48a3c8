#pragma once
#include <QSize>
#include <QString>

class QPainter;

namespace formulas {
class TFormula;
}

// What a card or a place shows: a formula (content beginning with "[") laid
// out as the formula pictures are, or a plain text. The one place where item
// contents are measured and drawn.
namespace tasks {

bool IsFormulaContent(const QString& content);

// The size of the content: a formula at the point size of the painter's font
// (in the formula font), a text in the painter's font.
QSize ContentSize(QPainter& painter, formulas::TFormula& formula, const QString& content);
// Draws the content with its top left corner at (x, y) in the painter's pen.
void DrawContent(QPainter& painter, formulas::TFormula& formula, const QString& content, int x, int y);

} // namespace tasks
