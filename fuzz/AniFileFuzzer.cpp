// Animated cursors as the platform's cursor loader and the shell read them.
#include "platform/AniFileDecoder.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    kestrom::AniFileDecoder::decode(bytes);
    kestrom::AniFileDecoder::firstFrame(bytes);
    return 0;
}
