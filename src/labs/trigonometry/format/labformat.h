#pragma once
#include "labframe/file/labformats.h"

namespace trigonometrylab {

// The files of the trigonometry lab (lab 5): the controls of TfmLab5 in
// creation order, then two plane sections, the circle plane's and the graph
// plane's, separated by an empty line.
labframe::LabFormat Lab5Format();
void RegisterLab5Format();

} // namespace trigonometrylab
