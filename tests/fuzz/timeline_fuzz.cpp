// Areas files of the time line of any content.
#include "base/textfile.h"
#include "shell/timelineareas.h"
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = base::DecodeCp1251(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const auto read = shell::ParseOsAreas(base::SplitLines(text));
    if (read.areas.size() > size_t(shell::kMaxOsAreas)) std::abort();
    for (const auto& area : read.areas) {
        // A page never leads out of "OS\".
        if (area.page.isEmpty() || area.page.contains(QLatin1Char('\\')) || area.page.contains(QLatin1Char('/')))
            std::abort();
        shell::HitOsArea(read.areas, area.left, area.top, 340);
    }
    return 0;
}
