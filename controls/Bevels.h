#pragma once

#include "platform/TCanvas.h"

namespace kestrom {

// A one-pixel bevel: bottom and right edges in BR, then left and top edges in TL.
void DrawBevel(TCanvas& canvas, int l, int t, int r, int b, TColor tl, TColor br);

// A bevel on the ellipse bounded by (l, t, r, b): the upper-left part in TL, the lower-right
// quarter in BR. The radials are placed from r and b alone, not from the box's centre.
void DrawEllipseBevel(TCanvas& canvas, int l, int t, int r, int b, TColor tl, TColor br);

} // namespace kestrom
