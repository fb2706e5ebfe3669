// Renders every face style of the painted controls, released and pressed, and the ten shape
// gradient styles into one labelled PNG sheet: kestrom-gallery OUT.png
#include "controls/PaletteModule.h"
#include "controls/TQNButton.h"
#include "controls/TQNImage.h"
#include "controls/TQNShape.h"
#include "controls/TWinControl.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <functional>

namespace {

using namespace kestrom;

constexpr int Cell = 64;
constexpr int Pitch = 84;
constexpr int Columns = 10;
constexpr int TitleHeight = 22;

const char* const ButtonStyles[] = {
    "Clear",        "3DBorder",    "3DFatBorder",   "DoubleBorder",   "3DFrame",
    "Chiseled",     "LowBeveled",  "HiBeveled",     "3DEllipse",      "DoubleEllipse",
    "Ellipse",      "RoundRect",   "Rectangle",     "FrameBtn",       "PushBtn",
    "Grad3DBorder", "Grad3DFat",   "GradDouble",    "Grad3DFrame",    "GradChiseled",
    "GradLowBev",   "GradHiBev",   "Grad3DEllipse", "GradDblEllipse", "GradDblRect",
    "GradDepr",     "GradDblDepr", "Depressed",     "DoubleDepr",     "BitMap"};

const char* const ShapeStyles[] = {
    "Clear",       "3dBorder",     "3DFatBorder",   "DoubleBorder",   "3DFrame",     "Chiseled",
    "LowBeveled",  "HiBeveled",    "3DEllipse",     "DoubleEllipse",  "Ellipse",     "RoundRect",
    "Rectangle",   "Grad3DBorder", "Grad3DFat",     "GradDouble",     "Grad3DFrame", "GradChiseled",
    "GradLowBev",  "GradHiBev",    "Grad3DEllipse", "GradDblEllipse", "GradDblRect", "GradDepr",
    "GradDblDepr", "Depressed",    "DoubleDepr"};

const char* const ImageStyles[] = {
    "Clear",      "3dBorder",    "3DFatBorder",  "DoubleBorder", "3DFrame",      "Chiseled",
    "LowBeveled", "HiBeveled",   "Rectangle",    "bitmap",       "Grad3DBorder", "Grad3DFat",
    "GradDouble", "Grad3DFrame", "GradChiseled", "GradLowBev",   "GradHiBev",    "GradDblRect",
    "GradDepr",   "GradDblDepr", "Depressed",    "DoubleDepr"};

// A small picture on a white key: a filled disc.
QImage disc(QRgb color, int size) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int dx = 2 * x - size + 1;
            const int dy = 2 * y - size + 1;
            if (dx * dx + dy * dy < size * size * 3 / 4)
                image.setPixel(x, y, color);
        }
    return image;
}

class Sheet {
public:
    Sheet(int width, int height) {
        form_.SetBounds(0, 0, width, height);
        form_.Surface().fill(QColor(212, 208, 200));
    }

    void title(const QString& text) {
        if (column_ != 0)
            newRow();
        label(8, y_ + 4, text, true);
        y_ += TitleHeight;
    }

    // Places one control in the next cell, paints it, and labels it.
    void cell(TGraphicControl& control, const QString& name, const std::function<void()>& press) {
        const int x = 8 + column_ * Pitch;
        control.SetParent(&form_);
        control.SetBounds(x, y_, Cell, Cell);
        control.PaintMessage(&form_.Surface());
        if (press)
            press();
        label(x, y_ + Cell + 2, name, false);
        control.SetParent(nullptr);
        if (++column_ == Columns)
            newRow();
    }

    bool save(const QString& path) const { return form_.Surface().save(path, "PNG"); }

private:
    void newRow() {
        column_ = 0;
        y_ += Pitch;
    }
    void label(int x, int y, const QString& text, bool bold) {
        QPainter p(&form_.Surface());
        QFont font = p.font();
        font.setPixelSize(bold ? 13 : 10);
        font.setBold(bold);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QRect(x - 2, y, bold ? Columns * Pitch : Pitch, 16),
                   Qt::AlignLeft | Qt::AlignTop, text);
    }

    TWinControl form_;
    int column_ = 0;
    int y_ = 8;
};

void pressAt(TControl& control, int x, int y) {
    control.DispatchMouseDown(TMouseButton::mbLeft, ssLeft, x, y);
}

void buttons(Sheet& sheet, bool pressed) {
    sheet.title(pressed ? QStringLiteral("Button, pressed") : QStringLiteral("Button, released"));
    for (int i = 0; i < 30; ++i) {
        TQNButton b;
        b.SetBtnStyle(static_cast<TBtnStyle>(i));
        b.SetCaption(QStringLiteral("&Go~now"));
        b.SetTextAlign(TBtnDirection::qnCenter);
        TFont font;
        font.SetColor(clSilver);
        b.SetFont(font);
        b.SetColor(RGB(0, 0, 160));
        b.SetBitMapUp(disc(qRgb(0, 128, 255), 32));
        b.SetBitMapDown(disc(qRgb(255, 128, 0), 32));
        sheet.cell(b, QString::fromLatin1(ButtonStyles[i]),
                   pressed ? std::function<void()>([&b] { pressAt(b, Cell / 2, Cell / 2); })
                           : nullptr);
    }
}

void shapes(Sheet& sheet) {
    sheet.title(QStringLiteral("Shape (gradient style 2)"));
    for (int i = 0; i < 27; ++i) {
        TQNShape s;
        s.SetShape(static_cast<TQNShapeType>(i));
        s.SetColor(RGB(0, 0, 160));
        sheet.cell(s, QString::fromLatin1(ShapeStyles[i]), nullptr);
    }
    sheet.title(QStringLiteral("Shape gradient styles 1 to 10 (and 0: none)"));
    for (int g = 0; g <= 10; ++g) {
        TQNShape s;
        s.SetShape(TQNShapeType::qnGrad3DBorder);
        s.SetGradStyle(g);
        s.SetAngle(g >= 9 ? 30 : 0);
        s.SetColor(RGB(160, 0, 0));
        s.SetColor2(RGB(255, 255, 160));
        sheet.cell(s, QStringLiteral("GradStyle %1").arg(g), nullptr);
    }
}

void images(Sheet& sheet) {
    sheet.title(QStringLiteral("Image (the bitmap style released, then pressed)"));
    for (int i = 0; i < 22; ++i) {
        TQNImage im;
        im.SetShape(static_cast<TQNImageType>(i));
        im.SetCenter(true);
        im.SetTransparent(true);
        TPicture picture;
        picture.SetBitmap(disc(qRgb(0, 160, 0), 40));
        im.SetPicture(picture);
        im.SetBitMapDown(disc(qRgb(200, 0, 0), 40));
        sheet.cell(im, QString::fromLatin1(ImageStyles[i]), nullptr);
    }
    TQNImage pressed;
    pressed.SetShape(TQNImageType::qnbitmap);
    TPicture picture;
    picture.SetBitmap(disc(qRgb(0, 160, 0), 40));
    pressed.SetPicture(picture);
    pressed.SetBitMapDown(disc(qRgb(200, 0, 0), 40));
    sheet.cell(pressed, QStringLiteral("bitmap, pressed"), [&] { pressAt(pressed, 20, 20); });
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kestrom-gallery OUT.png\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    PaletteModuleScope palette;
    Sheet sheet(8 + Columns * Pitch, 8 + 14 * Pitch + 6 * TitleHeight);
    buttons(sheet, false);
    buttons(sheet, true);
    shapes(sheet);
    images(sheet);
    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
