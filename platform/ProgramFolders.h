#pragma once

#include <QString>

namespace kestrom {

// Where the program and its per-user files live on this host.
class ProgramFolders {
public:
    // The folder of the running executable, in Windows form (empty when no drive holds it).
    static QString programFolder();
    // $XDG_DATA_HOME/kestrom (default ~/.local/share/kestrom): files the program makes for
    // the user, such as the numbered cursor files, go here since an installed program's own
    // folder is not writable. Host form and Windows form.
    static QString userDataHostFolder();
    static QString userDataFolder();
    // $XDG_CONFIG_HOME/kestrom (default ~/.config/kestrom), host form.
    static QString userConfigHostFolder();
};

} // namespace kestrom
