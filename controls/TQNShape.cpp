#include "controls/TQNShape.h"

#include "controls/FaceGeometry.h"
#include "controls/FillStyledGradient.h"
#include "controls/OutlineFigure.h"
#include "controls/PatternTile.h"

namespace kestrom {

namespace {

using Q = TQNShapeType;

TOutlineFigure figureOf(TQNShapeType shape) {
    if (shape == Q::qnClear)
        return TOutlineFigure::ofNone;
    if (shape == Q::qnRoundRect)
        return TOutlineFigure::ofRoundRect;
    if (IsEllipseStyle(FaceStyleOf(shape)))
        return TOutlineFigure::ofEllipse;
    return TOutlineFigure::ofRectangle;
}

} // namespace

TFaceStyle FaceStyleOf(TQNShapeType shape) {
    const int n = static_cast<int>(shape);
    if (n <= static_cast<int>(Q::qnRectangle))
        return static_cast<TFaceStyle>(n); // the same names in the same order
    return static_cast<TFaceStyle>(n + 2); // past the button's frame and push styles
}

TQNShape::TQNShape() {
    SetBounds(0, 0, 65, 65);
    brush_.OnChange = [this] { Invalidate(); };
    pen_.OnChange = [this] { Invalidate(); };
}

void TQNShape::SetAngle(int angle) {
    if (angle == angle_)
        return;
    angle_ = angle;
    Repaint();
}

void TQNShape::gradient(const TRect& box, TGradientShape shape, TGradientPass pass) {
    StyledGradient g{color_, color2_, gradStyle_, angle_, BoundsRect()};
    FillStyledGradient(Canvas(), box, shape,
                       pass == TGradientPass::gpInner ? TGradientDirection::gdReversed
                                                      : TGradientDirection::gdForward,
                       g);
}

void TQNShape::Paint() {
    TCanvas& c = Canvas();
    c.Pen().Assign(pen_);
    c.Brush().Assign(brush_);
    c.Brush().SetColor(color_);
    c.Pen().SetColor(penColor_);
    const TFaceStyle style = FaceStyleOf(shape_);
    const FacePen pen = FacePenOf(c.Pen(), shape_ == Q::qnClear);
    const TPen facePen = c.Pen(); // after a width-0 pen was made clear
    const OutlineRect outline = OutlineBox(pen, TOutlineKind::okStandard, Width(), Height());
    TOutlineFigure figure = figureOf(shape_);
    if (pattern_ == 7 || IsGradientStyle(style)) {
        c.Brush().SetStyle(TBrushStyle::bsClear);
    } else if (pattern_ >= 1) {
        const TTileMode mode = transparent_ ? TTileMode::tmTransparent : TTileMode::tmOpaque;
        const PatternTile tile =
            MakePatternTile(pattern_, mode, color_, color2_, TTileVariant::tvCombined);
        DrawPatternFill(
            c, tile, mode, [&] { DrawOutlineFigure(c, figure, outline); }, facePen, penColor_);
    }
    // With the conic gradients no outline rectangle is drawn.
    if (figure == TOutlineFigure::ofRectangle && gradStyle_ >= 9)
        figure = TOutlineFigure::ofNone;
    DrawOutlineFigure(c, figure, outline);
    TRect box = BevelBox(outline, pen);
    FaceRecipeContext context;
    context.gradient = [this](const TRect& b, TGradientShape s, TGradientPass p) {
        gradient(b, s, p);
    };
    DrawFaceRecipe(c, box, style, context);
    c.Brush().Assign(brush_);
    c.Pen().Assign(pen_);
}

} // namespace kestrom
