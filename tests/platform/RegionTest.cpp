#include "platform/TBitmap.h"
#include "platform/TRegion.h"
#include "tests/platform/PixelPicture.h"

#include <gtest/gtest.h>

namespace kestrom {
namespace {

using test::PictureFrom;
using test::PictureOf;

TEST(Regions, ShapesCoverWhatTheFiguresCover) {
    const TRect box{1, 2, 13, 10};
    TBitmap ellipse(16, 12);
    ellipse.Canvas().Pen().SetColor(clRed);
    ellipse.Canvas().Brush().SetColor(clRed);
    ellipse.Canvas().Ellipse(box);
    TBitmap rounded(16, 12);
    rounded.Canvas().Pen().SetColor(clRed);
    rounded.Canvas().Brush().SetColor(clRed);
    rounded.Canvas().RoundRect(box.Left, box.Top, box.Right, box.Bottom, 5, 3);
    const TRegion ellipseRegion = TRegion::Ellipse(box);
    const TRegion roundRegion = TRegion::RoundRect(box, 5, 3);
    const TRegion rectRegion = TRegion::Rect(box);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 16; ++x) {
            EXPECT_EQ(ellipseRegion.Contains(x, y), ellipse.Canvas().Pixel(x, y) == clRed)
                << x << "," << y;
            EXPECT_EQ(roundRegion.Contains(x, y), rounded.Canvas().Pixel(x, y) == clRed)
                << x << "," << y;
            EXPECT_EQ(rectRegion.Contains(x, y), x >= 1 && x < 13 && y >= 2 && y < 10);
        }
    EXPECT_EQ(ellipseRegion.Bounds(), box);
    EXPECT_TRUE(TRegion::Rect(TRect{5, 5, 5, 9}).IsEmpty());
    EXPECT_EQ(TRegion().Bounds(), TRect{});
}

TEST(Regions, CombineAndOffset) {
    const TRegion a = TRegion::Rect(TRect{0, 0, 4, 4});
    const TRegion b = TRegion::Rect(TRect{2, 2, 6, 6});
    struct Case {
        TRegionCombine op;
        bool at11, at33, at55;
    };
    const Case cases[] = {
        {TRegionCombine::rcOr, true, true, true},    {TRegionCombine::rcAnd, false, true, false},
        {TRegionCombine::rcXor, true, false, true},  {TRegionCombine::rcDiff, true, false, false},
        {TRegionCombine::rcCopy, false, true, true},
    };
    for (const Case& c : cases) {
        TRegion r = a;
        r.Combine(b, c.op);
        EXPECT_EQ(r.Contains(1, 1), c.at11) << static_cast<int>(c.op);
        EXPECT_EQ(r.Contains(3, 3), c.at33) << static_cast<int>(c.op);
        EXPECT_EQ(r.Contains(5, 5), c.at55) << static_cast<int>(c.op);
    }
    TRegion moved = a.United(b);
    moved.Offset(10, -2);
    EXPECT_EQ(moved.Bounds(), (TRect{10, -2, 16, 4}));
    EXPECT_TRUE(moved.Contains(15, 3));
    EXPECT_FALSE(moved.Contains(15, -2));
}

TEST(Regions, RowsOfRunsMakeTheSameRegionAsTheirUnion) {
    // The shape the picture control builds column by column from its visible pixels.
    TRegion columns;
    for (int x = 0; x < 6; ++x)
        columns.Combine(TRegion::Rect(TRect{x, x % 3, x + 1, 4 + x % 2}), TRegionCombine::rcOr);
    PixelMask mask(TRect{0, 0, 6, 6});
    for (int x = 0; x < 6; ++x)
        for (int y = x % 3; y < 4 + x % 2; ++y)
            mask.Set(x, y);
    EXPECT_EQ(TRegion::FromMask(mask), columns);
}

TEST(Clipping, DrawingStaysInsideTheClipRegion) {
    TRegion clip = TRegion::Ellipse(TRect{0, 0, 8, 8});
    clip.Combine(TRegion::Rect(TRect{8, 2, 12, 4}), TRegionCombine::rcOr);
    TBitmap bitmap(14, 9);
    TCanvas& canvas = bitmap.Canvas();
    canvas.SetClipRegion(clip);
    canvas.Brush().SetColor(clBlue);
    canvas.FillRect(TRect{0, 0, 14, 9});
    canvas.MoveTo(0, 3);
    canvas.LineTo(14, 3);
    const auto expected = [&](int x, int y) {
        if (!clip.Contains(x, y))
            return 'W';
        return y == 3 ? 'K' : 'B';
    };
    EXPECT_EQ(PictureOf(bitmap), PictureFrom(14, 9, expected));

    canvas.RemoveClipRegion();
    canvas.FillRect(TRect{0, 0, 14, 9});
    EXPECT_EQ(PictureOf(bitmap), PictureFrom(14, 9, [](int, int) { return 'B'; }));
}

TEST(Clipping, ClipRegionIsInDevicePixels) {
    // A control drawing through its parent's surface at (4, 2) clips in the parent's pixels.
    TBitmap parent(10, 6);
    TCanvas& canvas = parent.Canvas();
    canvas.SetOrigin(QPoint(4, 2));
    canvas.SetClipRegion(TRegion::Rect(TRect{5, 3, 7, 5}));
    canvas.Brush().SetColor(clRed);
    canvas.FillRect(TRect{0, 0, 10, 10});
    IconObject icon;
    IconImage image;
    image.color = QImage(4, 4, QImage::Format_ARGB32);
    image.color.fill(qRgb(0, 255, 0));
    icon.images.push_back(image);
    canvas.DrawIconEx(2, 1, icon, 0, 0); // device 6..9, 3..6: only (6, 3) and (6, 4) inside
    canvas.SetOrigin(QPoint(0, 0));
    EXPECT_EQ(PictureOf(parent), PictureFrom(10, 6, [](int x, int y) {
                  if (x == 6 && (y == 3 || y == 4))
                      return 'G';
                  return x >= 5 && x < 7 && y >= 3 && y < 5 ? 'R' : 'W';
              }));
}

} // namespace
} // namespace kestrom
