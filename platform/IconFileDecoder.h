#pragma once

#include "platform/IconObject.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kestrom {

// One entry of an icon or cursor file's directory (ICONDIRENTRY).
struct IconDirEntry {
    int width = 0;  // the stored byte, 0 read as 256
    int height = 0; // likewise
    int colorCount = 0;
    int planes = 0;   // the hot spot's x in a cursor file
    int bitCount = 0; // the hot spot's y in a cursor file
    std::uint32_t bytesInRes = 0;
    std::uint32_t imageOffset = 0;
};

// .ico and .cur files: the directory, then each entry as a DIB or a PNG image.
class IconFileDecoder {
public:
    static constexpr int kTypeIcon = 1;
    static constexpr int kTypeCursor = 2;
    static constexpr int kStandardSize = 32;

    // The type (1 icon, 2 cursor) and entries; nothing when the header or an entry does not
    // lie within the file.
    static std::optional<std::vector<IconDirEntry>> directory(std::span<const std::uint8_t> file,
                                                              int* type = nullptr);
    // Every entry that decodes, the one the system would draw at the standard size first and
    // the rest in file order; nothing when the directory is broken or no entry decodes.
    static std::optional<IconObject> decode(std::span<const std::uint8_t> file);
    // One entry's image data, DIB or PNG.
    static std::optional<IconImage> decodeImage(std::span<const std::uint8_t> data);
};

} // namespace kestrom
