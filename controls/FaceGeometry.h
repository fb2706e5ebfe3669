#pragma once

#include "platform/TPen.h"
#include "platform/TRect.h"

namespace kestrom {

// The pen of a face: PW the width that counts, HW = (PW + 1) div 2, e = 1 when PW is even.
struct FacePen {
    int PW = 0;
    int HW = 0;
    int e = 1;
};

// PW of a canvas pen: its width when visible and the style draws a face, else 0. A pen of
// width 0 is switched to the clear style first.
FacePen FacePenOf(TPen& pen, bool clearStyle);

enum class TOutlineKind { okStandard, okFrameBtn, okPushBtnReleased, okPushBtnPressed };

// Where the outline figure goes: (X, Y) and W, H; the figure covers (X, Y, X + W, Y + H).
struct OutlineRect {
    int X = 0;
    int Y = 0;
    int W = 0;
    int H = 0;

    TRect figure() const { return {X, Y, X + W, Y + H}; }
    friend bool operator==(const OutlineRect&, const OutlineRect&) = default;
};

OutlineRect OutlineBox(const FacePen& pen, TOutlineKind kind, int width, int height);

// The box for bevels and gradients: (X + HW, Y + HW, W - 1, H - 1), W and H used as the right
// and bottom (the outline starts at or near 0).
TRect BevelBox(const OutlineRect& outline, const FacePen& pen);

// Moves every side of box inward by n.
inline void Inset(TRect& box, int n) {
    box.Left += n;
    box.Top += n;
    box.Right -= n;
    box.Bottom -= n;
}

} // namespace kestrom
