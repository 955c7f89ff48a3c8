#pragma once

namespace programminglab {

// Registers the programming lab window (lab 19) with the lab table; the
// shell calls it at start-up, before any CreateLab(19).
void RegisterLab19();

} // namespace programminglab
