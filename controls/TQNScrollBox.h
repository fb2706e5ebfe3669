#pragma once

#include "controls/TQNScrollingWinControl.h"

#include <functional>

namespace kestrom {

// A scrolling container that paints its whole area itself: OnPaint when assigned, otherwise
// a fill in Color. It never erases its background, so it does not flicker.
class TQNScrollBox : public TQNScrollingWinControl {
public:
    TQNScrollBox();

    // The erase-background message, answered as handled without drawing.
    int EraseBackgroundMessage() const { return 1; }
    // The paint message: the shared palette realized, the brush in Color, then Paint.
    void PaintMessage();
    void Paint();

    std::function<void()> OnPaint;
};

} // namespace kestrom
