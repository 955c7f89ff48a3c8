#pragma once
#include "labframe/file/labformats.h"

namespace coordlinelab {

// The files of the coordinate line lab (lab 2): the controls of TfmLab2 in
// creation order and the number-line engine's records.
labframe::LabFormat Lab2Format();
void RegisterLab2Format();

} // namespace coordlinelab
