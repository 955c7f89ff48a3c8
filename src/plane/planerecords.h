#pragma once
#include "base/apperror.h"
#include "base/numfmt.h"
#include "base/textutil.h"
#include "plane/functionlist.h"
#include "plane/planeview.h"
#include "plane/scene.h"
#include <QStringList>

// The plane engine's section of a lab file (after the window's "#" line):
// a header with the view and the parameters, then one record per point,
// figure, dependency, image link, measure, graph and equation, numbers with
// a decimal point; last, one "Graph:" record per point that lies on a graph.
// The reader checks every record (numbers, indices, kinds, cycles) while it
// builds a scene of its own, so a file it refuses leaves nothing behind.
namespace plane {

// A section that cannot be read; names the file line and what is wrong there.
class SceneFormatError : public base::LineError {
public:
    using base::LineError::LineError;
    int Line() const { return line(); }
    const QString& Reason() const { return reason(); }
};

struct PlaneSection {
    double Scale = PlaneView::kInitialScale;
    double CenterX = 0;
    double CenterY = 0;
    PlaneScene Scene;
    FunctionList Algebra;
};

// Reads the section from its header line on, up to the end of lines or the
// first empty line. firstLine is the file's line number of lines[0], for
// the messages. Throws SceneFormatError.
PlaneSection ReadPlaneSection(const QStringList& lines, int firstLine = 1);

// The section's lines, without line ends; the graphs and equations last.
QStringList WritePlaneSection(const PlaneScene& scene, const PlaneView& view, const FunctionList* algebra = nullptr);

using base::FormatRecordReal;

// The lines of one section from a lab file reader (anything with atEnd() and
// readLine()), up to the end of the file or an empty line, which is consumed.
template <class LineReader> QStringList TakeSectionLines(LineReader& reader)
{
    QStringList lines;
    while (!reader.atEnd()) {
        QString line = reader.readLine();
        if (base::Trim(line).isEmpty()) break;
        lines.append(std::move(line));
    }
    return lines;
}

} // namespace plane
