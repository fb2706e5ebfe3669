#pragma once

#include "platform/TPen.h"

#include <QPainter>

#include <cstdint>

namespace kestrom {

// Raster operations of block copies (S the source, D the destination), with the platform's
// codes.
enum class TCopyMode : std::uint32_t {
    cmBlackness = 0x00000042,
    cmDstInvert = 0x00550009,   // NOT D
    cmMergePaint = 0x00BB0226,  // NOT S OR D
    cmNotSrcCopy = 0x00330008,  // NOT S
    cmNotSrcErase = 0x001100A6, // NOT (S OR D)
    cmSrcAnd = 0x008800C6,      // S AND D
    cmSrcCopy = 0x00CC0020,     // S
    cmSrcErase = 0x00440328,    // S AND NOT D
    cmSrcInvert = 0x00660046,   // S XOR D
    cmSrcPaint = 0x00EE0086,    // S OR D
    cmWhiteness = 0x00FF0062,
};

// The Qt composition that performs a copy mode or a pen mode on an opaque surface.
QPainter::CompositionMode CompositionFor(TCopyMode mode);
QPainter::CompositionMode CompositionFor(TPenMode mode);

} // namespace kestrom
