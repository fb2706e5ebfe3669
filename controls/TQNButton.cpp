#include "controls/TQNButton.h"

#include "controls/FaceGeometry.h"
#include "controls/KeyMasks.h"
#include "controls/OutlineFigure.h"
#include "controls/PatternTile.h"
#include "controls/PlayAniSource.h"
#include "controls/ShortCutText.h"
#include "controls/TQNScrollBox.h"
#include "messages/Delay.h"
#include "platform/ShellIcons.h"
#include "platform/TRegion.h"

#include <QPoint>

#include <array>

namespace kestrom {

namespace {

using S = TFaceStyle;

// The shell's first icon of a file, as the button shows it.
IconObject firstIconOf(const QString& file) {
    const HICON icon = ExtractIconA(file, 0);
    return icon ? *icon : IconObject{};
}

TQNButton::IconExtractor& iconExtractor() {
    static TQNButton::IconExtractor extractor = firstIconOf;
    return extractor;
}

int lineCount(const QString& caption) {
    return 1 + static_cast<int>(caption.count(QLatin1Char('~')));
}

// The text without its first "&", for measuring.
QString stripAmpersand(QString s) {
    const qsizetype i = s.indexOf(QLatin1Char('&'));
    if (i >= 0)
        s.remove(i, 1);
    return s;
}

QSize iconSize(const IconObject& icon) {
    if (icon.images.empty())
        return {32, 32}; // the system's standard icon size
    return icon.images.front().color.size();
}

TOutlineKind outlineKind(TBtnStyle style, bool pressed) {
    if (style == S::fsFrameBtn)
        return TOutlineKind::okFrameBtn;
    if (style == S::fsPushBtn)
        return pressed ? TOutlineKind::okPushBtnPressed : TOutlineKind::okPushBtnReleased;
    return TOutlineKind::okStandard;
}

TOutlineFigure figureOf(TBtnStyle style) {
    if (style == S::fsClear)
        return TOutlineFigure::ofNone;
    if (style == S::fsRoundRect)
        return TOutlineFigure::ofRoundRect;
    if (IsEllipseStyle(style))
        return TOutlineFigure::ofEllipse;
    return TOutlineFigure::ofRectangle;
}

bool sinksWhenPressed(TBtnStyle style) {
    const int n = static_cast<int>(style);
    return (n >= 1 && n <= 9) || (n >= 14 && n <= 24);
}

} // namespace

TQNButton::TQNButton() : aniSource_(std::make_unique<PlayAniSource>()) {
    SetBounds(0, 0, 65, 65);
    brush_.OnChange = [this] { Invalidate(); };
    pen_.OnChange = [this] { Invalidate(); };
    font_.OnChange = [this] { Invalidate(); };
}

void TQNButton::SetIconExtractor(IconExtractor extractor) {
    iconExtractor() = extractor ? std::move(extractor) : IconExtractor(firstIconOf);
}

void TQNButton::SetIcon(const IconObject& icon) {
    icon_ = icon;
    showIcon_ = true;
    Invalidate();
}

void TQNButton::SetCursorIcon(std::uintptr_t v) {
    cursorIcon_ = v;
    Invalidate();
}

void TQNButton::SetBitMapUp(const QImage& v) {
    bitMapUp_ = v.isNull() ? QImage() : v.convertToFormat(QImage::Format_RGB32);
    Invalidate();
}

void TQNButton::SetBitMapDown(const QImage& v) {
    bitMapDown_ = v.isNull() ? QImage() : v.convertToFormat(QImage::Format_RGB32);
    Invalidate();
}

void TQNButton::SetAniIcon(const QString& value) {
    if (value == aniIcon_)
        return;
    aniIcon_ = value;
    // Only the exact extension ".ANI" counts as animated; the icon is kept for those.
    if (!value.endsWith(QStringLiteral(".ANI"))) {
        icon_ = iconExtractor() ? iconExtractor()(value) : IconObject{};
    }
    showIcon_ = true;
    Invalidate();
}

void TQNButton::SetShowCursor(bool v) {
    if (v == showCursor_)
        return;
    showCursor_ = v;
    Cursor = v ? 20 : 0;
}

bool TQNButton::isFlat() const {
    return style_ == S::fsEllipse || style_ == S::fsRoundRect || style_ == S::fsRectangle ||
           style_ == S::fsFrameBtn;
}

int TQNButton::margin() const {
    return IsEllipseStyle(style_) ? 12 : 6;
}

void TQNButton::LoadAnimation() {
    if (aniSource_)
        aniSource_->Load(aniIcon_);
}

void TQNButton::Paint() {
    TCanvas& c = Canvas();
    // Before the face covers it: the snapshot is the background the key colour shows.
    if (style_ == S::fsBitMap && transparent_)
        takeSnapshot();
    c.Pen().Assign(pen_);
    c.Brush().Assign(brush_);
    c.Brush().SetColor(color_);
    c.Pen().SetColor(penColor_);
    const FacePen pen = FacePenOf(c.Pen(), style_ == S::fsClear);
    const TPen facePen = c.Pen();
    if (numGlyphs_ < 1)
        numGlyphs_ = 1;
    const OutlineRect outline = OutlineBox(pen, outlineKind(style_, pressed_), Width(), Height());
    if (pressed_ && pattern_ != 7 && isFlat()) {
        c.Brush().SetColor(clBlack);
    } else if (pattern_ >= 1) {
        const TTileMode mode = transparent_ ? TTileMode::tmTransparent : TTileMode::tmOpaque;
        const PatternTile tile =
            MakePatternTile(pattern_, mode, color_, color2_, TTileVariant::tvKeyed);
        DrawPatternFill(
            c, tile, mode, [&] { DrawOutlineFigure(c, figureOf(style_), outline); }, facePen,
            penColor_);
    }
    DrawOutlineFigure(c, figureOf(style_), outline);
    TRect box = BevelBox(outline, pen);
    drawStyleFace(box, pen);
    if (pressed_ && sinksWhenPressed(style_)) {
        box.Left += 2;
        box.Top += 2;
    }
    c.Font().Assign(font_);
    if (showIcon_ && !icon_.images.empty())
        drawIcon(box);
    drawCaption(box);
    c.Brush().Assign(brush_);
    c.Pen().Assign(pen_);
}

void TQNButton::drawStyleFace(TRect& box, const FacePen& pen) {
    switch (style_) {
    case S::fsFrameBtn:
        return drawFrameCorners(pen);
    case S::fsPushBtn:
        return drawPushShadow();
    case S::fsBitMap:
        return drawBitmapFace(box);
    default:
        break;
    }
    FaceRecipeContext context;
    context.c1 = pressed_ ? darkColor_ : lightColor_;
    context.c2 = pressed_ ? lightColor_ : darkColor_;
    context.light = lightColor_;
    context.dark = darkColor_;
    context.pressed = pressed_;
    context.fat = pressed_ ? TFatBorderKind::fbButtonPressed : TFatBorderKind::fbButtonReleased;
    const bool alwaysReversed = style_ == S::fsGradDepressed || style_ == S::fsGradDoubleDepressed;
    context.gradient = [this, alwaysReversed](const TRect& b, TGradientShape s, TGradientPass p) {
        const bool reverse = p == TGradientPass::gpInner ? pressed_ : (alwaysReversed || !pressed_);
        FillBandGradient(Canvas(), b, s,
                         reverse ? TGradientDirection::gdReversed : TGradientDirection::gdForward,
                         color2_, color_, dither_, BoundsRect());
    };
    DrawFaceRecipe(Canvas(), box, style_, context);
}

void TQNButton::drawFrameCorners(const FacePen& pen) {
    if (pen.PW <= 0)
        return;
    TCanvas& c = Canvas();
    c.Pen().SetStyle(TPenStyle::psSolid);
    c.Pen().SetWidth(1);
    c.Pen().SetColor(penColor_);
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(penColor_);
    const int s = pen_.Width() + 5;
    const int w = Width() - 1;
    const int h = Height() - 1;
    const std::array<std::array<QPoint, 3>, 4> corners = {{
        {QPoint(0, 0), QPoint(s, 0), QPoint(0, s)},
        {QPoint(0, h), QPoint(s, h), QPoint(0, h - s)},
        {QPoint(w, h), QPoint(w - s, h), QPoint(w, h - s)},
        {QPoint(w, 0), QPoint(w - s, 0), QPoint(w, s)},
    }};
    for (const auto& triangle : corners)
        c.Polygon(triangle);
}

void TQNButton::drawPushShadow() {
    TCanvas& c = Canvas();
    const int w = Width();
    const int h = Height();
    if (pressed_) {
        c.Brush().SetStyle(TBrushStyle::bsSolid);
        c.Brush().SetColor(clSilver);
        c.FillRect({0, 0, w, 2});
        c.FillRect({0, 2, 2, h});
        return;
    }
    c.Pen().SetStyle(TPenStyle::psSolid);
    c.Pen().SetWidth(1);
    c.Pen().SetColor(penColor_);
    const int lines[4][4] = {
        {1, h - 2, w, h - 2}, {2, h - 1, w, h - 1}, {w - 2, 1, w - 2, h}, {w - 1, 2, w - 1, h}};
    for (const auto& l : lines) {
        c.MoveTo(l[0], l[1]);
        c.LineTo(l[2], l[3]);
    }
}

void TQNButton::takeSnapshot() {
    if (Parent() == nullptr || !snapshotPending_)
        return;
    if (auto* box = dynamic_cast<TQNScrollBox*>(Parent()))
        parentSnapshot_ = box->Surface().copy();
    snapshotPending_ = false;
}

void TQNButton::drawBitmapFace(const TRect& box) {
    const QImage& picture = pressed_ ? bitMapDown_ : bitMapUp_;
    if (picture.isNull())
        return;
    TCanvas& c = Canvas();
    if (!transparent_) {
        c.StretchBlt(box.Left, box.Top, box.Width(), box.Height(), picture, 0, 0, picture.width(),
                     picture.height(), TCopyMode::cmSrcCopy);
    } else {
        const KeyMasks masks = MakeKeyMasks(picture);
        if (!parentSnapshot_.isNull()) {
            c.BitBlt(0, 0, box.Right, box.Bottom, parentSnapshot_, Left(), Top(),
                     TCopyMode::cmSrcCopy);
        } else {
            // No snapshot of the background: a plain one in the parent's colour.
            c.Brush().SetStyle(TBrushStyle::bsSolid);
            c.Brush().SetColor(Parent() != nullptr ? Parent()->BrushColor() : clSilver);
            c.FillRect({0, 0, box.Right, box.Bottom});
        }
        c.StretchBlt(box.Left, box.Top, box.Width(), box.Height(), masks.black, 0, 0,
                     picture.width(), picture.height(), TCopyMode::cmSrcPaint);
        c.StretchBlt(box.Left, box.Top, box.Width(), box.Height(), masks.white, 0, 0,
                     picture.width(), picture.height(), TCopyMode::cmSrcAnd);
    }
    if (pressed_)
        Delay(300); // a quick click still shows the pressed picture
}

void TQNButton::drawIcon(TRect& box) {
    TCanvas& c = Canvas();
    QSize size = iconSize(icon_);
    if (style_ != S::fsBitMap && !bitMapUp_.isNull() && !bitMapDown_.isNull())
        size = bitMapUp_.size();
    const int iw = size.width();
    const int ih = size.height();
    const int m = margin();
    int ix = 0;
    int iy = 0;
    switch (textAlign_) {
    case TBtnDirection::qnLeft:
        ix = box.Left + m;
        iy = (box.Bottom + box.Top) / 2 - iconSize(icon_).height() / 2;
        box.Left = ix + iw;
        break;
    case TBtnDirection::qnCenter:
        ix = (box.Right + box.Left) / 2 - iw / 2;
        iy = (box.Bottom + box.Top) / 2 - (c.TextHeight(caption_) * lineCount(caption_) + ih) / 2;
        box.Top = iy + ih;
        break;
    case TBtnDirection::qnRight:
        ix = box.Right - iw - m;
        iy = (box.Bottom + box.Top) / 2 - ih / 2;
        box.Right = ix;
        break;
    }
    if (bitMapDown_.isNull()) {
        // The face under the icon becomes the backdrop of the animation.
        QImage backdrop(32, 32, QImage::Format_RGB32);
        TCanvas target(&backdrop);
        target.BitBlt(0, 0, 32, 32, c, ix, iy, TCopyMode::cmSrcCopy);
        bitMapDown_ = backdrop;
    }
    c.DrawIconEx(ix, iy, icon_, 0, 0);
}

void TQNButton::drawCaption(const TRect& box) {
    TCanvas& c = Canvas();
    c.Brush().SetStyle(TBrushStyle::bsClear);
    QString text = caption_;
    if (speedKeyOn_) {
        const QString key = ShortCutToText(speedKey_);
        if (!key.isEmpty())
            text = key + QStringLiteral(" = ") + caption_;
    }
    const bool white = pressed_ && (style_ == S::fsClear || isFlat());
    c.Font().SetColor(white ? clWhite : font_.Color());
    const int th = c.TextHeight(text);
    const int lines = lineCount(caption_);
    const int m = margin();
    const int X = box.Left;
    const int Y = box.Top;
    const int R = box.Right;
    const int B = box.Bottom;
    int x = X + m;
    int y = (B + Y) / 2 - (th * lines) / 2;
    if (textAlign_ == TBtnDirection::qnCenter) {
        x = (R + X) / 2 - c.TextWidth(stripAmpersand(text)) / 2;
        y = showIcon_ && !icon_.images.empty() ? Y + 3 : (B - Y) / 2 + Y - (th * lines) / 2;
    } else if (textAlign_ == TBtnDirection::qnRight) {
        x = R - m - c.TextWidth(stripAmpersand(text));
    }
    const auto place = [&](const QString& line) {
        if (textAlign_ == TBtnDirection::qnCenter)
            x = (R + X) / 2 - c.TextWidth(stripAmpersand(line)) / 2;
        else if (textAlign_ == TBtnDirection::qnRight)
            x = R - m - c.TextWidth(stripAmpersand(line));
    };
    for (qsizetype tilde = text.indexOf(QLatin1Char('~')); tilde >= 0;
         tilde = text.indexOf(QLatin1Char('~'))) {
        const QString line = text.left(tilde);
        place(line);
        text = text.mid(tilde + 1);
        drawCaptionLine(line, x, y);
        y += th;
    }
    place(text);
    drawCaptionLine(text, x, y);
}

// Lines are drawn whole, whatever their length.
void TQNButton::drawCaptionLine(const QString& line, int x, int y) {
    TCanvas& c = Canvas();
    TRect rect{x, y, x + c.TextWidth(stripAmpersand(line)), y + c.TextHeight(line)};
    if (pressed_ && style_ == S::fsClear) {
        c.Brush().SetStyle(TBrushStyle::bsSolid);
        c.Brush().SetColor(clBlack);
        c.FillRect({rect.Left - 2, rect.Top, rect.Right + 2, rect.Bottom});
        c.Brush().SetStyle(TBrushStyle::bsClear);
    }
    if (pressed_ && style_ == S::fsBitMap) {
        rect.Left -= 3;
        rect.Top += 2;
        rect.Bottom += 2;
    }
    c.DrawText(line, rect, DT_LEFT | DT_TOP);
}

void TQNButton::StepAnimation() {
    TCanvas& c = Canvas();
    TPen probe = pen_;
    const FacePen pen = FacePenOf(probe, style_ == S::fsClear);
    const OutlineRect outline = OutlineBox(pen, outlineKind(style_, pressed_), Width(), Height());
    const TRect box = BevelBox(outline, pen);
    const QSize size = iconSize(icon_);
    const int m = margin();
    int ix = 0;
    int iy = 0;
    switch (textAlign_) {
    case TBtnDirection::qnLeft:
        ix = box.Left + m;
        iy = (box.Bottom + box.Top) / 2 - size.height() / 2;
        break;
    case TBtnDirection::qnCenter:
        ix = (box.Right + box.Left) / 2 - size.width() / 2;
        iy = (box.Bottom + box.Top) / 2 -
             (c.TextHeight(caption_) * lineCount(caption_) + size.height()) / 2;
        break;
    case TBtnDirection::qnRight:
        ix = box.Right - size.width() - m;
        iy = (box.Bottom + box.Top) / 2 - size.height() / 2;
        break;
    }
    if (aniSource_)
        aniSource_->DrawNext(bitMapDown_, aniIcon_, aniCounter_, c, ix, iy);
}

void TQNButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    pressed_ = false;
    if (button != TMouseButton::mbLeft || (shift & ssDouble) != 0)
        return;
    pressed_ =
        IsEllipseStyle(style_) ? TRegion::Ellipse({0, 0, Width(), Height()}).Contains(x, y) : true;
    if (!pressed_)
        return;
    Repaint();
    TControl::MouseDown(button, shift, x, y);
}

void TQNButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TControl::MouseUp(button, shift, x, y);
    if (!pressed_)
        return;
    pressed_ = false;
    if (!Visible())
        return;
    if (style_ == S::fsClear || transparent_ || pattern_ == 1)
        Invalidate(); // erased and painted by the parent
    else
        Repaint();
}

} // namespace kestrom
