#include "cursors/XcursorFile.h"

namespace kestrom {

namespace {

void put32(QByteArray& out, std::uint32_t v) {
    const char bytes[4] = {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                           static_cast<char>((v >> 16) & 0xFF),
                           static_cast<char>((v >> 24) & 0xFF)};
    out.append(bytes, 4);
}

std::uint32_t chunkSize(const XcursorImage& image) {
    return XcursorFile::kImageHeaderSize +
           static_cast<std::uint32_t>(image.pixels.width() * image.pixels.height()) * 4u;
}

void putImage(QByteArray& out, const XcursorImage& image) {
    put32(out, XcursorFile::kImageHeaderSize);
    put32(out, XcursorFile::kImageType);
    put32(out, image.nominalSize);
    put32(out, 1); // image chunk version
    put32(out, static_cast<std::uint32_t>(image.pixels.width()));
    put32(out, static_cast<std::uint32_t>(image.pixels.height()));
    put32(out, static_cast<std::uint32_t>(image.hotSpot.x()));
    put32(out, static_cast<std::uint32_t>(image.hotSpot.y()));
    put32(out, image.delay);
    const QImage pixels = image.pixels.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            put32(out, row[x]);
    }
}

} // namespace

QByteArray XcursorFile::Encode(const std::vector<XcursorImage>& images) {
    QByteArray out;
    if (images.empty())
        return out;
    const auto count = static_cast<std::uint32_t>(images.size());
    put32(out, kMagic);
    put32(out, kFileHeaderSize);
    put32(out, 0x00010000); // file version 1.0
    put32(out, count);
    std::uint32_t position = kFileHeaderSize + count * kTocEntrySize;
    for (const XcursorImage& image : images) {
        put32(out, kImageType);
        put32(out, image.nominalSize);
        put32(out, position);
        position += chunkSize(image);
    }
    for (const XcursorImage& image : images)
        putImage(out, image);
    return out;
}

} // namespace kestrom
