#include "controls/KeyMasks.h"

namespace kestrom {

KeyMasks MakeKeyMasks(const QImage& picture) {
    if (picture.isNull())
        return {};
    KeyMasks masks{picture.convertToFormat(QImage::Format_RGB32),
                   picture.convertToFormat(QImage::Format_RGB32)};
    const QRgb key = masks.white.pixel(0, 0);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (masks.white.pixel(x, y) == key) {
                masks.white.setPixel(x, y, qRgb(255, 255, 255));
                masks.black.setPixel(x, y, qRgb(0, 0, 0));
            }
    return masks;
}

} // namespace kestrom
