#include "platform/TRegion.h"

#include "platform/ShapeRaster.h"

#include <QList>
#include <QRect>

#include <algorithm>

namespace kestrom {

TRegion TRegion::Rect(const TRect& box) {
    TRegion region;
    if (!box.IsEmpty())
        region.region_ = QRegion(box.Left, box.Top, box.Width(), box.Height());
    return region;
}

TRegion TRegion::Ellipse(const TRect& box) {
    return FromMask(EllipseArea(box, box));
}

TRegion TRegion::RoundRect(const TRect& box, int cornerWidth, int cornerHeight) {
    return FromMask(RoundRectArea(box, cornerWidth, cornerHeight, box));
}

TRegion TRegion::FromMask(const PixelMask& mask) {
    // Rows with the same runs become one band, the form QRegion keeps its rectangles in.
    struct Band {
        int top;
        int height;
        QList<QRect> runs;
    };
    QList<Band> bands;
    int lastRow = 0;
    QList<QRect> row;
    const auto sameRuns = [](const QList<QRect>& a, const QList<QRect>& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                          [](const QRect& p, const QRect& q) {
                              return p.left() == q.left() && p.width() == q.width();
                          });
    };
    const auto closeRow = [&]() {
        if (row.isEmpty())
            return;
        if (!bands.isEmpty() && bands.last().top + bands.last().height == lastRow &&
            sameRuns(bands.last().runs, row))
            ++bands.last().height;
        else
            bands.append(Band{lastRow, 1, row});
        row.clear();
    };
    mask.ForEachRun([&](int y, int x0, int x1) {
        if (y != lastRow)
            closeRow();
        lastRow = y;
        row.append(QRect(x0, y, x1 - x0, 1));
    });
    closeRow();
    QList<QRect> rects;
    for (const Band& band : bands)
        for (const QRect& run : band.runs)
            rects.append(QRect(run.left(), band.top, run.width(), band.height));
    TRegion region;
    if (!rects.isEmpty())
        region.region_.setRects(rects.constData(), static_cast<int>(rects.size()));
    return region;
}

TRect TRegion::Bounds() const {
    if (region_.isEmpty())
        return TRect{};
    const QRect r = region_.boundingRect();
    return TRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void TRegion::Combine(const TRegion& other, TRegionCombine op) {
    switch (op) {
    case TRegionCombine::rcAnd:
        region_ = region_.intersected(other.region_);
        break;
    case TRegionCombine::rcOr:
        region_ = region_.united(other.region_);
        break;
    case TRegionCombine::rcXor:
        region_ = region_.xored(other.region_);
        break;
    case TRegionCombine::rcDiff:
        region_ = region_.subtracted(other.region_);
        break;
    case TRegionCombine::rcCopy:
        region_ = other.region_;
        break;
    }
}

TRegion TRegion::United(const TRegion& other) const {
    TRegion result = *this;
    result.Combine(other, TRegionCombine::rcOr);
    return result;
}

} // namespace kestrom
