#include "filelist/SpecialFolders.h"

#include "platform/DriveTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>
#include <QXmlStreamReader>

namespace kestrom {

namespace {

QString home() {
    return QDir::homePath();
}

QString configHome() {
    const QString value = qEnvironmentVariable("XDG_CONFIG_HOME");
    return value.isEmpty() ? home() + QStringLiteral("/.config") : value;
}

QString dataHome() {
    const QString value = qEnvironmentVariable("XDG_DATA_HOME");
    return value.isEmpty() ? home() + QStringLiteral("/.local/share") : value;
}

// A folder of user-dirs.dirs ("XDG_DESKTOP_DIR="$HOME/Desktop""), or fallback below home.
QString userDir(const QString& key, const QString& fallback) {
    QFile file(configHome() + QStringLiteral("/user-dirs.dirs"));
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        const QRegularExpression pattern(QStringLiteral("^XDG_%1_DIR=\"(.*)\"$").arg(key));
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            const QRegularExpressionMatch match = pattern.match(line);
            if (match.hasMatch())
                return match.captured(1).replace(QStringLiteral("$HOME"), home());
        }
    }
    return home() + u'/' + fallback;
}

std::optional<QString> existingFolder(const QString& path) {
    if (QFileInfo(path).isDir())
        return path;
    return std::nullopt;
}

// The Name of a .desktop entry, or the file's own name.
QString desktopEntryName(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QFileInfo(path).fileName();
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'['))
            inEntry = line == QStringLiteral("[Desktop Entry]");
        else if (inEntry && line.startsWith(QStringLiteral("Name=")))
            return line.mid(5);
    }
    return QFileInfo(path).fileName();
}

class Gatherer {
public:
    explicit Gatherer(bool launchers) : launchers_(launchers) {}

    void folder(const QString& path, int depth) {
        QDir dir(path);
        const QFileInfoList entries =
            dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                              QDir::Name | QDir::IgnoreCase);
        for (const QFileInfo& entry : entries) {
            if (items.size() >= static_cast<size_t>(SpecialFolders::kItemLimit))
                return;
            // Links are not followed, so that no loop of folders is walked.
            if (entry.isDir() && !entry.isSymLink() && depth < SpecialFolders::kDepthLimit &&
                hasSubfolder(entry.filePath()))
                folder(entry.filePath(), depth + 1);
            add(entry);
        }
    }

    std::vector<SpecialFolders::Item> items;

private:
    static bool hasSubfolder(const QString& path) {
        return !QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty();
    }

    void add(const QFileInfo& entry) {
        if (items.size() >= static_cast<size_t>(SpecialFolders::kItemLimit))
            return;
        QString name = entry.fileName();
        if (launchers_ && entry.suffix() == QStringLiteral("desktop"))
            name = desktopEntryName(entry.filePath());
        items.push_back({name, entry.filePath(), {}});
    }

    bool launchers_;
};

std::vector<SpecialFolders::Item> recentFiles() {
    std::vector<SpecialFolders::Item> items;
    QFile file(dataHome() + QStringLiteral("/recently-used.xbel"));
    if (!file.open(QIODevice::ReadOnly))
        return items;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd() && items.size() < static_cast<size_t>(SpecialFolders::kItemLimit)) {
        if (xml.readNext() != QXmlStreamReader::StartElement ||
            xml.name() != QStringLiteral("bookmark"))
            continue;
        const QUrl url(xml.attributes().value(QStringLiteral("href")).toString());
        const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
        const QString name = url.isLocalFile() ? QFileInfo(path).fileName() : url.toString();
        items.push_back({name, path, {}});
    }
    return items;
}

std::vector<SpecialFolders::Item> bookmarks() {
    std::vector<SpecialFolders::Item> items;
    QFile file(configHome() + QStringLiteral("/gtk-3.0/bookmarks"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return items;
    while (!file.atEnd() && items.size() < static_cast<size_t>(SpecialFolders::kItemLimit)) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty())
            continue;
        const qsizetype blank = line.indexOf(u' ');
        const QUrl url(blank < 0 ? line : line.left(blank));
        const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
        QString name = blank < 0 ? QString() : line.mid(blank + 1);
        if (name.isEmpty())
            name = url.isLocalFile() ? QFileInfo(path).fileName() : url.toString();
        items.push_back({name, path, path.isEmpty() ? QStringLiteral("folder-remote") : QString()});
    }
    return items;
}

std::vector<SpecialFolders::Item> drives() {
    std::vector<SpecialFolders::Item> items;
    for (const Drive& drive : DriveTable::current().drives()) {
        const QString letter = QString(drive.letter) + u':';
        const QString name =
            drive.label.isEmpty() ? letter : drive.label + QStringLiteral(" (") + letter + u')';
        const char* icon = drive.type == DRIVE_REMOVABLE ? "drive-removable-media"
                           : drive.type == DRIVE_CDROM   ? "drive-optical"
                           : drive.type == DRIVE_REMOTE  ? "folder-remote"
                                                         : "drive-harddisk";
        items.push_back({name, drive.hostRoot, QString::fromLatin1(icon)});
    }
    return items;
}

} // namespace

std::optional<QString> SpecialFolders::Location(TTreeRootFolder folder) {
    switch (folder) {
    case rftDesktop:
    case rftDesktopDir:
        return existingFolder(userDir(QStringLiteral("DESKTOP"), QStringLiteral("Desktop")));
    case rftDocumentDir:
        return existingFolder(userDir(QStringLiteral("DOCUMENTS"), QStringLiteral("Documents")));
    case rftTemplates:
        return existingFolder(userDir(QStringLiteral("TEMPLATES"), QStringLiteral("Templates")));
    case rftPrograms:
    case rftStartMenu:
        return existingFolder(dataHome() + QStringLiteral("/applications"));
    case rftStartup:
        return existingFolder(configHome() + QStringLiteral("/autostart"));
    case rftRecycleBin:
        return existingFolder(dataHome() + QStringLiteral("/Trash/files"));
    case rftFonts:
        return existingFolder(dataHome() + QStringLiteral("/fonts"));
    case rftRecentDir:
        return QFileInfo::exists(dataHome() + QStringLiteral("/recently-used.xbel"))
                   ? std::optional<QString>(dataHome())
                   : std::nullopt;
    case rftFavoriteURLs:
        return QFileInfo::exists(configHome() + QStringLiteral("/gtk-3.0/bookmarks"))
                   ? std::optional<QString>(configHome() + QStringLiteral("/gtk-3.0"))
                   : std::nullopt;
    case rftDrives:
        return QStringLiteral("/");
    default:
        return std::nullopt;
    }
}

std::vector<SpecialFolders::Item> SpecialFolders::Items(TTreeRootFolder folder) {
    const std::optional<QString> location = Location(folder);
    if (!location)
        return {};
    switch (folder) {
    case rftRecentDir:
        return recentFiles();
    case rftFavoriteURLs:
        return bookmarks();
    case rftDrives:
        return drives();
    default:
        break;
    }
    Gatherer gatherer(folder == rftPrograms || folder == rftStartMenu || folder == rftStartup);
    gatherer.folder(*location, 0);
    return std::move(gatherer.items);
}

} // namespace kestrom
