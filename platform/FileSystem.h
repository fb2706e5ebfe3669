#pragma once

#include <QString>

namespace kestrom {

// Creates the folder a Windows path names: 0, or the Windows result code.
int MkDir(const QString& path);
// Creates a new, empty file: 0, 80 when something of that name is already there, or another
// Windows result code. An existing entry, a symbolic link included, is never opened.
int CreateNewFile(const QString& path);

} // namespace kestrom
