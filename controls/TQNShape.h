#pragma once

#include "controls/FaceStyle.h"
#include "controls/TZudGraphicControl.h"
#include "platform/TBrush.h"
#include "platform/TPen.h"

#include <cstdint>

namespace kestrom {

enum class TQNShapeType {
    qnClear,
    qn3dBorder,
    qn3DFatBorder,
    qnDoubleBorder,
    qn3DFrame,
    qnChiseled,
    qnLowBeveled,
    qnHiBeveled,
    qn3DEllipse,
    qnDoubleEllipse,
    qnEllipse,
    qnRoundRect,
    qnRectangle,
    qnGrad3DBorder,
    qnGrad3DFatBorder,
    qnGradDoubleBorder,
    qnGrad3DFrame,
    qnGradChiseled,
    qnGradLowBeveled,
    qnGradHiBeveled,
    qnGrad3DEllipse,
    qnGradDoubleEllipse,
    qnGradDoubleRectangle,
    qnGradDepressed,
    qnGradDoubleDepressed,
    qnDepressed,
    qnDoubleDepressed,
};

TFaceStyle FaceStyleOf(TQNShapeType shape);

// A decorative face: bevel styles with the shape gradient, a pattern fill, an outline.
class TQNShape : public TZudGraphicControl {
public:
    TQNShape();

    const TBrush& Brush() const { return brush_; }
    void SetBrush(const TBrush& brush) { brush_.Assign(brush); }
    const TPen& Pen() const { return pen_; }
    void SetPen(const TPen& pen) { pen_.Assign(pen); }

    int GradStyle() const { return gradStyle_; }
    void SetGradStyle(int v) { setAndRepaint(gradStyle_, v); }
    int Angle() const { return angle_; }
    void SetAngle(int angle); // paints at once
    TQNShapeType Shape() const { return shape_; }
    void SetShape(TQNShapeType v) { setAndRepaint(shape_, v); }
    std::uint8_t Pattern() const { return pattern_; }
    void SetPattern(std::uint8_t v) { setAndRepaint(pattern_, v); }
    bool TransParent() const { return transparent_; }
    void SetTransParent(bool v) { setAndRepaint(transparent_, v); }
    bool Dither() const { return dither_; }
    void SetDither(bool v) { setAndRepaint(dither_, v); }
    TColor Color() const { return color_; }
    void SetColor(TColor v) { setAndRepaint(color_, v); }
    TColor Color2() const { return color2_; }
    void SetColor2(TColor v) { setAndRepaint(color2_, v); }
    TColor PenColor() const { return penColor_; }
    void SetPenColor(TColor v) { setAndRepaint(penColor_, v); }

    void Paint() override;

private:
    template <typename T> void setAndRepaint(T& field, T value) {
        if (field == value)
            return;
        field = value;
        Invalidate();
    }
    void gradient(const TRect& box, TGradientShape shape, TGradientPass pass);

    TBrush brush_;
    TPen pen_;
    int gradStyle_ = 2;
    int angle_ = 0;
    TQNShapeType shape_ = TQNShapeType::qn3dBorder;
    std::uint8_t pattern_ = 0;
    bool transparent_ = false;
    bool dither_ = false;
    TColor color_ = clBlue;
    TColor color2_ = clWhite;
    TColor penColor_ = clBlack;
};

} // namespace kestrom
