#pragma once
#include "labframe/file/labformats.h"

namespace programminglab {

inline constexpr int kLabNumber = 19;

// The lab's own buttons, in creation order after the frame's.
const QStringList& Lab19Buttons();
// Lab 19 keeps only its buttons in lab files; the pupil's program lies
// beside the lab file in a file of its own, and there is no engine section.
labframe::LabFormat Lab19Format();
void RegisterLab19Format();

} // namespace programminglab
