#pragma once
#include "labframe/file/labformats.h"

namespace equationgraphslab {

// The files of the equation graphs lab (lab 11): the controls of TfmLab11 in
// creation order and the plane engine's section.
labframe::LabFormat Lab11Format();
void RegisterLab11Format();

} // namespace equationgraphslab
