#pragma once

#include "controls/TGraphicControl.h"
#include "platform/TFont.h"

#include <QString>

namespace kestrom {

enum class TLabelStyle { lsRaised, lsLowered };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// A text label with a white highlight and a black shadow Offset pixels apart, so that it
// looks raised or engraved; as a button it is lowered while the left button is held over it.
class TLabel3D : public TGraphicControl {
public:
    TLabel3D();

    int Offset() const { return offset_; }
    void SetOffset(int offset);
    TLabelStyle LabelStyle() const { return style_; }
    void SetLabelStyle(TLabelStyle style);
    bool AsButton() const { return asButton_; }
    void SetAsButton(bool asButton);

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font) { font_.Assign(font); }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool AutoSize = true;
    bool ShowAccelChar = true;
    bool WordWrap = false;

    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    bool inside(int x, int y) const;
    unsigned alignmentFlags() const;

    int offset_ = 1;
    TLabelStyle style_ = TLabelStyle::lsRaised;
    bool asButton_ = false;
    QString caption_;
    TFont font_;
    TAlignment alignment_ = TAlignment::taLeftJustify;
};

} // namespace kestrom
