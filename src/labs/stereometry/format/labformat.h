#pragma once
#include "labframe/file/labformats.h"

namespace stereometrylab {

// The files of the stereometry lab (lab 13): the controls of TfmLab13 in
// creation order and the space engine's section.
labframe::LabFormat Lab13Format();
void RegisterLab13Format();

} // namespace stereometrylab
