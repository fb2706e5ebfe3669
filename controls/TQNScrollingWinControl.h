#pragma once

#include "controls/TControlScrollBar.h"
#include "controls/TWinControl.h"

namespace kestrom {

enum class TBorderStyle { bsNone, bsSingle };

enum class TScrollCode {
    scLineUp,
    scLineDown,
    scPageUp,
    scPageDown,
    scPosition,
    scTrack,
    scTop,
    scBottom,
};

// A windowed container whose children may reach beyond its client area: scroll bars are
// computed from the children (automatic ranges) or set by hand.
class TQNScrollingWinControl : public TWinControl {
public:
    TQNScrollingWinControl();
    ~TQNScrollingWinControl() override;

    TControlScrollBar& HorzScrollBar() { return horz_; }
    TControlScrollBar& VertScrollBar() { return vert_; }
    const TControlScrollBar& HorzScrollBar() const { return horz_; }
    const TControlScrollBar& VertScrollBar() const { return vert_; }
    void SetHorzScrollBar(const TControlScrollBar& settings) { horz_.Assign(settings); }
    void SetVertScrollBar(const TControlScrollBar& settings) { vert_.Assign(settings); }

    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool v);
    TColor Color() const { return color_; }
    void SetColor(TColor v);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v);

    // The window's scroll-bar messages.
    void ScrollMessage(TScrollBarKind kind, TScrollCode code, int position = 0);
    // The form is scaled by m / d.
    void ScaleScrollBars(int m, int d);

    void SetBounds(int left, int top, int width, int height) override;
    void ChildChanged() override;
    // Recomputes both bars (once at a time).
    void UpdateScrollBars();

    // For the bars.
    bool Loading() const { return loading_; }
    void SetLoading(bool v) { loading_ = v; }
    void SetAutoScrollFlag(bool v) { autoScroll_ = v; }
    int ScrollBarThickness() const { return 16; }
    int BorderAdjustment() const { return borderStyle_ == TBorderStyle::bsSingle ? 1 : 0; }
    void BarsChanged();

    std::function<void()> OnResize;

private:
    void calcAutoRange();
    int autoRange(TScrollBarKind kind) const;

    TControlScrollBar horz_;
    TControlScrollBar vert_;
    bool autoScroll_ = true;
    bool updating_ = false;
    bool sizing_ = false;
    bool loading_ = false;
    TColor color_ = clSilver;
    TBorderStyle borderStyle_ = TBorderStyle::bsNone;
};

} // namespace kestrom
