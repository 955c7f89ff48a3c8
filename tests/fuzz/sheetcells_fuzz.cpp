// Cell inputs of the data analysis lab's sheet, as a pupil types them or a
// workbook brings them: each line (UTF-8) is one input, "=" starting a
// formula, put into the cells of a 4 × 4 block in turn (the first byte picks
// where the block starts, so that inputs also land next to the sheet's
// edges). The formula engine (libixion) must neither crash nor hang; every
// cell then shows a text, and a cell that holds a number shows it.
#include "dataanalysis/sheet.h"
#include <QStringList>
#include <cstdint>
#include <cstdlib>

// libixion 0.17 leaks 12 bytes whenever it calculates =IF(1,"",T1) (an
// empty text literal as IF's result): its own fault, in memory the sheet
// never holds, so its leaks are not reported here.
extern "C" const char* __lsan_default_suppressions() { return "leak:libixion-0.17.so\n"; }

namespace {

constexpr int kBlock = 4;

dataanalysis::CellPos BlockCorner(uint8_t choice)
{
    // Near the top left corner, or against the last row and column.
    const bool farEdge = choice & 1;
    const int shift = (choice >> 1) % 3;
    if (!farEdge) return {1 + shift, 1 + shift};
    return {dataanalysis::kMaxRow - kBlock + 1 - shift, dataanalysis::kMaxCol - kBlock + 1 - shift};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const dataanalysis::CellPos corner = BlockCorner(data[0]);
    const QStringList inputs =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)).split(u'\n');
    dataanalysis::Sheet sheet;
    for (int i = 0; i < inputs.size() && i < 4 * kBlock * kBlock; ++i) {
        const int place = i % (kBlock * kBlock);
        const dataanalysis::CellPos cell{corner.row + place / kBlock, corner.col + place % kBlock};
        // Most inputs are set as a workbook sets them, some as one edit each.
        if (i % 3 == 2) sheet.edit(cell, inputs[i]);
        else sheet.setInput(cell, inputs[i]);
    }
    sheet.recalculate();
    for (const auto& [cell, input] : sheet.inputs()) {
        const QString shown = sheet.text(cell);
        if (!sheet.isFormula(cell) && sheet.number(cell) && shown.isEmpty()) std::abort();
    }
    return 0;
}
