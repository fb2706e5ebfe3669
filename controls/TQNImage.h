#pragma once

#include "controls/FaceStyle.h"
#include "controls/TPicture.h"
#include "controls/TZudGraphicControl.h"
#include "platform/TBrush.h"
#include "platform/TPen.h"
#include "platform/TRegion.h"

#include <cstdint>

namespace kestrom {

enum class TQNImageType {
    qnClear,
    qn3dBorder,
    qn3DFatBorder,
    qnDoubleBorder,
    qn3DFrame,
    qnChiseled,
    qnLowBeveled,
    qnHiBeveled,
    qnRectangle,
    qnbitmap,
    qnGrad3DBorder,
    qnGrad3DFatBorder,
    qnGradDoubleBorder,
    qnGrad3DFrame,
    qnGradChiseled,
    qnGradLowBeveled,
    qnGradHiBeveled,
    qnGradDoubleRectangle,
    qnGradDepressed,
    qnGradDoubleDepressed,
    qnDepressed,
    qnDoubleDepressed,
};

TFaceStyle FaceStyleOf(TQNImageType shape);

// A picture inside a painted face, or (qnbitmap) a two-state picture whose visible and
// clickable area is exactly its non-background pixels.
class TQNImage : public TZudGraphicControl {
public:
    TQNImage();

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool Center() const { return center_; }
    void SetCenter(bool v) { setAndRepaint(center_, v); }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);
    bool Tile() const { return tile_; }
    void SetTile(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    const TPicture& Picture() const { return picture_; }
    void SetPicture(const TPicture& picture) { picture_.Assign(picture); }
    const QImage& BitMapDown() const { return bitMapDown_; }
    void SetBitMapDown(const QImage& bitmap);
    TQNImageType Shape() const { return shape_; }
    void SetShape(TQNImageType v) { setAndRepaint(shape_, v); }
    std::uint8_t Pattern() const { return pattern_; }
    void SetPattern(std::uint8_t v);
    const TPen& Pen() const { return pen_; }
    void SetPen(const TPen& pen) { pen_.Assign(pen); }
    TColor Color() const { return color_; }
    void SetColor(TColor v) { setAndRepaint(color_, v); }
    TColor PenColor() const { return penColor_; }
    void SetPenColor(TColor v) { setAndRepaint(penColor_, v); }
    TColor Color2() const { return color2_; }
    void SetColor2(TColor v) { setAndRepaint(color2_, v); }
    bool Dither() const { return dither_; }
    void SetDither(bool v) { setAndRepaint(dither_, v); }

    bool Pressed() const { return pressed_; }
    // The current picture's visible pixels in the parent's coordinates.
    TRegion ImageRegion() const;
    // Whether the parent need not paint behind the control.
    bool Opaque() const { return opaque_; }

    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

protected:
    TPaletteUse PaletteUse() const override { return TPaletteUse::puBackground; }

private:
    template <typename T> void setAndRepaint(T& field, T value) {
        if (field == value)
            return;
        field = value;
        Invalidate();
    }
    void pictureChanged();
    void paintBitmapFace();
    void paintFace();
    void paintPicture(const TRect& box);

    bool autoSize_ = false;
    bool center_ = false;
    bool stretch_ = false;
    bool tile_ = false;
    bool transparent_ = false;
    bool dither_ = false;
    bool opaque_ = false;
    bool pressed_ = false;
    TPicture picture_;
    QImage bitMapDown_;
    TQNImageType shape_ = TQNImageType::qnDepressed;
    std::uint8_t pattern_ = 0;
    TPen pen_;
    TBrush brush_;
    TColor color_ = clSilver;
    TColor penColor_ = clBlack;
    TColor color2_ = clWhite;
};

} // namespace kestrom
