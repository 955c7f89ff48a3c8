#pragma once
#include "arithmetic/sectors.h"
#include <QList>
#include <QStringList>

// The fractions lab's section of a lab file, after the window part's "#":
//   " 5 5"            the parts of each member, each after a blank
//   " 0 0 6 ..."      the square's colours, column by column, n² values
//   "0 1 1 4 0"       one line per circle record: From (num den), To (num
//   "1 4 1 2 6"       den), colour; at most 100 records
// Lab files are untrusted: numbers outside their ranges, a zero denominator,
// records that leave the circle or overlap, and more than 100 records are
// refused with the line they stand on.
namespace fractionslab {

struct FractionsSection {
    // Empty when the file has no such line (the lab then keeps its cleared state).
    QList<int> memberParts;
    QList<int> squareCells;
    QList<arithmetic::SectorRecord> sectors;
    friend bool operator==(const FractionsSection&, const FractionsSection&) = default;
};

// Reads the section; firstLine is the file line of lines[0]. Throws
// base::LineError naming the refused line.
FractionsSection ReadFractionsSection(const QStringList& lines, int firstLine);
// The section's lines, as ReadFractionsSection reads them back.
QStringList FractionsSectionLines(const FractionsSection& section);

} // namespace fractionslab
