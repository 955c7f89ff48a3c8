#include "coursecheck/check/linkcheck.h"
#include "coursecheck/check/labcheck.h"
#include "base/coursefiles.h"
#include "base/paths.h"
#include "base/textutil.h"
#include "shell/coursepages.h"
#include "base/htmlform.h"
#include <QRegularExpression>
#include <QUrl>

namespace coursecheck {

namespace {

QString Missing(const QString& address, const QString& target)
{
    return QStringLiteral("ссылка %1: нет файла %2").arg(address, target);
}

// A link of the course's own kinds ("Lab..", "SPR:", "ADD:", "ZAD:"), read
// as the topic page window reads it; empty when it leads somewhere.
QString CheckPageLink(const base::PageLink& link, const QString& address)
{
    using Kind = base::PageLink::Kind;
    if (!link.valid) {
        return link.kind == Kind::Lab ? QStringLiteral("ссылка %1: номер лаборатории не читается").arg(address)
                                      : QStringLiteral("ссылка %1: код задачи не годится").arg(address);
    }
    if (link.kind == Kind::Lab) {
        if (const QString missing = MissingLabMessage(link.lab); !missing.isEmpty())
            return QStringLiteral("ссылка %1: %2").arg(address, missing);
    }
    const bool pageCode = link.kind == Kind::AddToLesson || link.kind == Kind::Task;
    const QString target = pageCode ? base::PageFile(link.target) : link.target;
    return base::FileExists(target) ? QString() : Missing(address, target);
}

// The message for a broken scheme link; empty when it leads somewhere.
QString CheckSchemeLink(const QString& scheme, const QString& rest, const QString& address, const LinkView& view)
{
    const QString upper = scheme.toUpper();
    if (upper == u"HTTP" || upper == u"HTTPS" || upper == u"MAILTO" || upper == u"FTP" || upper == u"MOV") return {};
    if (upper == u"SPR" || upper == u"ADD" || upper == u"ZAD")
        return CheckPageLink(base::ParsePageLink(upper + u':' + rest), address);
    auto needFile = [&](const QString& target) { return base::FileExists(target) ? QString() : Missing(address, target); };
    if (upper == u"DEM") return needFile(QStringLiteral("DEMO\\") + rest + QStringLiteral(".SCI"));
    if (upper == u"LAB") return needFile(QStringLiteral("LABS\\") + rest);
    if (upper == u"FE") {
        if (view.formulaFields.contains(rest.toUpper())) return {};
        return QStringLiteral("ссылка %1: на странице нет скрытого поля формулы %2").arg(address, rest);
    }
    return QStringLiteral("ссылка %1 неизвестного вида").arg(address);
}

QString CheckFileLink(const QString& address, const LinkView& view)
{
    QString path = address;
    const qsizetype cut = path.indexOf(QRegularExpression(QStringLiteral("[#?]")));
    if (cut >= 0) path.truncate(cut);
    if (path.isEmpty()) return {};
    path = QUrl::fromPercentEncoding(path.toUtf8());
    if (path.startsWith(u'/') || path.startsWith(u'\\') || (path.size() > 1 && path[1] == u':'))
        return QStringLiteral("ссылка %1 ведет по абсолютному пути").arg(address);
    const QString target = ResolveRelative(view.baseFolder, path);
    if (target.isEmpty()) return QStringLiteral("ссылка %1 ведет за папку программы").arg(address);
    return base::FileExists(target) || base::FolderExists(target) ? QString() : Missing(address, target);
}

QString CheckAddress(const QString& address, const LinkView& view)
{
    if (address.isEmpty() || address.startsWith(u'#')) return {};
    const qsizetype colon = address.indexOf(u':');
    // One letter before ":" is a drive, not a scheme.
    if (colon > 1) return CheckSchemeLink(address.left(colon), address.mid(colon + 1), address, view);
    if (address.startsWith(QStringLiteral("Lab")) && colon < 0) return CheckPageLink(base::ParsePageLink(address), address);
    return CheckFileLink(address, view);
}

} // namespace

QString ResolveRelative(const QString& baseFolder, const QString& address)
{
    QStringList parts;
    for (const QString& part : (baseFolder + address).split(QRegularExpression(QStringLiteral("[\\\\/]")))) {
        if (part.isEmpty() || part == u".") continue;
        if (part == u"..") {
            if (parts.isEmpty()) return {};
            parts.removeLast();
            continue;
        }
        parts.append(part);
    }
    return parts.join(u'\\');
}

QStringList CheckLinks(Report& report, const QString& file, const QStringList& lines, const LinkView& view)
{
    static const QRegularExpression taskLink(QStringLiteral("^ZAD:(\\S+)"), QRegularExpression::CaseInsensitiveOption);
    QStringList tasks;
    static const QRegularExpression attribute(
        QStringLiteral("\\b(?:HREF|SRC)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))"),
        QRegularExpression::CaseInsensitiveOption);
    const int count = std::min<int>(view.lineCount, int(lines.size()));
    for (int i = 0; i < count; ++i) {
        QRegularExpressionMatchIterator it = attribute.globalMatch(lines[i]);
        while (it.hasNext()) {
            const QRegularExpressionMatch match = it.next();
            const QString raw = match.captured(1) + match.captured(2) + match.captured(3);
            const QString address = base::Trim(base::DecodeEntities(raw));
            const QString problem = CheckAddress(address, view);
            if (!problem.isEmpty()) report.Add(file, i + 1, problem);
            else if (const QRegularExpressionMatch task = taskLink.match(address); task.hasMatch()) tasks.append(task.captured(1));
        }
    }
    return tasks;
}

} // namespace coursecheck
