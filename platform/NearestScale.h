#pragma once

#include <QImage>
#include <QRect>

namespace kestrom {

// The part (x, y, width, height) of source scaled to targetWidth x targetHeight by taking,
// for each target pixel, the source pixel it starts in. A negative size on either side
// mirrors along that axis. Only the pixels of visible (target coordinates, 0 .. |size|) are
// made, so that a huge target costs no more than what shows. Source pixels outside source
// read as black. Format_Mono sources give Format_Mono results; others ARGB32.
QImage ScaleNearest(const QImage& source, int x, int y, int width, int height, int targetWidth,
                    int targetHeight, const QRect& visible);

} // namespace kestrom
