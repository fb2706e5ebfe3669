#pragma once

#include "platform/TColor.h"

#include <functional>

namespace kestrom {

enum class TPenStyle { psSolid, psClear };

// How pen and brush pixels of lines and figures combine with the destination (P is the pen or
// brush, D the destination).
enum class TPenMode {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,         // NOT D
    pmCopy,        // P
    pmNotCopy,     // NOT P
    pmMergePenNot, // P OR NOT D
    pmMaskPenNot,  // P AND NOT D
    pmMergeNotPen, // NOT P OR D
    pmMaskNotPen,  // NOT P AND D
    pmMerge,       // P OR D
    pmNotMerge,    // NOT (P OR D)
    pmMask,        // P AND D
    pmNotMask,     // NOT (P AND D)
    pmXor,         // P XOR D
    pmNotXor,      // NOT (P XOR D)
};

// A pen: colour, width (0 and 1 both draw one pixel), solid or clear, and its raster mode,
// which also governs the brush of filled figures. Copies take the values, not OnChange.
class TPen {
public:
    TPen() = default;
    TPen(const TPen& other) { copyValues(other); }
    TPen& operator=(const TPen& other);

    TColor Color() const { return color_; }
    int Width() const { return width_; }
    TPenStyle Style() const { return style_; }
    TPenMode Mode() const { return mode_; }
    void SetColor(TColor color);
    // Negative widths count as 0.
    void SetWidth(int width);
    void SetStyle(TPenStyle style);
    void SetMode(TPenMode mode);

    // Takes over the values of other and reports one change.
    void Assign(const TPen& other);
    bool operator==(const TPen& other) const;

    std::function<void()> OnChange;

private:
    void copyValues(const TPen& other);
    void changed();

    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = TPenStyle::psSolid;
    TPenMode mode_ = TPenMode::pmCopy;
};

} // namespace kestrom
