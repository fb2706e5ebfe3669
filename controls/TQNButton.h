#pragma once

#include "controls/FaceGeometry.h"
#include "controls/FaceStyle.h"
#include "controls/TAniSource.h"
#include "controls/TGraphicControl.h"
#include "platform/IconObject.h"
#include "platform/TBrush.h"
#include "platform/TFont.h"
#include "platform/TPen.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

namespace kestrom {

enum class TBtnDirection { qnLeft, qnCenter, qnRight };

// The button's face styles; the ordinals are those of TFaceStyle.
using TBtnStyle = TFaceStyle;

// A windowless, custom-painted push button: a face in one of thirty styles, a caption of
// "~"-separated lines with an "&" shortcut prefix, an optional icon, and an animated cursor
// played on the face step by step.
class TQNButton : public TGraphicControl {
public:
    // What the platform's icon extractor gives for a file: its first icon, or none.
    using IconExtractor = std::function<IconObject(const QString& file)>;

    TQNButton();

    QString Command;

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& v) { setAndRepaint(caption_, v); }
    const TBrush& Brush() const { return brush_; }
    void SetBrush(const TBrush& v) { brush_.Assign(v); }
    const TPen& Pen() const { return pen_; }
    void SetPen(const TPen& v) { pen_.Assign(v); }
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& v) { font_.Assign(v); }
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int v) { setAndRepaint(numGlyphs_, v); }
    TBtnDirection TextAlign() const { return textAlign_; }
    void SetTextAlign(TBtnDirection v) { setAndRepaint(textAlign_, v); }
    TBtnStyle BtnStyle() const { return style_; }
    void SetBtnStyle(TBtnStyle v) { setAndRepaint(style_, v); }
    const IconObject& Icon() const { return icon_; }
    void SetIcon(const IconObject& icon);
    std::uintptr_t CursorIcon() const { return cursorIcon_; }
    void SetCursorIcon(std::uintptr_t v);
    const QImage& BitMapUp() const { return bitMapUp_; }
    void SetBitMapUp(const QImage& v);
    const QImage& BitMapDown() const { return bitMapDown_; }
    void SetBitMapDown(const QImage& v);
    std::uint16_t SpeedKey() const { return speedKey_; }
    void SetSpeedKey(std::uint16_t v) { setAndRepaint(speedKey_, v); }
    bool SpeedKeyOn() const { return speedKeyOn_; }
    void SetSpeedKeyOn(bool v) { setAndRepaint(speedKeyOn_, v); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) { setAndRepaint(transparent_, v); }
    bool Dither() const { return dither_; }
    void SetDither(bool v) { setAndRepaint(dither_, v); }
    std::uint8_t Pattern() const { return pattern_; }
    void SetPattern(std::uint8_t v) { setAndRepaint(pattern_, v); }
    TColor Color() const { return color_; }
    void SetColor(TColor v) { setAndRepaint(color_, v); }
    TColor Color2() const { return color2_; }
    void SetColor2(TColor v) { setAndRepaint(color2_, v); }
    TColor lightColor() const { return lightColor_; }
    void SetlightColor(TColor v) { setAndRepaint(lightColor_, v); }
    TColor darkColor() const { return darkColor_; }
    void SetdarkColor(TColor v) { setAndRepaint(darkColor_, v); }
    TColor PenColor() const { return penColor_; }
    void SetPenColor(TColor v) { setAndRepaint(penColor_, v); }
    const QString& AniIcon() const { return aniIcon_; }
    void SetAniIcon(const QString& value);
    bool ShowIcon() const { return showIcon_; }
    void SetShowIcon(bool v) { setAndRepaint(showIcon_, v); }
    bool ShowCursor() const { return showCursor_; }
    void SetShowCursor(bool v);

    bool Pressed() const { return pressed_; }

    // The animation: the player comes from the animated-cursor module.
    void SetAniSource(std::unique_ptr<TAniSource> source) { aniSource_ = std::move(source); }
    void LoadAnimation();
    void StepAnimation();
    // Where first icons come from (the shell's, unless a test gives another); an empty
    // function restores the shell's.
    static void SetIconExtractor(IconExtractor extractor);

    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    template <typename T> void setAndRepaint(T& field, const T& value) {
        if (field == value)
            return;
        field = value;
        Invalidate();
    }

    bool isFlat() const;
    int margin() const;
    void drawStyleFace(TRect& box, const FacePen& pen);
    void drawFrameCorners(const FacePen& pen);
    void drawPushShadow();
    void drawBitmapFace(const TRect& box);
    void drawIcon(TRect& box);
    void drawCaption(const TRect& box);
    void drawCaptionLine(const QString& line, int x, int y);
    void takeSnapshot();

    QString caption_;
    TBrush brush_;
    TPen pen_;
    TFont font_;
    int numGlyphs_ = 1;
    TBtnDirection textAlign_ = TBtnDirection::qnLeft;
    TBtnStyle style_ = TBtnStyle::fs3DBorder;
    IconObject icon_;
    std::uintptr_t cursorIcon_ = 0;
    QImage bitMapUp_;
    QImage bitMapDown_;
    std::uint16_t speedKey_ = 0;
    bool speedKeyOn_ = false;
    bool transparent_ = false;
    bool dither_ = false;
    std::uint8_t pattern_ = 0;
    TColor color_ = clBlue;
    TColor color2_ = clWhite;
    TColor lightColor_ = clWhite;
    TColor darkColor_ = clGray;
    TColor penColor_ = clBlack;
    QString aniIcon_;
    bool showIcon_ = false;
    bool showCursor_ = false;

    bool pressed_ = false;
    std::unique_ptr<TAniSource> aniSource_;
    std::int32_t aniCounter_ = 0;
    QImage parentSnapshot_;
    bool snapshotPending_ = true;
};

} // namespace kestrom
