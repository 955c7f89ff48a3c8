#include "labframe/file/labfile.h"
#include "base/numfmt.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "base/textutil.h"
#include <QFileInfo>
#include <limits>

namespace labframe {

LabFileReader LabFileReader::FromText(const QString& text)
{
    return LabFileReader(base::SplitLines(text));
}

QString LabFileReader::readLine()
{
    if (atEnd()) return {};
    return m_lines[m_next++];
}

void LabFileWriter::writeLine(const QString& text)
{
    m_text += text;
    m_text += QLatin1String("\r\n");
}

std::optional<int> ParseLabNumber(const QString& firstLine)
{
    QString rest = firstLine;
    const auto number = base::ParseInt(base::SplitLeft(rest, u' '));
    if (!number || *number < std::numeric_limits<int>::min() || *number > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(*number);
}

LabFileText ReadLabFileText(const QString& path)
{
    const QFileInfo info(base::RealPath(path));
    if (info.isFile() && info.size() > kMaxLabFileBytes) return {std::nullopt, kWrongFormatText};
    try {
        return {base::ReadText(path), {}};
    } catch (const base::AppError& error) {
        return {std::nullopt, error.message()};
    }
}

std::optional<int> ReadLabNumber(const QString& path)
{
    const LabFileText file = ReadLabFileText(path);
    if (!file.text) return std::nullopt;
    return ParseLabNumber(LabFileReader::FromText(*file.text).readLine());
}

} // namespace labframe
