#include "tests/support/IconFileWriter.h"

#include <QBuffer>

#include <functional>

namespace kestrom::test {

namespace {

std::vector<std::uint32_t> defaultPalette(int bits) {
    std::vector<std::uint32_t> palette(1u << bits);
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const auto v = static_cast<std::uint32_t>(i * 255 / (palette.size() - 1));
        palette[i] = (v << 16) | ((255 - v) << 8) | (i % 2 ? 0x80u : 0u);
    }
    return palette;
}

QByteArray rows(int width, int height, int bits,
                const std::function<std::uint32_t(int, int)>& value) {
    const int stride = ((width * bits + 31) / 32) * 4;
    QByteArray out(static_cast<qsizetype>(stride) * height, '\0');
    for (int y = 0; y < height; ++y) {
        char* row = out.data() + static_cast<qsizetype>(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = value(x, y);
            switch (bits) {
            case 1:
                row[x / 8] = static_cast<char>(row[x / 8] | ((v & 1) << (7 - x % 8)));
                break;
            case 4:
                row[x / 2] = static_cast<char>(row[x / 2] | ((v & 0xF) << (x % 2 ? 0 : 4)));
                break;
            case 8:
                row[x] = static_cast<char>(v);
                break;
            default:
                for (int b = 0; b < bits / 8; ++b)
                    row[x * (bits / 8) + b] = static_cast<char>(v >> (8 * b));
            }
        }
    }
    return out;
}

} // namespace

void IconFileWriter::put16(QByteArray& out, std::uint32_t value) {
    out.append(static_cast<char>(value & 0xFF)).append(static_cast<char>((value >> 8) & 0xFF));
}

void IconFileWriter::put32(QByteArray& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

void IconFileWriter::set16(QByteArray& out, qsizetype at, std::uint32_t value) {
    out[at] = static_cast<char>(value & 0xFF);
    out[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

void IconFileWriter::set32(QByteArray& out, qsizetype at, std::uint32_t value) {
    set16(out, at, value & 0xFFFF);
    set16(out, at + 2, value >> 16);
}

QByteArray IconFileWriter::dib(int width, int height, int bits,
                               const std::vector<std::uint32_t>& pixels,
                               const std::vector<bool>& mask,
                               const std::vector<std::uint32_t>& palette) {
    QByteArray out;
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height * 2));
    put16(out, 1);
    put16(out, static_cast<std::uint32_t>(bits));
    for (int i = 0; i < 4; ++i)
        put32(out, 0);
    put32(out, bits <= 8 ? static_cast<std::uint32_t>(palette.size()) : 0); // biClrUsed
    put32(out, 0);
    if (bits <= 8) {
        for (std::uint32_t rgb : palette.empty() ? defaultPalette(bits) : palette)
            put32(out, rgb & 0xFFFFFF);
    }
    const auto at = [width](int x, int y) { return static_cast<std::size_t>(y * width + x); };
    out += rows(width, height, bits, [&](int x, int y) { return pixels[at(x, y)]; });
    out += rows(width, height, 1,
                [&](int x, int y) { return !mask.empty() && mask[at(x, y)] ? 1u : 0u; });
    return out;
}

QByteArray IconFileWriter::solidDib(int width, int height, int bits, std::uint32_t value) {
    return dib(width, height, bits,
               std::vector<std::uint32_t>(static_cast<std::size_t>(width * height), value));
}

QByteArray IconFileWriter::png(const QImage& image) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return out;
}

QByteArray IconFileWriter::file(int type, const std::vector<Entry>& entries) {
    QByteArray header, images;
    put16(header, 0);
    put16(header, static_cast<std::uint32_t>(type));
    put16(header, static_cast<std::uint32_t>(entries.size()));
    auto offset = static_cast<std::uint32_t>(6 + 16 * entries.size());
    for (const Entry& e : entries) {
        header.append(static_cast<char>(e.width & 0xFF)).append(static_cast<char>(e.height & 0xFF));
        header.append(static_cast<char>(e.colorCount)).append('\0');
        put16(header, static_cast<std::uint32_t>(e.planes));
        put16(header, static_cast<std::uint32_t>(e.bitCount));
        put32(header, static_cast<std::uint32_t>(e.data.size()));
        put32(header, offset);
        offset += static_cast<std::uint32_t>(e.data.size());
        images += e.data;
    }
    return header + images;
}

QByteArray IconFileWriter::smallIcon(std::uint32_t index) {
    Entry e;
    e.data = solidDib(32, 32, 4, index);
    e.colorCount = 16;
    e.bitCount = 4;
    return file(1, {e});
}

} // namespace kestrom::test
