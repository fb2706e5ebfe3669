#pragma once

#include "platform/IconObject.h"
#include "platform/TCanvas.h"
#include "platform/TRect.h"

#include <QImage>

#include <functional>

namespace kestrom {

// A picture container: empty, a bitmap or an icon. Changes are reported through OnChange.
class TPicture {
public:
    TPicture() = default;
    TPicture(const TPicture& other) : bitmap_(other.bitmap_), icon_(other.icon_) {}
    TPicture& operator=(const TPicture& other);

    bool HasGraphic() const { return !bitmap_.isNull() || !icon_.images.empty(); }
    bool IsBitmap() const { return !bitmap_.isNull(); }
    int Width() const;
    int Height() const;
    // The bitmap (null unless the picture is one).
    const QImage& Bitmap() const { return bitmap_; }

    void SetBitmap(const QImage& bitmap);
    void SetIcon(const IconObject& icon);
    void Clear();
    void Assign(const TPicture& other) { *this = other; }

    // The graphic stretched into box (icons through their masks), in the canvas's copy mode.
    void StretchDraw(TCanvas& canvas, const TRect& box) const;

    std::function<void()> OnChange;

private:
    void changed();

    QImage bitmap_;
    IconObject icon_;
};

} // namespace kestrom
