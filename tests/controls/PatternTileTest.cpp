#include "controls/PatternTile.h"
#include "controls/PaletteModule.h"
#include "controls/PatternTable.h"
#include "messages/ScreenColors.h"
#include "tests/controls/TestSurface.h"

#include <gtest/gtest.h>

namespace kestrom {
namespace {

using test::hex;
using test::TestSurface;

constexpr TColor Face = RGB(10, 20, 200);
constexpr TColor Second = RGB(250, 240, 5);

struct TileCase {
    const char* name;
    TTileVariant variant;
    TTileMode mode;
    int bits;
    TColor onBlack; // where the pattern is black
    TColor onWhite; // where it is white
};

TEST(PatternTile, ColoursByVariantModeAndDepth) {
    using V = TTileVariant;
    using M = TTileMode;
    const TileCase cases[] = {
        {"keyed opaque, 16 bits", V::tvKeyed, M::tmOpaque, 16, Face, Second},
        {"keyed opaque, 8 bits", V::tvKeyed, M::tmOpaque, 8, Face, Second},
        {"keyed opaque, 24 bits: no black matches the key", V::tvKeyed, M::tmOpaque, 24, clBlack,
         Second},
        {"keyed transparent, 16 bits", V::tvKeyed, M::tmTransparent, 16, Face, clBlack},
        {"keyed transparent, 32 bits: white stays", V::tvKeyed, M::tmTransparent, 32, clWhite,
         clBlack},
        {"combined opaque", V::tvCombined, M::tmOpaque, 24, Second, Face},
        {"combined opaque, 16 bits", V::tvCombined, M::tmOpaque, 16, Second, Face},
        {"combined transparent", V::tvCombined, M::tmTransparent, 24, Face, clBlack},
    };
    for (const TileCase& c : cases) {
        SetScreenBitsPerPixel(c.bits);
        const PatternTile tile = MakePatternTile(7, c.mode, Face, Second, c.variant);
        ASSERT_EQ(tile.tile.size(), QSize(8, 8)) << c.name;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                const bool black = PatternPixelIsBlack(PatternTable(7), x, y);
                EXPECT_EQ(hex(QRgbToColor(tile.tile.pixel(x, y))),
                          hex(black ? c.onBlack : c.onWhite))
                    << c.name << " at " << x << "," << y;
            }
    }
    SetScreenBitsPerPixel(0);
}

TEST(PatternTile, NumbersWithoutABitmapGiveAPlainFill) {
    for (const int n : {0, 49, 200}) {
        const PatternTile tile =
            MakePatternTile(n, TTileMode::tmOpaque, Face, Second, TTileVariant::tvCombined);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                EXPECT_EQ(hex(QRgbToColor(tile.tile.pixel(x, y))), hex(Face)) << n;
    }
}

TEST(PatternTile, TransparentFillKeepsTheBackgroundWherePatternIsWhite) {
    SetScreenBitsPerPixel(16);
    const TColor background = RGB(0, 128, 0);
    TestSurface s(16, 16, background);
    const PatternTile tile =
        MakePatternTile(1, TTileMode::tmTransparent, Face, Second, TTileVariant::tvKeyed);
    TPen pen;
    s.canvas.Brush().SetColor(Face);
    DrawPatternFill(
        s.canvas, tile, TTileMode::tmTransparent, [&] { s.canvas.Rectangle(0, 0, 17, 17); }, pen,
        clRed);
    // Tiles repeat from the surface's origin: P1 is black at (0, 0) and (4, 4) of each 8 x 8.
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool black = PatternPixelIsBlack(PatternTable(1), x % 8, y % 8);
            EXPECT_EQ(hex(s.at(x, y)), hex(black ? Face : background)) << x << "," << y;
        }
    EXPECT_TRUE(s.canvas.Brush().IsClear());
    EXPECT_EQ(s.canvas.Pen().Color(), clRed);
    EXPECT_EQ(s.canvas.Pen().Mode(), TPenMode::pmCopy);
    SetScreenBitsPerPixel(0);
}

TEST(PatternTile, OpaqueFillTilesTheWholeFigure) {
    TestSurface s(16, 16, clBlack);
    const PatternTile tile =
        MakePatternTile(8, TTileMode::tmOpaque, Face, Second, TTileVariant::tvCombined);
    TPen clear;
    clear.SetStyle(TPenStyle::psClear);
    s.canvas.Pen().Assign(clear);
    DrawPatternFill(
        s.canvas, tile, TTileMode::tmOpaque, [&] { s.canvas.Rectangle(0, 0, 17, 17); }, clear,
        clBlack);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool black = PatternPixelIsBlack(PatternTable(8), x % 8, y % 8);
            EXPECT_EQ(hex(s.at(x, y)), hex(black ? Second : Face)) << x << "," << y;
        }
}

} // namespace
} // namespace kestrom
