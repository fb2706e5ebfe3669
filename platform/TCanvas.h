#pragma once

#include "platform/IconObject.h"
#include "platform/PixelMask.h"
#include "platform/TBrush.h"
#include "platform/TColor.h"
#include "platform/TCopyMode.h"
#include "platform/TFont.h"
#include "platform/TPen.h"
#include "platform/TRect.h"
#include "platform/TRegion.h"

#include <QImage>
#include <QPaintDevice>
#include <QPoint>
#include <QSize>
#include <QString>

#include <optional>
#include <span>
#include <vector>

namespace kestrom {

class TBitmap;
struct TextRun;

// Flags of DrawText.
enum TDrawTextFlag : unsigned {
    DT_LEFT = 0x0000,
    DT_TOP = 0x0000,
    DT_CENTER = 0x0001,
    DT_RIGHT = 0x0002,
    DT_VCENTER = 0x0004,
    DT_BOTTOM = 0x0008,
    DT_WORDBREAK = 0x0010,
    DT_SINGLELINE = 0x0020,
    DT_EXPANDTABS = 0x0040,
    DT_NOCLIP = 0x0100,
    DT_CALCRECT = 0x0400,
    DT_NOPREFIX = 0x0800,
};

// A drawing surface with the platform's 2D rules, drawn through QPainter without
// antialiasing. Boxes exclude their right column and bottom row; lines leave out their end
// point; pen widths 0 and 1 draw one pixel; a figure with a clear pen covers its box minus the
// last column and row; the pen's mode combines pen and brush pixels of lines and figures with
// the destination, while FillRect, text and icons always copy. Brush tiles repeat from the
// device's origin. Coordinates are logical: the device pixel is the logical one plus Origin;
// the clip region is given in device pixels.
class TCanvas {
public:
    explicit TCanvas(QPaintDevice* device = nullptr);
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // Binds the canvas to a device (a QImage, or a widget while it paints); null unbinds.
    void SetDevice(QPaintDevice* device) { device_ = device; }
    QPaintDevice* Device() const { return device_; }
    // The device as an image, when it is one (pixels can then be read from it).
    QImage* Image() const;

    TPen& Pen() { return pen_; }
    TBrush& Brush() { return brush_; }
    TFont& Font() { return font_; }
    const TPen& Pen() const { return pen_; }
    const TBrush& Brush() const { return brush_; }
    const TFont& Font() const { return font_; }

    QPoint Origin() const { return origin_; }
    void SetOrigin(QPoint origin) { origin_ = origin; }

    // Drawing is kept inside region (device pixels) until the clip is removed.
    void SetClipRegion(const TRegion& region) { clip_ = region; }
    void RemoveClipRegion() { clip_.reset(); }
    const std::optional<TRegion>& ClipRegion() const { return clip_; }

    TCopyMode CopyMode() const { return copyMode_; }
    void SetCopyMode(TCopyMode mode) { copyMode_ = mode; }

    // Lines.
    QPoint PenPos() const { return penPos_; }
    void MoveTo(int x, int y) { penPos_ = QPoint(x, y); }
    void LineTo(int x, int y);
    // Joined lines through points; each pixel is drawn once, the last point left out.
    void Polyline(std::span<const QPoint> points);

    // Figures: outlined with the pen, filled with the brush.
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& box) { Rectangle(box.Left, box.Top, box.Right, box.Bottom); }
    void Ellipse(int left, int top, int right, int bottom);
    void Ellipse(const TRect& box) { Ellipse(box.Left, box.Top, box.Right, box.Bottom); }
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    // The part of the ellipse's outline from the radial through (x3, y3) counter-clockwise to
    // the radial through (x4, y4); equal radials give the whole outline.
    void Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4);
    // The wedge of the ellipse between the same radials, outlined and filled.
    void Pie(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4);
    // A closed figure through points, filled even-odd; its outline includes every vertex.
    void Polygon(std::span<const QPoint> points);
    // The box filled with the brush, no pen, always copying; a reversed box is put in order.
    void FillRect(const TRect& box);

    // One pixel; CLR_INVALID (0xFFFFFFFF) off the device or when it cannot be read.
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    // Text in the canvas font and its colour; with a solid brush the text cells are filled
    // with the brush colour first.
    void TextOut(int x, int y, const QString& text);
    QSize TextExtent(const QString& text) const;
    int TextWidth(const QString& text) const { return TextExtent(text).width(); }
    int TextHeight(const QString& text) const { return TextExtent(text).height(); }
    // Formatted text in box as the DT_ flags say; returns the height of the text. With
    // DT_CALCRECT nothing is drawn and box's right and bottom are set to what the text needs.
    int DrawText(const QString& text, TRect& box, unsigned flags);

    // The icon at the standard size, 32 x 32.
    void DrawIcon(int x, int y, const IconObject& icon);
    // The icon at width x height; 0, 0 draws its first image at its own size.
    void DrawIconEx(int x, int y, const IconObject& icon, int width, int height);
    void DrawIconImage(int x, int y, const IconImage& image, int width, int height);

    // Block copies from (sx, sy) of the source; pixels outside the source read as black.
    void BitBlt(int x, int y, int width, int height, const QImage& source, int sx, int sy,
                TCopyMode mode);
    void BitBlt(int x, int y, int width, int height, const TCanvas& source, int sx, int sy,
                TCopyMode mode);
    // Stretched copies (nearest pixel); a negative size on either side mirrors.
    void StretchBlt(int x, int y, int width, int height, const QImage& source, int sx, int sy,
                    int sourceWidth, int sourceHeight, TCopyMode mode);
    void StretchBlt(int x, int y, int width, int height, const TCanvas& source, int sx, int sy,
                    int sourceWidth, int sourceHeight, TCopyMode mode);
    // The bitmap at (x, y), or stretched into box, in CopyMode.
    void Draw(int x, int y, const TBitmap& bitmap);
    void StretchDraw(const TRect& box, const TBitmap& bitmap);
    // Part of another canvas stretched into box, in CopyMode.
    void CopyRect(const TRect& box, const TCanvas& source, const TRect& sourceBox);

private:
    TRect limit() const;
    int penWidth() const;
    void drawFigure(const PixelMask& area, const PixelMask& areaWithoutPen);
    void paintMask(const PixelMask& mask, const QBrush& brush, QPainter::CompositionMode mode);
    QBrush brushFor(TColor color) const;
    QBrush fillBrush() const;
    void blit(int x, int y, const QImage& image, TCopyMode mode);
    // Runs of one line at (x, y), over a brush-coloured cell when the brush is solid, kept
    // inside box (logical) when one is given.
    void drawTextRuns(int x, int y, const std::vector<TextRun>& runs, int width, const TRect* box);
    QImage sourceImage(const TCanvas& source) const;

    QPaintDevice* device_ = nullptr;
    TPen pen_;
    TBrush brush_;
    TFont font_;
    QPoint origin_;
    std::optional<TRegion> clip_;
    QPoint penPos_;
    TCopyMode copyMode_ = TCopyMode::cmSrcCopy;
};

} // namespace kestrom
