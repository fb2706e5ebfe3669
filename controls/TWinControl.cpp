#include "controls/TWinControl.h"

#include <algorithm>

namespace kestrom {

TWinControl::~TWinControl() {
    for (TControl* child : std::vector<TControl*>(children_))
        child->SetParent(nullptr);
}

void TWinControl::SetClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
}

void TWinControl::ScrollChildren(int dx, int dy) {
    for (TControl* child : children_)
        child->SetBounds(child->Left() + dx, child->Top() + dy, child->Width(), child->Height());
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    const bool resized = width != Width() || height != Height();
    TControl::SetBounds(left, top, width, height);
    if (resized && width > 0 && height > 0) {
        surface_ = QImage(width, height, QImage::Format_RGB32);
        surface_.fill(Qt::white);
        canvas_.SetDevice(&surface_);
    }
}

void TWinControl::RemoveChild(TControl* child) {
    children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
}

} // namespace kestrom
