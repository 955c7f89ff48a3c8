#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Every content and data file of the program is text in Windows-1251 with
// CR LF line ends. One Windows-1251 byte is exactly one QChar in memory, so
// algorithms stated on bytes work character by character. Paths are program
// paths (see paths.h).
namespace base {

QString DecodeCp1251(const QByteArray& bytes);
// Characters outside Windows-1251 become "?".
QByteArray EncodeCp1251(const QString& text);
// The text of a file as the program reads it: Windows-1251, unless it starts
// with a byte-order mark (a file saved again by a modern editor): the mark is
// skipped and the rest decoded in the encoding it names (UTF-8, UTF-16).
QString DecodeText(const QByteArray& bytes);

// Lines split at CR LF, LF or CR; a final line end adds no empty line.
QStringList SplitLines(const QString& text);

std::optional<QString> TryReadText(const QString& path);
std::optional<QStringList> TryReadLines(const QString& path);
// Required files: a missing or unreadable file raises AppError with
// "Не удается открыть файл "<path>"".
QString ReadText(const QString& path);
QStringList ReadLines(const QString& path);

// Atomic writes (temporary file + rename): a failure leaves the previous
// file untouched and returns false. Every line is followed by CR LF.
bool WriteLines(const QString& path, const QStringList& lines);
bool WriteText(const QString& path, const QString& text);
bool WriteBytes(const QString& path, const QByteArray& bytes);

// Files the program makes again whenever it needs them (formula pictures in
// the temporary folder): replaced in one step, so a reader never meets half a
// file, but not forced to the disk, which costs a disk flush per picture and
// makes a page of forty formulas wait on the disk. False when the file cannot
// be written; the previous file then stays.
bool WriteScratchBytes(const QString& path, const QByteArray& bytes);

} // namespace base
