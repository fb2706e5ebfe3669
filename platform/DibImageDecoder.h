#pragma once

#include "platform/IconObject.h"

#include <cstdint>
#include <optional>
#include <span>

namespace kestrom {

// The device-independent bitmap of an icon or cursor entry: a BITMAPINFOHEADER whose height
// counts the colour (XOR) bitmap and the AND mask together, the palette, then both bitmaps
// bottom-up. 1, 4, 8, 24 and 32 bits per pixel, uncompressed.
class DibImageDecoder {
public:
    static constexpr int kMaxSide = 1024;

    static std::optional<IconImage> decode(std::span<const std::uint8_t> dib);
    // The width and height the header gives (height halved); nothing when it is no DIB.
    static std::optional<QSize> size(std::span<const std::uint8_t> dib);
};

} // namespace kestrom
