#pragma once
#include "dataanalysis/dataseries.h"
#include <QStringList>
#include <vector>

// The data analysis lab's section of a lab file, after the window part's "#":
// one line per series in diagram order,
//   "1 2 1 31 0 0 0 -1 -1 Температура"
// the data range (left, top, right, bottom), the kind (0 line, 1 bar, 2 pie)
// and the label range, each of the nine integers followed by one blank, then
// the title to the end of the line. A series without labels writes 0 0 -1 -1.
// Lab files are untrusted: ranges outside the sheet, unknown kinds, missing
// numbers and more than kMaxSeries series are refused with their line.
namespace dataanalysis {


// Reads the section; firstLine is the file line of lines[0]. Empty lines are
// skipped. Throws base::LineError naming the refused line.
std::vector<DataSeries> ReadDataSection(const QStringList& lines, int firstLine);
// The section's lines, as ReadDataSection reads them back.
QStringList DataSectionLines(const std::vector<DataSeries>& series);

} // namespace dataanalysis
