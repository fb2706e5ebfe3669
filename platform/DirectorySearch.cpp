#include "platform/DirectorySearch.h"

#include "platform/DosDateTime.h"
#include "platform/FileAttributes.h"
#include "platform/Wildcard.h"
#include "platform/WinError.h"
#include "platform/WinPath.h"

#include <QFile>
#include <QFileInfo>

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace kestrom {

struct SearchState {
    QString hostFolder;
    QString pattern;
    std::vector<QString> names;
    size_t next = 0;
    QString matchedName;
    FileIdentity matchedIdentity;
};

namespace {

// Names in the order an NTFS folder lists them: "." and ".." first, then without regard to
// case.
bool listedBefore(const QString& a, const QString& b) {
    const auto rank = [](const QString& s) {
        return s == QStringLiteral(".") ? 0 : s == QStringLiteral("..") ? 1 : 2;
    };
    if (rank(a) != rank(b))
        return rank(a) < rank(b);
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

int readFolder(const QString& hostFolder, bool isDriveRoot, std::vector<QString>& names) {
    DIR* dir = ::opendir(QFile::encodeName(hostFolder).constData());
    if (!dir)
        return errno == EACCES || errno == EPERM ? kErrorAccessDenied : kErrorPathNotFound;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray raw(entry->d_name);
        if (raw == "." || raw == "..")
            continue;
        if (WinPath::isListableName(raw))
            names.push_back(QString::fromUtf8(raw));
    }
    ::closedir(dir);
    if (!isDriveRoot) {
        names.push_back(QStringLiteral("."));
        names.push_back(QStringLiteral(".."));
    }
    std::sort(names.begin(), names.end(), listedBefore);
    return 0;
}

// Fills f from the next entry that matches, or answers 18.
int advance(TSearchRec& f) {
    SearchState& state = *f.FindHandle;
    while (state.next < state.names.size()) {
        const QString& name = state.names[state.next++];
        if (!WildcardMatch(state.pattern, name))
            continue;
        const QString hostPath = state.hostFolder + u'/' + name;
        const QByteArray host = QFile::encodeName(hostPath);
        struct stat st {};
        if (::stat(host.constData(), &st) != 0 && ::lstat(host.constData(), &st) != 0)
            continue; // vanished since the folder was read
        const int attr = attributesOf(hostPath, name, st);
        if ((attr & f.ExcludeAttr) != 0)
            continue;
        state.matchedName = name;
        state.matchedIdentity = {static_cast<std::uint64_t>(st.st_dev),
                                 static_cast<std::uint64_t>(st.st_ino)};
        f.Name = name;
        f.Attr = attr;
        f.Time = packDosDateTime(st.st_mtime);
        f.Size = S_ISDIR(st.st_mode)
                     ? 0
                     : static_cast<int>(static_cast<std::uint32_t>(st.st_size & 0xFFFFFFFF));
        return 0;
    }
    return kErrorNoMoreFiles;
}

} // namespace

int FindFirst(const QString& path, int attr, TSearchRec& f) {
    const qsizetype cut = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    QString folder;
    QString pattern;
    if (cut >= 0) {
        folder = path.left(cut + 1);
        pattern = path.mid(cut + 1);
    } else if (path.size() >= 2 && path[1] == u':') {
        folder = path.left(2);
        pattern = path.mid(2);
    } else {
        folder = QStringLiteral(".");
        pattern = path;
    }
    if (pattern.isEmpty())
        return kErrorFileNotFound;

    const HostLocation where = WinPath::toHost(folder);
    if (where.error != 0)
        return where.error;
    if (!where.exists || !QFileInfo(where.hostPath).isDir())
        return kErrorPathNotFound;

    auto state = std::make_shared<SearchState>();
    state->hostFolder = where.hostPath == QStringLiteral("/") ? QString() : where.hostPath;
    state->pattern = pattern;
    if (const int error = readFolder(where.hostPath, where.isDriveRoot, state->names))
        return error;

    TSearchRec found = f;
    found.ExcludeAttr = ~attr & (faHidden | faSysFile | faVolumeID | faDirectory);
    found.FindHandle = state;
    if (advance(found) != 0)
        return kErrorFileNotFound;
    f = std::move(found);
    return 0;
}

int FindNext(TSearchRec& f) {
    if (!f.FindHandle)
        return kErrorInvalidHandle;
    return advance(f);
}

void FindClose(TSearchRec& f) {
    f.FindHandle.reset();
}

bool FindIdentity(const TSearchRec& f, FileIdentity& id) {
    if (!f.FindHandle || f.FindHandle->matchedName.isEmpty())
        return false;
    id = f.FindHandle->matchedIdentity;
    return true;
}

QString FindHostPath(const TSearchRec& f) {
    if (!f.FindHandle || f.FindHandle->matchedName.isEmpty())
        return {};
    const SearchState& state = *f.FindHandle;
    return (state.hostFolder.isEmpty() ? QStringLiteral("/") : state.hostFolder + u'/') +
           state.matchedName;
}

bool GetFileIdentity(const QString& path, FileIdentity& id) {
    const HostLocation where = WinPath::toHost(path);
    struct stat st {};
    if (where.error != 0 || !where.exists ||
        ::stat(QFile::encodeName(where.hostPath).constData(), &st) != 0)
        return false;
    id = {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
    return true;
}

} // namespace kestrom
