#pragma once

#include <QString>

namespace kestrom {

// Where a loaded library's cursors go: the cursor set implements it. assign gives role slot
// (1 to 15) the new file, which then is its cursor (its icon loaded from the file, its path the
// file, no default path).
class CursorSlotSink {
public:
    virtual ~CursorSlotSink() = default;
    virtual void assign(int slot, const QString& file) = 0;
};

} // namespace kestrom
