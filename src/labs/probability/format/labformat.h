#pragma once
#include "labframe/file/labformats.h"

namespace probabilitylab {

// The files of the probability models lab (lab 16): the controls of TfmLab16
// in creation order and the probability engine's model records.
labframe::LabFormat Lab16Format();
void RegisterLab16Format();

} // namespace probabilitylab
