#include "platform/FileSystem.h"

#include "platform/WinError.h"
#include "platform/WinPath.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrom {

int MkDir(const QString& path) {
    const HostLocation where = WinPath::toHost(path);
    if (where.error != 0)
        return where.error;
    if (where.exists)
        return kErrorFileExists;
    if (::mkdir(QFile::encodeName(where.hostPath).constData(), 0777) != 0)
        return errno == ENOENT ? kErrorPathNotFound : winErrorFromErrno(errno);
    return 0;
}

int CreateNewFile(const QString& path) {
    const HostLocation where = WinPath::toHost(path);
    if (where.error != 0)
        return where.error;
    if (where.exists)
        return kErrorFileExists;
    const int fd = ::open(QFile::encodeName(where.hostPath).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno == ENOENT ? kErrorPathNotFound : winErrorFromErrno(errno);
    ::close(fd);
    return 0;
}

} // namespace kestrom
