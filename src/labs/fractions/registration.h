#pragma once

namespace fractionslab {

// Registers the fractions and percentages lab window (lab 14) with the lab
// table; the shell calls it at start-up, before any CreateLab(14).
void RegisterLab14();

} // namespace fractionslab
