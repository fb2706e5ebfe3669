#pragma once

#include "controls/ControlTypes.h"
#include "platform/TRect.h"

#include <functional>

namespace kestrom {

class TWinControl;

// What every control has: bounds in its parent, visibility, alignment, a tag, the mouse
// events, and the repaint requests that the embedding widget turns into paints.
class TControl {
public:
    using TMouseEvent = std::function<void(TMouseButton, TShiftState, int x, int y)>;
    using TMouseMoveEvent = std::function<void(TShiftState, int x, int y)>;

    TControl() = default;
    virtual ~TControl();
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    TRect BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
    virtual void SetBounds(int left, int top, int width, int height);
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; } // changing it does not repaint
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align) { align_ = align; }
    int Tag = 0;
    int Cursor = 0;

    TWinControl* Parent() const { return parent_; }
    void SetParent(TWinControl* parent);

    // A queued repaint; the embedding widget paints later.
    void Invalidate();
    // A paint at once.
    virtual void Repaint();
    int InvalidateCount() const { return invalidates_; }
    std::function<void()> OnInvalidate;
    std::function<void()> OnRepaint;

    // Mouse input as the platform delivers it: tracks the click (a left press and a release
    // over the control), then calls the handlers below.
    void DispatchMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void DispatchMouseUp(TMouseButton button, TShiftState shift, int x, int y);

    // The control's mouse handlers; the base ones raise the events.
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;

private:
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    TAlign align_ = TAlign::alNone;
    TWinControl* parent_ = nullptr;
    int invalidates_ = 0;
    bool clicked_ = false;
};

} // namespace kestrom
