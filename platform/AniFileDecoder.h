#pragma once

#include "platform/IconObject.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kestrom {

// An animated cursor as the system reads it.
struct AniAnimation {
    struct Step {
        std::size_t frame = 0; // index into frames
        std::uint32_t jiffies = 0;
    };
    std::vector<IconObject> frames; // in file order
    std::vector<Step> steps;        // in display order
};

// RIFF "ACON" files: chunks in any order, a pad byte after each odd-sized chunk, unknown
// chunks skipped; "anih" (header), "rate", "seq " and the "fram" list of "icon" chunks, each
// an icon or cursor file image of one or more sizes.
class AniFileDecoder {
public:
    static bool isRiff(std::span<const std::uint8_t> file);
    // Nothing without a header or a frame, or when a frame does not decode.
    static std::optional<AniAnimation> decode(std::span<const std::uint8_t> file);
    // The first frame in file order, without decoding the others.
    static std::optional<IconObject> firstFrame(std::span<const std::uint8_t> file);
};

} // namespace kestrom
