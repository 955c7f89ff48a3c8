// The probability engine's lab-file section from arbitrary bytes: reading
// either succeeds or raises AppError, never crashes; a section that was read
// is written back, read again and gives the same text; experiments run on it.
// Build and run: see cmake/Orindo.cmake (target probability_records_fuzz).
//
// A lab holds four outcome tables of about 130 KB each, so the two labs are
// made once and every input is loaded into them, as a file is loaded into
// the lab window that is open. Loading builds the model anew; only the ball
// colours a section does not name would stay from the input before, so they
// are set back to those of a new lab first: an input gives the same result
// alone as in a run.
#include "probability/laplas.h"
#include "base/apperror.h"
#include "base/textfile.h"
#include <cstdlib>

namespace {

void ResetBallColours(probability::TLaplas& lab)
{
    static const probability::TLaplas fresh;
    for (int element = 1; element <= probability::kMaxElements; ++element)
        lab.SetBallColor(element, fresh.BallColor(element));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static probability::TLaplas lab;
    static probability::TLaplas again;
    const QStringList lines =
        base::SplitLines(base::DecodeCp1251(QByteArray(reinterpret_cast<const char*>(data), int(size))));
    ResetBallColours(lab);
    try {
        lab.LoadModel(lines);
    } catch (const base::AppError&) {
        return 0;
    }
    const QStringList saved = lab.SaveModel();
    ResetBallColours(again);
    again.LoadModel(saved); // must not throw: the engine reads what it writes
    if (again.SaveModel() != saved) std::abort();
    for (int i = 0; i < 3; ++i) lab.RunOne();
    return 0;
}
