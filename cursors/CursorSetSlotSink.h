#pragma once

#include "formats/CursorSlotSink.h"

namespace kestrom {

class CursorSet;

// "Load New Scheme" into the cursor set: each file a library gives a slot becomes the role's
// cursor, its icon the cursor loaded from the file, with no default path.
class CursorSetSlotSink : public CursorSlotSink {
public:
    explicit CursorSetSlotSink(CursorSet& set);
    void assign(int slot, const QString& file) override;

private:
    CursorSet& set_;
};

} // namespace kestrom
