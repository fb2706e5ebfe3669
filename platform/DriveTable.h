#pragma once

#include <QChar>
#include <QString>

#include <vector>

namespace kestrom {

// Drive types as GetDriveTypeA reports them.
enum DriveType : unsigned {
    DRIVE_UNKNOWN = 0,
    DRIVE_NO_ROOT_DIR = 1,
    DRIVE_REMOVABLE = 2,
    DRIVE_FIXED = 3,
    DRIVE_REMOTE = 4,
    DRIVE_CDROM = 5,
    DRIVE_RAMDISK = 6,
};

struct Drive {
    QChar letter;     // upper case, A to Z
    QString hostRoot; // absolute host folder, no trailing slash except "/"
    unsigned type = DRIVE_FIXED;
    QString label;
};

// Which host folder each drive letter stands for.
class DriveTable {
public:
    // "C=/srv/c:3;D=/mnt/stick:2", optionally with a label after the type ("C=/srv/c:3:System").
    // Malformed entries are skipped.
    static DriveTable fromSetting(const QString& setting);
    // C: is "/"; removable media, optical discs and network file systems of the mount table
    // (the /proc/self/mounts format) take the next free letters.
    static DriveTable fromMounts(const QString& mountsText);
    // The table in force: KESTROM_DRIVES when set, otherwise the host's mount table.
    static const DriveTable& current();

    const Drive* find(QChar letter) const;
    // The drive whose root holds hostPath (the longest root wins); rest receives the part
    // below the root, without a leading slash.
    const Drive* driveForHostPath(const QString& hostPath, QString* rest) const;
    const std::vector<Drive>& drives() const { return drives_; }

private:
    void add(Drive drive);
    QChar nextFreeLetter() const;

    std::vector<Drive> drives_;
};

} // namespace kestrom
