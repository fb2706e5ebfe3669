#pragma once

#include "controls/FaceGeometry.h"
#include "platform/TCanvas.h"

namespace kestrom {

enum class TOutlineFigure { ofNone, ofRectangle, ofEllipse, ofRoundRect };

// The face's outline figure with the canvas's pen and brush; the rounded rectangle's corner
// ellipse is W div 4 wide and H div 4 high.
void DrawOutlineFigure(TCanvas& canvas, TOutlineFigure figure, const OutlineRect& outline);

} // namespace kestrom
