#include "platform/ShapeRaster.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace kestrom {

namespace {

constexpr double kEpsilon = 1e-9;
// Coordinates beyond 27 bits are clamped, as the platform's drawing limits them.
constexpr int kCoordinateLimit = 1 << 27;

QPoint clampPoint(QPoint p) {
    return QPoint(std::clamp(p.x(), -kCoordinateLimit, kCoordinateLimit),
                  std::clamp(p.y(), -kCoordinateLimit, kCoordinateLimit));
}

TRect intersect(const TRect& a, const TRect& b) {
    return TRect{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                 std::min(a.Bottom, b.Bottom)};
}

// Pixels whose centres lie in [from, to].
void setCentredRun(PixelMask& mask, int y, double from, double to) {
    const double first = std::ceil(from - 0.5 - kEpsilon);
    const double last = std::floor(to - 0.5 + kEpsilon);
    if (last < first)
        return;
    const TRect& b = mask.Bounds();
    const int x0 = static_cast<int>(std::max(first, static_cast<double>(b.Left)));
    const int x1 = static_cast<int>(std::min(last + 1, static_cast<double>(b.Right)));
    mask.SetRun(y, x0, x1);
}

// Half the width of an ellipse of radii rx, ry at height dy from its centre; negative outside.
double halfWidthAt(double rx, double ry, double dy) {
    if (ry <= 0)
        return -1;
    const double v = dy / ry;
    if (v * v > 1)
        return -1;
    return rx * std::sqrt(1 - v * v);
}

// Pixel rows Top .. Bottom - 1 of the box whose centres can be inside it.
template <typename RowSpan>
PixelMask rasterRows(const TRect& box, const TRect& limit, RowSpan&& span) {
    PixelMask mask(intersect(box, limit));
    const TRect& b = mask.Bounds();
    for (int y = b.Top; y < b.Bottom; ++y) {
        double from = 0;
        double to = 0;
        if (span(y + 0.5, from, to))
            setCentredRun(mask, y, from, to);
    }
    return mask;
}

double angleOf(double dx, double dy) {
    // Counter-clockwise on screen, where y grows downward.
    double a = std::atan2(-dy, dx);
    if (a < 0)
        a += 2 * std::numbers::pi;
    return a;
}

} // namespace

PixelMask RectangleArea(const TRect& box, const TRect& limit) {
    PixelMask mask(intersect(box, limit));
    const TRect& b = mask.Bounds();
    for (int y = b.Top; y < b.Bottom; ++y)
        mask.SetRun(y, b.Left, b.Right);
    return mask;
}

PixelMask EllipseArea(const TRect& box, const TRect& limit) {
    return RoundRectArea(box, box.Width(), box.Height(), limit);
}

PixelMask RoundRectArea(const TRect& box, int cornerWidth, int cornerHeight, const TRect& limit) {
    if (box.IsEmpty())
        return PixelMask();
    const double rx = std::clamp(cornerWidth, 0, box.Width()) / 2.0;
    const double ry = std::clamp(cornerHeight, 0, box.Height()) / 2.0;
    if (rx <= 0 || ry <= 0)
        return RectangleArea(box, limit);
    const double top = box.Top + ry;
    const double bottom = box.Bottom - ry;
    return rasterRows(box, limit, [&](double yc, double& from, double& to) {
        double inset = 0;
        if (yc < top || yc > bottom) {
            const double half = halfWidthAt(rx, ry, yc < top ? top - yc : yc - bottom);
            if (half < 0)
                return false;
            inset = rx - half;
        }
        from = box.Left + inset;
        to = box.Right - inset;
        return true;
    });
}

PixelMask PolygonArea(std::span<const QPoint> points, const TRect& limit) {
    if (points.size() < 3)
        return PixelMask();
    TRect box{points[0].x(), points[0].y(), points[0].x(), points[0].y()};
    for (const QPoint& p : points) {
        box.Left = std::min(box.Left, p.x());
        box.Right = std::max(box.Right, p.x());
        box.Top = std::min(box.Top, p.y());
        box.Bottom = std::max(box.Bottom, p.y());
    }
    PixelMask mask(intersect(box, limit));
    const TRect& b = mask.Bounds();
    std::vector<double> crossings;
    for (int y = b.Top; y < b.Bottom; ++y) {
        // Vertices name pixels, as line ends do, so rows are sampled at whole coordinates:
        // the fill then meets the outline drawn through the same vertices.
        const double yc = y;
        crossings.clear();
        for (std::size_t i = 0; i < points.size(); ++i) {
            const QPoint& p = points[i];
            const QPoint& q = points[(i + 1) % points.size()];
            if ((p.y() <= yc && yc < q.y()) || (q.y() <= yc && yc < p.y()))
                crossings.push_back(p.x() + (yc - p.y()) * (q.x() - p.x()) / (q.y() - p.y()));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            // Half-open [a, b): the right edge belongs to the next figure.
            const double first = std::ceil(crossings[i]);
            const double end = std::ceil(crossings[i + 1]);
            const int x0 = static_cast<int>(std::max(first, static_cast<double>(b.Left)));
            const int x1 = static_cast<int>(std::min(end, static_cast<double>(b.Right)));
            mask.SetRun(y, x0, x1);
        }
    }
    return mask;
}

PixelMask LinePixels(QPoint from, QPoint to, const TRect& limit) {
    from = clampPoint(from);
    to = clampPoint(to);
    const TRect box{std::min(from.x(), to.x()), std::min(from.y(), to.y()),
                    std::max(from.x(), to.x()) + 1, std::max(from.y(), to.y()) + 1};
    PixelMask mask(intersect(box, limit));
    const long long dx = static_cast<long long>(to.x()) - from.x();
    const long long dy = static_cast<long long>(to.y()) - from.y();
    const long long steps = std::max(std::llabs(dx), std::llabs(dy));
    const TRect& b = mask.Bounds();
    if (steps == 0 || b.IsEmpty())
        return mask;
    // The major coordinate moves one pixel a step: walk only the steps inside the box.
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const long long start = xMajor ? from.x() : from.y();
    const long long sign = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const long long low = xMajor ? b.Left : b.Top;
    const long long high = (xMajor ? b.Right : b.Bottom) - 1;
    const long long i0 = std::max(0LL, sign > 0 ? low - start : start - high);
    const long long i1 = std::min(steps, (sign > 0 ? high - start : start - low) + 1);
    for (long long i = i0; i < i1; ++i) {
        // Nearest pixel to the ideal line, halves rounded away from the start.
        const long long x = from.x() + (2 * i * dx + (dx >= 0 ? steps : -steps)) / (2 * steps);
        const long long y = from.y() + (2 * i * dy + (dy >= 0 ? steps : -steps)) / (2 * steps);
        mask.Set(static_cast<int>(x), static_cast<int>(y));
    }
    return mask;
}

void KeepSector(PixelMask& mask, const TRect& box, QPoint start, QPoint end) {
    const double cx = (box.Left + box.Right) / 2.0;
    const double cy = (box.Top + box.Bottom) / 2.0;
    const double a0 = angleOf(start.x() - cx, start.y() - cy);
    const double sweep = std::fmod(angleOf(end.x() - cx, end.y() - cy) - a0 + 4 * std::numbers::pi,
                                   2 * std::numbers::pi);
    if (sweep < kEpsilon)
        return;
    mask.Filter([&](int x, int y) {
        const double a = angleOf(x + 0.5 - cx, y + 0.5 - cy);
        const double delta = std::fmod(a - a0 + 4 * std::numbers::pi, 2 * std::numbers::pi);
        return delta <= sweep + kEpsilon;
    });
}

} // namespace kestrom
