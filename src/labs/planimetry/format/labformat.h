#pragma once
#include "labframe/file/labformats.h"

namespace planimetrylab {

// The files of the planimetry lab (lab 4): the controls of TfmLab4 in
// creation order and the plane engine's section.
labframe::LabFormat Lab4Format();
void RegisterLab4Format();

} // namespace planimetrylab
