#pragma once

namespace trigonometrylab {

// Registers the trigonometry lab window (lab 5) with the lab table; the
// shell calls it at start-up, before any CreateLab(5).
void RegisterLab5();

} // namespace trigonometrylab
