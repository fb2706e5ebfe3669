#include "controls/TPicture.h"

namespace kestrom {

TPicture& TPicture::operator=(const TPicture& other) {
    if (this != &other) {
        bitmap_ = other.bitmap_;
        icon_ = other.icon_;
        changed();
    }
    return *this;
}

int TPicture::Width() const {
    if (!bitmap_.isNull())
        return bitmap_.width();
    return icon_.images.empty() ? 0 : icon_.images.front().color.width();
}

int TPicture::Height() const {
    if (!bitmap_.isNull())
        return bitmap_.height();
    return icon_.images.empty() ? 0 : icon_.images.front().color.height();
}

void TPicture::SetBitmap(const QImage& bitmap) {
    bitmap_ = bitmap.convertToFormat(QImage::Format_RGB32);
    icon_ = {};
    changed();
}

void TPicture::SetIcon(const IconObject& icon) {
    bitmap_ = QImage();
    icon_ = icon;
    changed();
}

void TPicture::Clear() {
    bitmap_ = QImage();
    icon_ = {};
    changed();
}

void TPicture::StretchDraw(TCanvas& canvas, const TRect& box) const {
    if (!bitmap_.isNull()) {
        canvas.StretchBlt(box.Left, box.Top, box.Width(), box.Height(), bitmap_, 0, 0,
                          bitmap_.width(), bitmap_.height(), canvas.CopyMode());
    } else if (!icon_.images.empty()) {
        canvas.DrawIconEx(box.Left, box.Top, icon_, box.Width(), box.Height());
    }
}

void TPicture::changed() {
    if (OnChange)
        OnChange();
}

} // namespace kestrom
