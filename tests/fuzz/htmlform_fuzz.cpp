// Page text of any kind must never crash or hang the scanner of the HTML
// view, nor the form value functions fed from it.
#include "base/textfile.h"
#include "base/htmlform.h"
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = base::DecodeCp1251(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    base::PageSummary page = base::ScanPage(text);
    const QStringList values = base::FormValues(page.fields);
    base::ApplyFormValues(page.fields, values);
    base::ApplyFormValues(page.fields, base::SplitLines(text));
    base::DecodeEntities(text);
    return 0;
}
