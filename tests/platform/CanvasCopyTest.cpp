#include "platform/TBitmap.h"
#include "tests/platform/PixelPicture.h"

#include <gtest/gtest.h>

namespace kestrom {
namespace {

using test::PictureFrom;
using test::PictureOf;

TEST(CanvasCopies, RasterOperationsCombineSourceAndDestination) {
    struct Case {
        TCopyMode mode;
        TColor expected; // source 0x3355F0 onto destination 0x0FF00F
    };
    const TColor s = 0x3355F0;
    const TColor d = 0x0FF00F;
    const Case cases[] = {
        {TCopyMode::cmSrcCopy, s},
        {TCopyMode::cmSrcAnd, s & d},
        {TCopyMode::cmSrcPaint, s | d},
        {TCopyMode::cmSrcInvert, s ^ d},
        {TCopyMode::cmNotSrcCopy, ~s & 0xFFFFFF},
        {TCopyMode::cmSrcErase, s & ~d & 0xFFFFFF},
        {TCopyMode::cmNotSrcErase, ~(s | d) & 0xFFFFFF},
        {TCopyMode::cmMergePaint, (~s | d) & 0xFFFFFF},
        {TCopyMode::cmDstInvert, ~d & 0xFFFFFF},
        {TCopyMode::cmBlackness, 0x000000},
        {TCopyMode::cmWhiteness, 0xFFFFFF},
    };
    for (const Case& c : cases) {
        TBitmap source(2, 2);
        source.Canvas().SetPixel(1, 1, s);
        TBitmap target(4, 4);
        target.Canvas().Brush().SetColor(d);
        target.Canvas().FillRect(TRect{0, 0, 4, 4});
        target.Canvas().BitBlt(1, 1, 1, 1, source.Canvas(), 1, 1, c.mode);
        EXPECT_EQ(target.Canvas().Pixel(1, 1), c.expected) << std::hex << int(c.mode);
        EXPECT_EQ(target.Canvas().Pixel(2, 1), d) << "outside the block";
    }
}

TEST(CanvasCopies, SourceOutsideItsPictureReadsBlack) {
    TBitmap source(2, 2); // white
    TBitmap target(4, 2);
    target.Canvas().BitBlt(0, 0, 4, 2, source.Canvas(), 0, 0, TCopyMode::cmSrcCopy);
    EXPECT_EQ(PictureOf(target), PictureFrom(4, 2, [](int x, int) { return x < 2 ? 'W' : 'K'; }));
}

TEST(CanvasCopies, CopyOntoItselfReadsTheOldPixels) {
    TBitmap bitmap(6, 1);
    for (int x = 0; x < 3; ++x)
        bitmap.Canvas().SetPixel(x, 0, x == 0 ? clRed : x == 1 ? clLime : clBlue);
    bitmap.Canvas().BitBlt(1, 0, 3, 1, bitmap.Canvas(), 0, 0, TCopyMode::cmSrcCopy);
    EXPECT_EQ(PictureOf(bitmap), "\nRRGBWW\n");
}

TEST(CanvasCopies, StretchedCopiesRepeatOrDropWholePixels) {
    TBitmap source(3, 1);
    source.Canvas().SetPixel(0, 0, clRed);
    source.Canvas().SetPixel(1, 0, clLime);
    source.Canvas().SetPixel(2, 0, clBlue);
    struct Case {
        const char* name;
        int x, width, sourceX, sourceWidth;
        const char* expected;
    };
    const Case cases[] = {
        {"doubled", 0, 6, 0, 3, "\nRRGGBB\n"},
        {"mirrored by the target", 6, -6, 0, 3, "\nBBGGRR\n"},
        {"mirrored by the source", 0, 3, 3, -3, "\nBGRWWW\n"},
        {"halved", 0, 2, 0, 3, "\nRGWWWW\n"}, // target pixel i shows source pixel i * 3 / 2
    };
    for (const Case& c : cases) {
        TBitmap target(6, 2);
        target.Canvas().StretchBlt(c.x, 0, c.width, 1, source.Canvas(), c.sourceX, 0, c.sourceWidth,
                                   1, TCopyMode::cmSrcCopy);
        EXPECT_EQ(PictureOf(target), std::string(c.expected) + "WWWWWW\n") << c.name;
    }
}

TEST(CanvasCopies, DrawAndStretchDrawUseTheCopyMode) {
    TBitmap picture(2, 2);
    picture.Canvas().Brush().SetColor(clRed);
    picture.Canvas().FillRect(TRect{0, 0, 2, 2});
    TBitmap target(4, 4);
    target.Canvas().Brush().SetColor(clLime);
    target.Canvas().FillRect(TRect{0, 0, 4, 4});
    target.Canvas().SetCopyMode(TCopyMode::cmSrcPaint); // red OR lime = yellow
    target.Canvas().StretchDraw(TRect{0, 0, 4, 2}, picture);
    target.Canvas().SetCopyMode(TCopyMode::cmSrcCopy);
    target.Canvas().Draw(1, 2, picture);
    EXPECT_EQ(PictureOf(target), "\nYYYY\nYYYY\nGRRG\nGRRG\n");
}

IconImage iconImage(int size, const std::function<QRgb(int, int)>& color,
                    const std::function<bool(int, int)>& invert = nullptr) {
    IconImage image;
    image.color = QImage(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            image.color.setPixel(x, y, color(x, y));
    if (invert) {
        image.invert = QImage(size, size, QImage::Format_Mono);
        image.invert.fill(0);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                if (invert(x, y))
                    image.invert.setPixel(x, y, 1);
    }
    return image;
}

TEST(CanvasIcons, TransparentPixelsShowTheBackgroundAndMaskedOnesInvertIt) {
    IconObject icon;
    // Left half opaque red, right half clear; the clear pixels of the bottom row invert.
    icon.images.push_back(iconImage(
        4, [](int x, int) { return x < 2 ? qRgba(255, 0, 0, 255) : qRgba(0, 0, 0, 0); },
        [](int x, int y) { return x >= 2 && y == 3; }));
    TBitmap target(6, 5);
    target.Canvas().Brush().SetColor(clLime);
    target.Canvas().FillRect(TRect{0, 0, 6, 5});
    target.Canvas().DrawIconEx(1, 1, icon, 0, 0); // at its own size
    // Lime inverted is fuchsia.
    EXPECT_EQ(PictureOf(target), "\nGGGGGG\nGRRGGG\nGRRGGG\nGRRGGG\nGRRMMG\n");
}

TEST(CanvasIcons, DrawIconUsesTheStandardSize) {
    IconObject icon;
    icon.images.push_back(iconImage(
        16, [](int x, int y) { return x == 0 && y == 0 ? qRgb(0, 0, 255) : qRgb(255, 0, 0); }));
    TBitmap target(40, 40);
    target.Canvas().DrawIcon(4, 4, icon);
    EXPECT_EQ(PictureOf(target), PictureFrom(40, 40, [](int x, int y) {
                  if (x < 4 || y < 4 || x >= 36 || y >= 36)
                      return 'W';
                  return x < 6 && y < 6 ? 'B' : 'R'; // 16 pixels stretched to 32
              }));

    // An image of the standard size is preferred to the first one.
    icon.images.push_back(iconImage(32, [](int, int) { return qRgb(0, 255, 0); }));
    target.Canvas().DrawIcon(4, 4, icon);
    EXPECT_EQ(target.Canvas().Pixel(4, 4), clLime);
    EXPECT_EQ(target.Canvas().Pixel(35, 35), clLime);

    target.Canvas().DrawIcon(0, 0, IconObject{}); // an empty icon draws nothing
    EXPECT_EQ(target.Canvas().Pixel(0, 0), clWhite);
}

} // namespace
} // namespace kestrom
