#include "platform/TBrush.h"

namespace kestrom {

TBrush& TBrush::operator=(const TBrush& other) {
    if (this != &other)
        copyValues(other);
    return *this;
}

void TBrush::copyValues(const TBrush& other) {
    color_ = other.color_;
    style_ = other.style_;
    bitmap_ = other.bitmap_;
}

void TBrush::changed() {
    if (OnChange)
        OnChange();
}

void TBrush::SetColor(TColor color) {
    if (color == color_ && style_ == TBrushStyle::bsSolid)
        return;
    color_ = color;
    style_ = TBrushStyle::bsSolid;
    changed();
}

void TBrush::SetStyle(TBrushStyle style) {
    if (style == style_)
        return;
    style_ = style;
    changed();
}

void TBrush::SetBitmap(const QImage& tile) {
    if (tile.isNull() && bitmap_.isNull())
        return;
    bitmap_ = tile.isNull() ? QImage() : tile.convertToFormat(QImage::Format_RGB32);
    changed();
}

void TBrush::Assign(const TBrush& other) {
    copyValues(other);
    changed();
}

} // namespace kestrom
