#include "base/textfile.h"
#include "base/apperror.h"
#include "base/paths.h"
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <array>
#include <cstdio>
#include <unordered_map>

namespace base {
namespace {

// Byte-to-character table of Windows-1251. The one unassigned byte (0x98)
// maps to U+0098 so that every byte survives a read and write unchanged.
struct Cp1251Table {
    std::array<char16_t, 256> toUnicode{};
    std::unordered_map<char16_t, char> fromUnicode;

    Cp1251Table()
    {
        QStringDecoder decoder("windows-1251");
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            QString decoded = decoder.isValid() ? decoder.decode(QByteArrayView(&byte, 1)) : QString();
            char16_t c = decoded.size() == 1 ? decoded[0].unicode() : char16_t(b);
            if (c == 0xFFFD) c = char16_t(b);
            if (b < 128) c = char16_t(b);
            toUnicode[b] = c;
            fromUnicode.emplace(c, byte);
        }
    }
};

const Cp1251Table& Table()
{
    static const Cp1251Table table;
    return table;
}

QString QuotedPath(const QString& path) { return u'"' + path + u'"'; }
} // namespace

QString DecodeCp1251(const QByteArray& bytes)
{
    const auto& table = Table().toUnicode;
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = QChar(table[uchar(bytes[i])]);
    return text;
}

QByteArray EncodeCp1251(const QString& text)
{
    const auto& table = Table().fromUnicode;
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 128) {
            bytes[i] = char(c);
            continue;
        }
        const auto it = table.find(c);
        bytes[i] = it == table.end() ? '?' : it->second;
    }
    return bytes;
}

QString DecodeText(const QByteArray& bytes)
{
    struct Mark {
        QByteArrayView bytes;
        QStringConverter::Encoding encoding;
    };
    static const Mark marks[] = {{"\xEF\xBB\xBF", QStringConverter::Utf8},
                                 {"\xFF\xFE", QStringConverter::Utf16LE},
                                 {"\xFE\xFF", QStringConverter::Utf16BE}};
    for (const Mark& mark : marks) {
        if (!bytes.startsWith(mark.bytes)) continue;
        QStringDecoder decoder(mark.encoding);
        return decoder.decode(QByteArrayView(bytes).sliced(mark.bytes.size()));
    }
    return DecodeCp1251(bytes);
}

QStringList SplitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
            start = i + 1;
        }
    }
    if (start < n) lines.append(text.mid(start));
    return lines;
}

std::optional<QString> TryReadText(const QString& path)
{
    QFile file(RealPath(path));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return DecodeText(file.readAll());
}

std::optional<QStringList> TryReadLines(const QString& path)
{
    auto text = TryReadText(path);
    if (!text) return std::nullopt;
    return SplitLines(*text);
}

QString ReadText(const QString& path)
{
    auto text = TryReadText(path);
    if (!text) throw AppError(QStringLiteral("Не удается открыть файл ") + QuotedPath(path));
    return *text;
}

QStringList ReadLines(const QString& path)
{
    return SplitLines(ReadText(path));
}

bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(RealPath(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool WriteScratchBytes(const QString& path, const QByteArray& bytes)
{
    const QString real = RealPath(path);
    const QString partial = real + QStringLiteral(".part");
    QFile file(partial);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    // POSIX rename replaces the previous file in one step.
    if (written && std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(real).constData()) == 0)
        return true;
    QFile::remove(partial);
    return false;
}

bool WriteText(const QString& path, const QString& text)
{
    return WriteBytes(path, EncodeCp1251(text));
}

bool WriteLines(const QString& path, const QStringList& lines)
{
    QString text;
    qsizetype size = 0;
    for (const QString& line : lines) size += line.size() + 2;
    text.reserve(size);
    for (const QString& line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return WriteText(path, text);
}

} // namespace base
