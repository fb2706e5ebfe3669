#include "controls/FillStyledGradient.h"

#include "controls/GradientRamp.h"
#include "controls/PaletteModule.h"
#include "messages/ScreenColors.h"
#include "platform/TRegion.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kestrom {

namespace {

// The floating-point stepping of styles 1 to 6.
class ColorStepper {
public:
    ColorStepper(TColor from, TColor to, int divisor) {
        const TColor f = ColorToRGB(from);
        const TColor t = ColorToRGB(to);
        cur_[0] = static_cast<float>(GetRValue(f));
        cur_[1] = static_cast<float>(GetGValue(f));
        cur_[2] = static_cast<float>(GetBValue(f));
        target_[0] = static_cast<float>(GetRValue(t));
        target_[1] = static_cast<float>(GetGValue(t));
        target_[2] = static_cast<float>(GetBValue(t));
        for (int c = 0; c < 3; ++c)
            step_[c] = std::fabs(cur_[c] - target_[c]) / static_cast<float>(divisor);
    }

    TColor color() const {
        const TColor c = RGB(byteOf(cur_[0]), byteOf(cur_[1]), byteOf(cur_[2]));
        return ScreenColorCount() <= 256 ? PaletteColor(SharedIndex(c)) : c;
    }

    void next() {
        for (int c = 0; c < 3; ++c) {
            if (cur_[c] < target_[c])
                cur_[c] += step_[c];
            else if (cur_[c] > target_[c])
                cur_[c] -= step_[c];
        }
    }

private:
    static int byteOf(float v) { return static_cast<int>(std::trunc(v)) & 0xFF; }
    static std::uint8_t SharedIndex(TColor c) {
        return static_cast<std::uint8_t>(NearestPaletteIndexColor(c) & 0xFF);
    }

    float cur_[3]{};
    float target_[3]{};
    float step_[3]{};
};

void line(TCanvas& c, int x0, int y0, int x1, int y1) {
    c.MoveTo(x0, y0);
    c.LineTo(x1, y1);
}

void columns(TCanvas& c, int w, int h, ColorStepper& s) {
    for (int x = 0; x < w; ++x, s.next()) {
        c.Pen().SetColor(s.color());
        line(c, x, 0, x, h - 1);
    }
}

void rows(TCanvas& c, int w, int h, ColorStepper& s) {
    for (int y = 0; y < h; ++y, s.next()) {
        c.Pen().SetColor(s.color());
        line(c, 0, y, w - 1, y);
    }
}

void diagonalFromTopRight(TCanvas& c, int w, int h, ColorStepper& s) {
    for (int i = 0; i <= w; ++i, s.next()) {
        c.Pen().SetColor(s.color());
        line(c, w - i, 0, w + std::min(0, h - i), std::min(h, i));
    }
    for (int j = 0; j <= h; ++j, s.next()) {
        c.Pen().SetColor(s.color());
        line(c, 0, j, w + std::min(0, h - j - w), std::min(h, j + w));
    }
}

void diagonalFromTopLeft(TCanvas& c, int w, int h, ColorStepper& s) {
    for (int i = 0; i < w; ++i, s.next()) {
        const TColor color = s.color();
        c.Pen().SetColor(color);
        const int endX = std::max(0, i - h) - 1;
        line(c, i - 1, 0, endX, std::min(h, i));
        if (endX < 0)
            c.SetPixel(0, std::max(0, std::min(h, i) - 1), color);
    }
    for (int j = 0; j < h; ++j, s.next()) {
        const TColor color = s.color();
        c.Pen().SetColor(color);
        const int endX = std::max(0, j + w - h) - 1;
        const int endY = h + std::min(0, j + w - h);
        line(c, w - 1, j, endX, endY);
        if (endX < 0)
            c.SetPixel(0, endY - 1, color);
    }
}

void nestedRectangles(TCanvas& c, int w, int h, ColorStepper& s) {
    for (int i = 0; i <= std::min(w, h) / 2; ++i, s.next()) {
        c.Pen().SetColor(s.color());
        c.Rectangle(i, i, w - i, h - i);
    }
}

void nestedEllipses(TCanvas& c, int w, int h, TColor color, ColorStepper& s) {
    c.Brush().SetColor(color);
    c.Pen().SetColor(color);
    c.Rectangle(0, 0, w, h);
    c.Pen().SetWidth(2);
    for (int i = 0; i <= std::min(w, h) / 2; ++i, s.next()) {
        c.Pen().SetColor(s.color());
        c.Ellipse(i, i, w - i, h - i);
    }
}

void mirroredColumns(TCanvas& c, int w, int h, TColor base, TColor second) {
    const int half = w / 2;
    for (int i = 0; i <= half; ++i) {
        c.Brush().SetColor(RampColor(base, second, i, half));
        c.FillRect({i, 0, i + 1, h});
        c.FillRect({w - i, 0, w - i - 1, h});
    }
}

void mirroredRows(TCanvas& c, int w, int h, TColor base, TColor second) {
    const int half = h / 2;
    for (int i = 0; i <= half; ++i) {
        c.Brush().SetColor(RampColor(base, second, i, half));
        c.FillRect({0, i, w, i + 1});
        c.FillRect({0, h - i, w, h - i - 1});
    }
}

QPoint conicPoint(int cx, int cy, int r, int degrees) {
    const double a = degrees * 3.14159265358979323846 / 180.0;
    return {cx + static_cast<int>(std::nearbyint(std::sin(a) * r)),
            cy - static_cast<int>(std::nearbyint(std::cos(a) * r))};
}

// A run of 2-degree wedges; Colour(a) gives the colour at angle a.
template <typename ColourAt>
void wedges(TCanvas& c, int w, int h, int from, int to, ColourAt colourAt) {
    const TRect pie{-(w / 4), -(h / 4), w + w / 4, h + h / 4};
    const int r = std::max(w, h) / 2;
    for (int a = from; a <= to; ++a) {
        c.Brush().SetColor(colourAt(a));
        QPoint p2 = conicPoint(w / 2, h / 2, r, a + 2);
        QPoint p0 = conicPoint(w / 2, h / 2, r, a);
        // On a small face both radials can round to one point, which would fill the whole
        // ellipse; farther points give the same wedge directions apart.
        if (p2 == p0) {
            p2 = conicPoint(w / 2, h / 2, r * 64, a + 2);
            p0 = conicPoint(w / 2, h / 2, r * 64, a);
        }
        c.Pie(pie.Left, pie.Top, pie.Right, pie.Bottom, p2.x(), p2.y(), p0.x(), p0.y());
    }
}

void conicHalves(TCanvas& c, int w, int h, TColor base, TColor second, int angle) {
    wedges(c, w, h, angle, angle + 179,
           [&](int a) { return RampColor(base, second, a - angle, 180); });
    wedges(c, w, h, angle + 180, angle + 359,
           [&](int a) { return RampColor(base, second, angle + 359 - a, 180); });
}

void conicQuarters(TCanvas& c, int w, int h, TColor base, TColor second, int angle) {
    for (const int half : {0, 180}) {
        wedges(c, w, h, angle + half, angle + half + 89,
               [&](int a) { return RampColor(base, second, a - angle - half, 90); });
        wedges(c, w, h, angle + half + 90, angle + half + 179,
               [&](int a) { return RampColor(base, second, angle + half + 179 - a, 90); });
    }
}

void drawStyle(TCanvas& c, int w, int h, TGradientDirection direction, const StyledGradient& g) {
    const bool reversed = direction == TGradientDirection::gdReversed;
    const TColor from = reversed ? g.color2 : g.color;
    const TColor to = reversed ? g.color : g.color2;
    const int half = std::min(w, h) / 2;
    const int divisors[7] = {0, w, h, w + h, w + h, half, half};
    if (g.gradStyle >= 1 && g.gradStyle <= 6) {
        ColorStepper s(from, to, std::max(1, divisors[g.gradStyle]));
        switch (g.gradStyle) {
        case 1:
            return columns(c, w, h, s);
        case 2:
            return rows(c, w, h, s);
        case 3:
            return diagonalFromTopRight(c, w, h, s);
        case 4:
            return diagonalFromTopLeft(c, w, h, s);
        case 5:
            return nestedRectangles(c, w, h, s);
        default:
            return nestedEllipses(c, w, h, g.color, s);
        }
    }
    const TColor base = ColorToRGB(g.color);
    const TColor second = ColorToRGB(g.color2);
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Pen().SetStyle(TPenStyle::psClear);
    switch (g.gradStyle) {
    case 7:
        return mirroredColumns(c, w, h, base, second);
    case 8:
        return mirroredRows(c, w, h, base, second);
    case 9:
        return conicHalves(c, w, h, base, second, g.angle);
    case 10:
        return conicQuarters(c, w, h, base, second, g.angle);
    default:
        return;
    }
}

} // namespace

void FillStyledGradient(TCanvas& canvas, const TRect& box, TGradientShape shape,
                        TGradientDirection direction, const StyledGradient& gradient) {
    const int w = box.Right - box.Left;
    const int h = box.Bottom - box.Top;
    if (w <= 0 || h <= 0)
        return;
    QImage buffer(w, h, QImage::Format_RGB32);
    buffer.fill(Qt::white);
    if (w > 3 && h > 3) {
        TCanvas off(&buffer);
        drawStyle(off, w, h, direction, gradient);
    }
    const bool elliptic = shape == TGradientShape::gsElliptic;
    if (elliptic)
        canvas.SetClipRegion(TRegion::Ellipse(FaceEllipse(box, gradient.bounds)));
    canvas.BitBlt(box.Left, box.Top, w, h, buffer, 0, 0, TCopyMode::cmSrcCopy);
    if (elliptic)
        canvas.RemoveClipRegion();
}

} // namespace kestrom
