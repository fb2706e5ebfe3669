#include "controls/TQNScrollingWinControl.h"

#include <algorithm>
#include <cmath>

namespace kestrom {

TQNScrollingWinControl::TQNScrollingWinControl()
    : horz_(*this, TScrollBarKind::sbHorizontal), vert_(*this, TScrollBarKind::sbVertical) {}

TQNScrollingWinControl::~TQNScrollingWinControl() {
    updating_ = true; // children leaving must not recompute the bars of a dying control
}

void TQNScrollingWinControl::SetAutoScroll(bool v) {
    if (v == autoScroll_)
        return;
    autoScroll_ = v;
    if (v) {
        calcAutoRange();
    } else {
        horz_.SetAutoRange(0);
        vert_.SetAutoRange(0);
    }
    UpdateScrollBars();
}

void TQNScrollingWinControl::SetColor(TColor v) {
    if (v == color_)
        return;
    color_ = v;
    Invalidate();
}

void TQNScrollingWinControl::SetBorderStyle(TBorderStyle v) {
    if (v == borderStyle_)
        return;
    borderStyle_ = v;
    BarsChanged(); // the window is made again with its new border
    UpdateScrollBars();
}

int TQNScrollingWinControl::autoRange(TScrollBarKind kind) const {
    const bool horizontal = kind == TScrollBarKind::sbHorizontal;
    const TControlScrollBar& bar = horizontal ? horz_ : vert_;
    int extent = 0;
    int aligned = 0;
    for (const TControl* child : Controls()) {
        if (!child->Visible())
            continue;
        if (child->Align() == TAlign::alNone)
            extent = std::max(extent, horizontal ? bar.Position() + child->Left() + child->Width()
                                                 : bar.Position() + child->Top() + child->Height());
        else if (horizontal && child->Align() == TAlign::alRight)
            aligned += child->Width();
        else if (!horizontal && child->Align() == TAlign::alBottom)
            aligned += child->Height();
    }
    return extent + aligned + bar.Margin();
}

void TQNScrollingWinControl::calcAutoRange() {
    if (!autoScroll_)
        return;
    horz_.SetAutoRange(autoRange(TScrollBarKind::sbHorizontal));
    vert_.SetAutoRange(autoRange(TScrollBarKind::sbVertical));
}

void TQNScrollingWinControl::UpdateScrollBars() {
    if (updating_)
        return;
    updating_ = true;
    if (vert_.NeedsBar()) {
        horz_.Update(false, true);
        vert_.Update(false, false);
    } else {
        vert_.Update(false, horz_.NeedsBar());
        horz_.Update(false, false);
    }
    updating_ = false;
}

void TQNScrollingWinControl::BarsChanged() {
    const int border = 2 * BorderAdjustment();
    const int w = Width() - border - (vert_.Shown() ? ScrollBarThickness() : 0);
    const int h = Height() - border - (horz_.Shown() ? ScrollBarThickness() : 0);
    SetClientSize(std::max(0, w), std::max(0, h));
}

void TQNScrollingWinControl::ChildChanged() {
    if (sizing_ || updating_)
        return;
    calcAutoRange();
    UpdateScrollBars();
}

void TQNScrollingWinControl::SetBounds(int left, int top, int width, int height) {
    const bool resized = width != Width() || height != Height();
    sizing_ = true;
    TWinControl::SetBounds(left, top, width, height);
    BarsChanged();
    sizing_ = false;
    if (!resized)
        return;
    if (OnResize && !loading_)
        OnResize();
    calcAutoRange();
    UpdateScrollBars();
}

void TQNScrollingWinControl::ScrollMessage(TScrollBarKind kind, TScrollCode code, int position) {
    TControlScrollBar& bar = kind == TScrollBarKind::sbHorizontal ? horz_ : vert_;
    switch (code) {
    case TScrollCode::scLineUp:
        return bar.SetPosition(bar.Position() - bar.Increment());
    case TScrollCode::scLineDown:
        return bar.SetPosition(bar.Position() + bar.Increment());
    case TScrollCode::scPageUp:
        return bar.SetPosition(bar.Position() - bar.ClientSize(true, false));
    case TScrollCode::scPageDown:
        return bar.SetPosition(bar.Position() + bar.ClientSize(true, false));
    case TScrollCode::scPosition:
        return bar.SetPosition(position);
    case TScrollCode::scTop:
        return bar.SetPosition(0);
    case TScrollCode::scBottom:
        return bar.SetPosition(bar.ScrollMax());
    case TScrollCode::scTrack:
        return; // dragging the thumb scrolls when it is released
    }
}

void TQNScrollingWinControl::ScaleScrollBars(int m, int d) {
    horz_.SetPosition(0);
    vert_.SetPosition(0);
    if (autoScroll_ || d == 0)
        return;
    const auto scale = [m, d](int range) {
        return static_cast<int>(std::lround(static_cast<double>(range) * m / d));
    };
    horz_.SetRange(scale(horz_.Range()));
    vert_.SetRange(scale(vert_.Range()));
}

} // namespace kestrom
