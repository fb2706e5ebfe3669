#pragma once

#include "platform/PixelMask.h"
#include "platform/TRect.h"

#include <QPoint>
#include <QRegion>

namespace kestrom {

enum class TRegionCombine { rcAnd, rcOr, rcXor, rcDiff, rcCopy };

// A set of pixels for clipping and hit tests, made of rectangles and ellipses; like a
// figure, a region's box covers Left .. Right - 1 and Top .. Bottom - 1.
class TRegion {
public:
    TRegion() = default;
    static TRegion Rect(const TRect& box);
    static TRegion Ellipse(const TRect& box);
    static TRegion RoundRect(const TRect& box, int cornerWidth, int cornerHeight);
    static TRegion FromMask(const PixelMask& mask);

    bool IsEmpty() const { return region_.isEmpty(); }
    bool Contains(int x, int y) const { return region_.contains(QPoint(x, y)); }
    // The smallest box holding the region; all zero when it is empty.
    TRect Bounds() const;
    void Offset(int dx, int dy) { region_.translate(dx, dy); }
    // this := this op other (rcCopy takes other).
    void Combine(const TRegion& other, TRegionCombine op);
    TRegion United(const TRegion& other) const;

    const QRegion& ToQRegion() const { return region_; }
    bool operator==(const TRegion& other) const { return region_ == other.region_; }

private:
    QRegion region_;
};

} // namespace kestrom
