#include "controls/TQNShape.h"
#include "controls/PaletteModule.h"
#include "controls/PatternTable.h"
#include "tests/controls/TestSurface.h"

#include <gtest/gtest.h>

namespace kestrom {
namespace {

using test::hex;
using test::TestForm;

constexpr TColor Bg = RGB(0, 100, 0);

class TQNShapeTest : public ::testing::Test {
protected:
    PaletteModuleScope palette;
    TestForm form{40, 40, Bg};
    TQNShape shape;

    void SetUp() override {
        shape.SetParent(&form);
        shape.SetBounds(5, 5, 20, 16); // covers x 5 .. 24, y 5 .. 20
        shape.SetShape(TQNShapeType::qnRectangle);
        shape.SetColor(clRed);
    }
    void paint() { shape.PaintMessage(&form.Surface()); }
};

TEST_F(TQNShapeTest, OnePixelPenDrawsTheEdgeOnTheControlsBorder) {
    paint();
    for (const auto& [x, y] : {std::pair{5, 5}, {24, 5}, {5, 20}, {24, 20}, {15, 5}, {24, 12}})
        EXPECT_EQ(hex(form.at(x, y)), hex(clBlack)) << x << "," << y;
    EXPECT_EQ(hex(form.at(6, 6)), hex(clRed));
    EXPECT_EQ(hex(form.at(23, 19)), hex(clRed));
    EXPECT_EQ(hex(form.at(25, 12)), hex(Bg));
    EXPECT_EQ(hex(form.at(15, 21)), hex(Bg));
}

TEST_F(TQNShapeTest, NoPenFillsTheWholeControlAndNoMore) {
    TPen pen;
    pen.SetWidth(0);
    shape.SetPen(pen);
    paint();
    for (int y = 4; y <= 21; ++y)
        for (int x = 4; x <= 25; ++x) {
            const bool inside = x >= 5 && x <= 24 && y >= 5 && y <= 20;
            EXPECT_EQ(hex(form.at(x, y)), hex(inside ? clRed : Bg)) << x << "," << y;
        }
}

TEST_F(TQNShapeTest, ConicGradientStylesDrawNoOutlineRectangle) {
    for (const int style : {9, 10}) {
        form.Surface().fill(ColorToQRgb(Bg));
        shape.SetShape(TQNShapeType::qn3dBorder);
        shape.SetGradStyle(style);
        paint();
        EXPECT_EQ(hex(form.at(15, 12)), hex(Bg)) << style;     // not filled
        EXPECT_EQ(hex(form.at(5, 12)), hex(Bg)) << style;      // nor outlined
        EXPECT_EQ(hex(form.at(6, 12)), hex(clWhite)) << style; // the bevel still is
    }
}

TEST_F(TQNShapeTest, PatternSevenAndGradientStylesLeaveTheOutlineUnfilled) {
    shape.SetPattern(7);
    paint();
    EXPECT_EQ(hex(form.at(15, 12)), hex(Bg));
    EXPECT_EQ(hex(form.at(5, 12)), hex(clBlack));
}

TEST_F(TQNShapeTest, OpaquePatternTilesTheFigureInColorAndColor2) {
    TPen pen;
    pen.SetWidth(0);
    shape.SetPen(pen);
    shape.SetPattern(8);
    shape.SetColor2(clYellow);
    paint();
    for (int y = 5; y <= 20; ++y)
        for (int x = 5; x <= 24; ++x) {
            const bool black = PatternPixelIsBlack(PatternTable(8), x % 8, y % 8);
            EXPECT_EQ(hex(form.at(x, y)), hex(black ? clYellow : clRed)) << x << "," << y;
        }
}

TEST_F(TQNShapeTest, GradientFaceUnderTheBevels) {
    // qnGrad3DBorder with rows from black to white: the bevel box (1, 1, 19, 15) is 18 x 14.
    shape.SetShape(TQNShapeType::qnGrad3DBorder);
    shape.SetColor(clBlack);
    shape.SetColor2(clWhite);
    paint();
    EXPECT_EQ(hex(form.at(5 + 5, 5 + 3)), hex(RGB(36, 36, 36))); // row 2: trunc(2 x 255 / 14)
    EXPECT_EQ(hex(form.at(5 + 1, 5 + 5)), hex(clWhite));         // Border2's left edge
}

TEST_F(TQNShapeTest, SettersRepaintOnlyOnChangeAndAngleAtOnce) {
    const int before = shape.InvalidateCount();
    shape.SetColor(clRed);
    shape.SetGradStyle(2);
    EXPECT_EQ(shape.InvalidateCount(), before);
    shape.SetColor(clBlue);
    shape.SetDither(true);
    EXPECT_EQ(shape.InvalidateCount(), before + 2);

    shape.SetShape(TQNShapeType::qnGrad3DBorder);
    shape.SetGradStyle(9);
    shape.SetColor(clBlack);
    shape.SetColor2(clWhite);
    paint();
    const QImage first = form.Surface().copy();
    shape.SetAngle(90); // painted at once, no paint message
    EXPECT_NE(form.Surface(), first);
}

} // namespace
} // namespace kestrom
