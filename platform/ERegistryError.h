#pragma once

#include <QString>

#include <stdexcept>

namespace kestrom {

// A registry write that could not be done, or a value of the wrong type; the message names
// the key, the value or the hive file.
class ERegistryError : public std::runtime_error {
public:
    explicit ERegistryError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}

    const QString& message() const { return message_; }

private:
    QString message_;
};

} // namespace kestrom
