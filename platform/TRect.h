#pragma once

namespace kestrom {

// A box as drawing calls take it: Right and Bottom lie just outside what it covers.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool operator==(const TRect&) const = default;
};

} // namespace kestrom
