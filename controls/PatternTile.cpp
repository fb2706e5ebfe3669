#include "controls/PatternTile.h"

#include "controls/PatternResource.h"
#include "messages/ScreenColors.h"

namespace kestrom {

namespace {

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;

QImage whiteTile() {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(White);
    return image;
}

QImage loadPattern(int number) {
    const QImage resource = PatternResource(number);
    if (resource.isNull() || resource.size() != QSize(8, 8))
        return whiteTile();
    return resource.convertToFormat(QImage::Format_RGB32);
}

QRgb opaque(QRgb c) {
    return c | 0xFF000000;
}

// Every pixel of one colour replaced by another.
void replace(QImage& image, QRgb from, QRgb to) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (opaque(image.pixel(x, y)) == opaque(from))
                image.setPixel(x, y, to);
}

QImage combine(const QImage& a, const QImage& b, QRgb (*op)(QRgb, QRgb)) {
    QImage out = a.copy();
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            out.setPixel(x, y, opaque(op(a.pixel(x, y), b.pixel(x, y))));
    return out;
}

QRgb xorOp(QRgb a, QRgb b) {
    return a ^ b;
}
QRgb orOp(QRgb a, QRgb b) {
    return a | b;
}
QRgb notOp(QRgb a, QRgb) {
    return ~a;
}

// The colour that the keyed tile gives the face colour; on displays deeper than 16 bits the
// key is a colour the pattern never holds.
QRgb tileKey(TTileMode mode) {
    const bool deep = ScreenBitsPerPixel() > 16;
    if (mode == TTileMode::tmTransparent)
        return deep ? qRgb(0xFC, 0xFC, 0xFC) : White;
    return deep ? qRgb(0x03, 0x03, 0x03) : Black;
}

QImage keyedTile(const QImage& p, TTileMode mode, QRgb face, QRgb color2) {
    QImage t3 = whiteTile();
    if (mode == TTileMode::tmTransparent) {
        t3 = combine(t3, p, xorOp);
    } else {
        t3 = p.copy();
        replace(t3, White, color2);
    }
    QImage t1 = t3.copy();
    replace(t1, tileKey(mode), face);
    return t1;
}

QImage combinedTile(const QImage& p, TTileMode mode, QRgb face, QRgb color2) {
    if (mode == TTileMode::tmTransparent) {
        QImage t1 = combine(whiteTile(), p, xorOp);
        replace(t1, White, face);
        return t1;
    }
    QImage t1 = p.copy();
    QImage t3 = combine(p, p, notOp);
    replace(t1, White, face);
    replace(t3, White, color2);
    return combine(t1, t3, orOp);
}

} // namespace

PatternTile MakePatternTile(int number, TTileMode mode, TColor faceColor, TColor color2,
                            TTileVariant variant) {
    PatternTile result;
    result.pattern = loadPattern(number);
    const QRgb face = ColorToQRgb(faceColor);
    const QRgb second = ColorToQRgb(color2);
    result.tile = variant == TTileVariant::tvKeyed
                      ? keyedTile(result.pattern, mode, face, second)
                      : combinedTile(result.pattern, mode, face, second);
    return result;
}

void DrawPatternFill(TCanvas& canvas, const PatternTile& tile, TTileMode mode,
                     const std::function<void()>& figure, const TPen& controlPen, TColor penColor) {
    if (mode == TTileMode::tmTransparent) {
        canvas.Pen().SetStyle(TPenStyle::psClear);
        canvas.Brush().SetBitmap(tile.pattern);
        canvas.Pen().SetMode(TPenMode::pmMask);
        figure();
        canvas.Pen().SetMode(TPenMode::pmXor);
    } else {
        canvas.Pen().SetMode(TPenMode::pmCopy);
    }
    canvas.Brush().SetBitmap(tile.tile);
    figure();
    canvas.Brush().SetBitmap(QImage());
    canvas.Pen().SetMode(TPenMode::pmCopy);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Pen().Assign(controlPen);
    canvas.Pen().SetColor(penColor);
}

} // namespace kestrom
