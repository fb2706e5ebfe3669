#include "cursors/HostFiles.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <ftw.h>
#include <random>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrom {

namespace {

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

bool writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

QString tempName(const QString& path) {
    static std::mt19937 random{std::random_device{}()};
    return path + QStringLiteral(".kestrom-%1").arg(random() % 1000000000u);
}

int removeEntry(const char* path, const struct stat*, int type, struct FTW*) {
    if (type == FTW_DP)
        ::rmdir(path);
    else
        ::unlink(path);
    return 0;
}

} // namespace

bool HostFiles::IsSymLink(const QString& path) {
    struct stat st {};
    return ::lstat(native(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

bool HostFiles::IsRealFolder(const QString& path) {
    struct stat st {};
    return ::lstat(native(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool HostFiles::MakeFolder(const QString& path) {
    if (IsRealFolder(path))
        return true;
    if (IsSymLink(path))
        return false;
    return ::mkdir(native(path).constData(), 0755) == 0;
}

bool HostFiles::WriteNew(const QString& path, const QByteArray& bytes) {
    const int fd = ::open(native(path).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    ::close(fd);
    if (!ok)
        ::unlink(native(path).constData());
    return ok;
}

bool HostFiles::WriteAtomically(const QString& path, const QByteArray& bytes) {
    const QString temp = tempName(path);
    if (!WriteNew(temp, bytes))
        return false;
    if (::rename(native(temp).constData(), native(path).constData()) != 0) {
        ::unlink(native(temp).constData());
        return false;
    }
    return true;
}

QString HostFiles::LinkTarget(const QString& linkPath) {
    char buffer[4096];
    const ssize_t n = ::readlink(native(linkPath).constData(), buffer, sizeof buffer);
    if (n <= 0 || static_cast<size_t>(n) >= sizeof buffer)
        return {};
    return QFile::decodeName(QByteArray(buffer, static_cast<qsizetype>(n)));
}

bool HostFiles::MakeLink(const QString& target, const QString& linkPath) {
    return ::symlink(native(target).constData(), native(linkPath).constData()) == 0;
}

bool HostFiles::Exchange(const QString& source, const QString& target) {
    const QByteArray from = native(source);
    const QByteArray to = native(target);
    struct stat st {};
    if (::lstat(to.constData(), &st) != 0)
        return ::rename(from.constData(), to.constData()) == 0;
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) == 0)
        return true;
    // Without an exchange the old entry steps aside first; it comes back if the new one fails.
    const QString aside = tempName(target);
    if (::rename(to.constData(), native(aside).constData()) != 0)
        return false;
    if (::rename(from.constData(), to.constData()) != 0) {
        ::rename(native(aside).constData(), to.constData());
        return false;
    }
    return ::rename(native(aside).constData(), from.constData()) == 0;
}

void HostFiles::RemoveTree(const QString& path) {
    struct stat st {};
    if (::lstat(native(path).constData(), &st) != 0)
        return;
    if (!S_ISDIR(st.st_mode)) {
        ::unlink(native(path).constData());
        return;
    }
    ::nftw(native(path).constData(), removeEntry, 16, FTW_DEPTH | FTW_PHYS);
}

QByteArray HostFiles::ReadSmallFile(const QString& path, qint64 limit) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(limit);
}

} // namespace kestrom
