#pragma once

#include <QImage>

namespace kestrom {

// The two masks of transparent drawing: the picture with its key colour (the pixel at
// (0, 0)) made white, and made black. Draw the second with OR and then the first with AND:
// key pixels keep the background, the others show the picture.
struct KeyMasks {
    QImage white;
    QImage black;
};

// Null masks for an empty picture.
KeyMasks MakeKeyMasks(const QImage& picture);

} // namespace kestrom
