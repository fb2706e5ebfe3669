#include "platform/NearestScale.h"

#include <cstdlib>

namespace kestrom {

namespace {

// Source index for target index i of n over a run starting at start of length len (negative
// lengths run backwards from start - 1).
long long sourceIndex(long long i, long long n, long long start, long long len) {
    const long long offset = i * std::llabs(len) / n;
    return len >= 0 ? start + offset : start - 1 - offset;
}

} // namespace

QImage ScaleNearest(const QImage& source, int x, int y, int width, int height, int targetWidth,
                    int targetHeight, const QRect& visible) {
    const long long tw = std::llabs(static_cast<long long>(targetWidth));
    const long long th = std::llabs(static_cast<long long>(targetHeight));
    const QRect part = visible.intersected(QRect(0, 0, static_cast<int>(std::min(tw, 1LL << 30)),
                                                 static_cast<int>(std::min(th, 1LL << 30))));
    if (part.isEmpty() || width == 0 || height == 0 || source.isNull())
        return QImage();
    // A mirrored target is the same as a mirrored source.
    long long sx = x;
    long long sw = width;
    long long sy = y;
    long long sh = height;
    if (targetWidth < 0) {
        sx += sw;
        sw = -sw;
    }
    if (targetHeight < 0) {
        sy += sh;
        sh = -sh;
    }
    const bool mono =
        source.format() == QImage::Format_Mono || source.format() == QImage::Format_MonoLSB;
    const QImage from = mono ? source : source.convertToFormat(QImage::Format_ARGB32);
    QImage result(part.size(), mono ? from.format() : QImage::Format_ARGB32);
    if (result.isNull())
        return result;
    if (mono) {
        result.setColorTable(from.colorTable());
        result.fill(0);
    } else {
        result.fill(qRgb(0, 0, 0));
    }
    for (int ry = 0; ry < part.height(); ++ry) {
        const long long py = sourceIndex(part.y() + ry, th, sy, sh);
        if (py < 0 || py >= from.height())
            continue;
        for (int rx = 0; rx < part.width(); ++rx) {
            const long long px = sourceIndex(part.x() + rx, tw, sx, sw);
            if (px < 0 || px >= from.width())
                continue;
            const int ix = static_cast<int>(px);
            const int iy = static_cast<int>(py);
            if (mono)
                result.setPixel(rx, ry, static_cast<uint>(from.pixelIndex(ix, iy)));
            else
                result.setPixel(rx, ry, from.pixel(ix, iy));
        }
    }
    return result;
}

} // namespace kestrom
