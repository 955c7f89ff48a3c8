#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// Program files in the encoding the environment expects: DOS (IBM 866, the
// code page of text-mode environments) or Windows (Windows-1251), with CR LF
// after every line either way.
namespace programming {

enum class TextEncoding { Dos = 0, Windows = 1 };

QByteArray EncodeProgram(const QString& text, TextEncoding encoding);
QString DecodeProgram(const QByteArray& bytes, TextEncoding encoding);

// The file of a program path (see base/paths.h); nullopt when it cannot be read.
std::optional<QString> ReadProgram(const QString& path, TextEncoding encoding);
// Creates the file's folder and writes atomically; false when it cannot be written.
bool WriteProgram(const QString& path, const QString& text, TextEncoding encoding);

} // namespace programming
