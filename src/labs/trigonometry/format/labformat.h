#pragma once
#include "labframe/file/labformats.h"
#include <QStringList>

namespace trigonometrylab {

// The files of the trigonometry lab (lab 5): the controls of TfmLab5 in
// creation order, then two plane sections, the circle plane's and the graph
// plane's, separated by an empty line.
labframe::LabFormat Lab5Format();
void RegisterLab5Format();

struct TwoSections {
    QStringList Circle;
    int CircleLine = 1;
    QStringList Graph;
    int GraphLine = 1;
};
// Splits the engine lines at the first empty line; throws
// plane::SceneFormatError when the graph plane's section is missing.
TwoSections SplitSections(const QStringList& lines, int firstLine);

} // namespace trigonometrylab
