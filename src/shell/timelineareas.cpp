#include "shell/timelineareas.h"
#include <QRegularExpression>
#include <algorithm>

namespace shell {
namespace {

QString LineError(int lineNumber, const QString& what)
{
    return QStringLiteral("Ошибка в файле %1, строка %2: %3").arg(kOsAreasFile).arg(lineNumber).arg(what);
}

// A page name may only name a file of "OS\": no folders, no way out of it.
bool IsPlainFileName(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('\\')) && !name.contains(QLatin1Char('/'))
        && !name.contains(QLatin1Char(':')) && name != QLatin1String(".") && name != QLatin1String("..");
}

} // namespace

OsAreasRead ParseOsAreas(const QStringList& lines)
{
    static const QRegularExpression line(
        QStringLiteral(R"(^\s*([+-]?\d+)\s+([+-]?\d+)\s+([+-]?\d+)\s+([+-]?\d+)(?:\s+(.*))?$)"));
    OsAreasRead read;
    for (int i = 1; i < lines.size(); ++i) {
        const int lineNumber = i + 1;
        if (lines[i].trimmed().isEmpty()) continue;
        if (int(read.areas.size()) == kMaxOsAreas) {
            read.error = QStringLiteral("В файле %1 больше %2 областей; строки с %3-й не прочитаны.")
                             .arg(kOsAreasFile)
                             .arg(kMaxOsAreas)
                             .arg(lineNumber);
            break;
        }
        const QRegularExpressionMatch m = line.match(lines[i]);
        bool ok = m.hasMatch();
        OsArea area;
        int* const fields[] = {&area.left, &area.top, &area.right, &area.bottom};
        for (int f = 0; ok && f < 4; ++f) *fields[f] = m.captured(f + 1).toInt(&ok);
        if (!ok) {
            read.error = LineError(lineNumber, QStringLiteral("нужны четыре целых числа и имя страницы."));
            break;
        }
        area.page = m.captured(5).trimmed();
        if (!IsPlainFileName(area.page)) {
            read.error = LineError(lineNumber, QStringLiteral("имя страницы «%1» должно быть именем файла из папки OS.")
                                                   .arg(area.page));
            break;
        }
        read.areas.push_back(area);
    }
    return read;
}

int HitOsArea(const std::vector<OsArea>& areas, int x, int y, int stripHeight)
{
    if (y <= 0 || y >= stripHeight) return 0;
    for (size_t i = 0; i < areas.size(); ++i) {
        if (areas[i].top > 0 && areas[i].contains(x, y)) return int(i) + 1;
    }
    return 0;
}

int ClampOsOffset(int offset, int stripWidth, int viewWidth)
{
    return std::clamp(offset, 0, std::max(0, stripWidth - viewWidth));
}

} // namespace shell
