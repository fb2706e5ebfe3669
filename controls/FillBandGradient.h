#pragma once

#include "platform/TCanvas.h"
#include "platform/TRect.h"

namespace kestrom {

enum class TGradientShape { gsRectangle, gsElliptic };
enum class TGradientDirection { gdForward, gdReversed };

// The band gradient of a face: one-pixel rows of Box from Start towards Target (upward from
// the bottom row when reversed). Elliptic clips it to the ellipse of the face inset by Box's
// left and top, set in the parent's pixels from the control's Bounds there; the clip is
// removed afterwards. On 256 colours or fewer each band takes the nearest palette entry,
// unless Dither.
void FillBandGradient(TCanvas& canvas, const TRect& box, TGradientShape shape,
                      TGradientDirection direction, TColor start, TColor target, bool dither,
                      const TRect& bounds);

// The clip of an elliptic face gradient: the ellipse (Left + X0, Top + Y0, Left + Width - X0,
// Top + Height - Y0) of the control's bounds in its parent.
TRect FaceEllipse(const TRect& box, const TRect& bounds);

} // namespace kestrom
