#include "platform/TFont.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace kestrom {

namespace {

constexpr int kPixelsPerInch = 96;
constexpr int kMaxPixelHeight = 2048;

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
    points = std::clamp(points, -kMaxPixelHeight, kMaxPixelHeight);
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
    // Heights beyond any screen are drawn at the largest size kept.
    const int height = height_ < 0 ? (height_ < -kMaxPixelHeight ? kMaxPixelHeight : -height_)
                                   : std::clamp(height_, 1, kMaxPixelHeight);
    if (height_ < 0) {
        font.setPixelSize(height);
        return font;
    }
    // A cell height: the largest em whose line still fits the cell, found from an estimate.
    font.setPixelSize(height);
    const int cell = std::max(1, QFontMetrics(font).height());
    int pixels = std::max(1, height * height / cell + 1);
    font.setPixelSize(pixels);
    while (pixels > 1 && QFontMetrics(font).height() > height) {
        --pixels;
        font.setPixelSize(pixels);
    }
    return font;
}

} // namespace kestrom
