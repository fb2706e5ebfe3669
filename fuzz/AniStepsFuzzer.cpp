// Animated cursors through the launch buttons' strict walk.
#include "formats/AniStepReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kestrom::AniStepReader reader(std::span<const std::uint8_t>(data, size));
    const kestrom::AniChain chain = reader.read();
    return 0;
}
