#include "platform/TFont.h"

#include <QFontMetrics>

#include <cmath>

namespace kestrom {

namespace {

constexpr int kPixelsPerInch = 96;

// MulDiv: rounded, halves away from zero.
int mulDiv(int value, int numerator, int denominator) {
    const double exact = static_cast<double>(value) * numerator / denominator;
    return static_cast<int>(std::lround(exact));
}

} // namespace

TFont& TFont::operator=(const TFont& other) {
    if (this != &other)
        copyValues(other);
    return *this;
}

void TFont::copyValues(const TFont& other) {
    name_ = other.name_;
    height_ = other.height_;
    style_ = other.style_;
    color_ = other.color_;
}

void TFont::changed() {
    if (OnChange)
        OnChange();
}

int TFont::Size() const {
    return -mulDiv(height_, 72, kPixelsPerInch);
}

void TFont::SetName(const QString& name) {
    if (name == name_)
        return;
    name_ = name;
    changed();
}

void TFont::SetHeight(int height) {
    if (height == 0 || height == height_)
        return;
    height_ = height;
    changed();
}

void TFont::SetSize(int points) {
    SetHeight(-mulDiv(points, kPixelsPerInch, 72));
}

void TFont::SetStyle(unsigned style) {
    if (style == style_)
        return;
    style_ = style;
    changed();
}

void TFont::SetColor(TColor color) {
    if (color == color_)
        return;
    color_ = color;
    changed();
}

void TFont::Assign(const TFont& other) {
    copyValues(other);
    changed();
}

QFont TFont::ToQFont() const {
    QFont font(name_);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setBold((style_ & fsBold) != 0);
    font.setItalic((style_ & fsItalic) != 0);
    font.setUnderline((style_ & fsUnderline) != 0);
    font.setStrikeOut((style_ & fsStrikeOut) != 0);
    if (height_ < 0) {
        font.setPixelSize(-height_);
        return font;
    }
    // A cell height: the largest em whose line still fits the cell.
    int pixels = height_;
    font.setPixelSize(pixels);
    while (pixels > 1 && QFontMetrics(font).height() > height_) {
        --pixels;
        font.setPixelSize(pixels);
    }
    return font;
}

} // namespace kestrom
