#pragma once

#include <cstdint>

namespace kestrom {

// One entry of a logical palette.
struct PaletteEntry {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t flags = 0;

    friend bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};

} // namespace kestrom
