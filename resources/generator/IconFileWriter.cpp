#include "resources/generator/IconFileWriter.h"

namespace kestrom {

namespace {

void put16(QByteArray& out, quint16 v) {
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>(v >> 8));
}

void put32(QByteArray& out, quint32 v) {
    put16(out, static_cast<quint16>(v & 0xFFFF));
    put16(out, static_cast<quint16>(v >> 16));
}

} // namespace

QByteArray IconFileWriter::Icon(const QImage& image) {
    return File(image, 1, 1, 32); // planes, bits per pixel
}

QByteArray IconFileWriter::Cursor(const QImage& image, QPoint hotSpot) {
    return File(image, 2, static_cast<quint16>(hotSpot.x()), static_cast<quint16>(hotSpot.y()));
}

QByteArray IconFileWriter::Dib(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;
    QByteArray out;
    put32(out, 40);
    put32(out, static_cast<quint32>(w));
    put32(out, static_cast<quint32>(h * 2)); // colour rows and mask rows
    put16(out, 1);
    put16(out, 32);
    put32(out, 0); // BI_RGB
    put32(out, static_cast<quint32>(w * h * 4 + maskStride * h));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x)
            put32(out, image.pixel(x, y)); // 0xAARRGGBB is B, G, R, A in file order
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x) {
            if (qAlpha(image.pixel(x, y)) == 0)
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

QByteArray IconFileWriter::File(const QImage& image, quint16 type, quint16 field1, quint16 field2) {
    const QByteArray dib = Dib(image);
    QByteArray out;
    put16(out, 0);
    put16(out, type);
    put16(out, 1);
    out.append(static_cast<char>(image.width() >= 256 ? 0 : image.width()));
    out.append(static_cast<char>(image.height() >= 256 ? 0 : image.height()));
    out.append('\0'); // colour count
    out.append('\0');
    put16(out, field1);
    put16(out, field2);
    put32(out, static_cast<quint32>(dib.size()));
    put32(out, 22);
    out.append(dib);
    return out;
}

} // namespace kestrom
