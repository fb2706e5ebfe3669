#include "platform/FolderSnapshot.h"

#include "platform/DosDateTime.h"
#include "platform/FileAttributes.h"
#include "platform/WinError.h"
#include "platform/WinPath.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace kestrom {

namespace {

// Names in the order an NTFS folder lists them: "." and ".." first, then without regard to
// case.
bool listedBefore(QStringView a, QStringView b) {
    const auto rank = [](QStringView s) { return s == u"." ? 0 : s == u".." ? 1 : 2; };
    if (rank(a) != rank(b))
        return rank(a) < rank(b);
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a.compare(b) < 0;
}

// Whether the user may write an entry, from its mode bits: what access() answers for every
// entry without an access control list, at no further system call per entry.
class WriteCheck {
public:
    explicit WriteCheck(int folderFd) : uid_(::geteuid()) {
        struct statvfs fs {};
        readOnlyVolume_ = ::fstatvfs(folderFd, &fs) == 0 && (fs.f_flag & ST_RDONLY) != 0;
        const int count = ::getgroups(0, nullptr);
        groups_.resize(static_cast<size_t>(std::max(count, 0)));
        if (count > 0 && ::getgroups(count, groups_.data()) != count)
            groups_.clear();
        groups_.push_back(::getegid());
    }

    bool writable(const struct stat& st) const {
        if (readOnlyVolume_)
            return false;
        if (uid_ == 0)
            return true;
        if (st.st_uid == uid_)
            return (st.st_mode & S_IWUSR) != 0;
        if (std::find(groups_.begin(), groups_.end(), st.st_gid) != groups_.end())
            return (st.st_mode & S_IWGRP) != 0;
        return (st.st_mode & S_IWOTH) != 0;
    }

private:
    uid_t uid_;
    bool readOnlyVolume_ = false;
    std::vector<gid_t> groups_;
};

} // namespace

void FolderSnapshot::add(QStringView name) {
    Entry entry;
    entry.nameOffset = static_cast<std::uint32_t>(names_.size());
    entry.nameLength = static_cast<std::uint32_t>(name.size());
    names_ += name;
    entries_.push_back(entry);
}

void FolderSnapshot::readRecord(Entry& entry, const struct stat& st, bool writable) {
    entry.known = true;
    entry.present = true;
    entry.attr = static_cast<std::uint8_t>(attributesFor(nameOf(entry).toString(), st, writable));
    entry.time = packDosDateTime(st.st_mtime);
    entry.size = S_ISDIR(st.st_mode)
                     ? 0
                     : static_cast<int>(static_cast<std::uint32_t>(st.st_size & 0xFFFFFFFF));
    entry.device = static_cast<std::uint64_t>(st.st_dev);
    entry.inode = static_cast<std::uint64_t>(st.st_ino);
}

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
            result->add(QString::fromUtf8(raw));
    }
    if (!isDriveRoot) {
        result->add(u".");
        result->add(u"..");
    }
    FolderSnapshot& folder = *result;
    std::sort(folder.entries_.begin(), folder.entries_.end(),
              [&folder](const Entry& a, const Entry& b) {
                  return listedBefore(folder.nameOf(a), folder.nameOf(b));
              });
    if (everyRecord) {
        // Each record relative to the open folder: no path lookup from the root per entry.
        const int fd = ::dirfd(dir);
        const WriteCheck check(fd);
        for (Entry& entry : folder.entries_) {
            const QByteArray name = QFile::encodeName(folder.nameOf(entry).toString());
            struct stat st {};
            entry.known = true;
            if (::fstatat(fd, name.constData(), &st, 0) == 0 ||
                ::fstatat(fd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0)
                folder.readRecord(entry, st, check.writable(st));
        }
    }
    ::closedir(dir);
    snapshot = std::move(result);
    return 0;
}

QString FolderSnapshot::hostPathOf(const Entry& entry) const {
    return hostFolder_ + u'/' + nameOf(entry).toString();
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
    readRecord(entry, st, ::access(host.constData(), W_OK) == 0);
    return entry;
}

} // namespace kestrom
