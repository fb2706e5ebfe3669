#include "controls/BevelRecipes.h"
#include "controls/Bevels.h"
#include "controls/FaceGeometry.h"
#include "tests/controls/TestSurface.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace kestrom {
namespace {

using test::hex;
using test::TestSurface;

constexpr TColor TL = 0x0000FF; // red
constexpr TColor BR = 0x00FF00; // lime
constexpr TColor Bg = clBlack;

// Where a ring (a one-pixel bevel) on box puts each colour, by the bevel's line rules: the
// bottom and right edges in BR first, then the left and top edges in TL over them.
TColor ringPixel(const TRect& b, int x, int y, TColor tl, TColor br, TColor under) {
    if ((x == b.Left && y >= b.Top && y < b.Bottom) || (y == b.Top && x >= b.Left && x < b.Right))
        return tl;
    if ((y == b.Bottom - 1 && x >= b.Left && x < b.Right) ||
        (x == b.Right - 1 && y >= b.Top && y < b.Bottom - 1))
        return br;
    return under;
}

TEST(DrawBevel, PutsEachEdgeWhereTheLinesEnd) {
    TestSurface s(12, 10, Bg);
    const TRect box{1, 1, 10, 8};
    DrawBevel(s.canvas, box.Left, box.Top, box.Right, box.Bottom, TL, BR);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 12; ++x)
            EXPECT_EQ(hex(s.at(x, y)), hex(ringPixel(box, x, y, TL, BR, Bg))) << x << "," << y;
}

struct Ring {
    int inset;
    TColor tl, br;
};

struct RecipeCase {
    const char* name;
    std::function<void(TCanvas&, TRect&)> draw;
    std::vector<Ring> rings; // on the 40 x 40 box, from the outside in
    TRect after;
};

TEST(BevelRecipes, RingsAndTheBoxLeftAfterwards) {
    const TRect start{0, 0, 40, 40};
    const RecipeCase cases[] = {
        {"Border2",
         [](TCanvas& c, TRect& b) { DrawBorder2(c, b, TL, BR); },
         {{0, TL, BR}, {1, TL, BR}},
         {1, 1, 39, 39}},
        {"FatBorder, released button",
         [](TCanvas& c, TRect& b) {
             DrawFatBorder(c, b, TL, BR, TFatBorderKind::fbButtonReleased);
         },
         {{0, TL, BR}, {1, TL, BR}, {2, TL, BR}, {3, TL, BR}},
         {4, 4, 36, 36}},
        {"FatBorder, shape and image",
         [](TCanvas& c, TRect& b) { DrawFatBorder(c, b, TL, BR, TFatBorderKind::fbFace); },
         {{0, TL, BR}, {1, TL, BR}, {2, TL, BR}, {3, TL, BR}, {4, TL, BR}},
         {4, 4, 36, 36}},
        {"DoubleBorder",
         [](TCanvas& c, TRect& b) { DrawDoubleBorder(c, b, TL, BR); },
         {{0, TL, BR}, {1, TL, BR}, {4, TL, BR}, {5, TL, BR}},
         {8, 8, 32, 32}},
        {"ChiselFrame raised",
         [](TCanvas& c, TRect& b) { DrawChiselFrame(c, b, true, TL, BR); },
         {{0, TL, BR}, {1, TL, BR}, {5, BR, TL}, {6, BR, TL}},
         {10, 10, 30, 30}},
        {"ChiselFrame engraved",
         [](TCanvas& c, TRect& b) { DrawChiselFrame(c, b, false, TL, BR); },
         {{0, BR, TL}, {1, BR, TL}, {5, TL, BR}, {6, TL, BR}},
         {10, 10, 30, 30}},
        {"DoubleRectBevel",
         [](TCanvas& c, TRect& b) { DrawDoubleRectBevel(c, b, TL, BR); },
         {{0, TL, BR}, {12, TL, BR}},
         {12, 12, 28, 28}},
    };
    for (const RecipeCase& rc : cases) {
        TestSurface s(40, 40, Bg);
        TRect box = start;
        rc.draw(s.canvas, box);
        EXPECT_EQ(box, rc.after) << rc.name;
        // Expected picture: the rings painted in order over the background.
        QImage expected(40, 40, QImage::Format_RGB32);
        expected.fill(ColorToQRgb(Bg));
        for (const Ring& r : rc.rings) {
            TRect b = start;
            Inset(b, r.inset);
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 40; ++x)
                    expected.setPixel(x, y,
                                      ColorToQRgb(ringPixel(b, x, y, r.tl, r.br,
                                                            QRgbToColor(expected.pixel(x, y)))));
        }
        int wrong = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                wrong += s.image.pixel(x, y) == expected.pixel(x, y) ? 0 : 1;
        EXPECT_EQ(wrong, 0) << rc.name;
    }
}

TEST(BevelRecipes, BeveledLeavesTwoAndThreePixelMargins) {
    for (const bool raised : {true, false}) {
        TestSurface s(30, 30, Bg);
        TRect box{0, 0, 30, 30};
        DrawBeveled(s.canvas, box, raised);
        EXPECT_EQ(box, (TRect{4, 4, 25, 25}));
        const TColor outerTl = raised ? clWhite : clGray;
        const TColor outerBr = raised ? clGray : clWhite;
        const int mid = 15;
        EXPECT_EQ(hex(s.at(0, mid)), hex(Bg));
        EXPECT_EQ(hex(s.at(1, mid)), hex(Bg));
        EXPECT_EQ(hex(s.at(2, mid)), hex(outerTl));
        EXPECT_EQ(hex(s.at(3, mid)), hex(outerBr));  // inner ring: colours swapped
        EXPECT_EQ(hex(s.at(26, mid)), hex(outerBr)); // outer ring's right edge (R - 1 = 26)
        EXPECT_EQ(hex(s.at(25, mid)), hex(outerTl));
        for (const int x : {27, 28, 29})
            EXPECT_EQ(hex(s.at(x, mid)), hex(Bg)) << x;
        for (const int y : {0, 1, 27, 28, 29})
            EXPECT_EQ(hex(s.at(mid, y)), hex(Bg)) << y;
    }
}

TEST(BevelRecipes, PressedFatBorderFillsTopAndLeftBandsOnly) {
    TestSurface s(20, 20, Bg);
    TRect box{0, 0, 20, 20};
    DrawFatBorder(s.canvas, box, TL, BR, TFatBorderKind::fbButtonPressed);
    EXPECT_EQ(box, (TRect{2, 2, 18, 18}));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            EXPECT_EQ(hex(s.at(x, y)), hex((y < 2 || x < 2) ? TL : Bg)) << x << "," << y;
}

TEST(EllipseBevel, UpperLeftInTopLeftColourLowerRightInBottomRight) {
    TestSurface s(41, 41, Bg);
    DrawEllipseBevel(s.canvas, 0, 0, 40, 40, TL, BR);
    // The arcs end at their radials: the points just before 9 and after 3 o'clock.
    EXPECT_EQ(hex(s.at(0, 19)), hex(TL));  // 9 o'clock
    EXPECT_EQ(hex(s.at(20, 0)), hex(TL));  // 12 o'clock
    EXPECT_EQ(hex(s.at(21, 39)), hex(BR)); // 6 o'clock
    EXPECT_EQ(hex(s.at(39, 21)), hex(BR)); // 3 o'clock
    EXPECT_EQ(hex(s.at(39, 19)), hex(Bg)); // the upper right belongs to neither
    EXPECT_EQ(hex(s.at(34, 5)), hex(Bg));
    EXPECT_EQ(hex(s.at(20, 20)), hex(Bg)); // the inside is not filled
}

TEST(EllipseBevel, DoubleBevelDrawsTheInnerGrayArcsInSilver) {
    TestSurface s(41, 41, Bg);
    TRect box{0, 0, 40, 40};
    DrawDoubleEllipseBevel(s.canvas, box, clWhite, clGray);
    EXPECT_EQ(box, (TRect{12, 12, 28, 28}));
    EXPECT_EQ(hex(s.at(21, 39)), hex(clGray));   // outer bottom
    EXPECT_EQ(hex(s.at(21, 27)), hex(clSilver)); // inner bottom
    EXPECT_EQ(hex(s.at(18, 12)), hex(clWhite));  // inner top, white
}

} // namespace
} // namespace kestrom
