#pragma once

namespace planimetrylab {

// Registers the planimetry lab window (lab 4) with the lab table; the shell
// calls it at start-up, before any CreateLab(4).
void RegisterLab4();

} // namespace planimetrylab
