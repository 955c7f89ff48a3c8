#include "base/folders.h"
#include "base/apperror.h"
#include "base/paths.h"
#include "base/textutil.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace base {
namespace {
const QFileDevice::Permissions kNormal = QFileDevice::ReadOwner | QFileDevice::WriteOwner
    | QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;

void CopyRealFolder(const QString& source, const QString& target)
{
    QDir().mkpath(target);
    const QDir dir(source);
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString destination = target + u'/' + info.fileName();
        if (QFileInfo::exists(destination)) {
            QFile::setPermissions(destination, kNormal);
            QFile::remove(destination);
        }
        if (QFile::copy(info.absoluteFilePath(), destination))
            QFile::setPermissions(destination, kNormal);
    }
    for (const QFileInfo& info : dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (info.fileName().startsWith(u'.')) continue;
        CopyRealFolder(info.absoluteFilePath(), target + u'/' + info.fileName());
    }
}
} // namespace

void ForceFolder(const QString& path)
{
    if (path.isEmpty()) throw AppError(QStringLiteral("Unable to create directory"));
    QString folder = path;
    if (folder.endsWith(u'\\') || folder.endsWith(u'/')) folder.chop(1);
    if (folder.size() <= 2) return;
    QDir().mkpath(RealPath(folder));
}

QStringList ListFiles(const QString& mask)
{
    QString normal = mask;
    normal.replace(u'/', u'\\');
    const QString folder = ExtractFolder(normal);
    const QString pattern = normal.mid(folder.size());
    const QRegularExpression regex(
        QRegularExpression::wildcardToRegularExpression(pattern, QRegularExpression::UnanchoredWildcardConversion),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpression anchored(QRegularExpression::anchoredPattern(regex.pattern()),
                                      QRegularExpression::CaseInsensitiveOption);
    QStringList names;
    const QString real = folder.isEmpty() ? ProgramFolder() : RealPath(folder);
    for (const QString& entry : QDir(real).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (entry.startsWith(u'.')) continue;
        if (anchored.match(entry).hasMatch()) names.append(entry);
    }
    names.sort(Qt::CaseInsensitive);
    return names;
}

void CopyFolder(const QString& source, const QString& target)
{
    ForceFolder(target);
    const QString realSource = RealPath(source);
    if (!QFileInfo(realSource).isDir()) return;
    CopyRealFolder(realSource, RealPath(target));
}

void DeleteFolder(const QString& folder)
{
    const QString real = RealPath(folder);
    if (!QFileInfo(real).isDir()) return;
    QDir(real).removeRecursively();
}

} // namespace base
