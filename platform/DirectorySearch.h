#pragma once

#include <QString>

#include <cstdint>
#include <memory>

namespace kestrom {

struct SearchState;

// One entry of a directory search, as the program's listing code reads it.
struct TSearchRec {
    int Time = 0; // packed DOS date-time of the modification time, local time
    int Size = 0; // the low 32 bits of the size; 0 for folders
    int Attr = 0;
    QString Name;
    int ExcludeAttr = 0;
    std::shared_ptr<SearchState> FindHandle;
};

// Starts a search for path (a folder and a wildcard pattern, "C:\x\*.cur"). Entries always
// match when they carry none of hidden, system, volume label and folder; those carrying one
// match only when attr includes it. "." and ".." are listed except at a drive root.
// Returns 0 and fills f with the first match, or a Windows result code and leaves f's fields
// as they were: 2 nothing matches, 3 no such folder or drive, 5 access denied, 21 drive not
// ready.
int FindFirst(const QString& path, int attr, TSearchRec& f);
// The next match: 0, or 18 when there are no more.
int FindNext(TSearchRec& f);
void FindClose(TSearchRec& f);

// Where an entry lives on the host: device and inode number, links followed. Two paths with
// one identity are the same folder.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

// While one exists on a thread, the searches started there read each folder once: a search
// of a folder read last reuses that read. A listing opens one, so that its passes over one
// folder (one per mask token, one for the sub-folders) cost one read.
class DirectoryReadScope {
public:
    DirectoryReadScope();
    ~DirectoryReadScope();
    DirectoryReadScope(const DirectoryReadScope&) = delete;
    DirectoryReadScope& operator=(const DirectoryReadScope&) = delete;
};

// The identity of the entry f last matched; false when f holds no match.
bool FindIdentity(const TSearchRec& f, FileIdentity& id);
// The host path of the entry f last matched, its name spelt as on the host; empty when f
// holds no match.
QString FindHostPath(const TSearchRec& f);
// The identity of the entry a Windows path names; false when it names nothing.
bool GetFileIdentity(const QString& path, FileIdentity& id);

} // namespace kestrom
