#include "cursors/ThemeActivation.h"

#include "cursors/CursorThemeFolder.h"
#include "cursors/HostFiles.h"
#include "cursors/IniText.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace kestrom {

namespace {

constexpr qint64 kConfigLimit = 1024 * 1024;
constexpr int kToolTimeoutMs = 5000;

QString defaultFolder() {
    return CursorThemeFolder::IconsFolder() + QStringLiteral("/default");
}

QString unquoted(QString text) {
    text = text.trimmed();
    if (text.size() >= 2 && text.startsWith(u'\'') && text.endsWith(u'\''))
        text = text.mid(1, text.size() - 2);
    return text;
}

} // namespace

const QString ThemeActivation::kSavedSuffix = QStringLiteral(".before-kestrom");

QString ThemeActivation::DefaultIndexFile() {
    return defaultFolder() + QStringLiteral("/index.theme");
}

QString ThemeActivation::KdeInputFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/kcminputrc");
}

std::optional<QByteArray> ThemeActivation::Run(const QString& program, const QStringList& args,
                                               const QByteArray& input) {
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return std::nullopt;
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(path, args);
    if (!process.waitForStarted(kToolTimeoutMs))
        return std::nullopt;
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(kToolTimeoutMs)) {
        process.kill();
        process.waitForFinished(kToolTimeoutMs);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

bool ThemeActivation::UsableName(const QString& name) {
    return !name.isEmpty() && name != CursorThemeFolder::kThemeName &&
           name != QStringLiteral("default") && !name.contains(u'/');
}

QString ThemeActivation::GnomeTheme() {
    const auto out = Run(QStringLiteral("gsettings"),
                         {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.interface"),
                          QStringLiteral("cursor-theme")});
    return out ? unquoted(QString::fromUtf8(*out)) : QString();
}

QString ThemeActivation::PreviousTheme() {
    const QString section = QStringLiteral("Icon Theme");
    const QString key = QStringLiteral("Inherits");
    const QString candidates[] = {
        CursorThemeFolder::CurrentInherits(),
        IniText::Value(HostFiles::ReadSmallFile(DefaultIndexFile() + kSavedSuffix, kConfigLimit),
                       section, key),
        IniText::Value(HostFiles::ReadSmallFile(DefaultIndexFile(), kConfigLimit), section, key),
        GnomeTheme(),
        IniText::Value(HostFiles::ReadSmallFile(KdeInputFile(), kConfigLimit),
                       QStringLiteral("Mouse"), QStringLiteral("cursorTheme")),
        qEnvironmentVariable("XCURSOR_THEME"),
    };
    for (const QString& name : candidates) {
        if (UsableName(name))
            return name;
    }
    return QStringLiteral("Adwaita");
}

void ThemeActivation::Activate() {
    ActivateDefaultTheme();
    ActivateGnome();
    ActivateKde();
    ActivateXResources();
}

void ThemeActivation::ActivateDefaultTheme() {
    const QString file = DefaultIndexFile();
    if (!HostFiles::MakeFolder(CursorThemeFolder::IconsFolder()) ||
        !HostFiles::MakeFolder(defaultFolder()) || HostFiles::IsSymLink(file))
        return;
    const QByteArray old = HostFiles::ReadSmallFile(file, kConfigLimit);
    const QString section = QStringLiteral("Icon Theme");
    const QString key = QStringLiteral("Inherits");
    const QString saved = file + kSavedSuffix;
    if (!old.isEmpty() && IniText::Value(old, section, key) != CursorThemeFolder::kThemeName &&
        !HostFiles::IsSymLink(saved))
        HostFiles::WriteAtomically(saved, old);
    const QByteArray base = old.isEmpty() ? QByteArray("[Icon Theme]\n") : old;
    HostFiles::WriteAtomically(
        file, IniText::WithValue(base, section, key, CursorThemeFolder::kThemeName));
}

void ThemeActivation::ActivateGnome() {
    const QStringList where = {QStringLiteral("org.gnome.desktop.interface"),
                               QStringLiteral("cursor-theme")};
    const auto writable = Run(QStringLiteral("gsettings"), QStringList{"writable"} + where);
    if (!writable || writable->trimmed() != "true")
        return;
    Run(QStringLiteral("gsettings"),
        QStringList{"set"} + where + QStringList{CursorThemeFolder::kThemeName});
}

void ThemeActivation::ActivateKde() {
    const QString file = KdeInputFile();
    const bool kdeSession = qEnvironmentVariable("XDG_CURRENT_DESKTOP")
                                .contains(QStringLiteral("KDE"), Qt::CaseInsensitive) ||
                            qEnvironmentVariableIsSet("KDE_FULL_SESSION");
    if (HostFiles::IsSymLink(file) || (!QFile::exists(file) && !kdeSession))
        return;
    const QByteArray old = HostFiles::ReadSmallFile(file, kConfigLimit);
    HostFiles::WriteAtomically(file, IniText::WithValue(old, QStringLiteral("Mouse"),
                                                        QStringLiteral("cursorTheme"),
                                                        CursorThemeFolder::kThemeName));
}

void ThemeActivation::ActivateXResources() {
    if (qEnvironmentVariable("DISPLAY").isEmpty())
        return;
    Run(QStringLiteral("xrdb"), {QStringLiteral("-merge"), QStringLiteral("-nocpp")},
        "Xcursor.theme: " + CursorThemeFolder::kThemeName.toUtf8() + '\n');
}

} // namespace kestrom
