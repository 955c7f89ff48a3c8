// Workbooks from arbitrary bytes, as the data analysis lab reads them beside
// a lab file: Office Open XML through liborcus, the old binary format through
// libfreexl. Reading either fills the sheet or gives a message, never crashes
// or hangs; every cell read then shows a text and the formulas compute.
// Build and run: see cmake/Orindo.cmake (target workbook_fuzz).
#include "dataanalysis/sheet.h"
#include "dataanalysis/workbook.h"
#include <QTemporaryFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    dataanalysis::Sheet sheet;
    // The old binary format is read from a file only.
    QTemporaryFile file;
    if (file.open()) {
        file.write(bytes);
        file.close();
        dataanalysis::ReadWorkbook(file.fileName(), sheet);
    } else {
        dataanalysis::ReadWorkbookBytes(bytes, sheet);
    }
    for (const auto& [cell, input] : sheet.inputs()) sheet.text(cell);
    sheet.edit({1, 1}, QStringLiteral("2"));
    return 0;
}
