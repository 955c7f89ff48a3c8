#pragma once
#include <QByteArray>

// What the directory of a zip archive (an Office Open XML workbook) declares,
// checked before the archive reaches liborcus: the reader makes a buffer of
// the size an entry declares, so a broken or hostile workbook of a few
// kilobytes could ask for gigabytes, and it trusts the offsets it is given.
namespace dataanalysis {

struct ZipLimits {
    qint64 entryBytes;  // the largest entry, unpacked
    qint64 totalBytes;  // all entries together, unpacked
};

// True when the archive ends with a directory whose every entry lies inside
// the bytes, with a local header where the directory says, and unpacks to no
// more than the limits allow. Archives in the 64-bit format are refused: a
// workbook of the lab's size never needs it.
bool ZipDirectoryFits(const QByteArray& bytes, const ZipLimits& limits);

} // namespace dataanalysis
