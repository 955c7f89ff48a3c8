#include "base/paths.h"
#include <QDir>
#include <QFileInfo>

namespace base {
namespace {
QString g_programFolder;
QString g_tempFolder;

QString WithSlash(QString folder)
{
    folder.replace(u'\\', u'/');
    if (!folder.endsWith(u'/')) folder += u'/';
    return folder;
}

// The entry of folder whose name equals name without regard to case.
QString MatchEntry(const QString& folder, const QString& name)
{
    const QStringList entries = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
    return {};
}
} // namespace

void SetProgramFolder(const QString& realFolder) { g_programFolder = WithSlash(realFolder); }
QString ProgramFolder() { return g_programFolder; }
void SetTempFolder(const QString& realFolder) { g_tempFolder = WithSlash(realFolder); }
QString TempFolder() { return g_tempFolder.isEmpty() ? WithSlash(QDir::tempPath()) : g_tempFolder; }

QString RealPath(const QString& path)
{
    QString normal = path;
    normal.replace(u'\\', u'/');
    if (!normal.startsWith(u'/')) normal.prepend(g_programFolder);
    if (QFileInfo::exists(normal)) return normal;

    const bool trailing = normal.endsWith(u'/');
    const QStringList parts = normal.split(u'/', Qt::SkipEmptyParts);
    QString current = QStringLiteral("/");
    bool parentExists = true;
    for (const QString& part : parts) {
        if (parentExists && part != u'.' && part != QLatin1String("..")) {
            if (!QFileInfo::exists(current + part)) {
                const QString match = MatchEntry(current, part);
                if (match.isEmpty()) {
                    parentExists = false;
                    current += part + u'/';
                    continue;
                }
                current += match + u'/';
                continue;
            }
        }
        current += part + u'/';
    }
    if (!trailing && current.size() > 1) current.chop(1);
    return current;
}

bool FileExists(const QString& path)
{
    const QFileInfo info(RealPath(path));
    return info.exists() && !info.isDir();
}

bool FolderExists(const QString& path)
{
    return QFileInfo(RealPath(path)).isDir();
}

} // namespace base
