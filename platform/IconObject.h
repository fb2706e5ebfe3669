#pragma once

#include <QImage>
#include <QPoint>

#include <cstdint>
#include <memory>
#include <vector>

namespace kestrom {

// One image of an icon or cursor, decoded.
struct IconImage {
    QImage color;   // QImage::Format_ARGB32, straight alpha: what is drawn
    QImage invert;  // empty, or a mask (Format_Mono, 1 = invert the screen) of monochrome cursors
    QPoint hotSpot; // (0, 0) for icons
};

// An icon or a still cursor: every size it carries, the one to draw by default first.
struct IconObject {
    std::vector<IconImage> images;
};
using HICON = std::shared_ptr<const IconObject>;

// One step of a cursor as the system shows it: the frame and how long it stays up.
struct CursorStep {
    IconObject frame;
    std::uint32_t jiffies = 0; // 1/60 s; 0 for a still cursor
};

// A cursor: a still one has one step.
struct CursorObject {
    std::vector<CursorStep> steps;
};
using HCURSOR = std::shared_ptr<const CursorObject>;

} // namespace kestrom
