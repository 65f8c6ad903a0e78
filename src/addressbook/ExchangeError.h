#pragma once

#include <QString>
#include <stdexcept>

namespace addressbook {

// A file that cannot be read as phone-book data, or records that cannot be written in the
// asked form. The message is for the user, in Japanese; nothing has been changed.
class ExchangeError : public std::runtime_error {
public:
    explicit ExchangeError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace addressbook
