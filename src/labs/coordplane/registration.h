#pragma once

namespace coordplanelab {

// Registers the coordinate plane lab window (lab 6) with the lab table; the
// shell calls it at start-up, before any CreateLab(6).
void RegisterLab6();

} // namespace coordplanelab
