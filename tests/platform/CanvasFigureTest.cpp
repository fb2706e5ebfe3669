#include "platform/TBitmap.h"
#include "tests/platform/PixelPicture.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace kestrom {
namespace {

using test::PictureFrom;
using test::PictureOf;

bool inBox(int x, int y, int left, int top, int right, int bottom) {
    return x >= left && x <= right && y >= top && y <= bottom;
}

// On the ring of the inclusive box left..right, top..bottom, thickness pixels deep.
bool onRing(int x, int y, int left, int top, int right, int bottom, int thickness = 1) {
    return inBox(x, y, left, top, right, bottom) &&
           !inBox(x, y, left + thickness, top + thickness, right - thickness, bottom - thickness);
}

TBitmap whiteSurface(int width, int height) {
    return TBitmap(width, height);
}

TEST(CanvasFigures, RectangleCoversItsBoxWithoutTheRightColumnAndBottomRow) {
    struct Case {
        const char* name;
        int penWidth;
        TPenStyle penStyle;
        TBrushStyle brushStyle;
        std::function<char(int, int)> expected;
    };
    const Case cases[] = {
        {"pen 1, clear brush", 1, TPenStyle::psSolid, TBrushStyle::bsClear,
         [](int x, int y) { return onRing(x, y, 2, 1, 9, 6) ? 'K' : 'W'; }},
        {"pen 0 draws like pen 1", 0, TPenStyle::psSolid, TBrushStyle::bsSolid,
         [](int x, int y) {
             return onRing(x, y, 2, 1, 9, 6) ? 'K' : inBox(x, y, 3, 2, 8, 5) ? 'R' : 'W';
         }},
        {"clear pen fills the box minus last column and row", 1, TPenStyle::psClear,
         TBrushStyle::bsSolid, [](int x, int y) { return inBox(x, y, 2, 1, 8, 5) ? 'R' : 'W'; }},
        // Width 3 centres on the one-pixel outline: one pixel out, one in.
        {"pen 3", 3, TPenStyle::psSolid, TBrushStyle::bsSolid,
         [](int x, int y) {
             return onRing(x, y, 1, 0, 10, 7, 3) ? 'K' : inBox(x, y, 4, 3, 7, 4) ? 'R' : 'W';
         }},
        // An even width reaches one further up and left than down and right.
        {"pen 2", 2, TPenStyle::psSolid, TBrushStyle::bsClear,
         [](int x, int y) { return onRing(x, y, 1, 0, 9, 6, 2) ? 'K' : 'W'; }},
    };
    for (const Case& c : cases) {
        TBitmap bitmap = whiteSurface(12, 8);
        TCanvas& canvas = bitmap.Canvas();
        canvas.Pen().SetWidth(c.penWidth);
        canvas.Pen().SetStyle(c.penStyle);
        canvas.Brush().SetColor(clRed);
        canvas.Brush().SetStyle(c.brushStyle);
        canvas.Rectangle(2, 1, 10, 7);
        EXPECT_EQ(PictureOf(bitmap), PictureFrom(12, 8, c.expected)) << c.name;
    }
}

TEST(CanvasFigures, ReversedBoxesArePutInOrder) {
    TBitmap bitmap = whiteSurface(8, 6);
    bitmap.Canvas().Brush().SetColor(clBlue);
    bitmap.Canvas().FillRect(TRect{5, 4, 1, 1});
    EXPECT_EQ(PictureOf(bitmap),
              PictureFrom(8, 6, [](int x, int y) { return inBox(x, y, 1, 1, 4, 3) ? 'B' : 'W'; }));
}

TEST(CanvasFigures, FillRectUsesTheBrushOnlyAndAlwaysCopies) {
    TBitmap bitmap = whiteSurface(8, 6);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Pen().SetColor(clRed);
    canvas.Pen().SetMode(TPenMode::pmXor);
    canvas.Brush().SetColor(clBlue);
    canvas.FillRect(TRect{1, 1, 5, 4});
    canvas.FillRect(TRect{1, 1, 5, 4}); // copying twice leaves it blue
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.FillRect(TRect{0, 0, 8, 6}); // a clear brush fills nothing
    EXPECT_EQ(PictureOf(bitmap),
              PictureFrom(8, 6, [](int x, int y) { return inBox(x, y, 1, 1, 4, 3) ? 'B' : 'W'; }));
}

TEST(CanvasFigures, LinesLeaveOutTheirEndPoint) {
    struct Case {
        const char* name;
        QPoint from;
        QPoint to;
    };
    const Case cases[] = {
        {"right", {1, 2}, {7, 2}},      {"left", {7, 2}, {1, 2}},
        {"down", {3, 0}, {3, 6}},       {"up", {3, 6}, {3, 0}},
        {"diagonal", {0, 0}, {5, 5}},   {"gentle", {0, 0}, {6, 2}},
        {"steep back", {6, 6}, {4, 0}}, {"a single point", {2, 2}, {2, 2}},
    };
    for (const Case& c : cases) {
        TBitmap bitmap = whiteSurface(8, 8);
        bitmap.Canvas().MoveTo(c.from.x(), c.from.y());
        bitmap.Canvas().LineTo(c.to.x(), c.to.y());
        // One pixel per step along the longer axis, nearest to the ideal line (no ties in
        // these cases), from the start up to but not including the end.
        const int dx = c.to.x() - c.from.x();
        const int dy = c.to.y() - c.from.y();
        const int steps = std::max(std::abs(dx), std::abs(dy));
        const auto expected = [&](int x, int y) {
            for (int i = 0; i < steps; ++i) {
                const int px = c.from.x() + static_cast<int>(std::lround(1.0 * i * dx / steps));
                const int py = c.from.y() + static_cast<int>(std::lround(1.0 * i * dy / steps));
                if (px == x && py == y)
                    return 'K';
            }
            return 'W';
        };
        EXPECT_EQ(PictureOf(bitmap), PictureFrom(8, 8, expected)) << c.name;
        EXPECT_EQ(bitmap.Canvas().PenPos(), c.to) << c.name;
    }
}

TEST(CanvasFigures, XorPenDrawsJoinedLinesOnceAndUndoesItself) {
    TBitmap bitmap = whiteSurface(8, 8);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Pen().SetColor(clWhite);
    canvas.Pen().SetMode(TPenMode::pmXor);
    canvas.MoveTo(1, 1);
    canvas.LineTo(6, 1);
    canvas.LineTo(6, 6); // the shared corner is not drawn twice
    const std::string once = PictureFrom(8, 8, [](int x, int y) {
        return (y == 1 && x >= 1 && x <= 5) || (x == 6 && y >= 1 && y <= 5) ? 'K' : 'W';
    });
    EXPECT_EQ(PictureOf(bitmap), once);

    // A white-XOR rectangle drawn twice leaves no trace, as a focus mark must.
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Rectangle(0, 3, 5, 8);
    canvas.Rectangle(0, 3, 5, 8);
    EXPECT_EQ(PictureOf(bitmap), once);
}

TEST(CanvasFigures, PenModesCombinePenAndDestination) {
    struct Case {
        TPenMode mode;
        TColor expected; // pen 0x0000FF (red) over destination 0x00FF0F
    };
    const TColor pen = 0x0000FF;
    const TColor dest = 0x00FF0F;
    const Case cases[] = {
        {TPenMode::pmCopy, pen},
        {TPenMode::pmXor, (pen ^ dest) & 0xFFFFFF},
        {TPenMode::pmMask, pen & dest},
        {TPenMode::pmMerge, pen | dest},
        {TPenMode::pmNot, ~dest & 0xFFFFFF},
        {TPenMode::pmNotCopy, ~pen & 0xFFFFFF},
        {TPenMode::pmNotXor, ~(pen ^ dest) & 0xFFFFFF},
        {TPenMode::pmBlack, 0x000000},
        {TPenMode::pmWhite, 0xFFFFFF},
        {TPenMode::pmNop, dest},
    };
    for (const Case& c : cases) {
        TBitmap bitmap = whiteSurface(4, 4);
        TCanvas& canvas = bitmap.Canvas();
        canvas.Brush().SetColor(dest);
        canvas.FillRect(TRect{0, 0, 4, 4});
        canvas.Pen().SetColor(pen);
        canvas.Pen().SetMode(c.mode);
        canvas.MoveTo(0, 1);
        canvas.LineTo(4, 1);
        EXPECT_EQ(canvas.Pixel(2, 1), c.expected) << static_cast<int>(c.mode);
        EXPECT_EQ(canvas.Pixel(2, 2), dest) << static_cast<int>(c.mode);
    }
}

TEST(CanvasFigures, BrushModeAppliesToTheFillOfFigures) {
    // The transparent pattern pass: AND with the tile, then XOR with the tile colour.
    TBitmap bitmap = whiteSurface(6, 6);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetColor(clLime);
    canvas.FillRect(TRect{0, 0, 6, 6});
    canvas.Pen().SetStyle(TPenStyle::psClear);
    canvas.Pen().SetMode(TPenMode::pmMask);
    canvas.Brush().SetColor(clBlack);
    canvas.Rectangle(0, 0, 4, 7); // x 0..2, y 0..5
    canvas.Pen().SetMode(TPenMode::pmXor);
    canvas.Brush().SetColor(clRed);
    canvas.Rectangle(0, 0, 3, 7); // x 0..1
    EXPECT_EQ(PictureOf(bitmap), PictureFrom(6, 6, [](int x, int) {
                  return x <= 1 ? 'R' : x == 2 ? 'K' : 'G';
              }));
}

QImage checkerTile() {
    QImage tile(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            tile.setPixel(x, y, (x + y) % 2 == 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    tile.setPixel(0, 0, qRgb(255, 0, 0)); // marks the tile's corner
    return tile;
}

TEST(CanvasFigures, BrushTilesRepeatFromTheDeviceOrigin) {
    TBitmap bitmap = whiteSurface(20, 20);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetBitmap(checkerTile());
    canvas.SetOrigin(QPoint(3, 5));       // logical offsets do not move the tile
    canvas.FillRect(TRect{0, 0, 14, 12}); // device 3..16, 5..16
    canvas.SetOrigin(QPoint(0, 0));
    const auto expected = [](int x, int y) {
        if (!inBox(x, y, 3, 5, 16, 16))
            return 'W';
        if (x % 8 == 0 && y % 8 == 0)
            return 'R';
        return (x + y) % 2 == 0 ? 'K' : 'W';
    };
    EXPECT_EQ(PictureOf(bitmap), PictureFrom(20, 20, expected));
}

TEST(CanvasFigures, OriginShiftsLogicalCoordinates) {
    TBitmap bitmap = whiteSurface(8, 6);
    TCanvas& canvas = bitmap.Canvas();
    canvas.SetOrigin(QPoint(2, 1));
    canvas.Brush().SetColor(clBlue);
    canvas.FillRect(TRect{0, 0, 3, 2});
    EXPECT_EQ(canvas.Pixel(0, 0), clBlue);
    canvas.SetOrigin(QPoint(0, 0));
    EXPECT_EQ(PictureOf(bitmap),
              PictureFrom(8, 6, [](int x, int y) { return inBox(x, y, 2, 1, 4, 2) ? 'B' : 'W'; }));
}

TEST(CanvasFigures, FiguresFarOffTheSurfaceStayCheapAndClipped) {
    TBitmap bitmap = whiteSurface(6, 6);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetColor(clRed);
    canvas.Rectangle(-2000000000, -2000000000, 2000000000, 2000000000);
    canvas.MoveTo(-2000000000, 3);
    canvas.LineTo(2000000000, 3);
    // The outline lies far outside: the visible part is fill, and the line crosses it.
    EXPECT_EQ(PictureOf(bitmap), PictureFrom(6, 6, [](int, int y) { return y == 3 ? 'K' : 'R'; }));
}

TEST(CanvasFigures, PixelsOffTheSurfaceReadInvalid) {
    TBitmap bitmap = whiteSurface(2, 2);
    bitmap.Canvas().SetPixel(1, 1, clRed);
    bitmap.Canvas().SetPixel(5, 5, clRed); // ignored
    EXPECT_EQ(bitmap.Canvas().Pixel(1, 1), clRed);
    EXPECT_EQ(bitmap.Canvas().Pixel(2, 0), 0xFFFFFFFFu);
    TCanvas unbound;
    EXPECT_EQ(unbound.Pixel(0, 0), 0xFFFFFFFFu);
    unbound.Rectangle(0, 0, 5, 5); // no device: nothing happens
}

} // namespace
} // namespace kestrom
