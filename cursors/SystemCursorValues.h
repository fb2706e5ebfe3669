#pragma once

#include <QString>

namespace kestrom {

class CursorSet;

// The user's cursor settings: fifteen values of "Control Panel\Cursors" under
// HKEY_CURRENT_USER and its unnamed value, the active scheme's name.
class SystemCursorValues {
public:
    // Fills the empty set with the fifteen roles, in slot order.
    static void ReadSystemCursors(CursorSet& set);
    static QString ReadActiveScheme();
    // A value that is missing, or not a string, reads as empty.
    static QString ReadRoleValue(int slot);
};

} // namespace kestrom
