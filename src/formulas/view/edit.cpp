#include "formulas/view/formulaeditor.h"
#include "formulas/formula.h"
#include "ui/waitcursor.h"
#include <optional>

namespace formulas {

// The caret starts at the beginning of the formula; OK makes the edited tree
// the formula's text, a cancel reads the tree again from the text it had.
// Confirming a compiled formula builds the compiler's library again, which
// takes a moment.
bool Edit(TFormula& formula, bool restricted)
{
    formula.BeginEdit(restricted);
    const bool confirmed = TffEditFormula::Instance().Open(formula, restricted);
    std::optional<ui::WaitCursor> wait;
    if (confirmed && formula.Compiled()) wait.emplace();
    formula.EndEdit(confirmed);
    return confirmed;
}

} // namespace formulas
