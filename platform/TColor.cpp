#include "platform/TColor.h"

#include <array>
#include <utility>

namespace kestrom {

namespace {

constexpr std::array<TColor, 16> kStandardColors = {
    clBlack, clMaroon, clGreen, clOlive,  clNavy, clPurple,  clTeal, clSilver,
    clGray,  clRed,    clLime,  clYellow, clBlue, clFuchsia, clAqua, clWhite};

// The classic standard scheme, by system colour index.
constexpr std::array<TColor, 31> kSystemColors = {
    RGB(192, 192, 192), RGB(0, 128, 128),   RGB(0, 0, 128),     RGB(128, 128, 128),
    RGB(192, 192, 192), RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),
    RGB(0, 0, 0),       RGB(255, 255, 255), RGB(192, 192, 192), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(0, 0, 128),     RGB(255, 255, 255), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(192, 192, 192),
    RGB(255, 255, 255), RGB(0, 0, 0),       RGB(223, 223, 223), RGB(0, 0, 0),
    RGB(255, 255, 225), RGB(0, 0, 0),       RGB(0, 0, 128),     RGB(16, 132, 208),
    RGB(181, 181, 181), RGB(0, 0, 128),     RGB(192, 192, 192)};

TColor builtInResolve(TColor color) {
    if ((color & 0xFF000000) == kPaletteIndexFlag) {
        const TColor index = color & 0xFFFF;
        return index < kStandardColors.size() ? kStandardColors[index] : clBlack;
    }
    return color & 0xFFFFFF;
}

PaletteResolver& installed() {
    static PaletteResolver resolver;
    return resolver;
}

} // namespace

PaletteResolver SetPaletteResolver(PaletteResolver resolver) {
    return std::exchange(installed(), std::move(resolver));
}

TColor ColorToRGB(TColor color) {
    if ((color & 0xFF000000) == kSystemColorFlag) {
        const TColor index = color & 0xFFFFFF;
        return index < kSystemColors.size() ? kSystemColors[index] : clBlack;
    }
    const TColor mark = color & 0xFF000000;
    if (mark != kPaletteIndexFlag && mark != kPaletteRelativeFlag)
        return color & 0xFFFFFF;
    const TColor resolved = installed() ? installed()(color) : builtInResolve(color);
    return resolved & 0xFFFFFF;
}

QRgb ColorToQRgb(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return qRgb(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor QRgbToColor(QRgb rgb) {
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

} // namespace kestrom
