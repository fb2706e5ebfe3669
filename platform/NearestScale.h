#pragma once

#include <QImage>

namespace kestrom {

// The part (x, y, width, height) of source scaled to targetWidth x targetHeight by taking,
// for each target pixel, the source pixel it starts in. A negative size on either side
// mirrors along that axis. Parts of the rectangle outside source read as black.
QImage ScaleNearest(const QImage& source, int x, int y, int width, int height, int targetWidth,
                    int targetHeight);

} // namespace kestrom
