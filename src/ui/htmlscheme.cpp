#include "ui/htmlscheme.h"
#include "base/paths.h"
#include "base/textfile.h"
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QUrlQuery>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>

namespace ui {
namespace {

const QString kHost = QStringLiteral("program");
// Pictures of the temporary folder are written again under the same names for
// every page (formula pictures), while the browser keeps what it fetched from
// a URL for the whole run. Each held page therefore reaches the temporary
// folder under a path of its own: "/~t<load>/".
const QRegularExpression kTempAlias(QStringLiteral("^/~t\\d+/"));

QHash<quint64, QByteArray>& HeldPages()
{
    static QHash<quint64, QByteArray> pages;
    return pages;
}

// Text files are stored in Windows-1251 and served as UTF-8.
QByteArray TextMime(const QString& suffix)
{
    if (suffix == u"htm" || suffix == u"html") return "text/html;charset=utf-8";
    if (suffix == u"css") return "text/css;charset=utf-8";
    if (suffix == u"js") return "text/javascript;charset=utf-8";
    if (suffix == u"txt") return "text/plain;charset=utf-8";
    return {};
}

QByteArray BinaryMime(const QString& realPath, const QString& suffix)
{
    if (suffix == u"bmp") return "image/bmp";
    if (suffix == u"gif") return "image/gif";
    if (suffix == u"jpg" || suffix == u"jpeg") return "image/jpeg";
    if (suffix == u"png") return "image/png";
    return QMimeDatabase().mimeTypeForFile(realPath, QMimeDatabase::MatchExtension).name().toLatin1();
}

bool IsInside(const QString& canonicalFile, const QString& folder)
{
    const QString root = QFileInfo(folder).canonicalFilePath();
    return !root.isEmpty() && canonicalFile.startsWith(root + u'/');
}

void Reply(QWebEngineUrlRequestJob* job, const QByteArray& mime, const QByteArray& bytes)
{
    auto* buffer = new QBuffer(job);
    buffer->setData(bytes);
    job->reply(mime, buffer);
}

class ProgramSchemeHandler : public QWebEngineUrlSchemeHandler {
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    void requestStarted(QWebEngineUrlRequestJob* job) override
    {
        const QUrl url = job->requestUrl();
        const QString load = QUrlQuery(url).queryItemValue(QStringLiteral("v"));
        const auto held = HeldPages().constFind(load.toULongLong());
        if (!load.isEmpty() && held != HeldPages().constEnd()) {
            Reply(job, "text/html;charset=utf-8", *held);
            return;
        }
        const QString real = ServedFile(url);
        QFile file(real);
        if (real.isEmpty() || !file.open(QIODevice::ReadOnly)) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        const QString suffix = QFileInfo(real).suffix().toLower();
        const QByteArray textMime = TextMime(suffix);
        if (!textMime.isEmpty()) Reply(job, textMime, base::DecodeText(file.readAll()).toUtf8());
        else Reply(job, BinaryMime(real, suffix), file.readAll());
    }
};

} // namespace

void RegisterHtmlSchemes()
{
    if (!QWebEngineUrlScheme::schemeByName(kProgramScheme).name().isEmpty()) return;
    QWebEngineUrlScheme scheme(kProgramScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::LocalScheme);
    QWebEngineUrlScheme::registerScheme(scheme);
}

void InstallProgramScheme(QWebEngineProfile* profile)
{
    if (profile->urlSchemeHandler(kProgramScheme)) return;
    profile->installUrlSchemeHandler(kProgramScheme, new ProgramSchemeHandler(profile));
}

QUrl ProgramUrl(const QString& path)
{
    QString normal = path;
    normal.replace(u'\\', u'/');
    const QString programFolder = base::ProgramFolder();
    if (!programFolder.isEmpty() && normal.startsWith(programFolder)) normal = normal.mid(programFolder.size());
    if (!normal.startsWith(u'/')) normal.prepend(u'/');
    QUrl url;
    url.setScheme(QString::fromLatin1(kProgramScheme));
    url.setHost(kHost);
    url.setPath(normal, QUrl::DecodedMode);
    return url;
}

QString ProgramPathOfUrl(const QUrl& url)
{
    if (url.scheme() != QLatin1String(kProgramScheme) || url.host() != kHost) return {};
    QString path = url.adjusted(QUrl::NormalizePathSegments).path(QUrl::FullyDecoded);
    const QString programFolder = base::ProgramFolder();
    const QString tempFolder = base::TempFolder();
    if (const QRegularExpressionMatch alias = kTempAlias.match(path); alias.hasMatch())
        return tempFolder + path.mid(alias.capturedLength());
    if (!programFolder.isEmpty() && path.startsWith(programFolder)) path = path.mid(programFolder.size());
    else if (!tempFolder.isEmpty() && path.startsWith(tempFolder)) return path;
    else path = path.mid(1);
    path.replace(u'/', u'\\');
    return path;
}

QString ServedFile(const QUrl& url)
{
    const QString programPath = ProgramPathOfUrl(url);
    if (programPath.isEmpty() || base::ProgramFolder().isEmpty()) return {};
    const QFileInfo info(base::RealPath(programPath));
    if (!info.isFile()) return {};
    const QString canonical = info.canonicalFilePath();
    if (!IsInside(canonical, base::ProgramFolder()) && !IsInside(canonical, base::TempFolder())) return {};
    return info.absoluteFilePath();
}

void HoldPage(quint64 loadId, const QString& html)
{
    QString served = html;
    served.replace(base::TempFolder(), QStringLiteral("/~t%1/").arg(loadId));
    HeldPages().insert(loadId, served.toUtf8());
}

void ReleasePage(quint64 loadId) { HeldPages().remove(loadId); }

quint64 NextLoadId()
{
    static quint64 last = 0;
    return ++last;
}

} // namespace ui
