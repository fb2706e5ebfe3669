#include "platform/FolderSnapshot.h"

#include "platform/DosDateTime.h"
#include "platform/FileAttributes.h"
#include "platform/WinError.h"
#include "platform/WinPath.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace kestrom {

namespace {

// Names in the order an NTFS folder lists them: "." and ".." first, then without regard to
// case.
bool listedBefore(const FolderSnapshot::Entry& x, const FolderSnapshot::Entry& y) {
    const auto rank = [](const QString& s) {
        return s == QStringLiteral(".") ? 0 : s == QStringLiteral("..") ? 1 : 2;
    };
    const QString& a = x.name;
    const QString& b = y.name;
    if (rank(a) != rank(b))
        return rank(a) < rank(b);
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

void fill(FolderSnapshot::Entry& entry, const struct stat& st, bool writable) {
    entry.known = true;
    entry.present = true;
    entry.attr = attributesFor(entry.name, st, writable);
    entry.time = packDosDateTime(st.st_mtime);
    entry.size = S_ISDIR(st.st_mode)
                     ? 0
                     : static_cast<int>(static_cast<std::uint32_t>(st.st_size & 0xFFFFFFFF));
    entry.device = static_cast<std::uint64_t>(st.st_dev);
    entry.inode = static_cast<std::uint64_t>(st.st_ino);
}

// Reads the record of name inside the open folder fd; links are followed where they lead.
void readAt(int fd, FolderSnapshot::Entry& entry) {
    const QByteArray name = QFile::encodeName(entry.name);
    struct stat st {};
    entry.known = true;
    if (::fstatat(fd, name.constData(), &st, 0) != 0 &&
        ::fstatat(fd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return; // vanished since the folder was read
    fill(entry, st, ::faccessat(fd, name.constData(), W_OK, 0) == 0);
}

} // namespace

int FolderSnapshot::read(const QString& hostFolder, bool isDriveRoot, bool everyRecord,
                         std::shared_ptr<FolderSnapshot>& snapshot) {
    DIR* dir = ::opendir(QFile::encodeName(hostFolder).constData());
    if (!dir)
        return errno == EACCES || errno == EPERM ? kErrorAccessDenied : kErrorPathNotFound;
    auto result = std::make_shared<FolderSnapshot>();
    result->hostFolder_ = hostFolder == QStringLiteral("/") ? QString() : hostFolder;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray raw(entry->d_name);
        if (raw == "." || raw == "..")
            continue;
        if (WinPath::isListableName(raw))
            result->entries_.push_back({QString::fromUtf8(raw)});
    }
    if (!isDriveRoot) {
        result->entries_.push_back({QStringLiteral(".")});
        result->entries_.push_back({QStringLiteral("..")});
    }
    std::sort(result->entries_.begin(), result->entries_.end(), listedBefore);
    if (everyRecord) {
        const int fd = ::dirfd(dir);
        for (Entry& entry : result->entries_)
            readAt(fd, entry);
    }
    ::closedir(dir);
    snapshot = std::move(result);
    return 0;
}

QString FolderSnapshot::hostPathOf(const Entry& entry) const {
    return hostFolder_ + u'/' + entry.name;
}

const FolderSnapshot::Entry& FolderSnapshot::at(size_t index) {
    Entry& entry = entries_[index];
    if (entry.known)
        return entry;
    entry.known = true;
    const QByteArray host = QFile::encodeName(hostPathOf(entry));
    struct stat st {};
    if (::stat(host.constData(), &st) != 0 && ::lstat(host.constData(), &st) != 0)
        return entry; // vanished since the folder was read
    fill(entry, st, ::access(host.constData(), W_OK) == 0);
    return entry;
}

} // namespace kestrom
