#include "formats/ModuleFile.h"

#include "platform/EInOutError.h"
#include "platform/WinError.h"
#include "platform/WinPath.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrom {

ModuleFile::ModuleFile(const QString& windowsPath) {
    const HostLocation where = WinPath::toHost(windowsPath);
    if (where.error != 0)
        throw EInOutError(where.error);
    if (!where.exists)
        throw EInOutError(kErrorFileNotFound);
    fd_ = ::open(QFile::encodeName(where.hostPath).constData(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        throw EInOutError(winErrorFromErrno(errno));
    struct stat info {};
    if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd_);
        throw EInOutError(kErrorAccessDenied);
    }
    size_ = static_cast<std::uint64_t>(info.st_size);
}

ModuleFile::~ModuleFile() {
    if (fd_ >= 0)
        ::close(fd_);
}

QByteArray ModuleFile::readAt(std::uint64_t offset, std::uint32_t length) const {
    if (offset >= size_)
        return {};
    const auto wanted = static_cast<qsizetype>(std::min<std::uint64_t>(length, size_ - offset));
    QByteArray out(wanted, '\0');
    qsizetype done = 0;
    while (done < wanted) {
        const ssize_t n = ::pread(fd_, out.data() + done, static_cast<std::size_t>(wanted - done),
                                  static_cast<off_t>(offset + static_cast<std::uint64_t>(done)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw EInOutError(winErrorFromErrno(errno));
        if (n == 0)
            break;
        done += n;
    }
    out.truncate(done);
    return out;
}

QByteArray ModuleFile::readExactAt(std::uint64_t offset, std::uint32_t length) const {
    QByteArray out = readAt(offset, length);
    if (out.size() != static_cast<qsizetype>(length))
        throw EInOutError(kReadPastEnd);
    return out;
}

} // namespace kestrom
