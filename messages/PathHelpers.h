#pragma once

#include <QString>

namespace kestrom {

// Folder and name with exactly one backslash between; an empty folder gives name.
QString JoinPath(const QString& folder, const QString& name);
// The folder part of fileName without its trailing backslash, except that a drive root keeps
// it ("C:\").
QString FolderPart(const QString& fileName);
// Creates every missing folder of path; a folder that cannot be made raises EInOutError.
void ForceFolders(const QString& path);
// A letter whose drive exists and has a root folder.
bool DriveExists(QChar letter);
bool FolderExists(const QString& path);
// Anything at all matches path.
bool PathExists(const QString& path);
// Creates the first free numbered file "00000001.EXT", "00000002.EXT", … in folder (made if
// missing) and names it in fileName; false when every number is taken. A file that cannot be
// made raises EInOutError.
bool CreateNumberedFile(const QString& folder, const QString& extension, QString& fileName);

} // namespace kestrom
