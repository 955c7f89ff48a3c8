#pragma once
#include <QString>

// Splitting and small text helpers shared by every list file of the program.
namespace base {

// Removes every character with a code of 32 or less from both ends.
QString Trim(const QString& text);

// Trims text; returns what lies before the first delimiter and leaves in text
// what follows it (trimmed). Without the delimiter returns the whole text and
// leaves text empty.
QString SplitLeft(QString& text, QChar delimiter);

// Trims text; returns what follows the last delimiter and leaves in text what
// precedes it (trimmed). Without the delimiter returns the whole text and
// leaves text empty.
QString SplitRight(QString& text, QChar delimiter);

// 1-based position of the last occurrence, 0 when absent.
int LastCharPos(QChar c, const QString& text);

// The path up to and including its last "\"; empty when there is none.
QString ExtractFolder(const QString& path);

// n decimal digits drawn from the process random generator.
QString RandomDigits(int count);

// Decimal text of number, left-padded with fill to width; never cut.
QString PadNumber(long long number, int width, QChar fill);

// The value of the first NAME= of an HTML line, upper-cased, quotes kept.
QString ExtractNameAttr(const QString& line);

} // namespace base
