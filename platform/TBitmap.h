#pragma once

#include "platform/TCanvas.h"

#include <QImage>

#include <functional>
#include <memory>

namespace kestrom {

// An opaque picture with its own canvas. New pixels (of a new or enlarged bitmap) are white;
// resizing keeps the old pixels at the top left. Copies copy the picture, not OnChange.
class TBitmap {
public:
    TBitmap();
    TBitmap(int width, int height);
    explicit TBitmap(const QImage& image);
    TBitmap(const TBitmap& other);
    TBitmap& operator=(const TBitmap& other);
    ~TBitmap();

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    bool Empty() const { return image_.isNull(); }
    void SetWidth(int width) { SetSize(width, Height()); }
    void SetHeight(int height) { SetSize(Width(), height); }
    // A size of 0 on either side empties the bitmap; negative sizes count as 0.
    void SetSize(int width, int height);

    TCanvas& Canvas() { return *canvas_; }
    const TCanvas& Canvas() const { return *canvas_; }
    const QImage& Image() const { return image_; }

    // Takes a copy of other's picture (or of image, made opaque), and reports a change.
    void Assign(const TBitmap& other);
    void Assign(const QImage& image);
    // Tells OnChange that the picture was drawn on.
    void Changed();

    std::function<void()> OnChange;

private:
    QImage image_;
    std::unique_ptr<TCanvas> canvas_;
};

} // namespace kestrom
