#include "controls/LogicalPalette.h"

#include <limits>

namespace kestrom {

std::uint8_t LogicalPalette::nearestIndex(std::uint32_t color) const {
    const int r = static_cast<int>(color & 0xFF);
    const int g = static_cast<int>((color >> 8) & 0xFF);
    const int b = static_cast<int>((color >> 16) & 0xFF);
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < 256; ++i) {
        const PaletteEntry& e = entries_[static_cast<std::size_t>(i)];
        const int dr = e.red - r;
        const int dg = e.green - g;
        const int db = e.blue - b;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return static_cast<std::uint8_t>(best);
}

} // namespace kestrom
