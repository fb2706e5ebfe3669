#include "platform/DibImageDecoder.h"

#include "platform/ByteReader.h"

#include <array>
#include <vector>

namespace kestrom {

namespace {

// BITMAPINFOHEADER, 40 bytes.
struct BitmapInfoHeader {
    std::uint32_t biSize = 0;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0;
    std::uint16_t biPlanes = 0;
    std::uint16_t biBitCount = 0;
    std::uint32_t biCompression = 0;
    std::uint32_t biClrUsed = 0;
};
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBiRgb = 0;

std::optional<BitmapInfoHeader> readHeader(ByteReader& in) {
    BitmapInfoHeader h;
    h.biSize = in.u32();
    h.biWidth = in.i32();
    h.biHeight = in.i32();
    h.biPlanes = in.u16();
    h.biBitCount = in.u16();
    h.biCompression = in.u32();
    in.skip(12); // biSizeImage, biXPelsPerMeter, biYPelsPerMeter
    h.biClrUsed = in.u32();
    in.skip(4); // biClrImportant
    if (!in.ok() || h.biSize < kInfoHeaderSize || !in.seek(h.biSize))
        return std::nullopt;
    const int width = h.biWidth;
    const int height = h.biHeight / 2;
    if (width < 1 || width > DibImageDecoder::kMaxSide || height < 1 ||
        height > DibImageDecoder::kMaxSide)
        return std::nullopt;
    return h;
}

bool supportedDepth(std::uint16_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
}

std::size_t stride(int width, int bits) {
    return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bits) + 31) / 32) * 4;
}

// The colour of pixel x in a bottom-up row of the colour bitmap.
QRgb pixelAt(std::span<const std::uint8_t> row, int x, int bits,
             const std::array<QRgb, 256>& palette) {
    const auto ux = static_cast<std::size_t>(x);
    switch (bits) {
    case 1:
        return palette[(row[ux / 8] >> (7 - ux % 8)) & 1];
    case 4:
        return palette[(row[ux / 2] >> (ux % 2 ? 0 : 4)) & 0xF];
    case 8:
        return palette[row[ux]];
    case 24:
        return qRgb(row[ux * 3 + 2], row[ux * 3 + 1], row[ux * 3]);
    default:
        return qRgba(row[ux * 4 + 2], row[ux * 4 + 1], row[ux * 4], row[ux * 4 + 3]);
    }
}

bool maskBit(std::span<const std::uint8_t> row, int x) {
    const auto ux = static_cast<std::size_t>(x);
    return !row.empty() && ((row[ux / 8] >> (7 - ux % 8)) & 1) != 0;
}

bool anyAlpha(std::span<const std::uint8_t> bits32) {
    for (std::size_t i = 3; i < bits32.size(); i += 4) {
        if (bits32[i] != 0)
            return true;
    }
    return false;
}

} // namespace

std::optional<QSize> DibImageDecoder::size(std::span<const std::uint8_t> dib) {
    ByteReader in(dib);
    const auto header = readHeader(in);
    if (!header)
        return std::nullopt;
    return QSize(header->biWidth, header->biHeight / 2);
}

std::optional<IconImage> DibImageDecoder::decode(std::span<const std::uint8_t> dib) {
    ByteReader in(dib);
    const auto header = readHeader(in);
    if (!header || header->biCompression != kBiRgb || !supportedDepth(header->biBitCount))
        return std::nullopt;
    const int bits = header->biBitCount;
    const int width = header->biWidth;
    const int height = header->biHeight / 2;

    std::array<QRgb, 256> palette{};
    if (bits <= 8) {
        const std::uint32_t entries = header->biClrUsed ? header->biClrUsed : 1u << bits;
        if (entries > 256)
            return std::nullopt;
        for (std::uint32_t i = 0; i < entries; ++i) {
            const std::uint8_t b = in.u8(), g = in.u8(), r = in.u8();
            in.skip(1);
            palette[i] = qRgb(r, g, b);
        }
    }
    const std::size_t colorStride = stride(width, bits);
    const std::size_t maskStride = stride(width, 1);
    const auto colorBits = in.bytes(colorStride * static_cast<std::size_t>(height));
    if (!in.ok())
        return std::nullopt;
    // Some writers leave the mask out of 32-bit images, whose alpha says it all.
    auto maskBits = in.bytes(maskStride * static_cast<std::size_t>(height));
    if (!in.ok() && bits != 32)
        return std::nullopt;
    const bool useAlpha = bits == 32 && anyAlpha(colorBits);

    IconImage image;
    image.color = QImage(width, height, QImage::Format_ARGB32);
    QImage invert(width, height, QImage::Format_Mono);
    invert.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    invert.fill(0);
    bool inverts = false;
    for (int y = 0; y < height; ++y) {
        const auto source = static_cast<std::size_t>(height - 1 - y);
        const auto colorRow = colorBits.subspan(source * colorStride, colorStride);
        const auto maskRow =
            maskBits.empty() ? maskBits : maskBits.subspan(source * maskStride, maskStride);
        auto* line = reinterpret_cast<QRgb*>(image.color.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = pixelAt(colorRow, x, bits, palette);
            if (useAlpha) {
                line[x] = pixel;
            } else if (!maskBit(maskRow, x)) {
                line[x] = pixel | 0xFF000000u;
            } else {
                line[x] = 0;
                // A set mask bit over a non-black colour turns the screen's pixel over.
                if ((pixel & 0x00FFFFFFu) != 0) {
                    invert.setPixel(x, y, 1);
                    inverts = true;
                }
            }
        }
    }
    if (inverts)
        image.invert = invert;
    return image;
}

} // namespace kestrom
