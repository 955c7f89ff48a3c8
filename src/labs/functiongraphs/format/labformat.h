#pragma once
#include "labframe/file/labformats.h"

namespace functiongraphslab {

// The files of the function graphs lab (lab 3): the controls of TfmLab3 in
// creation order and the plane engine's section.
labframe::LabFormat Lab3Format();
void RegisterLab3Format();

} // namespace functiongraphslab
