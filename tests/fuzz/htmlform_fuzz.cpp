// Page text of any kind must never crash or hang the scanner of the HTML
// view, nor the form value functions fed from it.
#include "base/textfile.h"
#include "ui/htmlform.h"
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = base::DecodeCp1251(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    ui::PageSummary page = ui::ScanPage(text);
    const QStringList values = ui::FormValues(page.fields);
    ui::ApplyFormValues(page.fields, values);
    ui::ApplyFormValues(page.fields, base::SplitLines(text));
    ui::DecodeEntities(text);
    return 0;
}
