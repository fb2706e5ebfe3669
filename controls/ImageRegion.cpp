#include "controls/ImageRegion.h"

#include <QRegion>

namespace kestrom {

TRegion ImageRegion(const QImage& picture, QPoint origin) {
    TRegion region;
    if (picture.isNull())
        return region;
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb key = image.pixel(0, 0);
    for (int x = 0; x < image.width(); ++x) {
        int y = 0;
        while (y < image.height()) {
            if (image.pixel(x, y) == key) {
                ++y;
                continue;
            }
            const int y0 = y;
            while (y < image.height() && image.pixel(x, y) != key)
                ++y;
            const int left = origin.x() + x;
            const int top = origin.y() + y0;
            region.Combine(TRegion::Rect({left, top, left + 1, origin.y() + y}),
                           TRegionCombine::rcOr);
        }
    }
    return region;
}

} // namespace kestrom
