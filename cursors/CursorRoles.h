#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

namespace kestrom {

// One of the fifteen cursor roles, addressed by its slot (1 to 15).
struct CursorRole {
    int slot;
    QString name;      // display name
    QString valueName; // value under HKEY_CURRENT_USER\Control Panel\Cursors
    int position;      // entry number in a scheme text
    QPoint hotSpot;    // of the built-in cursor
    int systemCursor;  // identifier passed to SetSystemCursor; 0 for none
};

// The role table and the scheme position table.
class CursorRoles {
public:
    static constexpr int kCount = 15;

    // Slot 1 to 15; anything else is a programming error and answers slot 1.
    static const CursorRole& bySlot(int slot);
    // The slot of a scheme position, or 0 when the position has none.
    static int slotOfPosition(int position);
    // "ICON_3", "CURSOR_3": the built-in resources of a slot.
    static QString builtInIconName(int slot);
    static QString builtInCursorName(int slot);
};

} // namespace kestrom
