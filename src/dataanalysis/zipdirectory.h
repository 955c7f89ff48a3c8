#pragma once
#include <QByteArray>

// A zip archive (an Office Open XML workbook) checked before it reaches
// liborcus. The reader makes a buffer of the size an entry declares, so a
// broken or hostile workbook of a few kilobytes could ask for gigabytes; it
// trusts the offsets it is given; and an entry that does not unpack cleanly
// or an XML part that is not well formed makes its parser overrun its buffer
// and abort the program on an assertion.
namespace dataanalysis {

struct ZipLimits {
    qint64 entryBytes;  // the largest entry, unpacked
    qint64 totalBytes;  // all entries together, unpacked
};

// True when the archive ends with a directory whose every entry lies inside
// the bytes, with a local header where the directory says, unpacks (stored or
// deflated, zlib) to exactly the size and CRC-32 declared and no more than the
// limits allow, and whose XML parts (".xml", ".rels") are well formed.
// Archives in the 64-bit format are refused: a workbook of the lab's size
// never needs it.
bool ZipArchiveReadable(const QByteArray& bytes, const ZipLimits& limits);

} // namespace dataanalysis
