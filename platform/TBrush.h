#pragma once

#include "platform/TColor.h"

#include <QImage>

#include <functional>

namespace kestrom {

enum class TBrushStyle { bsSolid, bsClear };

// A brush: a solid colour, clear, or a tile (commonly 8x8) repeated from the surface's
// origin. A tile takes precedence over colour and style. Copies take the values, not OnChange.
class TBrush {
public:
    TBrush() = default;
    TBrush(const TBrush& other) { copyValues(other); }
    TBrush& operator=(const TBrush& other);

    TColor Color() const { return color_; }
    TBrushStyle Style() const { return style_; }
    const QImage& Bitmap() const { return bitmap_; }
    bool HasBitmap() const { return !bitmap_.isNull(); }
    // True when fills draw nothing: clear and without a tile.
    bool IsClear() const { return style_ == TBrushStyle::bsClear && !HasBitmap(); }

    // A colour makes the brush solid, as assigning a colour does on the platform.
    void SetColor(TColor color);
    void SetStyle(TBrushStyle style);
    // The tile is copied; a null image drops it.
    void SetBitmap(const QImage& tile);

    void Assign(const TBrush& other);

    std::function<void()> OnChange;

private:
    void copyValues(const TBrush& other);
    void changed();

    TColor color_ = clWhite;
    TBrushStyle style_ = TBrushStyle::bsSolid;
    QImage bitmap_;
};

} // namespace kestrom
