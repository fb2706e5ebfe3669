#include "platform/TPen.h"

#include <algorithm>

namespace kestrom {

TPen& TPen::operator=(const TPen& other) {
    if (this != &other)
        copyValues(other);
    return *this;
}

void TPen::copyValues(const TPen& other) {
    color_ = other.color_;
    width_ = other.width_;
    style_ = other.style_;
    mode_ = other.mode_;
}

void TPen::changed() {
    if (OnChange)
        OnChange();
}

void TPen::SetColor(TColor color) {
    if (color == color_)
        return;
    color_ = color;
    changed();
}

void TPen::SetWidth(int width) {
    width = std::max(width, 0);
    if (width == width_)
        return;
    width_ = width;
    changed();
}

void TPen::SetStyle(TPenStyle style) {
    if (style == style_)
        return;
    style_ = style;
    changed();
}

void TPen::SetMode(TPenMode mode) {
    if (mode == mode_)
        return;
    mode_ = mode;
    changed();
}

void TPen::Assign(const TPen& other) {
    copyValues(other);
    changed();
}

bool TPen::operator==(const TPen& other) const {
    return color_ == other.color_ && width_ == other.width_ && style_ == other.style_ &&
           mode_ == other.mode_;
}

} // namespace kestrom
