#include "cursors/CursorSetSlotSink.h"

#include "cursors/CursorArtwork.h"
#include "cursors/CursorSet.h"

namespace kestrom {

CursorSetSlotSink::CursorSetSlotSink(CursorSet& set) : set_(set) {}

void CursorSetSlotSink::assign(int slot, const QString& file) {
    IconRec* role = set_.Slot(slot);
    if (!role)
        return;
    // The icon shown is the cursor's first frame; an empty file gives no icon.
    const HCURSOR cursor = set_.Artwork().FileCursor(file);
    role->Icon = cursor && !cursor->steps.empty()
                     ? std::make_shared<IconObject>(cursor->steps.front().frame)
                     : nullptr;
    role->DefaultPath.clear();
    role->Path = file;
}

} // namespace kestrom
