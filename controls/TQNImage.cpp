#include "controls/TQNImage.h"

#include "controls/FaceGeometry.h"
#include "controls/FillBandGradient.h"
#include "controls/ImageRegion.h"
#include "controls/KeyMasks.h"
#include "controls/OutlineFigure.h"
#include "controls/PatternTile.h"

namespace kestrom {

namespace {

using Q = TQNImageType;
using S = TFaceStyle;

constexpr S ImageStyles[] = {
    S::fsClear,
    S::fs3DBorder,
    S::fs3DFatBorder,
    S::fsDoubleBorder,
    S::fs3DFrame,
    S::fsChiseled,
    S::fsLowBeveled,
    S::fsHiBeveled,
    S::fsRectangle,
    S::fsBitMap,
    S::fsGrad3DBorder,
    S::fsGrad3DFatBorder,
    S::fsGradDoubleBorder,
    S::fsGrad3DFrame,
    S::fsGradChiseled,
    S::fsGradLowBeveled,
    S::fsGradHiBeveled,
    S::fsGradDoubleRectangle,
    S::fsGradDepressed,
    S::fsGradDoubleDepressed,
    S::fsDepressed,
    S::fsDoubleDepressed,
};

void drawMasked(TCanvas& c, const KeyMasks& masks, const TRect& box) {
    c.StretchBlt(box.Left, box.Top, box.Width(), box.Height(), masks.black, 0, 0,
                 masks.black.width(), masks.black.height(), TCopyMode::cmSrcPaint);
    c.StretchBlt(box.Left, box.Top, box.Width(), box.Height(), masks.white, 0, 0,
                 masks.white.width(), masks.white.height(), TCopyMode::cmSrcAnd);
}

} // namespace

TFaceStyle FaceStyleOf(TQNImageType shape) {
    return ImageStyles[static_cast<int>(shape)];
}

TQNImage::TQNImage() {
    SetBounds(0, 0, 105, 105);
    picture_.OnChange = [this] { pictureChanged(); };
    pen_.OnChange = [this] { Invalidate(); };
    brush_.OnChange = [this] { Invalidate(); };
}

void TQNImage::SetAutoSize(bool v) {
    autoSize_ = v;
    pictureChanged();
}

void TQNImage::SetStretch(bool v) {
    stretch_ = v;
    Invalidate();
}

void TQNImage::SetTile(bool v) {
    tile_ = v;
    if (v)
        autoSize_ = false;
    Invalidate();
}

void TQNImage::SetTransparent(bool v) {
    transparent_ = v;
    Invalidate();
}

void TQNImage::SetBitMapDown(const QImage& bitmap) {
    bitMapDown_ = bitmap.isNull() ? QImage() : bitmap.convertToFormat(QImage::Format_RGB32);
    Invalidate();
}

void TQNImage::SetPattern(std::uint8_t v) {
    if (v == pattern_)
        return;
    pattern_ = v;
    Invalidate();
    if (v == 1)
        SetTransparent(true);
}

void TQNImage::pictureChanged() {
    if (autoSize_ && picture_.Width() > 0 && picture_.Height() > 0)
        SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
    opaque_ = picture_.IsBitmap() && picture_.Width() == Width() && picture_.Height() == Height();
    Invalidate();
}

TRegion TQNImage::ImageRegion() const {
    const QImage& current = pressed_ ? bitMapDown_ : picture_.Bitmap();
    return kestrom::ImageRegion(current, QPoint(Left(), Top()));
}

void TQNImage::Paint() {
    if (shape_ == Q::qnbitmap)
        paintBitmapFace();
    else
        paintFace();
}

void TQNImage::paintBitmapFace() {
    TCanvas& c = Canvas();
    TRegion region = ImageRegion();
    const bool clipped = !region.IsEmpty();
    if (clipped) {
        region.Combine(TRegion::Rect(BoundsRect()), TRegionCombine::rcAnd);
        c.SetClipRegion(region);
    }
    const QImage& current = pressed_ ? bitMapDown_ : picture_.Bitmap();
    if (!current.isNull())
        c.BitBlt(0, 0, current.width(), current.height(), current, 0, 0, TCopyMode::cmSrcCopy);
    if (clipped)
        c.RemoveClipRegion();
}

void TQNImage::paintFace() {
    TCanvas& c = Canvas();
    c.SetCopyMode(TCopyMode::cmSrcCopy);
    c.Pen().Assign(pen_);
    c.Brush().Assign(brush_);
    c.Brush().SetColor(color_);
    c.Pen().SetColor(penColor_);
    const TFaceStyle style = FaceStyleOf(shape_);
    const FacePen pen = FacePenOf(c.Pen(), shape_ == Q::qnClear);
    const TPen facePen = c.Pen();
    const OutlineRect outline = OutlineBox(pen, TOutlineKind::okStandard, Width(), Height());
    if (pattern_ == 7 || IsGradientStyle(style)) {
        c.Brush().SetStyle(TBrushStyle::bsClear);
    } else if (pattern_ >= 1) {
        const TTileMode mode = transparent_ ? TTileMode::tmTransparent : TTileMode::tmOpaque;
        const PatternTile tile =
            MakePatternTile(pattern_, mode, color_, color2_, TTileVariant::tvKeyed);
        DrawPatternFill(
            c, tile, mode, [&] { DrawOutlineFigure(c, TOutlineFigure::ofRectangle, outline); },
            facePen, penColor_);
    }
    if (shape_ != Q::qnClear)
        DrawOutlineFigure(c, TOutlineFigure::ofRectangle, outline);
    TRect box = BevelBox(outline, pen);
    FaceRecipeContext context;
    context.gradient = [this](const TRect& b, TGradientShape s, TGradientPass p) {
        FillBandGradient(Canvas(), b, s,
                         p == TGradientPass::gpInner ? TGradientDirection::gdReversed
                                                     : TGradientDirection::gdForward,
                         color_, color2_, dither_, BoundsRect());
    };
    DrawFaceRecipe(c, box, style, context);
    Inset(box, 1);
    c.Pen().Assign(pen_);
    c.Brush().Assign(brush_);
    if (picture_.HasGraphic())
        paintPicture(box);
}

void TQNImage::paintPicture(const TRect& box) {
    TCanvas& c = Canvas();
    // The right and bottom bevels, as wide as the left and top ones, stay clear.
    c.SetClipRegion(
        TRegion::Rect({Left(), Top(), Left() + Width() - box.Left, Top() + Height() - box.Top}));
    KeyMasks masks;
    if (transparent_ && picture_.IsBitmap())
        masks = MakeKeyMasks(picture_.Bitmap());
    const bool masked = !masks.white.isNull();
    const int pw = picture_.Width();
    const int ph = picture_.Height();
    if (tile_ && pw > 0 && ph > 0) {
        for (int y = box.Top; y < box.Bottom; y += ph)
            for (int x = box.Left; x < box.Right; x += pw) {
                const TRect at{x, y, x + pw, y + ph};
                if (masked)
                    drawMasked(c, masks, at);
                else
                    picture_.StretchDraw(c, at);
            }
    } else {
        int left = box.Left;
        int top = box.Top;
        if (center_) {
            left = (box.Right + box.Left) / 2 - pw / 2;
            top = (box.Bottom + box.Top) / 2 - ph / 2;
        }
        const TRect dest = stretch_ ? TRect{left, top, box.Right, box.Bottom}
                                    : TRect{left, top, left + pw, top + ph};
        if (masked)
            drawMasked(c, masks, dest);
        else
            picture_.StretchDraw(c, dest);
    }
    c.RemoveClipRegion();
}

void TQNImage::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    pressed_ = false;
    TControl::MouseDown(button, shift, x, y);
    if (shape_ == Q::qnbitmap && button == TMouseButton::mbLeft && (shift & ssDouble) == 0) {
        pressed_ = ImageRegion().Contains(Left() + x, Top() + y);
        if (pressed_)
            Repaint();
    }
}

void TQNImage::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    pressed_ = false;
    TControl::MouseUp(button, shift, x, y);
    if (shape_ == Q::qnbitmap)
        Repaint();
}

} // namespace kestrom
