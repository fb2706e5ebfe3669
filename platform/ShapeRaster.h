#pragma once

#include "platform/PixelMask.h"
#include "platform/TRect.h"

#include <QPoint>

#include <span>

namespace kestrom {

// The pixels of figures, sampled at pixel centres with integer coordinates on pixel corners,
// so that a box covers Left .. Right - 1 and Top .. Bottom - 1. Only pixels inside limit are
// computed; limit keeps huge figures cheap.

PixelMask RectangleArea(const TRect& box, const TRect& limit);
PixelMask EllipseArea(const TRect& box, const TRect& limit);
// Corners are quarters of an ellipse cornerWidth x cornerHeight (clamped to the box).
PixelMask RoundRectArea(const TRect& box, int cornerWidth, int cornerHeight, const TRect& limit);
// Alternate (even-odd) filling of the pixels at or right of a left edge and above the bottom
// edge, vertices taken as pixels (as line ends are).
PixelMask PolygonArea(std::span<const QPoint> points, const TRect& limit);
// The one-pixel line from `from` towards `to`, `to` itself left out.
PixelMask LinePixels(QPoint from, QPoint to, const TRect& limit);
// Keeps the pixels whose centres lie in the sector swept counter-clockwise from the radial
// through start to the radial through end, about the centre of box. Equal radials keep all.
void KeepSector(PixelMask& mask, const TRect& box, QPoint start, QPoint end);

} // namespace kestrom
