#pragma once

#include "controls/TWinControl.h"
#include "platform/TCanvas.h"
#include "platform/TColor.h"

#include <QImage>

#include <string>

namespace kestrom::test {

// A plain image with a canvas on it, filled with one colour.
struct TestSurface {
    QImage image;
    TCanvas canvas;

    TestSurface(int width, int height, TColor background = clBlack)
        : image(width, height, QImage::Format_RGB32), canvas(&image) {
        image.fill(ColorToQRgb(background));
    }
    TColor at(int x, int y) const { return QRgbToColor(image.pixel(x, y)); }
};

// A parent window for windowless controls, its surface filled with one colour.
class TestForm : public TWinControl {
public:
    TestForm(int width, int height, TColor background = clBlack) {
        SetBounds(0, 0, width, height);
        Surface().fill(ColorToQRgb(background));
    }
    TColor at(int x, int y) const { return QRgbToColor(Surface().pixel(x, y)); }
};

inline std::string hex(TColor c) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%06X", c);
    return buffer;
}

} // namespace kestrom::test
