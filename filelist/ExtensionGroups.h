#pragma once

#include "filelist/TExtStringList.h"

#include <QString>

namespace kestrom {

// Which icon a file gets from its extension.
class ExtensionGroups {
public:
    static constexpr int kNoGroupIcon = 9;

    // The 29 group strings, in row order.
    static TExtStringList Create();
    // The icon number of a group row; 9 for -1 or a row beyond the table.
    static int GroupIcon(int row);
    // The extension with its dot, upper-cased, cut or padded with "." to 4 characters.
    static QString ExtensionCode(const QString& name);
    // The icon of a local file's name.
    static int IconFor(const TExtStringList& groups, const QString& name);
};

} // namespace kestrom
