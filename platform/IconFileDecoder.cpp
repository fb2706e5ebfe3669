#include "platform/IconFileDecoder.h"

#include "platform/ByteReader.h"
#include "platform/DibImageDecoder.h"

#include <algorithm>
#include <cstdlib>

namespace kestrom {

namespace {

constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::size_t kDirHeaderSize = 6;
constexpr std::size_t kDirEntrySize = 16;
// More pixels than this over all entries of one file is no icon.
constexpr std::uint64_t kMaxPixels = 16u * 1024 * 1024;

bool isPng(std::span<const std::uint8_t> data) {
    return data.size() >= 8 &&
           std::equal(std::begin(kPngSignature), std::end(kPngSignature), data.begin());
}

std::uint32_t bigEndian32(std::span<const std::uint8_t> data, std::size_t at) {
    return (static_cast<std::uint32_t>(data[at]) << 24) |
           (static_cast<std::uint32_t>(data[at + 1]) << 16) |
           (static_cast<std::uint32_t>(data[at + 2]) << 8) | data[at + 3];
}

std::optional<QSize> pngSize(std::span<const std::uint8_t> data) {
    // Signature, then the IHDR chunk: length, "IHDR", width, height.
    if (data.size() < 24 || !isPng(data))
        return std::nullopt;
    const std::uint32_t w = bigEndian32(data, 16), h = bigEndian32(data, 20);
    if (w < 1 || h < 1 || w > DibImageDecoder::kMaxSide || h > DibImageDecoder::kMaxSide)
        return std::nullopt;
    return QSize(static_cast<int>(w), static_cast<int>(h));
}

std::optional<IconImage> decodePng(std::span<const std::uint8_t> data) {
    if (!pngSize(data))
        return std::nullopt;
    QImage png;
    if (!png.loadFromData(data.data(), static_cast<int>(data.size()), "PNG"))
        return std::nullopt;
    IconImage image;
    image.color = png.convertToFormat(QImage::Format_ARGB32);
    return image;
}

std::optional<QSize> imageSize(std::span<const std::uint8_t> data) {
    return isPng(data) ? pngSize(data) : DibImageDecoder::size(data);
}

// How far an entry is from what the system draws at the standard size: the nearest size,
// a larger one before a smaller one, then the deepest colours.
std::pair<int, int> distance(const IconDirEntry& e, int bits) {
    const int side = std::max(e.width, e.height);
    const int size = side >= IconFileDecoder::kStandardSize
                         ? side - IconFileDecoder::kStandardSize
                         : 2 * (IconFileDecoder::kStandardSize - side);
    return {size, -bits};
}

int entryBits(const IconDirEntry& e, int type, std::span<const std::uint8_t> data) {
    if (isPng(data))
        return 32;
    if (type == IconFileDecoder::kTypeIcon && e.bitCount != 0)
        return e.bitCount;
    return data.size() >= 16 ? data[14] | (data[15] << 8) : 0;
}

} // namespace

std::optional<std::vector<IconDirEntry>>
IconFileDecoder::directory(std::span<const std::uint8_t> file, int* typeOut) {
    ByteReader in(file);
    const std::uint16_t reserved = in.u16();
    const std::uint16_t type = in.u16();
    const std::uint16_t count = in.u16();
    if (!in.ok() || reserved != 0 || (type != kTypeIcon && type != kTypeCursor) || count == 0 ||
        !ByteReader::fits(file.size(), kDirHeaderSize, kDirEntrySize * count))
        return std::nullopt;
    std::vector<IconDirEntry> entries(count);
    for (IconDirEntry& e : entries) {
        e.width = in.u8();
        e.height = in.u8();
        e.width = e.width ? e.width : 256;
        e.height = e.height ? e.height : 256;
        e.colorCount = in.u8();
        in.skip(1);
        e.planes = in.u16();
        e.bitCount = in.u16();
        e.bytesInRes = in.u32();
        e.imageOffset = in.u32();
        if (!ByteReader::fits(file.size(), e.imageOffset, e.bytesInRes))
            return std::nullopt;
    }
    if (typeOut)
        *typeOut = type;
    return entries;
}

std::optional<IconImage> IconFileDecoder::decodeImage(std::span<const std::uint8_t> data) {
    return isPng(data) ? decodePng(data) : DibImageDecoder::decode(data);
}

std::optional<IconObject> IconFileDecoder::decode(std::span<const std::uint8_t> file) {
    int type = 0;
    const auto entries = directory(file, &type);
    if (!entries)
        return std::nullopt;
    struct Decoded {
        IconImage image;
        std::pair<int, int> distance;
    };
    std::vector<Decoded> decoded;
    std::uint64_t pixels = 0;
    for (const IconDirEntry& e : *entries) {
        const auto data = file.subspan(e.imageOffset, e.bytesInRes);
        const auto size = imageSize(data);
        if (!size)
            continue;
        pixels +=
            static_cast<std::uint64_t>(size->width()) * static_cast<std::uint64_t>(size->height());
        if (pixels > kMaxPixels)
            return std::nullopt;
        auto image = decodeImage(data);
        if (!image)
            continue;
        if (type == kTypeCursor)
            image->hotSpot = QPoint(e.planes, e.bitCount);
        decoded.push_back({std::move(*image), distance(e, entryBits(e, type, data))});
    }
    if (decoded.empty())
        return std::nullopt;
    const auto best =
        std::min_element(decoded.begin(), decoded.end(), [](const Decoded& a, const Decoded& b) {
            return a.distance < b.distance;
        });
    std::rotate(decoded.begin(), best, best + 1);
    IconObject icon;
    for (Decoded& d : decoded)
        icon.images.push_back(std::move(d.image));
    return icon;
}

} // namespace kestrom
