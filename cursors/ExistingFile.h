#pragma once

#include <QString>

namespace kestrom {

// A Windows path that names a file (not a folder) that is there now.
bool NamesExistingFile(const QString& path);

} // namespace kestrom
