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

} // namespace base
