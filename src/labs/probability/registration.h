#pragma once

namespace probabilitylab {

// Registers the probability models lab window (lab 16) with the lab table;
// the shell calls it at start-up, before any CreateLab(16).
void RegisterLab16();

} // namespace probabilitylab
