#pragma once
#include <QString>
#include <stdexcept>

namespace base {

// The program's error: carries the Russian (or fixed) message a caller may
// show to the user or turn into the absence of a value.
class AppError : public std::runtime_error {
public:
    explicit AppError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// An error at a numbered line of a file (from 1): the reason alone, and the
// message a window shows ("Строка N: reason"), so that a checker can name the
// line as "<file>:<line>: <reason>".
class LineError : public AppError {
public:
    LineError(int line, const QString& reason)
        : LineError(line, reason, QStringLiteral("Строка %1: %2").arg(line).arg(reason)) {}
    // With a message of the reader's own wording.
    LineError(int line, const QString& reason, const QString& message)
        : AppError(message), m_line(line), m_reason(reason) {}
    int line() const { return m_line; }
    const QString& reason() const { return m_reason; }

private:
    int m_line;
    QString m_reason;
};

} // namespace base
