#pragma once

#include "cursors/XcursorImage.h"
#include "platform/IconObject.h"

#include <vector>

namespace kestrom {

// Turns a cursor into the images of its Xcursor file: for each nominal size, one image per
// step in step order. The sizes are 24, 32, 48 and 64, each made from the step's image
// nearest in size and scaled where needed, plus every size the cursor carries itself.
class XcursorFrames {
public:
    static constexpr int kMaxSide = 256;   // larger images are not cursors anyone can use
    static constexpr int kMaxSteps = 4096; // more steps than any animation needs
    // Pixels of one file at most (64 MiB of image data); a larger cursor is not written.
    static constexpr std::int64_t kMaxPixels = 16 * 1024 * 1024;

    static std::vector<XcursorImage> Build(const CursorObject& cursor);
    // A step's display time: jiffies (1/60 s) in milliseconds, rounded, at least 1.
    static std::uint32_t DelayMs(std::uint32_t jiffies);
    // The image scaled to nominal size (longer side), its hot spot scaled to match.
    static XcursorImage Scaled(const IconImage& image, int nominalSize);

private:
    static std::vector<int> NominalSizes(const CursorObject& cursor);
    static const IconImage* Nearest(const IconObject& frame, int size);
};

} // namespace kestrom
