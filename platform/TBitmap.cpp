#include "platform/TBitmap.h"

#include <QPainter>

#include <algorithm>

namespace kestrom {

namespace {

// Bitmaps larger than this on a side are refused (kept as they were).
constexpr int kMaxSide = 32768;

} // namespace

TBitmap::TBitmap() : canvas_(std::make_unique<TCanvas>(&image_)) {}

TBitmap::TBitmap(int width, int height) : TBitmap() {
    SetSize(width, height);
}

TBitmap::TBitmap(const QImage& image) : TBitmap() {
    image_ = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
}

TBitmap::TBitmap(const TBitmap& other) : TBitmap() {
    image_ = other.image_;
}

TBitmap& TBitmap::operator=(const TBitmap& other) {
    if (this != &other)
        image_ = other.image_;
    return *this;
}

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == Width() && height == Height())
        return;
    if (width > kMaxSide || height > kMaxSide)
        return;
    if (width == 0 || height == 0) {
        image_ = QImage();
        Changed();
        return;
    }
    QImage resized(width, height, QImage::Format_RGB32);
    resized.fill(Qt::white);
    if (!image_.isNull()) {
        QPainter painter(&resized);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, image_);
    }
    image_ = resized;
    Changed();
}

void TBitmap::Assign(const TBitmap& other) {
    image_ = other.image_;
    Changed();
}

void TBitmap::Assign(const QImage& image) {
    image_ = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
    Changed();
}

void TBitmap::Changed() {
    if (OnChange)
        OnChange();
}

} // namespace kestrom
