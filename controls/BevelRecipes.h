#pragma once

#include "platform/TCanvas.h"
#include "platform/TRect.h"

namespace kestrom {

// Bevel recipes: each draws rings (one-pixel bevels) on box and moves box's sides inward as
// it goes; the caller goes on with what is left.

enum class TFatBorderKind {
    fbButtonReleased, // four rings
    fbButtonPressed,  // a two-pixel band on the top and left only
    fbFace,           // shape and image: five rings
};

void DrawBorder2(TCanvas& canvas, TRect& box, TColor tl, TColor br);
void DrawFatBorder(TCanvas& canvas, TRect& box, TColor tl, TColor br, TFatBorderKind kind);
void DrawDoubleBorder(TCanvas& canvas, TRect& box, TColor tl, TColor br);
// Flag: rings 1 and 2 in (Light, Dark), rings 3 and 4 in (Dark, Light); the reverse if not.
void DrawChiselFrame(TCanvas& canvas, TRect& box, bool flag, TColor light, TColor dark);
// Two rings in white and gray (raised when Flag) inside a margin of 2 and 3 pixels.
void DrawBeveled(TCanvas& canvas, TRect& box, bool flag);
void DrawDoubleEllipseBevel(TCanvas& canvas, TRect& box, TColor tl, TColor br);
void DrawDoubleRectBevel(TCanvas& canvas, TRect& box, TColor tl, TColor br);

} // namespace kestrom
