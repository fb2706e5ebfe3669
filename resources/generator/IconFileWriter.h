#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>

namespace kestrom {

// Single-image .ico and .cur files: a 6-byte directory header, one 16-byte entry, and a
// 32-bit DIB (BITMAPINFOHEADER, BGRA rows bottom-up, then the 1-bit AND mask).
class IconFileWriter {
public:
    static QByteArray Icon(const QImage& image);
    static QByteArray Cursor(const QImage& image, QPoint hotSpot);

private:
    static QByteArray File(const QImage& image, quint16 type, quint16 field1, quint16 field2);
    static QByteArray Dib(const QImage& image);
};

} // namespace kestrom
