#pragma once
#include "labframe/file/labformats.h"

namespace coordplanelab {

// The files of the coordinate plane lab (lab 6): the controls of TfmLab6 in
// creation order and the plane engine's section.
labframe::LabFormat Lab6Format();
void RegisterLab6Format();

} // namespace coordplanelab
