#include "controls/FillBandGradient.h"

#include "controls/GradientBands.h"
#include "controls/PaletteModule.h"
#include "messages/ScreenColors.h"
#include "platform/TRegion.h"

namespace kestrom {

TRect FaceEllipse(const TRect& box, const TRect& bounds) {
    return {bounds.Left + box.Left, bounds.Top + box.Top, bounds.Right - box.Left,
            bounds.Bottom - box.Top};
}

void FillBandGradient(TCanvas& canvas, const TRect& box, TGradientShape shape,
                      TGradientDirection direction, TColor start, TColor target, bool dither,
                      const TRect& bounds) {
    const bool elliptic = shape == TGradientShape::gsElliptic;
    if (elliptic)
        canvas.SetClipRegion(TRegion::Ellipse(FaceEllipse(box, bounds)));
    const bool palette = ScreenColorCount() <= 256;
    // Palette-index colours read their entry; plain colours keep their own channels.
    const auto bands =
        GradientBandRows(box.Top, box.Bottom, direction == TGradientDirection::gdReversed,
                         SplitColor(ColorToRGB(start)), SplitColor(ColorToRGB(target)));
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    for (const GradientBand& band : bands) {
        const TColor color = JoinColor(band.color);
        canvas.Brush().SetColor(palette && !dither ? NearestPaletteIndexColor(color) : color);
        canvas.FillRect({box.Left, band.top, box.Right, band.bottom});
    }
    if (elliptic)
        canvas.RemoveClipRegion();
}

} // namespace kestrom
