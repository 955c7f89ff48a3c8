#pragma once

namespace dataanalysislab {

// Registers the data analysis lab window (lab 17) with the lab table; the
// shell calls it at start-up, before any CreateLab(17).
void RegisterLab17();

} // namespace dataanalysislab
