#include "platform/NearestScale.h"

#include <cstdlib>

namespace kestrom {

namespace {

// Source index for target index i of n over a run starting at start of length len (negative
// lengths run backwards from start - 1).
int sourceIndex(int i, int n, int start, int len) {
    const long long offset = static_cast<long long>(i) * std::llabs(len) / n;
    return static_cast<int>(len >= 0 ? start + offset : start - 1 - offset);
}

} // namespace

QImage ScaleNearest(const QImage& source, int x, int y, int width, int height, int targetWidth,
                    int targetHeight) {
    const int tw = std::abs(targetWidth);
    const int th = std::abs(targetHeight);
    if (tw == 0 || th == 0 || width == 0 || height == 0)
        return QImage();
    // A mirrored target is the same as a mirrored source.
    if (targetWidth < 0) {
        x += width;
        width = -width;
    }
    if (targetHeight < 0) {
        y += height;
        height = -height;
    }
    const bool mono =
        source.format() == QImage::Format_Mono || source.format() == QImage::Format_MonoLSB;
    const QImage from = mono ? source : source.convertToFormat(QImage::Format_ARGB32);
    QImage result(tw, th, mono ? from.format() : QImage::Format_ARGB32);
    if (mono) {
        result.setColorTable(from.colorTable());
        result.fill(0);
    } else {
        result.fill(qRgb(0, 0, 0));
    }
    for (int ty = 0; ty < th; ++ty) {
        const int sy = sourceIndex(ty, th, y, height);
        if (sy < 0 || sy >= from.height())
            continue;
        for (int tx = 0; tx < tw; ++tx) {
            const int sx = sourceIndex(tx, tw, x, width);
            if (sx < 0 || sx >= from.width())
                continue;
            if (mono)
                result.setPixel(tx, ty, static_cast<uint>(from.pixelIndex(sx, sy)));
            else
                result.setPixel(tx, ty, from.pixel(sx, sy));
        }
    }
    return result;
}

} // namespace kestrom
