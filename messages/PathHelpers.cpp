#include "messages/PathHelpers.h"

#include "messages/TextHelpers.h"
#include "platform/DirectorySearch.h"
#include "platform/DriveInfo.h"
#include "platform/DriveTable.h"
#include "platform/EInOutError.h"
#include "platform/FileAttributes.h"
#include "platform/FileSystem.h"
#include "platform/WinError.h"

namespace kestrom {

namespace {

constexpr int kLastNumber = 2147483647;

QString withoutTrailingBackslash(const QString& path) {
    return path.endsWith(u'\\') ? path.chopped(1) : path;
}

QString folderWithBackslash(const QString& fileName) {
    return fileName.left(fileName.lastIndexOf(u'\\') + 1);
}

} // namespace

QString JoinPath(const QString& folder, const QString& name) {
    if (folder.isEmpty())
        return name;
    if (folder.endsWith(u'\\'))
        return folder + name;
    return folder + u'\\' + name;
}

QString FolderPart(const QString& fileName) {
    const QString folder = folderWithBackslash(fileName);
    return folder.size() >= 4 ? folder.chopped(1) : folder;
}

bool DriveExists(QChar letter) {
    const QChar upper = letter.toUpper();
    if (upper < u'A' || upper > u'Z')
        return false;
    // A missing drive reports "no root folder" (1), not 0: it must not count as a drive.
    return GetDriveTypeA(QString(upper) + QStringLiteral(":\\")) > DRIVE_NO_ROOT_DIR;
}

bool FolderExists(const QString& path) {
    QString folder = HasWildcard(path) ? folderWithBackslash(path) : path;
    if (folder.isEmpty())
        return false;
    if (folder.size() <= 3)
        return DriveExists(folder[0]);
    folder = withoutTrailingBackslash(folder);
    TSearchRec found;
    const bool any = FindFirst(folder, faAnyFile, found) == 0;
    FindClose(found);
    return any && (found.Attr & faDirectory) != 0;
}

bool PathExists(const QString& path) {
    TSearchRec found;
    const bool any = FindFirst(path, faAnyFile, found) == 0;
    FindClose(found);
    return any;
}

void ForceFolders(const QString& path) {
    const QString folder = withoutTrailingBackslash(path);
    if (folder.size() < 3 || FolderExists(folder))
        return;
    ForceFolders(FolderPart(folder));
    if (const int error = MkDir(folder); error != 0 && error != kErrorFileExists)
        throw EInOutError(error);
}

bool CreateNumberedFile(const QString& folder, const QString& extension, QString& fileName) {
    if (!FolderExists(folder))
        ForceFolders(folder);
    for (int i = 1; i > 0 && i <= kLastNumber; ++i) {
        const QString candidate =
            JoinPath(folder, QStringLiteral("%1.%2").arg(i, 8, 10, QChar(u'0')).arg(extension));
        if (PathExists(candidate))
            continue;
        const int error = CreateNewFile(candidate);
        if (error == kErrorFileExists)
            continue; // another program took this number meanwhile
        if (error != 0)
            throw EInOutError(error);
        fileName = candidate;
        return true;
    }
    return false;
}

} // namespace kestrom
