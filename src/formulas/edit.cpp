#include "formulas/formulaeditor.h"
#include "formulas/formula.h"

namespace formulas {

// The caret starts at the beginning of the formula; OK makes the edited tree
// the formula's text, a cancel reads the tree again from the text it had.
bool TFormula::Edit(bool restricted)
{
    BeginEdit(restricted);
    const bool confirmed = TffEditFormula::Instance().Open(*this, restricted);
    EndEdit(confirmed);
    return confirmed;
}

} // namespace formulas
