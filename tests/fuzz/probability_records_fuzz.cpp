// The probability engine's lab-file section from arbitrary bytes: reading
// either succeeds or raises AppError, never crashes; a section that was read
// is written back, read again and gives the same text; experiments run on it.
// Build and run: see cmake/Orindo.cmake (target probability_records_fuzz).
#include "probability/laplas.h"
#include "base/apperror.h"
#include "base/textfile.h"
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList lines =
        base::SplitLines(base::DecodeCp1251(QByteArray(reinterpret_cast<const char*>(data), int(size))));
    probability::TLaplas lab;
    try {
        lab.LoadModel(lines);
    } catch (const base::AppError&) {
        return 0;
    }
    const QStringList saved = lab.SaveModel();
    probability::TLaplas again;
    again.LoadModel(saved); // must not throw: the engine reads what it writes
    if (again.SaveModel() != saved) std::abort();
    for (int i = 0; i < 3; ++i) lab.RunOne();
    return 0;
}
