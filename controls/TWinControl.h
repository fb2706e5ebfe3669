#pragma once

#include "controls/TControl.h"
#include "platform/TCanvas.h"

#include <QImage>

#include <vector>

namespace kestrom {

// A windowed control: it holds child controls and has a surface of its own, which its
// windowless children paint on.
class TWinControl : public TControl {
public:
    TWinControl() = default;
    ~TWinControl() override;

    const std::vector<TControl*>& Controls() const { return children_; }
    int ClientWidth() const { return clientWidth_ < 0 ? Width() : clientWidth_; }
    int ClientHeight() const { return clientHeight_ < 0 ? Height() : clientHeight_; }
    // The client area when it differs from the bounds (borders, scroll bars).
    void SetClientSize(int width, int height);

    // The surface of the window and a canvas on it.
    QImage& Surface() { return surface_; }
    const QImage& Surface() const { return surface_; }
    TCanvas& Canvas() { return canvas_; }
    // The window's background (brush) colour, which windowless children may paint with.
    TColor BrushColor() const { return brushColor_; }
    void SetBrushColor(TColor color) { brushColor_ = color; }

    // Called by children when their bounds or visibility change.
    virtual void ChildChanged() {}
    // Children move by (dx, dy), as scrolling does.
    void ScrollChildren(int dx, int dy);

    void SetBounds(int left, int top, int width, int height) override;

private:
    friend class TControl;
    void InsertChild(TControl* child) { children_.push_back(child); }
    void RemoveChild(TControl* child);

    std::vector<TControl*> children_;
    int clientWidth_ = -1;
    int clientHeight_ = -1;
    TColor brushColor_ = clSilver;
    QImage surface_;
    TCanvas canvas_;
};

} // namespace kestrom
