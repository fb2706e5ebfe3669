#include "cursors/ExistingFile.h"

#include "platform/FileAttributes.h"

namespace kestrom {

bool NamesExistingFile(const QString& path) {
    if (path.isEmpty())
        return false;
    const std::uint32_t attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & faDirectory) == 0;
}

} // namespace kestrom
