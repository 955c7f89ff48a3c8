// A lab file from arbitrary bytes (Windows-1251) drawn as orindo-render draws
// it: the render either gives a picture of the asked size or a refusal with
// a message, and never crashes or hangs, however far out the scene's numbers
// lie. The first byte picks the picture's size, so that tiny pictures are
// drawn too.
#include "orindo-render/render/labrender.h"
#include "base/textfile.h"
#include <QGuiApplication>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Qt and fontconfig keep process-wide caches that are never freed.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: the fuzzer leaves through exit().
    new QGuiApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0 || size > 1 << 16) return 0;
    const QSize pictureSize(1 + data[0] % 97, 1 + (data[0] >> 4) * 7);
    const QString text = base::DecodeCp1251(QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)));
    const labrender::RenderResult result = labrender::RenderLabText(text, pictureSize);
    if (result.refusal) {
        if (result.refusal->message.isEmpty() || !result.image.isNull()) std::abort();
    } else if (result.image.size() != pictureSize) {
        std::abort();
    }
    return 0;
}
