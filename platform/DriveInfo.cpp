#include "platform/DriveInfo.h"

#include "platform/CurrentFolder.h"
#include "platform/DriveTable.h"
#include "platform/WinError.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace kestrom {

namespace {

const Drive* driveOfRoot(const QString& rootPath) {
    const QString root = rootPath.isEmpty() ? GetCurrentDir() : rootPath;
    if (root.size() < 2 || root[1] != u':' || root.size() > 3)
        return nullptr;
    if (root.size() == 3 && root[2] != u'\\' && root[2] != u'/')
        return nullptr;
    return DriveTable::current().find(root[0]);
}

} // namespace

std::uint32_t GetLogicalDrives() {
    std::uint32_t mask = 0;
    for (const Drive& drive : DriveTable::current().drives())
        mask |= 1u << (drive.letter.unicode() - u'A');
    return mask;
}

unsigned GetDriveTypeA(const QString& rootPath) {
    const Drive* drive = driveOfRoot(rootPath);
    return drive ? drive->type : DRIVE_NO_ROOT_DIR;
}

bool GetVolumeInformationA(const QString& rootPath, QString* volumeName,
                           std::uint32_t* serialNumber) {
    const Drive* drive = driveOfRoot(rootPath);
    if (!drive) {
        SetLastError(kErrorPathNotFound);
        return false;
    }
    struct stat st {};
    if (!QFileInfo(drive->hostRoot).isDir() ||
        ::stat(QFile::encodeName(drive->hostRoot).constData(), &st) != 0) {
        SetLastError(kErrorNotReady);
        return false;
    }
    if (volumeName)
        *volumeName = drive->label;
    if (serialNumber)
        *serialNumber = static_cast<std::uint32_t>(st.st_dev ^ (st.st_dev >> 32));
    return true;
}

} // namespace kestrom
