#pragma once

#include <QImage>
#include <QPoint>

#include <cstdint>

namespace kestrom {

// One image chunk of an Xcursor file.
struct XcursorImage {
    std::uint32_t nominalSize = 0;
    QImage pixels; // QImage::Format_ARGB32_Premultiplied
    QPoint hotSpot;
    std::uint32_t delay = 0; // milliseconds to the next frame; 0 for a still cursor
};

} // namespace kestrom
