#pragma once

#include "platform/IconObject.h"

#include <QString>

namespace kestrom {

// Where the cursor set gets its pictures and cursors: the shell's icon extraction and the
// cursor loaders for files, the program's resources for the built-in ones. Every call answers
// null when there is nothing to show; tests give their own.
class CursorArtwork {
public:
    virtual ~CursorArtwork() = default;
    // The first icon of a file (Windows path).
    virtual HICON FileIcon(const QString& fileName) = 0;
    // A built-in icon resource such as "icon_3" (compared without regard to case).
    virtual HICON BuiltInIcon(const QString& resourceName) = 0;
    virtual HCURSOR FileCursor(const QString& fileName) = 0;
    // A built-in cursor resource such as "CURSOR_3".
    virtual HCURSOR BuiltInCursor(const QString& resourceName) = 0;
};

} // namespace kestrom
