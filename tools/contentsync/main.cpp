// Lays the course from content/ into the program folder.
//
// The repository keeps the course as UTF-8 text with LF line ends, so that it
// can be read and reviewed; the program reads Windows-1251 with CR LF. Text
// files are converted on the way, everything else is copied. A file is
// written only when the program folder lacks it or the source is newer, so a
// register or lesson changed by a run of the program survives a rebuild.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringConverter>
#include <QStringEncoder>
#include <QTextStream>
#include <cstdio>

namespace {

bool IsText(const QString& suffix)
{
    static const QStringList kText = {"htm", "html", "txt", "cfg", "ans", "hlp", "cnt",
                                      "lab", "sci", "css", "xml", "js"};
    return kText.contains(suffix.toLower());
}

QByteArray ToProgramText(const QByteArray& utf8, bool* ok)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(utf8);
    if (decoder.hasError()) { // already a Windows-1251 file: keep its bytes
        *ok = true;
        return utf8;
    }
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\n', QStringLiteral("\r\n"));
    QStringEncoder encoder("windows-1251");
    QByteArray bytes = encoder.encode(text);
    *ok = !encoder.hasError();
    return bytes;
}

bool Sync(const QString& source, const QString& target)
{
    const QFileInfo from(source);
    const QFileInfo to(target);
    if (to.exists() && to.lastModified() >= from.lastModified()) return true;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) return false;
    QByteArray bytes = in.readAll();
    if (IsText(from.suffix())) {
        bool ok = false;
        bytes = ToProgramText(bytes, &ok);
        if (!ok) std::fprintf(stderr, "warning: %s has characters outside Windows-1251\n", qPrintable(source));
    }
    QDir().mkpath(to.absolutePath());
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly)) return false;
    return out.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: orindo-contentsync CONTENT_FOLDER PROGRAM_FOLDER\n");
        return 2;
    }
    const QString source = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QString target = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    int failures = 0;
    QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString relative = QDir(source).relativeFilePath(file);
        if (relative == QLatin1String("CMakeLists.txt") || relative.startsWith(u'.')) continue;
        if (!Sync(file, target + u'/' + relative)) {
            std::fprintf(stderr, "error: cannot copy %s\n", qPrintable(relative));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
