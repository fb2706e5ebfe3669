#include "controls/PaletteModule.h"
#include "controls/TLabel3D.h"
#include "controls/TQNButton.h"
#include "controls/TQNScrollBox.h"
#include "platform/SystemClock.h"
#include "tests/controls/TestSurface.h"

#include <gtest/gtest.h>

namespace kestrom {
namespace {

using test::hex;
using test::TestForm;

TEST(TLabel3D, HighlightAboveLeftAndShadowBelowRightByTheOffset) {
    PaletteModuleScope palette;
    for (const TLabelStyle style : {TLabelStyle::lsRaised, TLabelStyle::lsLowered}) {
        TestForm form(60, 30, clGray);
        TLabel3D label;
        label.SetParent(&form);
        label.SetBounds(5, 5, 50, 20);
        label.SetCaption(QStringLiteral("H&i"));
        TFont font;
        font.SetColor(clRed);
        label.SetFont(font);
        label.SetLabelStyle(style);
        label.PaintMessage(&form.Surface());

        QImage expected(60, 30, QImage::Format_RGB32);
        expected.fill(ColorToQRgb(clGray));
        TCanvas ref(&expected);
        ref.SetOrigin(QPoint(5, 5));
        ref.Font().Assign(font);
        ref.Brush().SetStyle(TBrushStyle::bsClear);
        const int o = style == TLabelStyle::lsRaised ? 1 : -1;
        const unsigned flags = DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK;
        TRect white{-o, -o, 50 - o, 20 - o};
        ref.Font().SetColor(clWhite);
        ref.DrawText(QStringLiteral("H&i"), white, flags);
        TRect black{o, o, 50 + o, 20 + o};
        ref.Font().SetColor(clBlack);
        ref.DrawText(QStringLiteral("H&i"), black, flags);
        TRect text{0, 0, 50, 20};
        ref.Font().SetColor(clRed);
        ref.DrawText(QStringLiteral("H&i"), text, DT_LEFT | DT_EXPANDTABS);
        EXPECT_EQ(form.Surface(), expected) << (o > 0 ? "raised" : "lowered");
    }
}

QImage keyed(QRgb ink) {
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::white); // the key colour, pixel (0, 0)
    for (int y = 5; y < 15; ++y)
        for (int x = 5; x < 15; ++x)
            image.setPixel(x, y, ink);
    return image;
}

TEST(TQNButtonBitmapFace, TransparentFaceShowsTheScrollBoxBehindTheKey) {
    PaletteModuleScope palette;
    TQNScrollBox box;
    box.SetBounds(0, 0, 100, 100);
    box.SetColor(clYellow);
    box.PaintMessage();
    TQNButton button;
    button.SetParent(&box);
    button.SetBounds(10, 10, 21, 21); // 1-pixel pen: bevel box (1, 1, 20, 20), 19 x 19
    button.SetBtnStyle(TBtnStyle::fsBitMap);
    button.SetTransparent(true);
    button.SetBitMapUp(keyed(0xFF0000FF));
    button.SetBitMapDown(keyed(0xFFFF0000));
    button.PaintMessage(&box.Surface());
    EXPECT_EQ(hex(QRgbToColor(box.Surface().pixel(12, 12))), hex(clYellow)); // key: backdrop
    EXPECT_EQ(hex(QRgbToColor(box.Surface().pixel(20, 20))), hex(clBlue));   // the picture

    // Pressed: the pressed picture, after the wait that lets a quick click show it.
    std::uint32_t now = 0;
    SetTickCountSource([&now] { return now += 50; });
    button.DispatchMouseDown(TMouseButton::mbLeft, ssLeft, 10, 10);
    SetTickCountSource(nullptr);
    EXPECT_GE(now, 300u);
    EXPECT_EQ(hex(QRgbToColor(box.Surface().pixel(20, 20))), hex(clRed));
    EXPECT_EQ(hex(QRgbToColor(box.Surface().pixel(12, 12))), hex(clYellow));
}

} // namespace
} // namespace kestrom
