#include "controls/BevelRecipes.h"

#include "controls/Bevels.h"
#include "controls/FaceGeometry.h"

namespace kestrom {

namespace {

void ring(TCanvas& canvas, const TRect& box, TColor tl, TColor br) {
    DrawBevel(canvas, box.Left, box.Top, box.Right, box.Bottom, tl, br);
}

} // namespace

void DrawBorder2(TCanvas& canvas, TRect& box, TColor tl, TColor br) {
    ring(canvas, box, tl, br);
    Inset(box, 1);
    ring(canvas, box, tl, br);
}

void DrawFatBorder(TCanvas& canvas, TRect& box, TColor tl, TColor br, TFatBorderKind kind) {
    switch (kind) {
    case TFatBorderKind::fbButtonReleased:
        for (int i = 0; i < 4; ++i) {
            ring(canvas, box, tl, br);
            Inset(box, 1);
        }
        return;
    case TFatBorderKind::fbButtonPressed:
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(tl);
        canvas.FillRect({box.Left, box.Top, box.Right, box.Top + 2});
        canvas.FillRect({box.Left, box.Top + 2, box.Left + 2, box.Bottom});
        Inset(box, 2);
        return;
    case TFatBorderKind::fbFace:
        for (int i = 0; i < 4; ++i) {
            ring(canvas, box, tl, br);
            Inset(box, 1);
            ring(canvas, box, tl, br);
        }
        return;
    }
}

void DrawDoubleBorder(TCanvas& canvas, TRect& box, TColor tl, TColor br) {
    for (const int step : {1, 3, 1, 3}) {
        ring(canvas, box, tl, br);
        Inset(box, step);
    }
}

void DrawChiselFrame(TCanvas& canvas, TRect& box, bool flag, TColor light, TColor dark) {
    const TColor outerTl = flag ? light : dark;
    const TColor outerBr = flag ? dark : light;
    const int steps[4] = {1, 4, 1, 4};
    for (int i = 0; i < 4; ++i) {
        if (i < 2)
            ring(canvas, box, outerTl, outerBr);
        else
            ring(canvas, box, outerBr, outerTl);
        Inset(box, steps[i]);
    }
}

void DrawBeveled(TCanvas& canvas, TRect& box, bool flag) {
    box.Left += 2;
    box.Top += 2;
    box.Right -= 3;
    box.Bottom -= 3;
    ring(canvas, box, flag ? clWhite : clGray, flag ? clGray : clWhite);
    Inset(box, 1);
    ring(canvas, box, flag ? clGray : clWhite, flag ? clWhite : clGray);
    Inset(box, 1);
}

void DrawDoubleEllipseBevel(TCanvas& canvas, TRect& box, TColor tl, TColor br) {
    DrawEllipseBevel(canvas, box.Left, box.Top, box.Right, box.Bottom, tl, br);
    Inset(box, 12);
    if (br == clGray)
        br = clSilver;
    DrawEllipseBevel(canvas, box.Left, box.Top, box.Right, box.Bottom, tl, br);
}

void DrawDoubleRectBevel(TCanvas& canvas, TRect& box, TColor tl, TColor br) {
    ring(canvas, box, tl, br);
    Inset(box, 12);
    ring(canvas, box, tl, br);
}

} // namespace kestrom
