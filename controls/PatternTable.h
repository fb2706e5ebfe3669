#pragma once

#include <array>
#include <cstdint>

namespace kestrom {

// The 8 x 8 fill patterns "P1" to "P48": eight rows from the top, the highest bit the leftmost
// pixel, a set bit white (background) and a clear bit black (pattern).
inline constexpr int PatternCount = 48;
using PatternRows = std::array<std::uint8_t, 8>;

// Rows of pattern Number (1 to PatternCount).
const PatternRows& PatternTable(int number);

// Whether the pixel (x, y) of the rows is black.
inline bool PatternPixelIsBlack(const PatternRows& rows, int x, int y) {
    return (rows[static_cast<std::size_t>(y)] & (0x80 >> x)) == 0;
}

} // namespace kestrom
