#include "platform/TCanvas.h"

#include "platform/NearestScale.h"
#include "platform/ShapeRaster.h"
#include "platform/TBitmap.h"
#include "platform/TextLayout.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <utility>

namespace kestrom {

namespace {

// Wider pens are drawn this wide; nothing the program draws comes near it.
constexpr int kMaxPenWidth = 1024;
constexpr int kCoordinateLimit = 1 << 27;
constexpr TColor kInvalidColor = 0xFFFFFFFF;
constexpr int kStandardIconSize = 32;

int clampCoordinate(int value) {
    return std::clamp(value, -kCoordinateLimit, kCoordinateLimit);
}

// The box with its sides in order and within the platform's coordinate range.
TRect ordered(int left, int top, int right, int bottom) {
    left = clampCoordinate(left);
    top = clampCoordinate(top);
    right = clampCoordinate(right);
    bottom = clampCoordinate(bottom);
    return TRect{std::min(left, right), std::min(top, bottom), std::max(left, right),
                 std::max(top, bottom)};
}

TRect withoutLastColumnAndRow(const TRect& box) {
    return TRect{box.Left, box.Top, box.Right - 1, box.Bottom - 1};
}

QPoint clampPoint(int x, int y) {
    return QPoint(clampCoordinate(x), clampCoordinate(y));
}

} // namespace

TCanvas::TCanvas(QPaintDevice* device) : device_(device) {}

QImage* TCanvas::Image() const {
    if (device_ == nullptr || device_->devType() != QInternal::Image)
        return nullptr;
    return static_cast<QImage*>(device_);
}

TRect TCanvas::limit() const {
    if (device_ == nullptr)
        return TRect{};
    // Grown by the pen so that figures cut at the edge get no false outline inside it.
    const int margin = penWidth() + 2;
    return TRect{-origin_.x() - margin, -origin_.y() - margin,
                 device_->width() - origin_.x() + margin, device_->height() - origin_.y() + margin};
}

int TCanvas::penWidth() const {
    return std::clamp(pen_.Width(), 1, kMaxPenWidth);
}

QBrush TCanvas::brushFor(TColor color) const {
    return QBrush(QColor::fromRgb(ColorToQRgb(color)));
}

QBrush TCanvas::fillBrush() const {
    if (brush_.HasBitmap())
        return QBrush(brush_.Bitmap());
    return brushFor(brush_.Color());
}

void TCanvas::paintMask(const PixelMask& mask, const QBrush& brush,
                        QPainter::CompositionMode mode) {
    if (device_ == nullptr || mode == QPainter::CompositionMode_Destination)
        return;
    QRegion region = TRegion::FromMask(mask).ToQRegion().translated(origin_);
    if (clip_)
        region = region.intersected(clip_->ToQRegion());
    if (region.isEmpty())
        return;
    QPainter painter(device_);
    painter.setCompositionMode(mode);
    // Tiles line up with the device's own origin.
    painter.setBrushOrigin(0, 0);
    for (const QRect& rect : region)
        painter.fillRect(rect, brush);
}

// Fills fill with the brush and strokes centreLine with the pen, pen pixels taking
// precedence, each pixel touched once.
void TCanvas::drawFigure(const PixelMask& fill, const PixelMask& centreLine) {
    const bool withPen = pen_.Style() != TPenStyle::psClear;
    const QPainter::CompositionMode mode = CompositionFor(pen_.Mode());
    PixelMask inside = fill;
    PixelMask stroke;
    if (withPen) {
        const int width = penWidth();
        stroke = centreLine.Dilated(width / 2, width - 1 - width / 2);
        inside.Subtract(stroke);
    }
    if (!brush_.IsClear())
        paintMask(inside, fillBrush(), mode);
    if (withPen)
        paintMask(stroke, brushFor(pen_.Color()), mode);
}

void TCanvas::LineTo(int x, int y) {
    const QPoint to = clampPoint(x, y);
    if (pen_.Style() != TPenStyle::psClear)
        drawFigure(PixelMask(), LinePixels(penPos_, to, limit()));
    penPos_ = to;
}

void TCanvas::Polyline(std::span<const QPoint> points) {
    if (points.size() < 2 || pen_.Style() == TPenStyle::psClear)
        return;
    TRect box = limit();
    PixelMask line(box);
    for (std::size_t i = 0; i + 1 < points.size(); ++i)
        line.Unite(LinePixels(clampPoint(points[i].x(), points[i].y()),
                              clampPoint(points[i + 1].x(), points[i + 1].y()), box));
    drawFigure(PixelMask(), line);
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    const TRect box = ordered(left, top, right, bottom);
    if (pen_.Style() == TPenStyle::psClear) {
        drawFigure(RectangleArea(withoutLastColumnAndRow(box), limit()), PixelMask());
        return;
    }
    const PixelMask area = RectangleArea(box, limit());
    drawFigure(area, area.Boundary());
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
    const TRect box = ordered(left, top, right, bottom);
    RoundRect(box.Left, box.Top, box.Right, box.Bottom, box.Width(), box.Height());
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth,
                        int cornerHeight) {
    const TRect box = ordered(left, top, right, bottom);
    if (pen_.Style() == TPenStyle::psClear) {
        const TRect inner = withoutLastColumnAndRow(box);
        drawFigure(RoundRectArea(inner, std::min(cornerWidth, inner.Width()),
                                 std::min(cornerHeight, inner.Height()), limit()),
                   PixelMask());
        return;
    }
    const PixelMask area = RoundRectArea(box, cornerWidth, cornerHeight, limit());
    drawFigure(area, area.Boundary());
}

void TCanvas::Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) {
    if (pen_.Style() == TPenStyle::psClear)
        return;
    const TRect box = ordered(left, top, right, bottom);
    const int width = penWidth();
    PixelMask stroke =
        EllipseArea(box, limit()).Boundary().Dilated(width / 2, width - 1 - width / 2);
    KeepSector(stroke, box, clampPoint(x3, y3), clampPoint(x4, y4));
    paintMask(stroke, brushFor(pen_.Color()), CompositionFor(pen_.Mode()));
}

void TCanvas::Pie(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) {
    const TRect box = ordered(left, top, right, bottom);
    const QPoint start = clampPoint(x3, y3);
    const QPoint end = clampPoint(x4, y4);
    const bool withPen = pen_.Style() != TPenStyle::psClear;
    PixelMask area = EllipseArea(withPen ? box : withoutLastColumnAndRow(box), limit());
    KeepSector(area, box, start, end);
    drawFigure(area, withPen ? area.Boundary() : PixelMask());
}

void TCanvas::Polygon(std::span<const QPoint> points) {
    if (points.empty())
        return;
    std::vector<QPoint> clamped;
    clamped.reserve(points.size());
    for (const QPoint& p : points)
        clamped.push_back(clampPoint(p.x(), p.y()));
    const TRect box = limit();
    PixelMask outline(box);
    if (pen_.Style() != TPenStyle::psClear) {
        for (std::size_t i = 0; i < clamped.size(); ++i)
            outline.Unite(LinePixels(clamped[i], clamped[(i + 1) % clamped.size()], box));
        // A single point still marks its pixel.
        if (clamped.size() == 1 || outline.IsEmpty())
            outline.Set(clamped[0].x(), clamped[0].y());
    }
    drawFigure(PolygonArea(clamped, box), outline);
}

void TCanvas::FillRect(const TRect& box) {
    if (brush_.IsClear())
        return;
    paintMask(RectangleArea(ordered(box.Left, box.Top, box.Right, box.Bottom), limit()),
              fillBrush(), QPainter::CompositionMode_Source);
}

TColor TCanvas::Pixel(int x, int y) const {
    const QImage* image = Image();
    const QPoint p(x + origin_.x(), y + origin_.y());
    if (image == nullptr || !image->rect().contains(p))
        return kInvalidColor;
    return QRgbToColor(image->pixel(p));
}

void TCanvas::SetPixel(int x, int y, TColor color) {
    PixelMask pixel(TRect{x, y, x + 1, y + 1});
    pixel.Set(x, y);
    paintMask(pixel, brushFor(color), QPainter::CompositionMode_Source);
}

void TCanvas::drawTextRuns(int x, int y, const std::vector<TextRun>& runs, int width,
                           const TRect* box) {
    if (device_ == nullptr)
        return;
    const QFont font = font_.ToQFont();
    const QFontMetrics metrics(font);
    if (!brush_.IsClear())
        paintMask(RectangleArea(TRect{x, y, x + width, y + metrics.height()},
                                box != nullptr ? *box : limit()),
                  brushFor(brush_.Color()), QPainter::CompositionMode_Source);
    QRegion region;
    if (box != nullptr)
        region =
            QRegion(box->Left + origin_.x(), box->Top + origin_.y(), box->Width(), box->Height());
    if (clip_)
        region = box != nullptr ? region.intersected(clip_->ToQRegion()) : clip_->ToQRegion();
    if (box != nullptr && region.isEmpty())
        return;
    QPainter painter(device_);
    if (box != nullptr || clip_)
        painter.setClipRegion(region);
    const QColor color = QColor::fromRgb(ColorToQRgb(font_.Color()));
    painter.setPen(color);
    painter.setFont(font);
    const int baseline = y + origin_.y() + metrics.ascent();
    const int underlineTop = baseline + metrics.underlinePos();
    const int underlineHeight = std::max(1, static_cast<int>(metrics.lineWidth()));
    for (const TextRun& run : runs) {
        const int left = x + run.x + origin_.x();
        painter.drawText(QPoint(left, baseline), run.text);
        // Marked characters get their own underline; the text itself is laid out whole.
        for (const qsizetype i : run.underlined) {
            const int from = metrics.horizontalAdvance(run.text.left(i));
            const int to = metrics.horizontalAdvance(run.text.left(i + 1));
            painter.fillRect(QRect(left + from, underlineTop, to - from, underlineHeight), color);
        }
    }
}

void TCanvas::TextOut(int x, int y, const QString& text) {
    const QSize extent = TextExtent(text);
    drawTextRuns(x, y, {TextRun{0, text, {}}}, extent.width(), nullptr);
    penPos_ = QPoint(x + extent.width(), y);
}

QSize TCanvas::TextExtent(const QString& text) const {
    const QFontMetrics metrics(font_.ToQFont());
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}

int TCanvas::DrawText(const QString& text, TRect& box, unsigned flags) {
    const QFont font = font_.ToQFont();
    const int lineHeight = QFontMetrics(font).height();
    TextLayoutOptions options;
    options.singleLine = (flags & DT_SINGLELINE) != 0;
    options.noPrefix = (flags & DT_NOPREFIX) != 0;
    options.expandTabs = (flags & DT_EXPANDTABS) != 0;
    options.wordBreak = (flags & DT_WORDBREAK) != 0;
    options.maxWidth = box.Width();
    // An empty text has no line at all.
    const std::vector<TextLine> lines =
        text.isEmpty() ? std::vector<TextLine>() : LayOutText(text, font, options);
    const int height = static_cast<int>(lines.size()) * lineHeight;
    if ((flags & DT_CALCRECT) != 0) {
        int widest = 0;
        for (const TextLine& line : lines)
            widest = std::max(widest, line.width);
        box.Right = box.Left + widest;
        box.Bottom = box.Top + height;
        return height;
    }
    int top = box.Top;
    if (options.singleLine && (flags & DT_VCENTER) != 0)
        top = box.Top + (box.Height() - height) / 2;
    else if (options.singleLine && (flags & DT_BOTTOM) != 0)
        top = box.Bottom - height;
    const TRect* clipBox = (flags & DT_NOCLIP) != 0 ? nullptr : &box;
    int y = top;
    for (const TextLine& line : lines) {
        int x = box.Left;
        if ((flags & DT_CENTER) != 0)
            x = box.Left + (box.Width() - line.width) / 2;
        else if ((flags & DT_RIGHT) != 0)
            x = box.Right - line.width;
        drawTextRuns(x, y, line.runs, line.width, clipBox);
        y += lineHeight;
    }
    return top - box.Top + height;
}

void TCanvas::DrawIcon(int x, int y, const IconObject& icon) {
    DrawIconEx(x, y, icon, kStandardIconSize, kStandardIconSize);
}

void TCanvas::DrawIconEx(int x, int y, const IconObject& icon, int width, int height) {
    if (icon.images.empty())
        return;
    const IconImage* chosen = &icon.images.front();
    if (width > 0 && height > 0) {
        const auto exact =
            std::find_if(icon.images.begin(), icon.images.end(), [&](const IconImage& image) {
                return image.color.width() == width && image.color.height() == height;
            });
        if (exact != icon.images.end())
            chosen = &*exact;
    }
    DrawIconImage(x, y, *chosen, width, height);
}

void TCanvas::DrawIconImage(int x, int y, const IconImage& image, int width, int height) {
    if (device_ == nullptr || image.color.isNull())
        return;
    const int w = width > 0 ? width : image.color.width();
    const int h = height > 0 ? height : image.color.height();
    const QImage color =
        w == image.color.width() && h == image.color.height()
            ? image.color
            : ScaleNearest(image.color, 0, 0, image.color.width(), image.color.height(), w, h);
    {
        QPainter painter(device_);
        if (clip_)
            painter.setClipRegion(clip_->ToQRegion());
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.drawImage(QPoint(x + origin_.x(), y + origin_.y()), color);
    }
    if (image.invert.isNull())
        return;
    // The cursor's inverting pixels turn the screen under them to its opposite.
    const QImage invert =
        ScaleNearest(image.invert, 0, 0, image.invert.width(), image.invert.height(), w, h);
    PixelMask mask(TRect{x, y, x + w, y + h});
    for (int row = 0; row < invert.height(); ++row)
        for (int column = 0; column < invert.width(); ++column)
            if (invert.pixelIndex(column, row) == 1)
                mask.Set(x + column, y + row);
    paintMask(mask, brushFor(clWhite), QPainter::RasterOp_NotDestination);
}

void TCanvas::blit(int x, int y, const QImage& image, TCopyMode mode) {
    if (device_ == nullptr || image.isNull())
        return;
    const TRect box{x, y, x + image.width(), y + image.height()};
    if (mode == TCopyMode::cmBlackness || mode == TCopyMode::cmWhiteness ||
        mode == TCopyMode::cmDstInvert) {
        paintMask(RectangleArea(box, limit()), brushFor(clWhite), CompositionFor(mode));
        return;
    }
    QPainter painter(device_);
    if (clip_)
        painter.setClipRegion(clip_->ToQRegion());
    painter.setCompositionMode(CompositionFor(mode));
    painter.drawImage(QPoint(x + origin_.x(), y + origin_.y()),
                      image.convertToFormat(QImage::Format_RGB32));
}

void TCanvas::BitBlt(int x, int y, int width, int height, const QImage& source, int sx, int sy,
                     TCopyMode mode) {
    if (width <= 0 || height <= 0)
        return;
    // copy() gives black outside the source; the copy also keeps a canvas copying onto
    // itself from reading what it has just written.
    blit(x, y, source.convertToFormat(QImage::Format_RGB32).copy(sx, sy, width, height), mode);
}

void TCanvas::BitBlt(int x, int y, int width, int height, const TCanvas& source, int sx, int sy,
                     TCopyMode mode) {
    BitBlt(x, y, width, height, sourceImage(source), sx + source.origin_.x(),
           sy + source.origin_.y(), mode);
}

void TCanvas::StretchBlt(int x, int y, int width, int height, const QImage& source, int sx, int sy,
                         int sourceWidth, int sourceHeight, TCopyMode mode) {
    if (width == sourceWidth && height == sourceHeight && width > 0 && height > 0) {
        BitBlt(x, y, width, height, source, sx, sy, mode);
        return;
    }
    const QImage scaled = ScaleNearest(source, sx, sy, sourceWidth, sourceHeight, width, height);
    blit(width < 0 ? x + width : x, height < 0 ? y + height : y, scaled, mode);
}

void TCanvas::StretchBlt(int x, int y, int width, int height, const TCanvas& source, int sx, int sy,
                         int sourceWidth, int sourceHeight, TCopyMode mode) {
    StretchBlt(x, y, width, height, sourceImage(source), sx + source.origin_.x(),
               sy + source.origin_.y(), sourceWidth, sourceHeight, mode);
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
    if (bitmap.Empty())
        return;
    BitBlt(x, y, bitmap.Width(), bitmap.Height(), bitmap.Image(), 0, 0, copyMode_);
}

void TCanvas::StretchDraw(const TRect& box, const TBitmap& bitmap) {
    if (bitmap.Empty())
        return;
    StretchBlt(box.Left, box.Top, box.Width(), box.Height(), bitmap.Image(), 0, 0, bitmap.Width(),
               bitmap.Height(), copyMode_);
}

void TCanvas::CopyRect(const TRect& box, const TCanvas& source, const TRect& sourceBox) {
    StretchBlt(box.Left, box.Top, box.Width(), box.Height(), source, sourceBox.Left, sourceBox.Top,
               sourceBox.Width(), sourceBox.Height(), copyMode_);
}

QImage TCanvas::sourceImage(const TCanvas& source) const {
    if (const QImage* image = source.Image())
        return *image;
    if (source.device_ != nullptr && source.device_->devType() == QInternal::Pixmap)
        return static_cast<QPixmap*>(source.device_)->toImage();
    return QImage();
}

} // namespace kestrom
