#pragma once

#include <QString>

#include <stdexcept>

namespace kestrom {

// The resource reader's failure: a fixed text and nothing else.
class EResourceError : public std::runtime_error {
public:
    explicit EResourceError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}

    const QString& message() const { return message_; }

    static QString nilName() { return QStringLiteral("File name is NIL"); }
    static QString invalidImage() { return QStringLiteral("Invalid image"); }
    static QString notPeOrNe() { return QStringLiteral("Invalid image, must be a PE or NE."); }

private:
    QString message_;
};

} // namespace kestrom
