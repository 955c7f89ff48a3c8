// Demonstration script lines of any content.
#include "labframe/demo.h"
#include "base/textfile.h"
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = base::DecodeCp1251(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    for (const QString& line : base::SplitLines(text)) {
        const auto event = labframe::ParseScriptLine(line);
        if (event && labframe::IsScriptKeyEvent(event->code) && !labframe::EndsReplay(*event)
            && (event->a < 0 || event->a > 255))
            std::abort();
    }
    return 0;
}
