// Any bytes as a pupil's results file: the results table reads every value
// and the XML export of the entries is always well-formed.
#include "base/textfile.h"
#include "users/resultstable.h"
#include <QXmlStreamReader>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lines = base::SplitLines(base::DecodeCp1251(bytes));
    for (const QString& line : lines) {
        const QString value = line.mid(line.indexOf(u'=') + 1);
        for (const bool attempts : {true, false}) {
            const users::CellView cell = users::ViewCell(value, attempts);
            if (cell.hasValue == value.isEmpty()) std::abort();
        }
    }
    // The identifier comes from the register and may hold anything too; it is
    // kept to the length of a long register line, or every exported entry
    // would repeat a line of the whole input.
    const QString id = lines.value(0).left(80);
    QStringList xml{QStringLiteral("<?xml version=\"1.0\" encoding=\"windows-1251\"?>"), QStringLiteral("<results>")};
    xml += users::ExportResultLines(id, lines);
    xml += QStringLiteral("</results>");
    QXmlStreamReader reader(base::EncodeCp1251(xml.join(QStringLiteral("\r\n"))));
    while (!reader.atEnd()) reader.readNext();
    if (reader.hasError()) std::abort();
    return 0;
}
