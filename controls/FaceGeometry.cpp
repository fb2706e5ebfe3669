#include "controls/FaceGeometry.h"

namespace kestrom {

FacePen FacePenOf(TPen& pen, bool clearStyle) {
    if (pen.Width() == 0)
        pen.SetStyle(TPenStyle::psClear);
    FacePen p;
    p.PW = (pen.Style() != TPenStyle::psClear && !clearStyle) ? pen.Width() : 0;
    p.HW = (p.PW + 1) / 2;
    p.e = p.PW % 2 == 0 ? 1 : 0;
    return p;
}

OutlineRect OutlineBox(const FacePen& pen, TOutlineKind kind, int width, int height) {
    const int hw = pen.HW;
    const int e = pen.e;
    switch (kind) {
    case TOutlineKind::okFrameBtn:
        return {e + hw, e + hw, width - 2 * hw - e, height - 2 * hw - e};
    case TOutlineKind::okPushBtnReleased:
        return {e + hw - 1, e + hw - 1, width - 2 * hw - e, height - 2 * hw - e};
    case TOutlineKind::okPushBtnPressed:
        return {e + hw + 1, e + hw + 1, width - 2 * hw - e, height - 2 * hw - e};
    case TOutlineKind::okStandard:
        break;
    }
    const int x = e + hw - 1;
    return {x, x, width - 2 * x + e, height - 2 * x + e};
}

TRect BevelBox(const OutlineRect& outline, const FacePen& pen) {
    return {outline.X + pen.HW, outline.Y + pen.HW, outline.W - 1, outline.H - 1};
}

} // namespace kestrom
