#include "platform/FileAttributes.h"

#include "platform/WinError.h"
#include "platform/WinPath.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace kestrom {

int attributesOf(const QString& hostPath, const QString& name, const struct stat& st) {
    return attributesFor(name, st, ::access(QFile::encodeName(hostPath).constData(), W_OK) == 0);
}

int attributesFor(const QString& name, const struct stat& st, bool writable) {
    int attr = 0;
    if (S_ISDIR(st.st_mode))
        attr |= faDirectory;
    else if (S_ISREG(st.st_mode))
        attr |= faArchive;
    else
        attr |= faSysFile;
    if (name.startsWith(u'.') && name != QStringLiteral(".") && name != QStringLiteral(".."))
        attr |= faHidden;
    if (!writable)
        attr |= faReadOnly;
    return attr;
}

std::uint32_t GetFileAttributesA(const QString& path) {
    const HostLocation where = WinPath::toHost(path);
    if (where.error != 0) {
        SetLastError(where.error);
        return INVALID_FILE_ATTRIBUTES;
    }
    struct stat st {};
    const QByteArray host = QFile::encodeName(where.hostPath);
    if (!where.exists ||
        (::stat(host.constData(), &st) != 0 && ::lstat(host.constData(), &st) != 0)) {
        const bool parentThere = QFileInfo(QFileInfo(where.hostPath).path()).isDir();
        SetLastError(parentThere ? kErrorFileNotFound : kErrorPathNotFound);
        return INVALID_FILE_ATTRIBUTES;
    }
    const QString name = where.isDriveRoot ? QString() : QFileInfo(where.hostPath).fileName();
    return static_cast<std::uint32_t>(attributesOf(where.hostPath, name, st));
}

} // namespace kestrom
