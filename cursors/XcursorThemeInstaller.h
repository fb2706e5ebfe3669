#pragma once

#include "cursors/SystemCursorTarget.h"

#include <map>

namespace kestrom {

// SetSystemCursor on this host: the cursors set since the last Flush become the files of the
// user's Xcursor theme "Kestrom" in one new version of it; then the theme is made the user's
// cursor theme and, on a running X display, swapped in live. Failures leave the system as it
// was and are not reported.
class XcursorThemeInstaller : public SystemCursorTarget {
public:
    void SetSystemCursor(const HCURSOR& cursor, int id) override;
    void Flush() override;

    // Whether the last Flush put a new theme version in place.
    bool LastFlushWrote() const { return wrote_; }

private:
    std::map<int, HCURSOR> staged_;
    bool wrote_ = false;
};

} // namespace kestrom
