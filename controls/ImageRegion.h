#pragma once

#include "platform/TRegion.h"

#include <QImage>
#include <QPoint>

namespace kestrom {

// The pixels of Picture that differ from its key colour (the pixel at (0, 0)), as the union
// of one rectangle per vertical run, placed at Origin; empty when there are none.
TRegion ImageRegion(const QImage& picture, QPoint origin);

} // namespace kestrom
