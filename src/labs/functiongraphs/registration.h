#pragma once

namespace functiongraphslab {

// Registers the function graphs lab window (lab 3) with the lab table; the
// shell calls it at start-up, before any CreateLab(3).
void RegisterLab3();

} // namespace functiongraphslab
