#include "formulas/formula.h"

namespace formulas {

// The editor window is not built yet: every edit counts as cancelled and the
// formula keeps its text.
bool TFormula::Edit(bool /*restricted*/) { return false; }

} // namespace formulas
