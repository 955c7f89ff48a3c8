#include "numberline/view/formulaviewart.h"
#include "formulas/view/drawing.h"

namespace numberline {

void FormulaViewArt::Draw(formulas::TFormula& formula, QPainter& canvas, int x, int y)
{
    formulas::Draw(formula, canvas, x, y);
}

} // namespace numberline
