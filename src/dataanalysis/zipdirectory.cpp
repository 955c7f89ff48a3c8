#include "dataanalysis/zipdirectory.h"
#include <QXmlStreamReader>
#include <optional>
#include <QtEndian>
#include <zlib.h>

namespace dataanalysis {

namespace {

constexpr quint32 kEndSignature = 0x06054b50;
constexpr quint32 kDirectorySignature = 0x02014b50;
constexpr quint32 kLocalSignature = 0x04034b50;
constexpr qint64 kEndSize = 22;
constexpr qint64 kMaxCommentSize = 0xFFFF;
constexpr qint64 kDirectoryEntrySize = 46;
constexpr qint64 kLocalHeaderSize = 30;
// A 16- or 32-bit field holding this says the real value is in a 64-bit record.
constexpr quint32 kZip64Mark32 = 0xFFFFFFFF;
constexpr quint16 kZip64Mark16 = 0xFFFF;
constexpr quint16 kStored = 0;
constexpr quint16 kDeflated = 8;

// Fixed-width little-endian fields of the archive, read only inside its bytes.
class Fields {
public:
    explicit Fields(const QByteArray& bytes) : m_bytes(bytes) {}
    qint64 size() const { return m_bytes.size(); }
    bool holds(qint64 at, qint64 length) const { return at >= 0 && length >= 0 && at <= size() - length; }
    quint16 u16(qint64 at) const { return qFromLittleEndian<quint16>(m_bytes.constData() + at); }
    quint32 u32(qint64 at) const { return qFromLittleEndian<quint32>(m_bytes.constData() + at); }
    const char* at(qint64 offset) const { return m_bytes.constData() + offset; }

private:
    const QByteArray& m_bytes;
};

// Where the end-of-directory record starts, or -1.
qint64 FindEnd(const Fields& zip)
{
    const qint64 last = zip.size() - kEndSize;
    for (qint64 at = last; at >= 0 && at >= last - kMaxCommentSize; --at)
        if (zip.u32(at) == kEndSignature) return at;
    return -1;
}

bool SizeFits(quint32 unpacked, const ZipLimits& limits)
{
    return unpacked != kZip64Mark32 && qint64(unpacked) <= limits.entryBytes;
}

// One entry as the directory describes it.
struct Entry {
    quint16 method;
    quint32 crc;
    quint32 packed;
    quint32 unpacked;
    QByteArray name;
    qint64 localHeader;
};

// Where the entry's packed data starts, after the local header the directory
// points at; -1 when there is no such header or the data runs past the end.
qint64 DataStart(const Fields& zip, const Entry& entry, const ZipLimits& limits)
{
    const qint64 at = entry.localHeader;
    if (!zip.holds(at, kLocalHeaderSize) || zip.u32(at) != kLocalSignature) return -1;
    // Sizes may be left 0 here and given after the data; never larger than allowed.
    if (!SizeFits(zip.u32(at + 22), limits) || zip.u32(at + 18) == kZip64Mark32) return -1;
    const qint64 data = at + kLocalHeaderSize + zip.u16(at + 26) + zip.u16(at + 28);
    return zip.holds(data, entry.packed) ? data : -1;
}

// The entry's bytes unpacked, or nothing when they do not unpack to exactly
// the size and checksum declared.
std::optional<QByteArray> Unpack(const Fields& zip, const Entry& entry, qint64 data)
{
    QByteArray out;
    if (entry.method == kStored) {
        if (entry.packed != entry.unpacked) return std::nullopt;
        out = QByteArray(zip.at(data), qsizetype(entry.packed));
    } else if (entry.method == kDeflated) {
        out.resize(qsizetype(entry.unpacked));
        z_stream stream{};
        if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) return std::nullopt;
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zip.at(data)));
        stream.avail_in = uInt(entry.packed);
        stream.next_out = reinterpret_cast<Bytef*>(out.data());
        stream.avail_out = uInt(entry.unpacked);
        const int result = inflate(&stream, Z_FINISH);
        const bool whole = result == Z_STREAM_END && stream.total_out == entry.unpacked;
        inflateEnd(&stream);
        if (!whole) return std::nullopt;
    } else {
        return std::nullopt;
    }
    const uLong crc = crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(out.constData()), uInt(out.size()));
    if (crc != entry.crc) return std::nullopt;
    return out;
}

bool IsXmlPart(const QByteArray& name)
{
    const QByteArray lower = name.toLower();
    return lower.endsWith(".xml") || lower.endsWith(".rels");
}

bool WellFormed(const QByteArray& xml)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) reader.readNext();
    return !reader.hasError();
}

} // namespace

bool ZipArchiveReadable(const QByteArray& bytes, const ZipLimits& limits)
{
    const Fields zip(bytes);
    const qint64 end = FindEnd(zip);
    if (end < 0) return false;
    const quint16 entries = zip.u16(end + 10);
    const quint32 directorySize = zip.u32(end + 12);
    const quint32 directoryStart = zip.u32(end + 16);
    if (entries == kZip64Mark16 || directorySize == kZip64Mark32 || directoryStart == kZip64Mark32) return false;
    // The entries on this disk and in all: one and the same in a one-disk archive.
    if (zip.u16(end + 8) != entries) return false;
    const qint64 directoryEnd = qint64(directoryStart) + directorySize;
    if (directoryEnd > end) return false;

    qint64 at = directoryStart;
    qint64 total = 0;
    // Walked to its end whatever count the end record gives: readers differ in
    // which of the two they follow, so the two must agree.
    int walked = 0;
    for (; at < directoryEnd; ++walked) {
        if (at + kDirectoryEntrySize > directoryEnd || zip.u32(at) != kDirectorySignature) return false;
        const quint16 nameLength = zip.u16(at + 28);
        const qint64 next = at + kDirectoryEntrySize + nameLength + zip.u16(at + 30) + zip.u16(at + 32);
        if (next > directoryEnd) return false;
        const Entry entry{zip.u16(at + 10), zip.u32(at + 16), zip.u32(at + 20), zip.u32(at + 24),
                          QByteArray(zip.at(at + kDirectoryEntrySize), nameLength), zip.u32(at + 42)};
        if (entry.packed == kZip64Mark32 || !SizeFits(entry.unpacked, limits)) return false;
        total += entry.unpacked;
        if (total > limits.totalBytes) return false;
        const qint64 data = DataStart(zip, entry, limits);
        if (data < 0) return false;
        const std::optional<QByteArray> unpacked = Unpack(zip, entry, data);
        if (!unpacked || (IsXmlPart(entry.name) && !WellFormed(*unpacked))) return false;
        at = next;
    }
    return walked == entries;
}

} // namespace dataanalysis
