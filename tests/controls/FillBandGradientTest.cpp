#include "controls/FillBandGradient.h"
#include "controls/PaletteModule.h"
#include "messages/ScreenColors.h"
#include "tests/controls/TestSurface.h"

#include <gtest/gtest.h>

namespace kestrom {
namespace {

using test::hex;
using test::TestSurface;

constexpr TRect Bounds{0, 0, 20, 60};

// Rows of the worked example: white to blue over rows 0 to 50.
struct RowCase {
    int y;
    TColor rgb;   // with 16 million colours
    TColor on256; // the nearest entry of the shared palette
};

const RowCase Rows[] = {
    {0, RGB(249, 249, 255), RGB(247, 251, 255)},
    {1, RGB(249, 249, 255), RGB(247, 251, 255)},
    {2, RGB(243, 243, 255), RGB(247, 251, 255)},
    {49, RGB(3, 3, 255), RGB(0, 0, 255)},
};

class FillBandGradientTest : public ::testing::Test {
protected:
    void TearDown() override { SetScreenBitsPerPixel(0); }
    PaletteModuleScope palette;
};

TEST_F(FillBandGradientTest, TrueColourRowsAndTheBoxEdges) {
    TestSurface s(20, 60, clBlack);
    FillBandGradient(s.canvas, {2, 0, 18, 50}, TGradientShape::gsRectangle,
                     TGradientDirection::gdForward, clWhite, clBlue, false, Bounds);
    for (const RowCase& r : Rows) {
        EXPECT_EQ(hex(s.at(2, r.y)), hex(r.rgb)) << r.y;
        EXPECT_EQ(hex(s.at(17, r.y)), hex(r.rgb)) << r.y;
        EXPECT_EQ(hex(s.at(1, r.y)), hex(clBlack)) << r.y;
        EXPECT_EQ(hex(s.at(18, r.y)), hex(clBlack)) << r.y;
    }
    EXPECT_EQ(hex(s.at(5, 50)), hex(clBlack)); // the bottom is not filled
}

TEST_F(FillBandGradientTest, ReversedStartsAtTheBottomRow) {
    TestSurface s(20, 60, clBlack);
    FillBandGradient(s.canvas, {0, 0, 20, 50}, TGradientShape::gsRectangle,
                     TGradientDirection::gdReversed, clWhite, clBlue, false, Bounds);
    for (const RowCase& r : Rows)
        EXPECT_EQ(hex(s.at(10, 49 - r.y)), hex(r.rgb)) << r.y;
}

TEST_F(FillBandGradientTest, On256ColoursBandsTakeTheNearestEntryUnlessDithered) {
    SetScreenBitsPerPixel(8);
    TestSurface plain(20, 60, clBlack);
    FillBandGradient(plain.canvas, {0, 0, 20, 50}, TGradientShape::gsRectangle,
                     TGradientDirection::gdForward, clWhite, clBlue, false, Bounds);
    TestSurface dithered(20, 60, clBlack);
    FillBandGradient(dithered.canvas, {0, 0, 20, 50}, TGradientShape::gsRectangle,
                     TGradientDirection::gdForward, clWhite, clBlue, true, Bounds);
    for (const RowCase& r : Rows) {
        EXPECT_EQ(hex(plain.at(10, r.y)), hex(r.on256)) << r.y;
        EXPECT_EQ(hex(dithered.at(10, r.y)), hex(r.rgb)) << r.y;
    }
}

TEST_F(FillBandGradientTest, PaletteIndexColoursReadTheirEntry) {
    SetScreenBitsPerPixel(8);
    TestSurface s(20, 60, clBlack);
    // Entry 16 is (0, 0, 195) on both ends: every row in that colour.
    FillBandGradient(s.canvas, {0, 0, 20, 50}, TGradientShape::gsRectangle,
                     TGradientDirection::gdForward, PALETTEINDEX(16), PALETTEINDEX(16), false,
                     Bounds);
    for (const int y : {0, 25, 49})
        EXPECT_EQ(hex(s.at(3, y)), hex(RGB(0, 0, 195))) << y;
}

TEST_F(FillBandGradientTest, ABottomOfZeroDrawsNothing) {
    TestSurface s(20, 20, clBlack);
    FillBandGradient(s.canvas, {0, -5, 20, 0}, TGradientShape::gsRectangle,
                     TGradientDirection::gdReversed, clWhite, clBlue, false, Bounds);
    EXPECT_EQ(hex(s.at(0, 0)), hex(clBlack));
}

TEST_F(FillBandGradientTest, EllipticClipsInTheParentsPixelsAndRemovesTheClip) {
    // A control at (10, 10), 40 x 40, inside a 60 x 60 parent: its canvas has the origin there.
    TestSurface s(60, 60, clBlack);
    s.canvas.SetOrigin(QPoint(10, 10));
    const TRect bounds{10, 10, 50, 50};
    FillBandGradient(s.canvas, {2, 2, 38, 38}, TGradientShape::gsElliptic,
                     TGradientDirection::gdForward, clRed, clRed, false, bounds);
    EXPECT_FALSE(s.canvas.ClipRegion().has_value());
    EXPECT_EQ(hex(s.at(30, 30)), hex(clRed));   // the centre
    EXPECT_EQ(hex(s.at(13, 13)), hex(clBlack)); // a corner of the box, outside the ellipse
    EXPECT_EQ(hex(s.at(12, 30)), hex(clRed));   // the ellipse's left end, (12 .. 48)
}

} // namespace
} // namespace kestrom
