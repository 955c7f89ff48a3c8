#pragma once
#include <QString>
#include <ostream>

// Failure messages show texts as UTF-8 instead of bytes.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
