#pragma once

#include "cursors/CursorArtwork.h"

namespace kestrom {

// The artwork of the running program: the shell's icon extraction and the cursor loaders for
// files, the program's resources (:/kestrom/) for the built-in icons and cursors.
class SystemArtwork : public CursorArtwork {
public:
    HICON FileIcon(const QString& fileName) override;
    HICON BuiltInIcon(const QString& resourceName) override;
    HCURSOR FileCursor(const QString& fileName) override;
    HCURSOR BuiltInCursor(const QString& resourceName) override;
};

} // namespace kestrom
