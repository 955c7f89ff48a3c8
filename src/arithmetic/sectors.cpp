#include "arithmetic/sectors.h"
#include <algorithm>
#include <cmath>
#include <numbers>

namespace arithmetic {

int SectorAt(int dx, int dy, int count)
{
    const double pi = std::numbers::pi;
    double angle = 0;
    if (dx != 0 && dy != 0) {
        const double t = std::atan(std::abs(double(dy) / double(dx)));
        if (dx > 0 && dy < 0) angle = t;
        else if (dx < 0 && dy < 0) angle = pi - t;
        else if (dx < 0 && dy > 0) angle = pi + t;
        else angle = 2 * pi - t;
    }
    const int k = int(angle / (2 * pi / count)) + 1;
    // Rounding just below a full turn must not give a sector M + 1.
    return std::clamp(k, 1, count);
}

bool ValidSectorList(const QList<SectorRecord>& records)
{
    if (records.size() > kMaxSectorRecords) return false;
    const Fraction zero{0, 1};
    const Fraction one{1, 1};
    for (const SectorRecord& record : records) {
        if (record.Color < 0 || record.Color >= kPaletteSize) return false;
        if (!FractionLessOrEqual(zero, record.From) || !FractionLessOrEqual(record.To, one)) return false;
        if (FractionLessOrEqual(record.To, record.From)) return false;
    }
    QList<SectorRecord> sorted = records;
    std::sort(sorted.begin(), sorted.end(), [](const SectorRecord& a, const SectorRecord& b) {
        return !FractionLessOrEqual(b.From, a.From);
    });
    for (qsizetype i = 1; i < sorted.size(); ++i)
        if (!FractionLessOrEqual(sorted[i - 1].To, sorted[i].From)) return false;
    return true;
}

bool AddSector(QList<SectorRecord>& records, int k, int count, int color)
{
    if (count < 1 || k < 1 || k > count) return false;
    const SectorRecord added{*ReduceFraction(k - 1, count), *ReduceFraction(k, count), color};
    QList<SectorRecord> kept;
    QList<SectorRecord> pieces;
    for (SectorRecord old : records) {
        if (FractionLessOrEqual(added.From, old.From)) {
            if (FractionLessOrEqual(added.To, old.From)) kept.append(old); // after the new sector
            else if (!FractionLessOrEqual(added.To, old.To) || FractionsEqual(added.To, old.To))
                continue;                                                  // inside the new sector
            else {
                old.From = added.To;                                       // its beginning is covered
                kept.append(old);
            }
        } else if (FractionLessOrEqual(added.From, old.To)) {
            if (FractionLessOrEqual(added.To, old.To) && !FractionsEqual(added.To, old.To))
                pieces.append({added.To, old.To, old.Color});              // the new sector lies inside
            old.To = added.From;                                           // its end is covered
            kept.append(old);
        } else {
            kept.append(old);
        }
    }
    kept.append(added);
    kept.append(pieces);
    if (kept.size() > kMaxSectorRecords) return false;
    records = kept;
    return true;
}

std::array<std::optional<Fraction>, kPaletteSize> SumSectors(const QList<SectorRecord>& records)
{
    std::array<std::optional<Fraction>, kPaletteSize> sums;
    sums.fill(Fraction{0, 1});
    for (const SectorRecord& record : records) {
        if (record.Color < 0 || record.Color >= kPaletteSize) continue;
        auto& sum = sums[size_t(record.Color)];
        const auto width = SubtractFractions(record.To, record.From);
        sum = sum && width ? AddFractions(*sum, *width) : std::nullopt;
    }
    return sums;
}

QList<SectorRecord> WholeWhiteCircle()
{
    return {SectorRecord{Fraction{0, 1}, Fraction{1, 1}, 0}};
}

} // namespace arithmetic
