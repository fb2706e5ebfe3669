#pragma once

#include <QString>

namespace kestrom {

// The process current folder in Windows form. Changing it also changes the host's.
QString GetCurrentDir();
// 0 on success, otherwise the Windows result code (3 for a folder that is not there, 21 for a
// drive that is not ready); the current folder is unchanged on failure.
int ChDir(const QString& path);
bool SetCurrentDir(const QString& path);

} // namespace kestrom
