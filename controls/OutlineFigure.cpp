#include "controls/OutlineFigure.h"

namespace kestrom {

void DrawOutlineFigure(TCanvas& canvas, TOutlineFigure figure, const OutlineRect& outline) {
    const TRect box = outline.figure();
    switch (figure) {
    case TOutlineFigure::ofRectangle:
        return canvas.Rectangle(box);
    case TOutlineFigure::ofEllipse:
        return canvas.Ellipse(box);
    case TOutlineFigure::ofRoundRect:
        return canvas.RoundRect(box.Left, box.Top, box.Right, box.Bottom, outline.W / 4,
                                outline.H / 4);
    case TOutlineFigure::ofNone:
        return;
    }
}

} // namespace kestrom
