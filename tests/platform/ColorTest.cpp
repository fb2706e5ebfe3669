#include "platform/TBitmap.h"
#include "platform/TColor.h"

#include <gtest/gtest.h>

namespace kestrom {
namespace {

TEST(Colors, RedIsTheLowByte) {
    EXPECT_EQ(RGB(1, 2, 3), 0x030201u);
    EXPECT_EQ(ColorToQRgb(0x030201), qRgb(1, 2, 3));
    EXPECT_EQ(QRgbToColor(qRgba(1, 2, 3, 0)), 0x030201u);
    EXPECT_EQ(GetRValue(clRed), 255);
    EXPECT_EQ(GetBValue(clBlue), 255);
}

TEST(Colors, PaletteColoursResolveThroughTheInstalledPalette) {
    // Without a palette: the standard sixteen by index, the colour itself when relative.
    EXPECT_EQ(ColorToRGB(PALETTEINDEX(12)), clBlue);
    EXPECT_EQ(ColorToRGB(PALETTEINDEX(8)), clGray);
    EXPECT_EQ(ColorToRGB(PALETTEINDEX(300)), clBlack);
    EXPECT_EQ(ColorToRGB(PALETTERGB(10, 20, 30)), RGB(10, 20, 30));

    // A palette that maps index i to gray i, and relative colours to the nearest of red or
    // blue.
    const PaletteResolver previous = SetPaletteResolver([](TColor color) {
        if ((color & 0xFF000000) == kPaletteIndexFlag) {
            const int i = static_cast<int>(color & 0xFF);
            return RGB(i, i, i);
        }
        return GetRValue(color) >= GetBValue(color) ? clRed : clBlue;
    });
    EXPECT_FALSE(previous);
    EXPECT_EQ(ColorToRGB(PALETTEINDEX(40)), RGB(40, 40, 40));
    EXPECT_EQ(ColorToRGB(PALETTERGB(200, 0, 90)), clRed);
    EXPECT_EQ(ColorToRGB(RGB(200, 0, 90)), RGB(200, 0, 90)); // plain colours never ask

    // Drawing resolves them the same way.
    TBitmap bitmap(2, 2);
    bitmap.Canvas().Brush().SetColor(PALETTEINDEX(40));
    bitmap.Canvas().FillRect(TRect{0, 0, 2, 2});
    EXPECT_EQ(bitmap.Canvas().Pixel(1, 1), RGB(40, 40, 40));

    SetPaletteResolver(nullptr);
    EXPECT_EQ(ColorToRGB(PALETTEINDEX(40)), clBlack);
}

TEST(Bitmaps, NewPixelsAreWhiteAndResizingKeepsTheOldOnes) {
    TBitmap bitmap;
    EXPECT_TRUE(bitmap.Empty());
    int changes = 0;
    bitmap.OnChange = [&changes] { ++changes; };
    bitmap.SetSize(2, 2);
    bitmap.Canvas().SetPixel(1, 1, clRed);
    bitmap.SetWidth(3);
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Canvas().Pixel(1, 1), clRed);
    EXPECT_EQ(bitmap.Canvas().Pixel(2, 1), clWhite);
    bitmap.SetSize(3, 2); // unchanged: no change reported
    EXPECT_EQ(changes, 2);

    TBitmap copy = bitmap;
    copy.Canvas().SetPixel(0, 0, clBlue);
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), clWhite);
    EXPECT_EQ(copy.Canvas().Pixel(1, 1), clRed);

    bitmap.SetHeight(0);
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Width(), 0);
}

} // namespace
} // namespace kestrom
