#pragma once

#include "filelist/FileListTypes.h"

#include <QString>

#include <optional>
#include <vector>

namespace kestrom {

// The shell's special folders on a freedesktop host: the XDG user folders, application
// launchers, autostart entries, recently used files, fonts, the trash, the file manager's
// bookmarks and the drive table.
class SpecialFolders {
public:
    // Sub-folders are followed this many levels below the special folder, and no more than
    // kItemLimit items are gathered, so that no folder can make a listing unbounded.
    static constexpr int kDepthLimit = 2;
    static constexpr int kItemLimit = 10000;

    struct Item {
        QString displayName;
        QString hostPath; // empty for items that are no file
        QString iconName; // empty: the icon of the file's type
    };

    // The host folder a value stands for; nothing for the values this host has no folder for
    // and for folders that are not there.
    static std::optional<QString> Location(TTreeRootFolder folder);
    // The items of a special folder in the order they are added: a sub-folder's own items
    // come before it. Empty when the lookup fails.
    static std::vector<Item> Items(TTreeRootFolder folder);
};

} // namespace kestrom
