#pragma once
#include "labframe/file/labformats.h"

namespace dataanalysislab {

// The files of the data analysis lab (lab 17): the controls of TfmLab17 in
// creation order and the lab's series section.
labframe::LabFormat Lab17Format();
void RegisterLab17Format();

} // namespace dataanalysislab
