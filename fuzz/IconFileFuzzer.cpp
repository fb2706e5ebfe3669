// .ico and .cur file images, DIB and PNG entries.
#include "platform/IconFileDecoder.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    kestrom::IconFileDecoder::directory(bytes);
    kestrom::IconFileDecoder::decode(bytes);
    return 0;
}
