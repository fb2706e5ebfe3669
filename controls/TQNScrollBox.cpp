#include "controls/TQNScrollBox.h"

#include "controls/PaletteModule.h"

namespace kestrom {

TQNScrollBox::TQNScrollBox() {
    SetBorderStyle(TBorderStyle::bsSingle);
    SetBounds(0, 0, 185, 41);
}

void TQNScrollBox::PaintMessage() {
    RealizeSharedPalette(SharedPalette(), false);
    Canvas().Brush().SetColor(Color());
    Paint();
}

void TQNScrollBox::Paint() {
    if (OnPaint) {
        OnPaint();
        return;
    }
    // The fill takes Color through the shared palette (the nearest entry on 256 colours).
    Canvas().Brush().SetStyle(TBrushStyle::bsSolid);
    Canvas().Brush().SetColor(0x02000000u | (ColorToRGB(Color()) & 0xFFFFFFu));
    Canvas().FillRect({0, 0, Width(), Height()});
}

} // namespace kestrom
