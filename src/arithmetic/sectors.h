#pragma once
#include "arithmetic/fractions.h"
#include <QList>
#include <array>
#include <optional>

// The circle of the fractions lab: M equal sectors, painted one click at a
// time. The painted parts are records From..To (fractions of a full turn,
// counter-clockwise from three o'clock) with a palette colour; they never
// overlap, need not cover the circle and are kept in painting order.
namespace arithmetic {

constexpr int kPaletteSize = 8;
constexpr int kMaxSectorCount = 100;
// The most records the circle keeps, the new one and split-off pieces included.
constexpr int kMaxSectorRecords = 100;

struct SectorRecord {
    Fraction From;
    Fraction To;
    int Color = 0;
    friend bool operator==(const SectorRecord&, const SectorRecord&) = default;
};

// The sector 1..count under the point (dx, dy) from the centre, screen y
// growing downwards. A point level with the centre or straight above or
// below it counts as angle 0, the first sector.
int SectorAt(int dx, int dy, int count);

// Whether records are a list the circle can hold: at most the limit, colours
// of the palette, 0 <= From < To <= 1, no two overlapping.
bool ValidSectorList(const QList<SectorRecord>& records);

// Paints sector k of count (1-based) in color over the records. Records it
// covers are removed, records it cuts are shortened, a record it lies inside
// is split and its far piece appended after the new record. False, leaving
// records unchanged, when the result would pass kMaxSectorRecords.
bool AddSector(QList<SectorRecord>& records, int k, int count, int color);

// The share of the circle of each colour: the sum of To − From of its
// records; nullopt for a colour whose sum does not fit in 64 bits.
std::array<std::optional<Fraction>, kPaletteSize> SumSectors(const QList<SectorRecord>& records);

// The whole circle in white.
QList<SectorRecord> WholeWhiteCircle();

} // namespace arithmetic
