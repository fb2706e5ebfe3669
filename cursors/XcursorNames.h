#pragma once

#include <QStringList>

namespace kestrom {

// The X cursor names a system cursor identifier stands for: the main name first (the file),
// then the other names (links to it), the well-known hash names last.
class XcursorNames {
public:
    // Empty for an identifier that is no system cursor.
    static QStringList ForSystemCursor(int id);
    // The handwriting role's names; it has no system identifier and is never applied.
    static QStringList Handwriting();
    // The identifiers SetSystemCursor knows, in role slot order.
    static QList<int> SystemCursors();
};

} // namespace kestrom
