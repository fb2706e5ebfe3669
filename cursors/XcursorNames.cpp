#include "cursors/XcursorNames.h"

#include "cursors/CursorRoles.h"

namespace kestrom {

QStringList XcursorNames::ForSystemCursor(int id) {
    switch (id) {
    case 32512: // OCR_NORMAL
        return {"default", "left_ptr", "arrow", "top_left_arrow"};
    case 32651: // help
        return {"help",
                "left_ptr_help",
                "question_arrow",
                "whats_this",
                "d9ce0ab605698f320427677b458ad60b",
                "5c6cd98b3f3ebcb1f9c7f1c204630408"};
    case 32650: // OCR_APPSTARTING
        return {"progress", "left_ptr_watch", "half-busy", "08e8e1c95fe2fc01f976f1e063a24ccd",
                "3ecb610c1bf2410f44200f48c40d3599"};
    case 32514: // OCR_WAIT
        return {"wait", "watch"};
    case 32515: // OCR_CROSS
        return {"crosshair", "cross", "tcross"};
    case 32513: // OCR_IBEAM
        return {"text", "xterm", "ibeam"};
    case 32648: // OCR_NO
        return {"not-allowed", "circle",  "crossed_circle",
                "forbidden",   "no-drop", "03b6e0fcb3499374a867c041f52298f0"};
    case 32645: // OCR_SIZENS
        return {"ns-resize",
                "size_ver",
                "sb_v_double_arrow",
                "v_double_arrow",
                "n-resize",
                "s-resize",
                "row-resize",
                "00008160000006810000408080010102",
                "2870a09082c103050810ffdffffe0204"};
    case 32644: // OCR_SIZEWE
        return {"ew-resize",
                "size_hor",
                "sb_h_double_arrow",
                "h_double_arrow",
                "e-resize",
                "w-resize",
                "col-resize",
                "028006030e0e7ebffc7f7070c0600140",
                "14fef782d02440884392942c11205230"};
    case 32642: // OCR_SIZENWSE
        return {"nwse-resize", "size_fdiag", "bd_double_arrow",
                "nw-resize",   "se-resize",  "c7088f0f3e6c8088236ef8e1e3e70000"};
    case 32643: // OCR_SIZENESW
        return {"nesw-resize", "size_bdiag", "fd_double_arrow",
                "ne-resize",   "sw-resize",  "fcf1c3c7cd4491d801f1e1c78f100000"};
    case 32646: // OCR_SIZEALL
        return {"move",
                "fleur",
                "size_all",
                "all-scroll",
                "4498f0e0c1937ffe01fd06f973665830",
                "9081237383d90e509aa00f00170e968f"};
    case 32516: // OCR_UP
        return {"up_arrow", "up-arrow", "center_ptr", "sb_up_arrow"};
    case 32649: // OCR_HAND
        return {"pointer",
                "hand2",
                "hand1",
                "hand",
                "pointing_hand",
                "e29285e634086352946a0e7090d73106",
                "9d800788f1b08800ae810202380a0822"};
    default:
        return {};
    }
}

QStringList XcursorNames::Handwriting() {
    return {"pencil"};
}

QList<int> XcursorNames::SystemCursors() {
    QList<int> ids;
    for (int slot = 1; slot <= CursorRoles::kCount; ++slot) {
        if (const int id = CursorRoles::bySlot(slot).systemCursor)
            ids.append(id);
    }
    return ids;
}

} // namespace kestrom
