#include "controls/FillStyledGradient.h"
#include "controls/PaletteModule.h"
#include "tests/controls/TestSurface.h"

#include <gtest/gtest.h>

namespace kestrom {
namespace {

using test::hex;
using test::TestSurface;

constexpr TColor Bg = RGB(1, 2, 3);

StyledGradient grad(int style, TColor a, TColor b, int angle = 0) {
    return {a, b, style, angle, {0, 0, 200, 200}};
}

TEST(FillStyledGradient, MirroredColumnsRunFromColorToColor2AtTheMiddle) {
    for (const int w : {40, 41}) {
        TestSurface s(w, 20, Bg);
        FillStyledGradient(s.canvas, {0, 0, w, 20}, TGradientShape::gsRectangle,
                           TGradientDirection::gdForward, grad(7, clBlack, clWhite));
        EXPECT_EQ(hex(s.at(0, 5)), hex(clBlack)) << w;
        EXPECT_EQ(hex(s.at(w / 2, 5)), hex(clWhite)) << w;
        // Column i is base + (i x diff) div Half; the right half mirrors it within a pixel.
        const int half = w / 2;
        const int v = 5 * 255 / half;
        EXPECT_EQ(hex(s.at(5, 5)), hex(RGB(v, v, v))) << w;
        const TColor mirror = s.at(w - 6, 5);
        EXPECT_TRUE(mirror == RGB(v, v, v) || s.at(w - 5, 5) == RGB(v, v, v)) << w;
    }
}

TEST(FillStyledGradient, ConicHalvesTurnedBy90) {
    TestSurface s(41, 41, Bg);
    FillStyledGradient(s.canvas, {0, 0, 41, 41}, TGradientShape::gsRectangle,
                       TGradientDirection::gdForward, grad(9, clBlack, clWhite, 90));
    EXPECT_EQ(hex(s.at(39, 20)), hex(clBlack)); // 3 o'clock: Color
    const int nearest = 179 * 255 / 180;        // 9 o'clock: the colour nearest Color2
    EXPECT_EQ(hex(s.at(1, 20)), hex(RGB(nearest, nearest, nearest)));
    // At 12 o'clock (a = 360 on the way back) about half-way: base + 89 x diff div 180,
    // give or take the wedge that the pixel next to the radial falls into.
    const int back = GetRValue(s.at(20, 1));
    EXPECT_GE(back, 88 * 255 / 180);
    EXPECT_LE(back, 90 * 255 / 180);
}

TEST(FillStyledGradient, UndrawnStylesAndSmallBoxesLeaveWhite) {
    struct Case {
        const char* name;
        int style;
        int w, h;
    } cases[] = {{"style 0", 0, 20, 20},
                 {"style 11", 11, 20, 20},
                 {"3 pixels wide", 2, 3, 20},
                 {"3 pixels high", 1, 20, 3},
                 {"3 pixels, conic", 9, 3, 3}};
    for (const Case& c : cases) {
        TestSurface s(30, 30, Bg);
        FillStyledGradient(s.canvas, {2, 2, 2 + c.w, 2 + c.h}, TGradientShape::gsRectangle,
                           TGradientDirection::gdForward, grad(c.style, clRed, clBlue));
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 30; ++x) {
                const bool inside = x >= 2 && y >= 2 && x < 2 + c.w && y < 2 + c.h;
                ASSERT_EQ(hex(s.at(x, y)), hex(inside ? clWhite : Bg))
                    << c.name << " at " << x << "," << y;
            }
    }
}

TEST(FillStyledGradient, FourPixelsIsTheSmallestDrawnBox) {
    TestSurface s(4, 4, Bg);
    FillStyledGradient(s.canvas, {0, 0, 4, 4}, TGradientShape::gsRectangle,
                       TGradientDirection::gdForward, grad(2, clRed, clRed));
    EXPECT_EQ(hex(s.at(0, 0)), hex(clRed));
}

TEST(FillStyledGradient, RowsAndColumnsStepInFloatingPoint) {
    // Style 2 from black to white over 10 rows: row y is trunc(y x 25.5).
    TestSurface s(10, 10, Bg);
    FillStyledGradient(s.canvas, {0, 0, 10, 10}, TGradientShape::gsRectangle,
                       TGradientDirection::gdForward, grad(2, clBlack, clWhite));
    for (int y = 0; y < 10; ++y) {
        const int v = static_cast<int>(static_cast<float>(y) * 25.5f);
        EXPECT_EQ(hex(s.at(0, y)), hex(RGB(v, v, v))) << y;
        EXPECT_EQ(hex(s.at(8, y)), hex(RGB(v, v, v))) << y;
        EXPECT_EQ(hex(s.at(9, y)), hex(clWhite)) << y; // lines end before (W - 1, y)
    }
    // Equal colours: every column of style 1 in that colour.
    TestSurface same(10, 10, Bg);
    FillStyledGradient(same.canvas, {0, 0, 10, 10}, TGradientShape::gsRectangle,
                       TGradientDirection::gdForward, grad(1, clTeal, clTeal));
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(hex(same.at(x, 4)), hex(clTeal)) << x;
}

TEST(FillStyledGradient, ReverseTurnsStylesOneToSixOnly) {
    TestSurface rows(10, 10, Bg);
    FillStyledGradient(rows.canvas, {0, 0, 10, 10}, TGradientShape::gsRectangle,
                       TGradientDirection::gdReversed, grad(2, clBlack, clWhite));
    EXPECT_EQ(hex(rows.at(0, 0)), hex(clWhite));
    TestSurface forward(40, 10, Bg);
    TestSurface reversed(40, 10, Bg);
    FillStyledGradient(forward.canvas, {0, 0, 40, 10}, TGradientShape::gsRectangle,
                       TGradientDirection::gdForward, grad(7, clRed, clLime));
    FillStyledGradient(reversed.canvas, {0, 0, 40, 10}, TGradientShape::gsRectangle,
                       TGradientDirection::gdReversed, grad(7, clRed, clLime));
    EXPECT_EQ(forward.image, reversed.image);
}

TEST(FillStyledGradient, EllipticKeepsTheCornersAndRemovesTheClip) {
    TestSurface s(40, 40, Bg);
    StyledGradient g = grad(2, clRed, clRed);
    g.bounds = {0, 0, 40, 40};
    FillStyledGradient(s.canvas, {0, 0, 40, 40}, TGradientShape::gsElliptic,
                       TGradientDirection::gdForward, g);
    EXPECT_FALSE(s.canvas.ClipRegion().has_value());
    EXPECT_EQ(hex(s.at(20, 20)), hex(clRed));
    EXPECT_EQ(hex(s.at(1, 1)), hex(Bg));
}

} // namespace
} // namespace kestrom
