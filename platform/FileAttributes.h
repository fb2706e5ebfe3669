#pragma once

#include <QString>

#include <cstdint>

struct stat;

namespace kestrom {

enum FileAttribute : int {
    faReadOnly = 0x01,
    faHidden = 0x02,
    faSysFile = 0x04,
    faVolumeID = 0x08,
    faDirectory = 0x10,
    faArchive = 0x20,
    faAnyFile = 0x3F,
};

constexpr std::uint32_t INVALID_FILE_ATTRIBUTES = 0xFFFFFFFFu;

// The Windows attributes of a host entry: folder, hidden for dot names, read-only when the
// user cannot write it, archive for regular files, system for anything else.
int attributesOf(const QString& hostPath, const QString& name, const struct stat& st);
// The same for an entry whose writability is already known.
int attributesFor(const QString& name, const struct stat& st, bool writable);

// Attributes of the entry a Windows path names, or INVALID_FILE_ATTRIBUTES with the last error
// set (2 no such file, 3 no such folder, 21 drive not ready).
std::uint32_t GetFileAttributesA(const QString& path);

} // namespace kestrom
