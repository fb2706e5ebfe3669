#pragma once

#include "cursors/XcursorImage.h"

#include <QByteArray>

#include <vector>

namespace kestrom {

// The Xcursor file layout: a header with a table of contents, then one image chunk per image,
// all numbers little-endian 32-bit.
class XcursorFile {
public:
    static constexpr std::uint32_t kMagic = 0x72756358; // "Xcur"
    static constexpr std::uint32_t kFileHeaderSize = 16;
    static constexpr std::uint32_t kTocEntrySize = 12;
    static constexpr std::uint32_t kImageType = 0xfffd0002;
    static constexpr std::uint32_t kImageHeaderSize = 36;

    // Empty when there is no image.
    static QByteArray Encode(const std::vector<XcursorImage>& images);
};

} // namespace kestrom
