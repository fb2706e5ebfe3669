#pragma once

#include <cstdint>

namespace kestrom {

class TQNScrollingWinControl;

enum class TScrollBarKind { sbHorizontal, sbVertical };

// The settings of one of a scrolling control's own scroll bars.
class TControlScrollBar {
public:
    TControlScrollBar(TQNScrollingWinControl& owner, TScrollBarKind kind);
    TControlScrollBar(const TControlScrollBar&) = delete;
    TControlScrollBar& operator=(const TControlScrollBar&) = delete;

    TScrollBarKind Kind() const { return kind_; }
    int Increment() const { return increment_; }
    void SetIncrement(int v);
    int Margin() const { return margin_; }
    void SetMargin(int v) { margin_ = static_cast<std::uint16_t>(v); }
    int Position() const { return position_; }
    // Clamped to 0 .. ScrollMax; the owner's children move by the change.
    void SetPosition(int v);
    int Range() const { return range_; }
    // Switches the owner's automatic ranges off; a negative range is 0.
    void SetRange(int v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    int ScrollMax() const { return scrollMax_; }

    // Copies Visible, Range, Position (through their setters) and Increment.
    void Assign(const TControlScrollBar& other);

    // What the window's own bar shows.
    int WindowPosition() const { return windowPosition_; }
    bool Shown() const { return scrollMax_ > 0; }

    // The client size along this bar: unless ControlSB, assuming (AssumeSB) or discounting
    // the other bar.
    int ClientSize(bool controlSB, bool assumeSB) const;
    // Recomputes ScrollMax from the range and the client size, then clamps the position.
    void Update(bool controlSB, bool assumeSB);
    // Whether the range exceeds the client size with neither flag.
    bool NeedsBar() const;

    // The range computed from the children, without switching automatic ranges off.
    void SetAutoRange(int v) { range_ = v < 0 ? 0 : v; }

private:
    const TControlScrollBar& other() const;

    TQNScrollingWinControl& owner_;
    TScrollBarKind kind_;
    int increment_ = 8;
    int position_ = 0;
    int range_ = 0;
    int scrollMax_ = 0;
    std::uint16_t margin_ = 0;
    bool visible_ = true;
    int windowPosition_ = 0;
};

} // namespace kestrom
