#pragma once
#include "labframe/file/labformats.h"

namespace divisibilitylab {

// The files of the divisibility lab (lab 1): only the controls of TfmLab1 in
// creation order; the lab has no engine section.
labframe::LabFormat Lab1Format();
void RegisterLab1Format();

} // namespace divisibilitylab
