#include "controls/FaceStyle.h"

#include "controls/Bevels.h"
#include "controls/FaceGeometry.h"

namespace kestrom {

namespace {

using S = TFaceStyle;

void gradients(TCanvas&, const TRect& box, TFaceStyle style, const FaceRecipeContext& c) {
    if (!c.gradient)
        return;
    const bool elliptic = style == S::fsGrad3DEllipse || style == S::fsGradDoubleEllipse;
    const TGradientShape shape =
        elliptic ? TGradientShape::gsElliptic : TGradientShape::gsRectangle;
    c.gradient(box, shape, TGradientPass::gpMain);
    if (style == S::fsGradDoubleEllipse || style == S::fsGradDoubleRectangle) {
        TRect inner = box;
        Inset(inner, 12);
        c.gradient(inner, shape, TGradientPass::gpInner);
    }
}

void bevel(TCanvas& canvas, TRect& box, TFaceStyle style, const FaceRecipeContext& c) {
    switch (style) {
    case S::fs3DBorder:
    case S::fsGrad3DBorder:
        return DrawBorder2(canvas, box, c.c1, c.c2);
    case S::fs3DFatBorder:
    case S::fsGrad3DFatBorder:
        return DrawFatBorder(canvas, box, c.c1, c.c2, c.fat);
    case S::fsDoubleBorder:
    case S::fsGradDoubleBorder:
        return DrawDoubleBorder(canvas, box, c.c1, c.c2);
    case S::fs3DFrame:
    case S::fsGrad3DFrame:
        return DrawChiselFrame(canvas, box, !c.pressed, c.light, c.dark);
    case S::fsChiseled:
    case S::fsGradChiseled:
        return DrawChiselFrame(canvas, box, c.pressed, c.light, c.dark);
    case S::fsLowBeveled:
    case S::fsGradLowBeveled:
        return DrawBeveled(canvas, box, c.pressed);
    case S::fsHiBeveled:
    case S::fsGradHiBeveled:
        return DrawBeveled(canvas, box, !c.pressed);
    case S::fs3DEllipse:
        return DrawEllipseBevel(canvas, box.Left, box.Top, box.Right, box.Bottom, c.c1, c.c2);
    case S::fsGrad3DEllipse:
        return DrawEllipseBevel(canvas, box.Left, box.Top, box.Right, box.Bottom, clWhite,
                                clSilver);
    case S::fsDoubleEllipse:
    case S::fsGradDoubleEllipse:
        return DrawDoubleEllipseBevel(canvas, box, c.c1, c.c2);
    case S::fsGradDoubleRectangle:
        return DrawDoubleRectBevel(canvas, box, c.c1, c.c2);
    case S::fsGradDepressed:
    case S::fsDepressed:
        return DrawBorder2(canvas, box, c.c2, c.c1);
    case S::fsGradDoubleDepressed:
    case S::fsDoubleDepressed:
        return DrawFatBorder(canvas, box, c.c2, c.c1, c.fat);
    default:
        return; // outline only, or drawn by the button itself
    }
}

} // namespace

bool IsGradientStyle(TFaceStyle style) {
    return style >= S::fsGrad3DBorder && style <= S::fsGradDoubleDepressed;
}

bool IsEllipseStyle(TFaceStyle style) {
    return style == S::fs3DEllipse || style == S::fsDoubleEllipse || style == S::fsEllipse ||
           style == S::fsGrad3DEllipse || style == S::fsGradDoubleEllipse;
}

void DrawFaceRecipe(TCanvas& canvas, TRect& box, TFaceStyle style,
                    const FaceRecipeContext& context) {
    if (IsGradientStyle(style))
        gradients(canvas, box, style, context);
    bevel(canvas, box, style, context);
}

} // namespace kestrom
