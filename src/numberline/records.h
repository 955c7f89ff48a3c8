#pragma once
#include "base/apperror.h"
#include "base/numfmt.h"
#include "numberline/lineview.h"
#include "numberline/scene.h"
#include <QStringList>

// The number-line engine's section of a lab file (after the window's "#"
// line), numbers with a decimal point:
//   40 0 a=2                     scale, centre, parameters other than 1
//   TPoint:  6.66666666666667E-0001  0.00000000000000E+0000 TRUE TRUE [drob[2][3]] A
//   TSegment: 0 1 TRUE 0         point indices, visible, colour 0xBBGGRR
//   TLuch: 0 TRUE TRUE 255       origin index, to the right, visible, colour
// A point's formula is its run of bracket groups; everything after the blank
// that follows it is the name, blanks included. The reader checks every
// record while it builds a scene of its own, so a section it refuses leaves
// nothing behind.
namespace numberline {

// A section that cannot be read; names the file line and what is wrong there.
class SectionFormatError : public base::LineError {
public:
    SectionFormatError(int line, const QString& reason);
    int Line() const { return line(); }
    const QString& Reason() const { return reason(); }
};

struct NumberLineSection {
    double Scale = LineView::kInitialScale;
    double CenterX = 0;
    NumberLineScene Scene;
};

// Reads the section from its header on, up to the end of lines or the first
// empty line; a scale or centre beyond the view's bounds is brought within
// them. firstLine is the file's line number of lines[0]. Throws SectionFormatError.
NumberLineSection ReadNumberLineSection(const QStringList& lines, int firstLine = 1);

// The section's lines, without line ends.
QStringList WriteNumberLineSection(const NumberLineScene& scene, const LineView& view);

using base::FormatRecordReal;

} // namespace numberline
