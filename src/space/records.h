#pragma once
#include "base/apperror.h"
#include "space/scene.h"
#include "space/spaceview.h"
#include <QStringList>

// The space engine's section of a lab file (after the window's "#" line),
// numbers with a decimal point:
//   40 0 0                                    scale, centre x, centre y
//   TPoint:  1.00000000000000E+0000  2.00000000000000E+0000  0.00000000000000E+0000 TRUE A
//   TSegment: TRUE 0 0 1                      visible, colour, point indices
//   TGrane: TRUE 255 0 1 2 0                  visible, colour, vertex indices
//   Parents: 2 0 -1 1                         point, base, second base, meet flag
//                                             (1 meeting point, 0 on one object, -1 not there)
//   Morphing: 5 2 1  3  4.50000000000000E+0001  point, source, kind, element, parameter
//   TDistance: 0 1                            TAngle: 0 1 2
// Everything after the blank that follows a point's flag is its name, blanks
// included. Figures are written in the model's order, so indices in later
// records stay right whatever order the faces are drawn in. The reader
// checks every record while it builds a scene of its own: an index out of
// range, a point that depends on itself or on a later point, a face of fewer
// than three vertices or a plane figure where a line belongs is refused with
// the file line, and nothing is left behind. Lines with another first word
// are passed over. Positions are taken as stored; whether a dependent point
// is there comes from its flag, so a file reads back to the same lines.
namespace space {

class SectionFormatError : public base::LineError {
public:
    SectionFormatError(int line, const QString& reason) : base::LineError(line, reason) {}
    int Line() const { return line(); }
    const QString& Reason() const { return reason(); }
};

struct SpaceSection {
    double Scale = SpaceView::kInitialScale;
    double CenterX = 0;
    double CenterY = 0;
    SpaceScene Scene;
};

// firstLine is the file's line number of lines[0]. Throws SectionFormatError.
SpaceSection ReadSpaceSection(const QStringList& lines, int firstLine = 1);

// The section's lines, without line ends.
QStringList WriteSpaceSection(const SpaceScene& scene, const SpaceView& view);

} // namespace space
