#pragma once

#include <QRgb>

#include <cstdint>
#include <functional>

namespace kestrom {

// A colour as the program stores it: red in the low byte (0x00BBGGRR). The high byte marks a
// palette index (0x01, index in the low 16 bits) or a palette-relative colour (0x02).
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;

inline constexpr TColor kPaletteIndexFlag = 0x01000000;
inline constexpr TColor kPaletteRelativeFlag = 0x02000000;

constexpr TColor RGB(int red, int green, int blue) {
    return static_cast<TColor>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16);
}
constexpr int GetRValue(TColor color) {
    return static_cast<int>(color & 0xFF);
}
constexpr int GetGValue(TColor color) {
    return static_cast<int>(color >> 8 & 0xFF);
}
constexpr int GetBValue(TColor color) {
    return static_cast<int>(color >> 16 & 0xFF);
}
constexpr TColor PALETTEINDEX(int index) {
    return kPaletteIndexFlag | static_cast<TColor>(index & 0xFFFF);
}
constexpr TColor PALETTERGB(int red, int green, int blue) {
    return kPaletteRelativeFlag | RGB(red, green, blue);
}

// Turns a palette-marked colour into the plain colour it shows. The shared palette installs
// one; without it an index shows the sixteen standard colours (black beyond them) and a
// palette-relative colour its own red, green and blue.
using PaletteResolver = std::function<TColor(TColor color)>;

// Installs resolver (an empty one restores the built-in rule); returns the one replaced.
PaletteResolver SetPaletteResolver(PaletteResolver resolver);

// The plain 0x00BBGGRR colour a value shows, palette marks resolved.
TColor ColorToRGB(TColor color);
// The opaque Qt colour a value shows.
QRgb ColorToQRgb(TColor color);
// A Qt colour as a plain 0x00BBGGRR value (alpha dropped).
TColor QRgbToColor(QRgb rgb);

} // namespace kestrom
