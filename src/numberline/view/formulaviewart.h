#pragma once
#include "numberline/linepainter.h"

namespace numberline {

// Formulas above the points as the formula views draw them.
class FormulaViewArt : public FormulaArt {
public:
    void Draw(formulas::TFormula& formula, QPainter& canvas, int x, int y) override;
};

} // namespace numberline
