// Writes the pattern bitmaps P1.bmp to P48.bmp (8 x 8, one bit per pixel, colour 0 black and
// colour 1 white) from the pattern table into the folder given on the command line.
#include "controls/PatternTable.h"

#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

std::vector<std::uint8_t> bitmapFile(const kestrom::PatternRows& rows) {
    constexpr std::uint32_t headers = 14 + 40 + 8; // file header, info header, two colours
    constexpr std::uint32_t pixels = 8 * 4;        // rows padded to four bytes
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    put32(out, headers + pixels);
    put32(out, 0);
    put32(out, headers);
    put32(out, 40);
    put32(out, 8); // width
    put32(out, 8); // height, bottom-up
    put16(out, 1);
    put16(out, 1); // bits per pixel
    put32(out, 0); // no compression
    put32(out, pixels);
    put32(out, 0);
    put32(out, 0);
    put32(out, 2);
    put32(out, 2);
    put32(out, 0x00000000); // black
    put32(out, 0x00FFFFFF); // white
    for (int y = 7; y >= 0; --y)
        put32(out, rows[static_cast<std::size_t>(y)]);
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kestrom-make-patterns FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (int n = 1; n <= kestrom::PatternCount; ++n) {
        const std::vector<std::uint8_t> bytes = bitmapFile(kestrom::PatternTable(n));
        QFile file(folder.filePath(QStringLiteral("P%1.bmp").arg(n)));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
