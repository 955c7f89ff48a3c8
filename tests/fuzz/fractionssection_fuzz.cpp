// The fractions lab's section of a lab file from arbitrary bytes: reading
// either succeeds or refuses with a LineError, never crashes or hangs; a
// section that was read is written back and reads again to the same section;
// the circle's sums and a click on it work on whatever was read.
// Build and run: see cmake/Orindo.cmake (target fractionssection_fuzz).
#include "labs/fractions/format/fractionssection.h"
#include "base/apperror.h"
#include "base/textfile.h"
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList lines =
        base::SplitLines(base::DecodeCp1251(QByteArray(reinterpret_cast<const char*>(data), int(size))));
    fractionslab::FractionsSection section;
    try {
        section = fractionslab::ReadFractionsSection(lines, 1);
    } catch (const base::LineError&) {
        return 0;
    }
    const QStringList written = fractionslab::FractionsSectionLines(section);
    if (fractionslab::ReadFractionsSection(written, 1) != section) std::abort();
    arithmetic::SumSectors(section.sectors);
    if (!section.sectors.isEmpty()) {
        const int count = int(size % arithmetic::kMaxSectorCount) + 1;
        arithmetic::AddSector(section.sectors, int(size % count) + 1, count, 1);
        if (!arithmetic::ValidSectorList(section.sectors)) std::abort();
    }
    return 0;
}
