#include "controls/TZudImage.h"

#include "controls/TWinControl.h"

namespace kestrom {

TZudImage::TZudImage() {
    SetBounds(0, 0, 105, 105);
    picture_.OnChange = [this] { pictureChanged(); };
}

void TZudImage::SetAutoSize(bool v) {
    autoSize_ = v;
    pictureChanged();
}

void TZudImage::SetCenter(bool v) {
    if (v == center_)
        return;
    center_ = v;
    Invalidate();
}

void TZudImage::SetStretch(bool v) {
    stretch_ = v;
    Invalidate();
}

void TZudImage::SetTile(bool v) {
    tile_ = v;
    if (v)
        autoSize_ = false;
    Invalidate();
}

void TZudImage::SetTransparent(bool v) {
    transparent_ = v;
    Invalidate();
}

void TZudImage::pictureChanged() {
    if (autoSize_ && picture_.Width() > 0 && picture_.Height() > 0)
        SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
    opaque_ = picture_.IsBitmap() && picture_.Width() == Width() && picture_.Height() == Height();
    Invalidate();
}

// The picture with every pixel of its key colour replaced by the background colour.
QImage TZudImage::workBitmap(TColor background) const {
    QImage work = picture_.Bitmap().convertToFormat(QImage::Format_RGB32);
    const QRgb key = work.pixel(0, 0);
    const QRgb fill = ColorToQRgb(background);
    for (int y = 0; y < work.height(); ++y)
        for (int x = 0; x < work.width(); ++x)
            if (work.pixel(x, y) == key)
                work.setPixel(x, y, fill);
    return work;
}

void TZudImage::Paint() {
    TCanvas& c = Canvas();
    const TColor background = Parent() != nullptr ? Parent()->BrushColor() : clSilver;
    c.Brush().SetColor(background);
    if (!picture_.HasGraphic())
        return;
    const int pw = picture_.Width();
    const int ph = picture_.Height();
    if (pw <= 0 || ph <= 0)
        return; // an icon without a drawable image
    const QImage work = transparent_ && picture_.IsBitmap() ? workBitmap(background) : QImage();
    const auto drawAt = [&](int x, int y) {
        if (!work.isNull())
            c.BitBlt(x, y, pw, ph, work, 0, 0, TCopyMode::cmSrcCopy);
        else
            picture_.StretchDraw(c, {x, y, x + pw, y + ph});
    };
    const int cx = (Width() - pw) / 2;
    const int cy = (Height() - ph) / 2;
    if (tile_) {
        for (int y = 0; y < Height(); y += ph)
            for (int x = 0; x < Width(); x += pw)
                drawAt(x, y);
    } else if (!work.isNull()) {
        // A centred transparent picture keeps its whole area, placed at the centre.
        center_ ? drawAt(cx, cy) : drawAt(0, 0);
    } else if (stretch_) {
        picture_.StretchDraw(c, {0, 0, Width(), Height()});
    } else if (center_) {
        drawAt(cx, cy);
    } else {
        drawAt(0, 0);
    }
}

} // namespace kestrom
