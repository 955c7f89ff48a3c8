#include "dataanalysis/zipdirectory.h"
#include <QtEndian>

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

// Fixed-width little-endian fields of the archive, read only inside its bytes.
class Fields {
public:
    explicit Fields(const QByteArray& bytes) : m_bytes(bytes) {}
    qint64 size() const { return m_bytes.size(); }
    bool holds(qint64 at, qint64 length) const { return at >= 0 && length >= 0 && at <= size() - length; }
    quint16 u16(qint64 at) const { return qFromLittleEndian<quint16>(m_bytes.constData() + at); }
    quint32 u32(qint64 at) const { return qFromLittleEndian<quint32>(m_bytes.constData() + at); }

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

// The local header an entry of the directory points at, and its packed data.
bool LocalEntryFits(const Fields& zip, qint64 at, quint32 packed, const ZipLimits& limits)
{
    if (!zip.holds(at, kLocalHeaderSize) || zip.u32(at) != kLocalSignature) return false;
    // Sizes may be left 0 here and given after the data; never larger than allowed.
    if (!SizeFits(zip.u32(at + 22), limits) || zip.u32(at + 18) == kZip64Mark32) return false;
    const qint64 data = at + kLocalHeaderSize + zip.u16(at + 26) + zip.u16(at + 28);
    return zip.holds(data, packed);
}

} // namespace

bool ZipDirectoryFits(const QByteArray& bytes, const ZipLimits& limits)
{
    const Fields zip(bytes);
    const qint64 end = FindEnd(zip);
    if (end < 0) return false;
    const quint16 entries = zip.u16(end + 10);
    const quint32 directorySize = zip.u32(end + 12);
    const quint32 directoryStart = zip.u32(end + 16);
    if (entries == kZip64Mark16 || directorySize == kZip64Mark32 || directoryStart == kZip64Mark32) return false;
    if (qint64(directoryStart) + directorySize > end) return false;

    qint64 at = directoryStart;
    const qint64 directoryEnd = qint64(directoryStart) + directorySize;
    qint64 total = 0;
    for (int i = 0; i < entries; ++i) {
        if (at + kDirectoryEntrySize > directoryEnd || zip.u32(at) != kDirectorySignature) return false;
        const quint32 packed = zip.u32(at + 20);
        const quint32 unpacked = zip.u32(at + 24);
        if (packed == kZip64Mark32 || !SizeFits(unpacked, limits)) return false;
        total += unpacked;
        if (total > limits.totalBytes) return false;
        if (!LocalEntryFits(zip, zip.u32(at + 42), packed, limits)) return false;
        at += kDirectoryEntrySize + zip.u16(at + 28) + zip.u16(at + 30) + zip.u16(at + 32);
    }
    return at <= directoryEnd;
}

} // namespace dataanalysis
