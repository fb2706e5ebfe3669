#pragma once

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <vector>

namespace kestrom::test {

// Builds icon and cursor file images for tests.
class IconFileWriter {
public:
    struct Entry {
        QByteArray data;
        int width = 32; // 256 is stored as 0
        int height = 32;
        int colorCount = 0;
        int planes = 1;   // hot spot x of a cursor
        int bitCount = 0; // hot spot y of a cursor
    };

    // A DIB of width x height at bits per pixel. pixels are top-down: palette indexes at 1 to
    // 8 bits, 0xAARRGGBB at 24 and 32; mask is top-down, true where the AND bit is set. An
    // empty mask is all clear.
    static QByteArray dib(int width, int height, int bits, const std::vector<std::uint32_t>& pixels,
                          const std::vector<bool>& mask = {},
                          const std::vector<std::uint32_t>& palette = {});
    // A DIB filled with one palette index (or colour at 24 and 32 bits).
    static QByteArray solidDib(int width, int height, int bits, std::uint32_t value);
    static QByteArray png(const QImage& image);
    // A whole .ico (type 1) or .cur (type 2) file.
    static QByteArray file(int type, const std::vector<Entry>& entries);
    // A 32x32 4-bit icon of one colour index: 766 bytes of which 744 are the image.
    static QByteArray smallIcon(std::uint32_t index = 1);

    static void put16(QByteArray& out, std::uint32_t value);
    static void put32(QByteArray& out, std::uint32_t value);
    static void set16(QByteArray& out, qsizetype at, std::uint32_t value);
    static void set32(QByteArray& out, qsizetype at, std::uint32_t value);
};

} // namespace kestrom::test
