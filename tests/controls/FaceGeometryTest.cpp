#include "controls/FaceGeometry.h"

#include <gtest/gtest.h>

namespace kestrom {
namespace {

struct OutlineCase {
    const char* name;
    int penWidth;
    TOutlineKind kind;
    OutlineRect expected; // for a control of 40 x 30
};

TEST(OutlineBox, ByPenWidthAndKind) {
    using K = TOutlineKind;
    const OutlineCase cases[] = {
        {"no pen, standard: one past the control", 0, K::okStandard, {0, 0, 41, 31}},
        {"no pen, frame", 0, K::okFrameBtn, {1, 1, 39, 29}},
        {"no pen, push released", 0, K::okPushBtnReleased, {0, 0, 39, 29}},
        {"no pen, push pressed", 0, K::okPushBtnPressed, {2, 2, 39, 29}},
        {"1 pixel, standard: exactly the control", 1, K::okStandard, {0, 0, 40, 30}},
        {"1 pixel, frame", 1, K::okFrameBtn, {1, 1, 38, 28}},
        {"1 pixel, push released", 1, K::okPushBtnReleased, {0, 0, 38, 28}},
        {"1 pixel, push pressed", 1, K::okPushBtnPressed, {2, 2, 38, 28}},
        {"2 pixels, standard", 2, K::okStandard, {1, 1, 39, 29}},
        {"2 pixels, frame", 2, K::okFrameBtn, {2, 2, 37, 27}},
        {"2 pixels, push released", 2, K::okPushBtnReleased, {1, 1, 37, 27}},
        {"2 pixels, push pressed", 2, K::okPushBtnPressed, {3, 3, 37, 27}},
        {"3 pixels, standard", 3, K::okStandard, {1, 1, 38, 28}},
        {"3 pixels, frame", 3, K::okFrameBtn, {2, 2, 36, 26}},
        {"3 pixels, push released", 3, K::okPushBtnReleased, {1, 1, 36, 26}},
        {"3 pixels, push pressed", 3, K::okPushBtnPressed, {3, 3, 36, 26}},
    };
    for (const OutlineCase& c : cases) {
        TPen pen;
        pen.SetWidth(c.penWidth);
        const FacePen face = FacePenOf(pen, false);
        EXPECT_EQ(face.PW, c.penWidth) << c.name;
        EXPECT_EQ(OutlineBox(face, c.kind, 40, 30), c.expected) << c.name;
    }
}

TEST(FacePen, WidthZeroTurnsClearAndClearStylesCountNoPen) {
    TPen zero;
    zero.SetWidth(0);
    const FacePen p = FacePenOf(zero, false);
    EXPECT_EQ(zero.Style(), TPenStyle::psClear);
    EXPECT_EQ(p.PW, 0);
    EXPECT_EQ(p.HW, 0);
    EXPECT_EQ(p.e, 1);

    TPen three;
    three.SetWidth(3);
    EXPECT_EQ(FacePenOf(three, true).PW, 0); // the clear face style
    EXPECT_EQ(three.Style(), TPenStyle::psSolid);
    TPen hidden;
    hidden.SetStyle(TPenStyle::psClear);
    hidden.SetWidth(2);
    EXPECT_EQ(FacePenOf(hidden, false).PW, 0);
}

TEST(BevelBox, StartsInsideThePenAndUsesWAndHAsRightAndBottom) {
    TPen pen;
    pen.SetWidth(3);
    const FacePen face = FacePenOf(pen, false);
    const OutlineRect outline = OutlineBox(face, TOutlineKind::okStandard, 40, 30);
    EXPECT_EQ(BevelBox(outline, face), (TRect{3, 3, 37, 27}));
}

} // namespace
} // namespace kestrom
