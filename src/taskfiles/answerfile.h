#pragma once
#include <QString>
#include <QStringList>
#include <optional>

// A user's answer file on disk: one "name=value" line per field.
//
// A value may hold line breaks (a text area), which the one-line-per-field
// format cannot carry. In the file a value's backslash is written "\\", a
// line feed "\n" and a carriage return "\r"; reading turns these back. A
// backslash followed by anything else stays as it stands, so files written
// before values were escaped read unchanged unless a pupil typed one of those
// three pairs literally. Readers that do not know the escape see the value on
// one line with the pairs in it, never a broken line.
namespace tasks {

QString EscapeAnswerValue(const QString& value);
QString UnescapeAnswerValue(const QString& written);

// Answer lines as written to the file, and back. A line without "=" is left
// as it stands.
QStringList AnswerFileLines(const QStringList& answers);
QStringList AnswersFromFileLines(const QStringList& fileLines);

// Read and write a user's answer file (program paths); nullopt / false when
// the file cannot be read or written.
std::optional<QStringList> ReadAnswerFile(const QString& path);
bool WriteAnswerFile(const QString& path, const QStringList& answers);

} // namespace tasks
