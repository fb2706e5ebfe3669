#include "controls/TQNImage.h"
#include "controls/PaletteModule.h"
#include "controls/TZudImage.h"
#include "tests/controls/TestSurface.h"

#include <gtest/gtest.h>

namespace kestrom {
namespace {

using test::hex;
using test::TestForm;

constexpr TColor Bg = RGB(0, 100, 0);
constexpr QRgb Key = 0xFFFFFFFF;
constexpr QRgb Ink = 0xFFFF0000; // red

// A 6 x 4 picture on a white key: a vertical run of two in column 1, a single pixel in
// column 4 and a run down column 5 that is broken by a key pixel.
QImage picture(QRgb ink = Ink) {
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(Key);
    image.setPixel(1, 1, ink);
    image.setPixel(1, 2, ink);
    image.setPixel(4, 0, ink);
    image.setPixel(5, 0, ink);
    image.setPixel(5, 2, ink);
    image.setPixel(5, 3, ink);
    return image;
}

TPicture bitmapPicture(const QImage& image) {
    TPicture p;
    p.SetBitmap(image);
    return p;
}

TEST(ImageRegion, ExactlyTheNonKeyPixelsInTheParentsCoordinates) {
    TQNImage image;
    image.SetBounds(10, 20, 6, 4);
    image.SetPicture(bitmapPicture(picture()));
    const TRegion region = image.ImageRegion();
    const QImage p = picture();
    for (int y = -1; y <= 4; ++y)
        for (int x = -1; x <= 6; ++x) {
            const bool ink = p.rect().contains(x, y) && p.pixel(x, y) == Ink;
            EXPECT_EQ(region.Contains(10 + x, 20 + y), ink) << x << "," << y;
        }
    QImage blank(5, 5, QImage::Format_RGB32);
    blank.fill(Key);
    image.SetPicture(bitmapPicture(blank));
    EXPECT_TRUE(image.ImageRegion().IsEmpty());
}

class BitmapImageTest : public ::testing::Test {
protected:
    PaletteModuleScope palette;
    TestForm form{30, 30, Bg};
    TQNImage image;
    int downs = 0;
    int ups = 0;

    void SetUp() override {
        image.SetParent(&form);
        image.SetBounds(10, 10, 6, 4);
        image.SetShape(TQNImageType::qnbitmap);
        image.SetPicture(bitmapPicture(picture()));
        image.SetBitMapDown(picture(0xFF0000FF)); // blue ink
        image.OnMouseDown = [this](TMouseButton, TShiftState, int, int) { ++downs; };
        image.OnMouseUp = [this](TMouseButton, TShiftState, int, int) { ++ups; };
        image.PaintMessage(&form.Surface());
    }
};

TEST_F(BitmapImageTest, PaintsOnlyTheVisiblePixels) {
    EXPECT_EQ(hex(form.at(11, 11)), hex(clRed));
    EXPECT_EQ(hex(form.at(10, 10)), hex(Bg)); // a key pixel: nothing drawn
    EXPECT_EQ(hex(form.at(13, 11)), hex(Bg));
}

TEST_F(BitmapImageTest, APressOnTheBackgroundDoesNotPressButStillFires) {
    image.DispatchMouseDown(TMouseButton::mbLeft, ssLeft, 0, 0);
    EXPECT_FALSE(image.Pressed());
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(hex(form.at(11, 11)), hex(clRed));
}

TEST_F(BitmapImageTest, APressOnAPixelShowsThePressedPictureUntilRelease) {
    image.DispatchMouseDown(TMouseButton::mbLeft, ssLeft, 1, 2);
    EXPECT_TRUE(image.Pressed());
    EXPECT_EQ(hex(form.at(11, 12)), hex(clBlue)); // painted at once
    image.DispatchMouseUp(TMouseButton::mbLeft, 0, 1, 2);
    EXPECT_FALSE(image.Pressed());
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(hex(form.at(11, 12)), hex(clRed));
}

TEST_F(BitmapImageTest, RightButtonsAndDoubleClicksDoNotPress) {
    image.DispatchMouseDown(TMouseButton::mbRight, ssRight, 1, 2);
    EXPECT_FALSE(image.Pressed());
    image.DispatchMouseDown(TMouseButton::mbLeft, ssLeft | ssDouble, 1, 2);
    EXPECT_FALSE(image.Pressed());
    EXPECT_EQ(downs, 2);
}

TEST(TQNImageProperties, PatternTileAndAutoSize) {
    TQNImage image;
    image.SetPattern(1);
    EXPECT_TRUE(image.Transparent());

    image.SetBounds(0, 0, 50, 50);
    image.SetAutoSize(true); // an empty picture leaves the bounds
    EXPECT_EQ(image.Width(), 50);
    image.SetTile(true);
    EXPECT_FALSE(image.AutoSize());
    image.SetPicture(bitmapPicture(picture()));
    EXPECT_EQ(image.Width(), 50); // no longer sized to the picture
    image.SetAutoSize(true);
    EXPECT_EQ(image.Width(), 6);
    EXPECT_EQ(image.Height(), 4);
}

TEST(TZudImage, AnOpaqueMarkOnlyForABitmapOfTheControlsSize) {
    TZudImage image;
    image.SetBounds(0, 0, 6, 4);
    image.SetPicture(bitmapPicture(picture()));
    EXPECT_TRUE(image.Opaque());
    image.SetBounds(0, 0, 7, 4);
    image.SetPicture(bitmapPicture(picture()));
    EXPECT_FALSE(image.Opaque());
}

TEST(TZudImage, TransparentPaintsTheKeyInTheParentsColour) {
    PaletteModuleScope palette;
    TestForm form(20, 20, Bg);
    form.SetBrushColor(clYellow);
    TZudImage image;
    image.SetParent(&form);
    image.SetBounds(2, 2, 6, 4);
    image.SetTransparent(true);
    image.SetPicture(bitmapPicture(picture()));
    image.PaintMessage(&form.Surface());
    EXPECT_EQ(hex(form.at(2, 2)), hex(clYellow));
    EXPECT_EQ(hex(form.at(3, 3)), hex(clRed));
}

TEST(TZudImage, ACentredTransparentPictureKeepsItsWholeArea) {
    PaletteModuleScope palette;
    TestForm form(30, 30, Bg);
    form.SetBrushColor(clYellow);
    TZudImage image;
    image.SetParent(&form);
    image.SetBounds(0, 0, 20, 20);
    image.SetCenter(true);
    image.SetTransparent(true);
    image.SetPicture(bitmapPicture(picture()));
    image.PaintMessage(&form.Surface());
    // The 6 x 4 picture sits at (7, 8): its ink at (1, 1) and (5, 3) shows, its key is yellow.
    EXPECT_EQ(hex(form.at(8, 9)), hex(clRed));
    EXPECT_EQ(hex(form.at(12, 11)), hex(clRed));
    EXPECT_EQ(hex(form.at(7, 8)), hex(clYellow));
    EXPECT_EQ(hex(form.at(2, 2)), hex(Bg)); // outside the picture nothing is drawn
}

TEST(TQNImageFace, PictureInsideTheBevelsClearOfTheRightAndBottomOnes) {
    PaletteModuleScope palette;
    TestForm form(40, 40, Bg);
    TQNImage image;
    image.SetParent(&form);
    image.SetBounds(0, 0, 30, 30);
    image.SetShape(TQNImageType::qn3dBorder);
    image.SetStretch(true);
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(Ink);
    image.SetPicture(bitmapPicture(red));
    image.PaintMessage(&form.Surface());
    // Bevel box (1, 1, 29, 29); Border2 leaves (2, 2, 28, 28); in by 1: (3, 3, 27, 27); the
    // clip keeps the picture left of 30 - 3 and above 30 - 3.
    EXPECT_EQ(hex(form.at(3, 3)), hex(clRed));
    EXPECT_EQ(hex(form.at(26, 26)), hex(clRed));
    EXPECT_EQ(hex(form.at(2, 10)), hex(clWhite)); // inner ring of Border2
    EXPECT_EQ(hex(form.at(27, 10)), hex(clGray)); // its right edge, not covered
}

} // namespace
} // namespace kestrom
