#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace kestrom {

// Makes the theme "Kestrom" the user's cursor theme in every place that is there: the default
// theme of libXcursor (~/.icons/default/index.theme, the file it replaces kept beside it), the
// GNOME setting, KDE's kcminputrc and the X resource Xcursor.theme. Each place is optional and
// its failures are ignored; a place that is a symbolic link is left alone.
class ThemeActivation {
public:
    static const QString kSavedSuffix; // beside the default index.theme it replaced

    static void Activate();
    // The theme in use before Kestrom, for Kestrom's own index.theme to inherit; never
    // "Kestrom" itself nor "default" (which inherits Kestrom once activated).
    static QString PreviousTheme();

    static QString DefaultIndexFile();
    static QString KdeInputFile();

private:
    static void ActivateDefaultTheme();
    static void ActivateGnome();
    static void ActivateKde();
    static void ActivateXResources();
    static bool UsableName(const QString& name);
    static QString GnomeTheme();
    // Runs program with args (stdin from input) for at most a few seconds; its standard output
    // when it ran and exited with 0.
    static std::optional<QByteArray> Run(const QString& program, const QStringList& args,
                                         const QByteArray& input = {});
};

} // namespace kestrom
