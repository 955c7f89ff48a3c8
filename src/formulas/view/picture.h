#pragma once
#include <QColor>
#include <QImage>
#include <QString>

// Pictures of formulas, for pages, answers and tools.
namespace formulas {

class TFormula;

// The picture of the formula at the picture font size (formulapages.h):
// colour on background, a 3-pixel margin, the formula's axis on the
// picture's vertical middle; 16 × 20 empty pixels when it has no width.
QImage Picture(TFormula& formula, const QColor& colour, const QColor& background);

// Writes the picture to a file (a program path or a real path): a GIF
// whose background is its transparent colour when the name contains
// ".gif" in any letter case, a Windows bitmap otherwise. False when the
// file cannot be written; nothing half-written is left. Pictures are
// scratch files: replaced in one step but not flushed to the disk.
bool SaveImage(TFormula& formula, const QString& fileName, const QColor& colour, const QColor& background);

} // namespace formulas
