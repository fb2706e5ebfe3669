#pragma once

#include "controls/BevelRecipes.h"
#include "controls/FillBandGradient.h"
#include "platform/TCanvas.h"
#include "platform/TRect.h"

#include <functional>

namespace kestrom {

// The face styles of the painted controls by name; the button's styles have these ordinals,
// the shape and image name a subset of them.
enum class TFaceStyle {
    fsClear,
    fs3DBorder,
    fs3DFatBorder,
    fsDoubleBorder,
    fs3DFrame,
    fsChiseled,
    fsLowBeveled,
    fsHiBeveled,
    fs3DEllipse,
    fsDoubleEllipse,
    fsEllipse,
    fsRoundRect,
    fsRectangle,
    fsFrameBtn,
    fsPushBtn,
    fsGrad3DBorder,
    fsGrad3DFatBorder,
    fsGradDoubleBorder,
    fsGrad3DFrame,
    fsGradChiseled,
    fsGradLowBeveled,
    fsGradHiBeveled,
    fsGrad3DEllipse,
    fsGradDoubleEllipse,
    fsGradDoubleRectangle,
    fsGradDepressed,
    fsGradDoubleDepressed,
    fsDepressed,
    fsDoubleDepressed,
    fsBitMap,
};

bool IsGradientStyle(TFaceStyle style);
bool IsEllipseStyle(TFaceStyle style);

enum class TGradientPass { gpMain, gpInner };

// What a control gives the face recipe.
struct FaceRecipeContext {
    TColor c1 = clWhite;    // top-left colour of the raised look
    TColor c2 = clGray;     // bottom-right colour
    TColor light = clWhite; // colours of the chiselled frames
    TColor dark = clGray;
    bool pressed = false; // the button's pressed state; false on the shape and image
    TFatBorderKind fat = TFatBorderKind::fbFace;
    // Draws the control's gradient on a box (the inner one lies 12 pixels inside).
    std::function<void(const TRect& box, TGradientShape shape, TGradientPass pass)> gradient;
};

// The gradients and the bevel recipe of a style on the bevel box, which is left as the
// recipe moves it. The button's own styles (frame, push, bitmap) draw nothing here.
void DrawFaceRecipe(TCanvas& canvas, TRect& box, TFaceStyle style,
                    const FaceRecipeContext& context);

} // namespace kestrom
