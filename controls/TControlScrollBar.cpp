#include "controls/TControlScrollBar.h"

#include "controls/TQNScrollingWinControl.h"

#include <algorithm>

namespace kestrom {

TControlScrollBar::TControlScrollBar(TQNScrollingWinControl& owner, TScrollBarKind kind)
    : owner_(owner), kind_(kind) {}

void TControlScrollBar::SetIncrement(int v) {
    increment_ = std::clamp(v, 1, 32767);
}

const TControlScrollBar& TControlScrollBar::other() const {
    return kind_ == TScrollBarKind::sbHorizontal ? owner_.VertScrollBar() : owner_.HorzScrollBar();
}

void TControlScrollBar::SetPosition(int v) {
    if (owner_.Loading()) {
        position_ = v;
        return;
    }
    v = std::clamp(v, 0, std::max(0, scrollMax_));
    if (v != position_) {
        const int old = position_;
        position_ = v;
        if (kind_ == TScrollBarKind::sbHorizontal)
            owner_.ScrollChildren(old - v, 0);
        else
            owner_.ScrollChildren(0, old - v);
    }
    if (windowPosition_ != position_)
        windowPosition_ = position_;
}

void TControlScrollBar::SetRange(int v) {
    owner_.SetAutoScrollFlag(false);
    range_ = v < 0 ? 0 : v;
    owner_.UpdateScrollBars();
}

void TControlScrollBar::SetVisible(bool v) {
    visible_ = v;
    owner_.UpdateScrollBars();
}

void TControlScrollBar::Assign(const TControlScrollBar& other) {
    SetVisible(other.visible_);
    SetRange(other.range_);
    SetPosition(other.position_);
    increment_ = other.increment_;
}

int TControlScrollBar::ClientSize(bool controlSB, bool assumeSB) const {
    int size = kind_ == TScrollBarKind::sbVertical ? owner_.ClientHeight() : owner_.ClientWidth();
    if (!controlSB) {
        const int bar = owner_.ScrollBarThickness() - owner_.BorderAdjustment();
        if (assumeSB && !other().Shown())
            size -= bar;
        else if (!assumeSB && other().Shown())
            size += bar;
    }
    return size;
}

bool TControlScrollBar::NeedsBar() const {
    return visible_ && range_ > ClientSize(false, false);
}

void TControlScrollBar::Update(bool controlSB, bool assumeSB) {
    scrollMax_ = visible_ ? std::max(0, range_ - ClientSize(controlSB, assumeSB)) : 0;
    owner_.BarsChanged();
    SetPosition(position_);
}

} // namespace kestrom
