#include "platform/DriveTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <map>
#include <memory>

namespace kestrom {

namespace {

QString cleanRoot(const QString& path) {
    QString root = QDir::cleanPath(path);
    return root.isEmpty() ? QStringLiteral("/") : root;
}

// Mount table fields escape blanks and backslashes as octal sequences ("\040").
QString unescapeMountField(const QString& field) {
    QString out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == u'\\' && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out += QChar(code);
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

// /dev/disk/by-label names escape unusual bytes as "\xHH".
QString unescapeLabel(const QString& name) {
    QByteArray bytes;
    const QByteArray raw = name.toUtf8();
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\\' && i + 3 < raw.size() && raw[i + 1] == 'x') {
            bool ok = false;
            const int code = raw.mid(i + 2, 2).toInt(&ok, 16);
            if (ok) {
                bytes += static_cast<char>(code);
                i += 3;
                continue;
            }
        }
        bytes += raw[i];
    }
    return QString::fromUtf8(bytes);
}

// Device node -> file system label, as the host's udev links tell.
QHash<QString, QString> labelsByDevice() {
    QHash<QString, QString> labels;
    const QDir byLabel(QStringLiteral("/dev/disk/by-label"));
    const auto entries = byLabel.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        const QString device = entry.canonicalFilePath();
        if (!device.isEmpty())
            labels.insert(device, unescapeLabel(entry.fileName()));
    }
    return labels;
}

QString canonicalDevice(const QString& device) {
    const QString canonical = QFileInfo(device).canonicalFilePath();
    return canonical.isEmpty() ? device : canonical;
}

bool isNetworkFileSystem(const QString& type) {
    static const QStringList network = {"nfs",        "nfs4",  "cifs",  "smb3",
                                        "smbfs",      "afs",   "ceph",  "glusterfs",
                                        "fuse.sshfs", "sshfs", "davfs", "fuse.rclone"};
    return network.contains(type);
}

bool isRemovableDevice(const QString& device) {
    // /dev/sdb1 -> /sys/block/sdb/removable
    if (!device.startsWith(QStringLiteral("/dev/")))
        return false;
    QString name = device.mid(5);
    while (!name.isEmpty() && name.back().isDigit())
        name.chop(1);
    if (name.endsWith(u'p') && name.startsWith(QStringLiteral("mmcblk")))
        name.chop(1);
    QFile flag(QStringLiteral("/sys/block/%1/removable").arg(name));
    if (!flag.open(QIODevice::ReadOnly))
        return false;
    return flag.readAll().trimmed() == "1";
}

unsigned typeOfMount(const QString& device, const QString& mountPoint, const QString& fsType) {
    if (isNetworkFileSystem(fsType))
        return DRIVE_REMOTE;
    if (fsType == QStringLiteral("iso9660") || fsType == QStringLiteral("udf") ||
        device.startsWith(QStringLiteral("/dev/sr")))
        return DRIVE_CDROM;
    if (isRemovableDevice(device) || mountPoint.startsWith(QStringLiteral("/media/")) ||
        mountPoint.startsWith(QStringLiteral("/run/media/")))
        return DRIVE_REMOVABLE;
    return DRIVE_UNKNOWN;
}

struct MountEntry {
    QString device;
    QString mountPoint;
    QString fsType;
};

std::vector<MountEntry> parseMounts(const QString& text) {
    std::vector<MountEntry> mounts;
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        if (fields.size() < 3)
            continue;
        mounts.push_back({unescapeMountField(fields[0]), unescapeMountField(fields[1]), fields[2]});
    }
    return mounts;
}

QString readMountTable() {
    QFile file(QStringLiteral("/proc/self/mounts"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// Labels for drives whose root is a mount point of a labelled device.
void attachLabels(std::vector<Drive>& drives, const std::vector<MountEntry>& mounts) {
    const QHash<QString, QString> labels = labelsByDevice();
    if (labels.isEmpty())
        return;
    for (Drive& drive : drives) {
        if (!drive.label.isEmpty())
            continue;
        for (const MountEntry& mount : mounts) {
            if (cleanRoot(mount.mountPoint) == drive.hostRoot)
                drive.label = labels.value(canonicalDevice(mount.device));
        }
    }
}

} // namespace

DriveTable DriveTable::fromSetting(const QString& setting) {
    DriveTable table;
    for (const QString& item : setting.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype eq = item.indexOf(u'=');
        if (eq != 1 || !item[0].isLetter() || item[0].unicode() > 127)
            continue;
        QStringList fields = item.mid(2).split(u':');
        Drive drive;
        drive.letter = item[0].toUpper();
        bool numeric = false;
        if (fields.size() >= 2) {
            fields.back().toUInt(&numeric);
            if (!numeric && fields.size() >= 3) {
                fields[fields.size() - 2].toUInt(&numeric);
                if (numeric)
                    drive.label = fields.takeLast();
            }
        }
        if (numeric)
            drive.type = fields.takeLast().toUInt();
        const QString root = fields.join(u':');
        if (!root.startsWith(u'/') || table.find(drive.letter))
            continue;
        drive.hostRoot = cleanRoot(root);
        table.add(drive);
    }
    return table;
}

DriveTable DriveTable::fromMounts(const QString& mountsText) {
    DriveTable table;
    table.add({QChar(u'C'), QStringLiteral("/"), DRIVE_FIXED, {}});
    const std::vector<MountEntry> mounts = parseMounts(mountsText);
    for (const MountEntry& mount : mounts) {
        const unsigned type = typeOfMount(mount.device, mount.mountPoint, mount.fsType);
        const QString root = cleanRoot(mount.mountPoint);
        if (type == DRIVE_UNKNOWN || root == QStringLiteral("/"))
            continue;
        const bool known = std::any_of(table.drives_.begin(), table.drives_.end(),
                                       [&](const Drive& d) { return d.hostRoot == root; });
        const QChar letter = table.nextFreeLetter();
        if (known || letter.isNull())
            continue;
        table.add({letter, root, type, {}});
    }
    attachLabels(table.drives_, mounts);
    return table;
}

const DriveTable& DriveTable::current() {
    // Rebuilt whenever KESTROM_DRIVES changes, so a test can point it at a new tree.
    static std::map<QString, std::unique_ptr<DriveTable>> cache;
    const QByteArray setting = qgetenv("KESTROM_DRIVES");
    const QString key = setting.isNull() ? QStringLiteral("\n") : QString::fromUtf8(setting);
    auto it = cache.find(key);
    if (it == cache.end()) {
        auto table = std::make_unique<DriveTable>(setting.isNull() ? fromMounts(readMountTable())
                                                                   : fromSetting(key));
        if (!setting.isNull())
            attachLabels(table->drives_, parseMounts(readMountTable()));
        it = cache.emplace(key, std::move(table)).first;
    }
    return *it->second;
}

const Drive* DriveTable::find(QChar letter) const {
    const QChar upper = letter.toUpper();
    for (const Drive& drive : drives_) {
        if (drive.letter == upper)
            return &drive;
    }
    return nullptr;
}

const Drive* DriveTable::driveForHostPath(const QString& hostPath, QString* rest) const {
    const QString path = QDir::cleanPath(hostPath);
    const Drive* best = nullptr;
    for (const Drive& drive : drives_) {
        const QString& root = drive.hostRoot;
        const bool inside = root == QStringLiteral("/")
                                ? path.startsWith(u'/')
                                : (path == root || path.startsWith(root + u'/'));
        if (inside && (!best || root.size() > best->hostRoot.size()))
            best = &drive;
    }
    if (best && rest) {
        QString below = path.mid(best->hostRoot.size());
        while (below.startsWith(u'/'))
            below.remove(0, 1);
        *rest = below;
    }
    return best;
}

void DriveTable::add(Drive drive) {
    drives_.push_back(std::move(drive));
    std::sort(drives_.begin(), drives_.end(),
              [](const Drive& a, const Drive& b) { return a.letter < b.letter; });
}

QChar DriveTable::nextFreeLetter() const {
    for (char16_t c = u'D'; c <= u'Z'; ++c) {
        if (!find(QChar(c)))
            return QChar(c);
    }
    return {};
}

} // namespace kestrom
