// The bracket notation reader on any byte string (a line of a stored file,
// read as Windows-1251): it must never crash, hang or leak, and what it reads
// must write, read again, give variables and an expression text or an error.
#include "formulas/formula.h"
#include "base/textfile.h"
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    // The first byte chooses a prefix and a suffix, as the callers set them.
    const uint8_t options = data[0];
    const QString text = base::DecodeCp1251(QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)));

    formulas::TFormula formula;
    formula.SetPrefix(options & 1 ? QStringLiteral("y = ") : QString());
    formula.SetSuffix(options & 2 ? QStringLiteral("=0") : QString());
    formula.SetText(text);

    QString written;
    formula.Root()->ToBracketText(written);
    formula.SetText(written);
    for (long double& value : formula.Values()) value = 0.5L;
    try {
        formula.ExpressionText();
        formula.Calculate();
    } catch (const base::AppError&) {
    }
    return 0;
}
