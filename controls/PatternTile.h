#pragma once

#include "platform/TCanvas.h"

#include <QImage>

#include <functional>

namespace kestrom {

// How a tile is made from a pattern: keyed (button and image) or combined (shape).
enum class TTileVariant { tvKeyed, tvCombined };

enum class TTileMode { tmOpaque, tmTransparent };

// The 8 x 8 pattern bitmap P and the brush tile T1 made from it.
struct PatternTile {
    QImage pattern; // black pattern pixels on white
    QImage tile;
};

// Pattern Number from the bitmap resources; a number without a bitmap (0, 49 and above)
// gives an all-white pattern, so that the tile is a plain fill.
PatternTile MakePatternTile(int number, TTileMode mode, TColor faceColor, TColor color2,
                            TTileVariant variant);

// Fills Figure with the tile as the face's pattern fill. Transparent: the pattern pixels get
// the tile's colour and the rest keeps the destination; opaque: the tile covers the figure.
// Afterwards the brush is clear and the pen is the control's pen in PenColor.
void DrawPatternFill(TCanvas& canvas, const PatternTile& tile, TTileMode mode,
                     const std::function<void()>& figure, const TPen& controlPen, TColor penColor);

} // namespace kestrom
