#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace kestrom {

// A whole file read into memory, for the small files the program decodes.
class FileBytes {
public:
    static constexpr qint64 kCursorLimit = 64 * 1024 * 1024;

    // The bytes of the file a Windows path names; nothing when it is not a readable regular
    // file or is longer than limit.
    static std::optional<QByteArray> read(const QString& windowsPath, qint64 limit);
    static std::optional<QByteArray> readHost(const QString& hostPath, qint64 limit);
};

} // namespace kestrom
