#pragma once

namespace equationgraphslab {

// Registers the equation graphs lab window (lab 11) with the lab table; the
// shell calls it at start-up, before any CreateLab(11).
void RegisterLab11();

} // namespace equationgraphslab
