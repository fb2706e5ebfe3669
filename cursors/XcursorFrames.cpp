#include "cursors/XcursorFrames.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>

namespace kestrom {

namespace {

int sideOf(const IconImage& image) {
    return std::max(image.color.width(), image.color.height());
}

bool usable(const IconImage& image) {
    const int side = sideOf(image);
    return !image.color.isNull() && side >= 1 && side <= XcursorFrames::kMaxSide;
}

// Pixels a monochrome cursor inverts cannot be shown by an ARGB cursor: they turn black, which
// shows on light and dark backgrounds alike at the places that matter (outlines).
QImage withInvertedAsBlack(const IconImage& image) {
    QImage color = image.color.convertToFormat(QImage::Format_ARGB32);
    if (image.invert.isNull() || image.invert.size() != color.size())
        return color;
    const QImage mask = image.invert.convertToFormat(QImage::Format_Mono);
    for (int y = 0; y < color.height(); ++y) {
        for (int x = 0; x < color.width(); ++x) {
            if (mask.pixelIndex(x, y) != 0)
                color.setPixel(x, y, 0xFF000000u);
        }
    }
    return color;
}

} // namespace

std::uint32_t XcursorFrames::DelayMs(std::uint32_t jiffies) {
    const auto ms =
        static_cast<std::uint64_t>(std::llround(static_cast<double>(jiffies) * 1000.0 / 60.0));
    return static_cast<std::uint32_t>(std::clamp<std::uint64_t>(ms, 1, 0xFFFFFFFFu));
}

std::vector<int> XcursorFrames::NominalSizes(const CursorObject& cursor) {
    std::set<int> sizes = {24, 32, 48, 64};
    for (const CursorStep& step : cursor.steps) {
        for (const IconImage& image : step.frame.images) {
            if (usable(image))
                sizes.insert(sideOf(image));
        }
    }
    return {sizes.begin(), sizes.end()};
}

const IconImage* XcursorFrames::Nearest(const IconObject& frame, int size) {
    const IconImage* best = nullptr;
    for (const IconImage& image : frame.images) {
        if (!usable(image))
            continue;
        if (!best) {
            best = &image;
            continue;
        }
        const int d = std::abs(sideOf(image) - size);
        const int bestD = std::abs(sideOf(*best) - size);
        // On a tie the larger image wins: scaling down keeps more of the picture.
        if (d < bestD || (d == bestD && sideOf(image) > sideOf(*best)))
            best = &image;
    }
    return best;
}

XcursorImage XcursorFrames::Scaled(const IconImage& image, int nominalSize) {
    XcursorImage out;
    out.nominalSize = static_cast<std::uint32_t>(nominalSize);
    const QImage color = withInvertedAsBlack(image);
    const int side = sideOf(image);
    QImage sized = color;
    QPoint hot = image.hotSpot;
    if (side != nominalSize) {
        const double f = static_cast<double>(nominalSize) / side;
        const int w = std::max(1, static_cast<int>(std::lround(color.width() * f)));
        const int h = std::max(1, static_cast<int>(std::lround(color.height() * f)));
        sized = color.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        hot = QPoint(static_cast<int>(std::lround(hot.x() * f)),
                     static_cast<int>(std::lround(hot.y() * f)));
    }
    out.pixels = sized.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    out.hotSpot = QPoint(std::clamp(hot.x(), 0, out.pixels.width() - 1),
                         std::clamp(hot.y(), 0, out.pixels.height() - 1));
    return out;
}

std::vector<XcursorImage> XcursorFrames::Build(const CursorObject& cursor) {
    std::vector<XcursorImage> images;
    if (cursor.steps.empty() || cursor.steps.size() > static_cast<std::size_t>(kMaxSteps))
        return images;
    const bool animated = cursor.steps.size() > 1;
    std::int64_t pixels = 0;
    for (const int size : NominalSizes(cursor)) {
        for (const CursorStep& step : cursor.steps) {
            const IconImage* source = Nearest(step.frame, size);
            if (!source)
                continue;
            XcursorImage image = Scaled(*source, size);
            image.delay = animated ? DelayMs(step.jiffies) : 0;
            pixels += static_cast<std::int64_t>(image.pixels.width()) * image.pixels.height();
            if (pixels > kMaxPixels)
                return {};
            images.push_back(std::move(image));
        }
    }
    return images;
}

} // namespace kestrom
