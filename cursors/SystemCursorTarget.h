#pragma once

#include "platform/IconObject.h"

namespace kestrom {

// What SetSystemCursor reaches: the live cursors of the desktop.
class SystemCursorTarget {
public:
    virtual ~SystemCursorTarget() = default;
    // Makes cursor the system cursor of identifier id (OCR_NORMAL and the rest).
    virtual void SetSystemCursor(const HCURSOR& cursor, int id) = 0;
    // Ends a run of SetSystemCursor calls: what was set becomes visible. Failures are the
    // target's own to swallow; the caller goes on either way.
    virtual void Flush() = 0;
};

} // namespace kestrom
