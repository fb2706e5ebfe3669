#include "platform/DirectorySearch.h"

#include "platform/FileAttributes.h"
#include "platform/FolderSnapshot.h"
#include "platform/Wildcard.h"
#include "platform/WinError.h"
#include "platform/WinPath.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <algorithm>

namespace kestrom {

struct SearchState {
    std::shared_ptr<FolderSnapshot> folder;
    QString pattern;
    size_t next = 0;
    const FolderSnapshot::Entry* matched = nullptr;
};

namespace {

// The last folder read inside the innermost read scope of this thread.
struct ReadCache {
    int scopes = 0;
    QString windowsFolder;
    std::shared_ptr<FolderSnapshot> snapshot;
};

ReadCache& readCache() {
    thread_local ReadCache cache;
    return cache;
}

// Fills f from the next entry that matches, or answers 18.
int advance(TSearchRec& f) {
    SearchState& state = *f.FindHandle;
    FolderSnapshot& folder = *state.folder;
    while (state.next < folder.size()) {
        const size_t index = state.next++;
        const FolderSnapshot::Entry& candidate = folder.at(index);
        if (!WildcardMatch(state.pattern, folder.nameOf(candidate)))
            continue;
        if (!candidate.present || (candidate.attr & f.ExcludeAttr) != 0)
            continue;
        state.matched = &candidate;
        f.Name = folder.nameOf(candidate).toString();
        f.Attr = candidate.attr;
        f.Time = candidate.time;
        f.Size = candidate.size;
        return 0;
    }
    return kErrorNoMoreFiles;
}

// The folder a search path names, read or taken from the read scope.
int openFolder(const QString& folder, bool wildcards, std::shared_ptr<FolderSnapshot>& out) {
    ReadCache& cache = readCache();
    const QString key = cache.scopes > 0 ? WinPath::absolute(folder) : QString();
    if (!key.isEmpty() && cache.snapshot && key == cache.windowsFolder) {
        out = cache.snapshot;
        return 0;
    }
    const HostLocation where = WinPath::toHost(folder);
    if (where.error != 0)
        return where.error;
    if (!where.exists || !QFileInfo(where.hostPath).isDir())
        return kErrorPathNotFound;
    // A search for one name (a listing's look at its target) reads no other entry's record.
    if (const int error = FolderSnapshot::read(where.hostPath, where.isDriveRoot, wildcards, out))
        return error;
    if (!key.isEmpty()) {
        cache.windowsFolder = key;
        cache.snapshot = out;
    }
    return 0;
}

} // namespace

DirectoryReadScope::DirectoryReadScope() {
    ++readCache().scopes;
}

DirectoryReadScope::~DirectoryReadScope() {
    ReadCache& cache = readCache();
    if (--cache.scopes == 0) {
        cache.windowsFolder.clear();
        cache.snapshot.reset();
    }
}

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

    auto state = std::make_shared<SearchState>();
    state->pattern = pattern;
    if (const int error = openFolder(folder, HasWildcardChars(pattern), state->folder))
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
    if (!f.FindHandle || !f.FindHandle->matched)
        return false;
    id = {f.FindHandle->matched->device, f.FindHandle->matched->inode};
    return true;
}

QString FindHostPath(const TSearchRec& f) {
    if (!f.FindHandle || !f.FindHandle->matched)
        return {};
    return f.FindHandle->folder->hostPathOf(*f.FindHandle->matched);
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
