#include "platform/FileBytes.h"

#include "platform/WinPath.h"

#include <QFile>
#include <QFileInfo>

namespace kestrom {

std::optional<QByteArray> FileBytes::read(const QString& windowsPath, qint64 limit) {
    const HostLocation where = WinPath::toHost(windowsPath);
    if (where.error != 0 || !where.exists)
        return std::nullopt;
    return readHost(where.hostPath, limit);
}

std::optional<QByteArray> FileBytes::readHost(const QString& hostPath, qint64 limit) {
    QFile file(hostPath);
    if (!QFileInfo(hostPath).isFile() || !file.open(QIODevice::ReadOnly) || file.size() > limit)
        return std::nullopt;
    QByteArray bytes = file.read(limit + 1);
    if (bytes.size() > limit)
        return std::nullopt;
    return bytes;
}

} // namespace kestrom
