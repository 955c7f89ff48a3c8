#pragma once
#include "labframe/file/labformats.h"

namespace fractionslab {

// The files of the fractions and percentages lab (lab 14): the controls of
// TfmLab14 in creation order and the lab's own section.
labframe::LabFormat Lab14Format();
void RegisterLab14Format();

} // namespace fractionslab
