#include "platform/TBitmap.h"
#include "tests/platform/PixelPicture.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace kestrom {
namespace {

using test::PictureFrom;
using test::PictureOf;

// Pixels of the bitmap that are not white, as a set of points.
std::vector<QPoint> inked(const TBitmap& bitmap) {
    std::vector<QPoint> points;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (bitmap.Canvas().Pixel(x, y) != clWhite)
                points.emplace_back(x, y);
    return points;
}

TRect extentOf(const std::vector<QPoint>& points) {
    TRect box{1000, 1000, -1000, -1000};
    for (const QPoint& p : points) {
        box.Left = std::min(box.Left, p.x());
        box.Top = std::min(box.Top, p.y());
        box.Right = std::max(box.Right, p.x() + 1);
        box.Bottom = std::max(box.Bottom, p.y() + 1);
    }
    return box;
}

// Inside the ellipse inscribed in box, sampled at the pixel's centre.
bool inEllipse(const TRect& box, int x, int y) {
    const double rx = box.Width() / 2.0;
    const double ry = box.Height() / 2.0;
    const double dx = (x + 0.5 - (box.Left + rx)) / rx;
    const double dy = (y + 0.5 - (box.Top + ry)) / ry;
    return dx * dx + dy * dy <= 1 + 1e-9;
}

TEST(CanvasCurves, EllipseFillsItsBoxWithoutTheRightColumnAndBottomRow) {
    struct Case {
        const char* name;
        TRect box;
    };
    const Case cases[] = {{"circle", {0, 0, 10, 10}},
                          {"wide", {2, 1, 17, 8}},
                          {"tall", {1, 0, 6, 13}},
                          {"one pixel", {3, 3, 4, 4}}};
    for (const Case& c : cases) {
        TBitmap bitmap(20, 14);
        TCanvas& canvas = bitmap.Canvas();
        canvas.Brush().SetColor(clRed);
        canvas.Ellipse(c.box);
        // The outline is the one-pixel edge of the inscribed ellipse, the brush its inside.
        const auto expected = [&](int x, int y) {
            if (!inEllipse(c.box, x, y))
                return 'W';
            const bool edge = !inEllipse(c.box, x - 1, y) || !inEllipse(c.box, x + 1, y) ||
                              !inEllipse(c.box, x, y - 1) || !inEllipse(c.box, x, y + 1);
            return edge ? 'K' : 'R';
        };
        EXPECT_EQ(PictureOf(bitmap), PictureFrom(20, 14, expected)) << c.name;
        EXPECT_EQ(extentOf(inked(bitmap)), c.box) << c.name;
    }
}

TEST(CanvasCurves, ClearPenEllipseLosesTheLastColumnAndRow) {
    TBitmap bitmap(12, 12);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Pen().SetStyle(TPenStyle::psClear);
    canvas.Brush().SetColor(clBlue);
    canvas.Ellipse(0, 0, 11, 11);
    EXPECT_EQ(extentOf(inked(bitmap)), (TRect{0, 0, 10, 10}));
    EXPECT_EQ(PictureOf(bitmap), PictureFrom(12, 12, [](int x, int y) {
                  return inEllipse(TRect{0, 0, 10, 10}, x, y) ? 'B' : 'W';
              }));
}

TEST(CanvasCurves, RoundRectLiesBetweenRectangleAndEllipse) {
    const auto pictureOf = [](const std::function<void(TCanvas&)>& draw) {
        TBitmap bitmap(16, 12);
        bitmap.Canvas().Brush().SetColor(clRed);
        draw(bitmap.Canvas());
        return PictureOf(bitmap);
    };
    const std::string rectangle = pictureOf([](TCanvas& c) { c.Rectangle(1, 1, 15, 11); });
    const std::string ellipse = pictureOf([](TCanvas& c) { c.Ellipse(1, 1, 15, 11); });
    EXPECT_EQ(pictureOf([](TCanvas& c) { c.RoundRect(1, 1, 15, 11, 0, 0); }), rectangle);
    EXPECT_EQ(pictureOf([](TCanvas& c) { c.RoundRect(1, 1, 15, 11, 14, 10); }), ellipse);
    EXPECT_EQ(pictureOf([](TCanvas& c) { c.RoundRect(1, 1, 15, 11, 99, 99); }), ellipse);

    // Corners of 6 x 4: straight edges between them, the corner pixel itself cut away.
    TBitmap bitmap(16, 12);
    bitmap.Canvas().RoundRect(1, 1, 15, 11, 6, 4);
    const TCanvas& c = bitmap.Canvas();
    EXPECT_EQ(c.Pixel(1, 1), clWhite);
    EXPECT_EQ(c.Pixel(14, 10), clWhite);
    for (int x = 4; x <= 11; ++x) {
        EXPECT_EQ(c.Pixel(x, 1), clBlack) << x;
        EXPECT_EQ(c.Pixel(x, 10), clBlack) << x;
    }
    for (int y = 3; y <= 8; ++y) {
        EXPECT_EQ(c.Pixel(1, y), clBlack) << y;
        EXPECT_EQ(c.Pixel(14, y), clBlack) << y;
    }
    EXPECT_EQ(extentOf(inked(bitmap)), (TRect{1, 1, 15, 11}));
}

// The angle of a pixel's centre about (cx, cy), counter-clockwise from 3 o'clock, in degrees.
double angleAt(int x, int y, double cx, double cy) {
    double a = std::atan2(-(y + 0.5 - cy), x + 0.5 - cx) * 180 / 3.14159265358979;
    return a < 0 ? a + 360 : a;
}

TEST(CanvasCurves, PieSweepsCounterClockwiseFromStartToEndRadial) {
    struct Case {
        const char* name;
        QPoint start;
        QPoint end;
        double from; // degrees covered, counter-clockwise
        double to;
    };
    const Case cases[] = {
        {"upper right quarter", {20, 10}, {10, 0}, 0, 90},
        {"upper half", {20, 10}, {0, 10}, 0, 180},
        {"three quarters, wrapping past 3 o'clock", {10, 0}, {20, 10}, 90, 360},
    };
    const TRect box{0, 0, 20, 20};
    for (const Case& c : cases) {
        TBitmap bitmap(20, 20);
        TCanvas& canvas = bitmap.Canvas();
        canvas.Brush().SetColor(clRed);
        canvas.Pie(box.Left, box.Top, box.Right, box.Bottom, c.start.x(), c.start.y(), c.end.x(),
                   c.end.y());
        int inside = 0;
        for (const QPoint& p : inked(bitmap)) {
            EXPECT_TRUE(inEllipse(box, p.x(), p.y())) << c.name;
            const double a = angleAt(p.x(), p.y(), 10, 10);
            EXPECT_TRUE(a >= c.from - 1e-6 && a <= c.to + 1e-6) << c.name << " " << a;
        }
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) {
                const double a = angleAt(x, y, 10, 10);
                if (inEllipse(box, x, y) && a > c.from + 1 && a < c.to - 1) {
                    EXPECT_NE(canvas.Pixel(x, y), clWhite) << c.name << " " << x << "," << y;
                    ++inside;
                }
            }
        EXPECT_GT(inside, 0) << c.name;
        // Both radials are outlined: the pixels next to the centre along them are pen.
        EXPECT_EQ(canvas.Pixel(9, 9) == clBlack || canvas.Pixel(10, 9) == clBlack, true) << c.name;
    }
}

TEST(CanvasCurves, ArcIsPartOfTheEllipseOutline) {
    TBitmap whole(20, 20);
    whole.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    whole.Canvas().Ellipse(0, 0, 20, 20);
    TBitmap upper(20, 20);
    upper.Canvas().Arc(0, 0, 20, 20, 20, 10, 0, 10);
    TBitmap full(20, 20);
    full.Canvas().Arc(0, 0, 20, 20, 5, 5, 5, 5); // equal radials: the whole outline
    EXPECT_EQ(PictureOf(full), PictureOf(whole));
    EXPECT_EQ(PictureOf(upper), PictureFrom(20, 20, [&](int x, int y) {
                  return y < 10 && whole.Canvas().Pixel(x, y) == clBlack ? 'K' : 'W';
              }));
}

TEST(CanvasCurves, WidePenOutlinesGrowAroundTheOnePixelOutline) {
    TBitmap thin(20, 20);
    thin.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    thin.Canvas().Ellipse(2, 2, 18, 18);
    TBitmap wide(20, 20);
    wide.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    wide.Canvas().Pen().SetWidth(3);
    wide.Canvas().Ellipse(2, 2, 18, 18);
    // Width 3 covers every pixel within one step (including diagonals) of the thin outline.
    EXPECT_EQ(PictureOf(wide), PictureFrom(20, 20, [&](int x, int y) {
                  for (int dy = -1; dy <= 1; ++dy)
                      for (int dx = -1; dx <= 1; ++dx)
                          if (thin.Canvas().Pixel(x + dx, y + dy) == clBlack)
                              return 'K';
                  return 'W';
              }));
}

TEST(CanvasCurves, PolygonOutlineIncludesEveryVertex) {
    const std::array<QPoint, 4> square = {QPoint(1, 1), QPoint(7, 1), QPoint(7, 6), QPoint(1, 6)};
    TBitmap outlined(9, 8);
    outlined.Canvas().Brush().SetColor(clRed);
    outlined.Canvas().Polygon(square);
    EXPECT_EQ(PictureOf(outlined), PictureFrom(9, 8, [](int x, int y) {
                  if (x < 1 || x > 7 || y < 1 || y > 6)
                      return 'W';
                  return x == 1 || x == 7 || y == 1 || y == 6 ? 'K' : 'R';
              }));

    TBitmap filled(9, 8);
    filled.Canvas().Pen().SetStyle(TPenStyle::psClear);
    filled.Canvas().Brush().SetColor(clRed);
    filled.Canvas().Polygon(square);
    EXPECT_EQ(PictureOf(filled), PictureFrom(9, 8, [](int x, int y) {
                  return x >= 1 && x < 7 && y >= 1 && y < 6 ? 'R' : 'W';
              }));
}

TEST(CanvasCurves, PolygonFillsEvenOdd) {
    // A bow tie of two triangles meeting at (4, 4). Vertices are pixels, so each pixel is
    // sampled at its own coordinate, left edges included, right edges left out.
    const std::array<QPoint, 4> bowTie = {QPoint(0, 0), QPoint(8, 8), QPoint(8, 0), QPoint(0, 8)};
    TBitmap bitmap(9, 9);
    bitmap.Canvas().Pen().SetStyle(TPenStyle::psClear);
    bitmap.Canvas().Brush().SetColor(clBlue);
    bitmap.Canvas().Polygon(bowTie);
    EXPECT_EQ(PictureOf(bitmap), PictureFrom(9, 9, [](int x, int y) {
                  const bool left = x < std::min(y, 8 - y);
                  const bool right = x >= std::max(y, 8 - y) && x < 8;
                  return left || right ? 'B' : 'W';
              }));
}

TEST(CanvasCurves, TriangleWithPenAndBrushOfOneColour) {
    // The button's corner triangles: (0, 0), (S, 0), (0, S) with S = 4.
    const std::array<QPoint, 3> corner = {QPoint(0, 0), QPoint(4, 0), QPoint(0, 4)};
    TBitmap bitmap(6, 6);
    bitmap.Canvas().Brush().SetColor(clBlack);
    bitmap.Canvas().Polygon(corner);
    EXPECT_EQ(PictureOf(bitmap),
              PictureFrom(6, 6, [](int x, int y) { return x + y <= 4 ? 'K' : 'W'; }));
}

} // namespace
} // namespace kestrom
