#pragma once

#include "controls/FillBandGradient.h"
#include "platform/TCanvas.h"
#include "platform/TRect.h"

namespace kestrom {

// What the shape's gradient needs to know of the shape.
struct StyledGradient {
    TColor color = clBlue;
    TColor color2 = clWhite;
    int gradStyle = 2; // 1 to 10 draw; any other value leaves the face white
    int angle = 0;     // degrees, clockwise from straight up (conic styles)
    TRect bounds;      // the control in its parent's pixels
};

// The shape gradient on Box, drawn off screen and copied onto the canvas at the box's
// top-left corner in one block; elliptic clips the copy to the face ellipse.
void FillStyledGradient(TCanvas& canvas, const TRect& box, TGradientShape shape,
                        TGradientDirection direction, const StyledGradient& gradient);

} // namespace kestrom
