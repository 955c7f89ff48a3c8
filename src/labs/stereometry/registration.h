#pragma once

namespace stereometrylab {

// Registers the stereometry lab window (lab 13) with the lab table; the
// shell calls it at start-up, before any CreateLab(13).
void RegisterLab13();

} // namespace stereometrylab
