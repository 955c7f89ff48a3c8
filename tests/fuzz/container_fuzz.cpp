// Any bytes as a container file (".CNT") of a drag-and-drop answer area: the
// reader must neither crash nor hang, and what it read must survive being
// written and read again unchanged.
#include "base/textfile.h"
#include "taskfiles/containerfile.h"
#include <cstdint>
#include <cstdlib>

namespace {

bool SameItems(const QList<tasks::ContainerItem>& a, const QList<tasks::ContainerItem>& b) { return a == b; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const tasks::ContainerData read = tasks::ParseContainer(base::SplitLines(base::DecodeCp1251(bytes)));

    for (const auto* items : {&read.targets, &read.senders})
        for (const tasks::ContainerItem& item : *items) {
            if (item.name.isEmpty() || item.name.contains(u' ')) std::abort();
            if (std::abs(item.left) > tasks::kMaxContainerPosition || std::abs(item.top) > tasks::kMaxContainerPosition)
                std::abort();
        }
    const tasks::ContainerSizes& s = read.sizes;
    for (int value : {s.panelHeight, s.targetWidth, s.targetExtra, s.senderWidth, s.senderHeight})
        if (value < 0 || value > tasks::kMaxContainerSize) std::abort();

    if (!read.error.isEmpty()) return 0;
    const tasks::ContainerData again = tasks::ParseContainer(tasks::ContainerLines(read));
    if (!again.error.isEmpty() || !(again.sizes == read.sizes) || !SameItems(again.targets, read.targets)
        || !SameItems(again.senders, read.senders))
        std::abort();
    return 0;
}
