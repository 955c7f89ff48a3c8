#pragma once

namespace coordlinelab {

// Registers the coordinate line lab window (lab 2) with the lab table; the
// shell calls it at start-up, before any CreateLab(2).
void RegisterLab2();

} // namespace coordlinelab
