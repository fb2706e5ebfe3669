#include "platform/TColor.h"

#include <array>
#include <utility>

namespace kestrom {

namespace {

constexpr std::array<TColor, 16> kStandardColors = {
    clBlack, clMaroon, clGreen, clOlive,  clNavy, clPurple,  clTeal, clSilver,
    clGray,  clRed,    clLime,  clYellow, clBlue, clFuchsia, clAqua, clWhite};

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
