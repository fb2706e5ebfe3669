#pragma once

#include "platform/TRect.h"

#include <cstdint>
#include <vector>

namespace kestrom {

// A set of pixels inside a bounding box: what a figure covers before it is painted. Pixels
// outside the box are never set.
class PixelMask {
public:
    PixelMask() = default;
    explicit PixelMask(const TRect& bounds);

    const TRect& Bounds() const { return bounds_; }
    bool IsEmpty() const;
    bool Test(int x, int y) const;
    void Set(int x, int y);
    // Sets x0 .. x1 - 1 of row y (clipped to the box).
    void SetRun(int y, int x0, int x1);
    void Clear(int x, int y);

    // Pixels of the set with a left, right, upper or lower neighbour outside it.
    PixelMask Boundary() const;
    // Every pixel p + (dx, dy) with dx, dy in [-before, after] for each set p, in a box grown
    // by the same amounts.
    PixelMask Dilated(int before, int after) const;
    // Removes every pixel that other holds.
    void Subtract(const PixelMask& other);
    // Adds every pixel that other holds inside this box.
    void Unite(const PixelMask& other);

    // Calls visit(y, x0, x1) for each horizontal run x0 .. x1 - 1, rows from the top.
    template <typename Visit> void ForEachRun(Visit&& visit) const {
        for (int y = bounds_.Top; y < bounds_.Bottom; ++y) {
            int x = bounds_.Left;
            while (x < bounds_.Right) {
                if (!Test(x, y)) {
                    ++x;
                    continue;
                }
                const int start = x;
                while (x < bounds_.Right && Test(x, y))
                    ++x;
                visit(y, start, x);
            }
        }
    }

    // Keeps only the pixels for which keep(x, y) is true.
    template <typename Keep> void Filter(Keep&& keep) {
        for (int y = bounds_.Top; y < bounds_.Bottom; ++y)
            for (int x = bounds_.Left; x < bounds_.Right; ++x)
                if (Test(x, y) && !keep(x, y))
                    Clear(x, y);
    }

private:
    std::size_t index(int x, int y) const;
    bool inside(int x, int y) const;

    TRect bounds_;
    std::vector<std::uint8_t> bits_;
};

} // namespace kestrom
