#pragma once

#include <QString>

#include <optional>

namespace kestrom {

class RegistryHive;

enum class RegRoot { CurrentUser, LocalMachine };

struct RegKeyPath {
    RegRoot root;
    QString path; // below the root, backslash-separated, may be empty
};

// The two roots and the files that hold them: HKEY_CURRENT_USER in
// $XDG_CONFIG_HOME/kestrom/registry.db, HKEY_LOCAL_MACHINE in $KESTROM_MACHINE_HIVE (default
// /var/lib/kestrom/machine.db). Looked up anew on each call, so a changed variable names a
// new file.
class Registry {
public:
    static RegistryHive& hive(RegRoot root);
    static QString hiveFile(RegRoot root);
    static QString rootName(RegRoot root);
    // "HKEY_CURRENT_USER" or "HKCU", "HKEY_LOCAL_MACHINE" or "HKLM", in any case.
    static std::optional<RegRoot> parseRoot(const QString& name);
    // "HKEY_CURRENT_USER\Control Panel\Cursors" into its root and path.
    static std::optional<RegKeyPath> parseKeyPath(const QString& text);
};

} // namespace kestrom
