#include "controls/Bevels.h"

namespace kestrom {

namespace {

void thinSolidPen(TCanvas& canvas, TColor color) {
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(color);
}

void line(TCanvas& canvas, int x0, int y0, int x1, int y1) {
    canvas.MoveTo(x0, y0);
    canvas.LineTo(x1, y1);
}

} // namespace

void DrawBevel(TCanvas& canvas, int l, int t, int r, int b, TColor tl, TColor br) {
    thinSolidPen(canvas, br);
    line(canvas, l, b - 1, r, b - 1);
    line(canvas, r - 1, t, r - 1, b - 1);
    thinSolidPen(canvas, tl);
    line(canvas, l, t, l, b);
    line(canvas, l, t, r, t);
}

void DrawEllipseBevel(TCanvas& canvas, int l, int t, int r, int b, TColor tl, TColor br) {
    thinSolidPen(canvas, tl);
    canvas.Arc(l, t, r, b, r / 2 + r / 4, t, l, b / 2);
    thinSolidPen(canvas, br);
    canvas.Arc(l, t, r, b, r / 2, b, r, b / 2);
}

} // namespace kestrom
