#pragma once

namespace divisibilitylab {

// Registers the divisibility lab window (lab 1) with the lab table; the shell
// calls it at start-up, before any CreateLab(1).
void RegisterLab1();

} // namespace divisibilitylab
