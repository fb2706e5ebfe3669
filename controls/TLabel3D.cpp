#include "controls/TLabel3D.h"

namespace kestrom {

TLabel3D::TLabel3D() {
    SetBounds(0, 0, 65, 17);
    font_.OnChange = [this] { Invalidate(); };
}

void TLabel3D::SetOffset(int offset) {
    if (offset == offset_)
        return;
    offset_ = offset;
    Invalidate();
}

void TLabel3D::SetLabelStyle(TLabelStyle style) {
    if (style == style_)
        return;
    SetOffset(-offset_); // highlight and shadow change sides
    style_ = style;
}

void TLabel3D::SetAsButton(bool asButton) {
    if (asButton == asButton_)
        return;
    if (asButton && style_ == TLabelStyle::lsLowered)
        SetLabelStyle(TLabelStyle::lsRaised);
    asButton_ = asButton;
}

void TLabel3D::SetCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    Invalidate();
}

void TLabel3D::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    Invalidate();
}

unsigned TLabel3D::alignmentFlags() const {
    switch (alignment_) {
    case TAlignment::taRightJustify:
        return DT_RIGHT;
    case TAlignment::taCenter:
        return DT_CENTER;
    case TAlignment::taLeftJustify:
        break;
    }
    return DT_LEFT;
}

void TLabel3D::Paint() {
    TCanvas& c = Canvas();
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.Font().Assign(font_);
    const TColor color = font_.Color();
    const QString text = caption_.left(255);
    const unsigned passFlags = alignmentFlags() | DT_EXPANDTABS | DT_WORDBREAK;
    TRect highlight{-offset_, -offset_, Width() - offset_, Height() - offset_};
    c.Font().SetColor(clWhite);
    c.DrawText(text, highlight, passFlags);
    TRect shadow{offset_, offset_, Width() + offset_, Height() + offset_};
    c.Font().SetColor(clBlack);
    c.DrawText(text, shadow, passFlags);
    c.Font().SetColor(color);
    TRect client{0, 0, Width(), Height()};
    c.DrawText(caption_, client,
               alignmentFlags() | DT_EXPANDTABS | (WordWrap ? DT_WORDBREAK : 0u) |
                   (ShowAccelChar ? 0u : DT_NOPREFIX));
}

bool TLabel3D::inside(int x, int y) const {
    return x >= 0 && x <= Width() && y >= 0 && y <= Height();
}

void TLabel3D::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (!asButton_)
        return TControl::MouseDown(button, shift, x, y);
    if (button == TMouseButton::mbLeft && style_ != TLabelStyle::lsLowered && Enabled())
        SetLabelStyle(TLabelStyle::lsLowered);
}

void TLabel3D::MouseMove(TShiftState shift, int x, int y) {
    if (!asButton_)
        return TControl::MouseMove(shift, x, y);
    if (shift != ssLeft)
        return;
    SetLabelStyle(inside(x, y) ? TLabelStyle::lsLowered : TLabelStyle::lsRaised);
}

void TLabel3D::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (!asButton_)
        return TControl::MouseUp(button, shift, x, y);
    if (inside(x, y))
        SetLabelStyle(TLabelStyle::lsRaised);
}

} // namespace kestrom
