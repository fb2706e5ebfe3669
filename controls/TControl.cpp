#include "controls/TControl.h"

#include "controls/TWinControl.h"

namespace kestrom {

TControl::~TControl() {
    SetParent(nullptr);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Invalidate();
    if (parent_ != nullptr)
        parent_->ChildChanged();
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_)
        return;
    visible_ = visible;
    Invalidate();
    if (parent_ != nullptr)
        parent_->ChildChanged();
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_)
        return;
    if (parent_ != nullptr) {
        parent_->RemoveChild(this);
        parent_->ChildChanged();
    }
    parent_ = parent;
    if (parent_ != nullptr) {
        parent_->InsertChild(this);
        parent_->ChildChanged();
    }
}

void TControl::Invalidate() {
    ++invalidates_;
    if (OnInvalidate)
        OnInvalidate();
}

void TControl::Repaint() {
    if (OnRepaint)
        OnRepaint();
}

void TControl::DispatchMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    clicked_ = button == TMouseButton::mbLeft && (shift & ssDouble) == 0;
    if (button == TMouseButton::mbLeft && (shift & ssDouble) != 0 && OnDblClick)
        OnDblClick();
    MouseDown(button, shift, x, y);
}

void TControl::DispatchMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    const bool click =
        clicked_ && button == TMouseButton::mbLeft && x >= 0 && y >= 0 && x < width_ && y < height_;
    clicked_ = false;
    MouseUp(button, shift, x, y);
    if (click && OnClick)
        OnClick();
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown)
        OnMouseDown(button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove)
        OnMouseMove(shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp)
        OnMouseUp(button, shift, x, y);
}

} // namespace kestrom
