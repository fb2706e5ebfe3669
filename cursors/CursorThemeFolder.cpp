#include "cursors/CursorThemeFolder.h"

#include "cursors/HostFiles.h"
#include "cursors/IniText.h"

#include <QDir>
#include <QFile>
#include <QUuid>

namespace kestrom {

const QString CursorThemeFolder::kThemeName = QStringLiteral("Kestrom");

QString CursorThemeFolder::IconsFolder() {
    return QDir::homePath() + QStringLiteral("/.icons");
}

QString CursorThemeFolder::ThemeFolder() {
    return IconsFolder() + u'/' + kThemeName;
}

QByteArray CursorThemeFolder::IndexText(const QString& inherits) {
    QByteArray text = "[Icon Theme]\n"
                      "Name=Kestrom\n"
                      "Comment=Cursors installed with Kestrom\n";
    if (!inherits.isEmpty())
        text += "Inherits=" + inherits.toUtf8() + '\n';
    return text;
}

QString CursorThemeFolder::CurrentInherits() {
    const QByteArray text =
        HostFiles::ReadSmallFile(ThemeFolder() + QStringLiteral("/index.theme"), 64 * 1024);
    return IniText::Value(text, QStringLiteral("Icon Theme"), QStringLiteral("Inherits"));
}

bool CursorThemeFolder::CarryOver(const QString& staging, const QStringList& replaced) {
    const QString current = ThemeFolder() + QStringLiteral("/cursors");
    if (!HostFiles::IsRealFolder(current))
        return true;
    const QStringList names =
        QDir(current).entryList(QDir::Files | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        if (replaced.contains(name))
            continue;
        const QString from = current + u'/' + name;
        const QString to = staging + u'/' + name;
        if (HostFiles::IsSymLink(from)) {
            if (!HostFiles::MakeLink(HostFiles::LinkTarget(from), to))
                return false;
            continue;
        }
        QFile source(from);
        if (!source.open(QIODevice::ReadOnly) || !HostFiles::WriteNew(to, source.readAll()))
            return false;
    }
    return true;
}

bool CursorThemeFolder::FillStaging(const QString& staging,
                                    const std::vector<ThemeCursorFile>& files) {
    QStringList replaced;
    for (const ThemeCursorFile& file : files)
        replaced << file.name << file.links;
    if (!CarryOver(staging, replaced))
        return false;
    for (const ThemeCursorFile& file : files) {
        if (!HostFiles::WriteNew(staging + u'/' + file.name, file.bytes))
            return false;
        for (const QString& link : file.links) {
            if (!HostFiles::MakeLink(file.name, staging + u'/' + link))
                return false;
        }
    }
    return true;
}

bool CursorThemeFolder::Write(const std::vector<ThemeCursorFile>& files, const QString& inherits) {
    const QString theme = ThemeFolder();
    if (!HostFiles::MakeFolder(IconsFolder()) || !HostFiles::MakeFolder(theme))
        return false;
    const QString staging =
        theme + QStringLiteral("/.cursors-") + QUuid::createUuid().toString(QUuid::Id128);
    if (!HostFiles::MakeFolder(staging))
        return false;
    if (!FillStaging(staging, files) ||
        !HostFiles::Exchange(staging, theme + QStringLiteral("/cursors"))) {
        HostFiles::RemoveTree(staging);
        return false;
    }
    HostFiles::RemoveTree(staging); // the old version, after the exchange
    const QString index = theme + QStringLiteral("/index.theme");
    if (!HostFiles::IsSymLink(index))
        HostFiles::WriteAtomically(index, IndexText(inherits));
    return true;
}

} // namespace kestrom
