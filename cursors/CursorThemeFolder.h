#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace kestrom {

// One cursor of the theme: an Xcursor file under its main name, the other names linking to it.
struct ThemeCursorFile {
    QString name;
    QByteArray bytes;
    QStringList links;
};

// The user's Xcursor theme "Kestrom" in ~/.icons/Kestrom (the folder libXcursor searches):
// index.theme and the folder "cursors". A new version of "cursors" is made complete beside the
// old one and then put in its place in one step, so a failure leaves the old version whole.
class CursorThemeFolder {
public:
    static const QString kThemeName;

    static QString IconsFolder(); // $HOME/.icons
    static QString ThemeFolder(); // $HOME/.icons/Kestrom

    // Writes files (and their links) into a new version that keeps every other cursor of the
    // current one, then index.theme inheriting from inherits. False when nothing changed.
    static bool Write(const std::vector<ThemeCursorFile>& files, const QString& inherits);
    // The Inherits value of the theme's index.theme; empty when there is none.
    static QString CurrentInherits();
    static QByteArray IndexText(const QString& inherits);

private:
    static bool FillStaging(const QString& staging, const std::vector<ThemeCursorFile>& files);
    static bool CarryOver(const QString& staging, const QStringList& replaced);
};

} // namespace kestrom
