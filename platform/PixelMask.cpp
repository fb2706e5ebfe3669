#include "platform/PixelMask.h"

#include <algorithm>

namespace kestrom {

PixelMask::PixelMask(const TRect& bounds) {
    if (bounds.IsEmpty())
        return;
    bounds_ = bounds;
    bits_.assign(
        static_cast<std::size_t>(bounds.Width()) * static_cast<std::size_t>(bounds.Height()), 0);
}

bool PixelMask::inside(int x, int y) const {
    return x >= bounds_.Left && x < bounds_.Right && y >= bounds_.Top && y < bounds_.Bottom;
}

std::size_t PixelMask::index(int x, int y) const {
    return static_cast<std::size_t>(y - bounds_.Top) * static_cast<std::size_t>(bounds_.Width()) +
           static_cast<std::size_t>(x - bounds_.Left);
}

bool PixelMask::IsEmpty() const {
    return std::find(bits_.begin(), bits_.end(), 1) == bits_.end();
}

bool PixelMask::Test(int x, int y) const {
    return inside(x, y) && bits_[index(x, y)] != 0;
}

void PixelMask::Set(int x, int y) {
    if (inside(x, y))
        bits_[index(x, y)] = 1;
}

void PixelMask::Clear(int x, int y) {
    if (inside(x, y))
        bits_[index(x, y)] = 0;
}

void PixelMask::SetRun(int y, int x0, int x1) {
    if (y < bounds_.Top || y >= bounds_.Bottom)
        return;
    x0 = std::max(x0, bounds_.Left);
    x1 = std::min(x1, bounds_.Right);
    for (int x = x0; x < x1; ++x)
        bits_[index(x, y)] = 1;
}

PixelMask PixelMask::Boundary() const {
    PixelMask edge(bounds_);
    for (int y = bounds_.Top; y < bounds_.Bottom; ++y)
        for (int x = bounds_.Left; x < bounds_.Right; ++x)
            if (Test(x, y) &&
                (!Test(x - 1, y) || !Test(x + 1, y) || !Test(x, y - 1) || !Test(x, y + 1)))
                edge.Set(x, y);
    return edge;
}

PixelMask PixelMask::Dilated(int before, int after) const {
    if (bits_.empty() || (before == 0 && after == 0))
        return *this;
    const TRect grown{bounds_.Left - before, bounds_.Top - before, bounds_.Right + after,
                      bounds_.Bottom + after};
    // Separable: a pixel q is covered when some set pixel lies in [q - after, q + before]
    // horizontally, then the same vertically; window counts keep it linear.
    PixelMask wide(TRect{grown.Left, bounds_.Top, grown.Right, bounds_.Bottom});
    for (int y = bounds_.Top; y < bounds_.Bottom; ++y) {
        int count = 0;
        for (int q = grown.Left; q < grown.Right; ++q) {
            if (q == grown.Left)
                for (int x = q - after; x <= q + before; ++x)
                    count += Test(x, y) ? 1 : 0;
            else
                count += (Test(q + before, y) ? 1 : 0) - (Test(q - after - 1, y) ? 1 : 0);
            if (count > 0)
                wide.Set(q, y);
        }
    }
    PixelMask result(grown);
    for (int x = grown.Left; x < grown.Right; ++x) {
        int count = 0;
        for (int q = grown.Top; q < grown.Bottom; ++q) {
            if (q == grown.Top)
                for (int y = q - after; y <= q + before; ++y)
                    count += wide.Test(x, y) ? 1 : 0;
            else
                count += (wide.Test(x, q + before) ? 1 : 0) - (wide.Test(x, q - after - 1) ? 1 : 0);
            if (count > 0)
                result.Set(x, q);
        }
    }
    return result;
}

void PixelMask::Subtract(const PixelMask& other) {
    for (int y = bounds_.Top; y < bounds_.Bottom; ++y)
        for (int x = bounds_.Left; x < bounds_.Right; ++x)
            if (other.Test(x, y))
                Clear(x, y);
}

void PixelMask::Unite(const PixelMask& other) {
    other.ForEachRun([this](int y, int x0, int x1) { SetRun(y, x0, x1); });
}

} // namespace kestrom
