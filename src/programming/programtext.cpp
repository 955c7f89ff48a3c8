#include "programming/programtext.h"
#include "base/folders.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "base/textutil.h"
#include <QFile>
#include <QHash>
#include <QStringConverter>

namespace programming {
namespace {

const char* const kDosCodec = "IBM866";
constexpr int kFirstUpperByte = 0x80;
constexpr int kLastByte = 0xFF;
constexpr char kUnknownCharacter = '?';

// A program's text ends every line with CR LF, the last one too, whatever
// the editor gave: an environment that appends to the file starts a new line.
QString WithCrLf(const QString& text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(u'\r', u'\n');
    if (!lines.isEmpty() && !lines.endsWith(u'\n')) lines += u'\n';
    lines.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return lines;
}

// The upper half of the DOS page, read once from Qt's codec; the lower half
// is ASCII (taken as it is, so that control bytes never change).
const QString& DosUpperHalf()
{
    // The lambda returns a QString, not the decoder's result object: that one
    // refers to the decoder and the bytes, which end with the lambda.
    static const QString characters = []() -> QString {
        QStringDecoder decoder(kDosCodec, QStringConverter::Flag::Stateless);
        QByteArray upper;
        for (int byte = kFirstUpperByte; byte <= kLastByte; ++byte) upper.append(char(byte));
        return decoder.decode(upper);
    }();
    return characters;
}

// Every character of the upper half with its byte; others are written as "?".
const QHash<QChar, char>& DosBytes()
{
    static const QHash<QChar, char> table = [] {
        QHash<QChar, char> bytes;
        const QString& upper = DosUpperHalf();
        for (int i = 0; i < upper.size(); ++i) bytes.insert(upper[i], char(kFirstUpperByte + i));
        return bytes;
    }();
    return table;
}

} // namespace

QByteArray EncodeProgram(const QString& text, TextEncoding encoding)
{
    const QString lines = WithCrLf(text);
    if (encoding == TextEncoding::Windows) return base::EncodeCp1251(lines);
    const QHash<QChar, char>& dos = DosBytes();
    QByteArray bytes;
    bytes.reserve(lines.size());
    for (const QChar c : lines) {
        if (c.unicode() < kFirstUpperByte) bytes.append(char(c.unicode()));
        else bytes.append(dos.value(c, kUnknownCharacter));
    }
    return bytes;
}

QString DecodeProgram(const QByteArray& bytes, TextEncoding encoding)
{
    if (encoding == TextEncoding::Windows) return base::DecodeCp1251(bytes);
    const QString& upper = DosUpperHalf();
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const int byte = static_cast<unsigned char>(c);
        text.append(byte < kFirstUpperByte || byte - kFirstUpperByte >= upper.size() ? QChar(byte) : upper[byte - kFirstUpperByte]);
    }
    return text;
}

std::optional<QString> ReadProgram(const QString& path, TextEncoding encoding)
{
    QFile file(base::RealPath(path));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return DecodeProgram(file.readAll(), encoding);
}

bool WriteProgram(const QString& path, const QString& text, TextEncoding encoding)
{
    const QString folder = base::ExtractFolder(path);
    if (!folder.isEmpty()) base::ForceFolder(folder);
    return base::WriteBytes(path, EncodeProgram(text, encoding));
}

} // namespace programming
