#pragma once

#include <QString>
#include <stdexcept>

namespace core {

// A file that cannot be read or written as asked: not found, not of the expected form, or
// records that cannot be written in the asked form. The message is for the user, in
// Japanese; nothing has been changed.
class FileError : public std::runtime_error {
public:
    explicit FileError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace core
