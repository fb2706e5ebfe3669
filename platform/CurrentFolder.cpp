#include "platform/CurrentFolder.h"

#include "platform/DriveTable.h"
#include "platform/WinError.h"
#include "platform/WinPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <unistd.h>

namespace kestrom {

namespace {

QString& currentFolder() {
    static QString folder;
    return folder;
}

// The host's working folder when a drive holds it, otherwise the first drive's root.
QString initialFolder() {
    const QString fromHost = WinPath::fromHost(QDir::currentPath());
    if (!fromHost.isEmpty())
        return fromHost;
    const auto& drives = DriveTable::current().drives();
    return drives.empty() ? QStringLiteral("C:\\")
                          : QString(drives.front().letter) + QStringLiteral(":\\");
}

} // namespace

QString GetCurrentDir() {
    QString& folder = currentFolder();
    if (folder.isEmpty() || !DriveTable::current().find(folder[0]))
        folder = initialFolder();
    return folder;
}

int ChDir(const QString& path) {
    const HostLocation where = WinPath::toHost(path);
    if (where.error != 0)
        return where.error;
    if (!where.exists || !QFileInfo(where.hostPath).isDir())
        return kErrorPathNotFound;
    if (::chdir(QFile::encodeName(where.hostPath).constData()) != 0)
        return winErrorFromErrno(errno);
    currentFolder() = where.windowsPath;
    return 0;
}

bool SetCurrentDir(const QString& path) {
    return ChDir(path) == 0;
}

} // namespace kestrom
