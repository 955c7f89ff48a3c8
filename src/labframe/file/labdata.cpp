#include "labframe/file/labdata.h"
#include "labframe/file/labfile.h"

namespace labframe {
namespace {

const QString kWindowEnd = QStringLiteral("#");

QString OneLine(QString text)
{
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

} // namespace

LabFileData ReadLabData(const QString& text)
{
    LabFileReader in = LabFileReader::FromText(text);
    const auto number = ParseLabNumber(in.readLine());
    if (!number) throw LabFormatError();
    LabFileData data;
    data.number = *number;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line == kWindowEnd) break;
        const qsizetype equals = line.indexOf(u'=');
        if (equals >= 0) data.controls.append({line.left(equals), line.mid(equals + 1), in.position()});
    }
    data.engineLine = in.position() + 1;
    while (!in.atEnd()) data.engineLines.append(in.readLine());
    return data;
}

QString LabDataText(const LabFileData& data)
{
    LabFileWriter out;
    out.writeLine(QString::number(data.number));
    for (const LabControlLine& control : data.controls)
        out.writeLine(OneLine(control.name) + u'=' + OneLine(control.value));
    out.writeLine(kWindowEnd);
    for (const QString& line : data.engineLines) out.writeLine(OneLine(line));
    return out.text();
}

} // namespace labframe
