#include "controls/TQNButton.h"
#include "controls/PaletteModule.h"
#include "controls/ShortCutText.h"
#include "tests/controls/TestSurface.h"

#include <gtest/gtest.h>

#include <vector>

namespace kestrom {
namespace {

using test::hex;
using test::TestForm;

constexpr TColor Bg = RGB(0, 100, 0);

class TQNButtonTest : public ::testing::Test {
protected:
    PaletteModuleScope palette;
    TestForm form{100, 100, Bg};
    TQNButton button;
    int downs = 0;
    int ups = 0;

    void SetUp() override {
        button.SetParent(&form);
        button.SetBounds(0, 0, 53, 53);
        button.OnMouseDown = [this](TMouseButton, TShiftState, int, int) { ++downs; };
        button.OnMouseUp = [this](TMouseButton, TShiftState, int, int) { ++ups; };
    }
    void paint() { button.PaintMessage(&form.Surface()); }
};

TEST_F(TQNButtonTest, RightPressesAndDoubleClicksLeaveTheFaceReleased) {
    struct Case {
        TMouseButton button;
        TShiftState shift;
    } cases[] = {{TMouseButton::mbRight, ssRight},
                 {TMouseButton::mbMiddle, ssMiddle},
                 {TMouseButton::mbLeft, ssLeft | ssDouble}};
    for (const Case& c : cases) {
        button.DispatchMouseDown(c.button, c.shift, 20, 20);
        EXPECT_FALSE(button.Pressed());
        button.DispatchMouseUp(c.button, 0, 20, 20);
    }
    EXPECT_EQ(downs, 0);
    EXPECT_EQ(ups, 3);
}

TEST_F(TQNButtonTest, EllipseStylesPressOnlyInsideTheEllipse) {
    button.SetBtnStyle(TBtnStyle::fsEllipse);
    button.DispatchMouseDown(TMouseButton::mbLeft, ssLeft, 2, 2);
    EXPECT_FALSE(button.Pressed());
    EXPECT_EQ(downs, 0);
    button.DispatchMouseDown(TMouseButton::mbLeft, ssLeft, 26, 26);
    EXPECT_TRUE(button.Pressed());
    EXPECT_EQ(downs, 1);
    button.SetBtnStyle(TBtnStyle::fsRectangle);
    button.DispatchMouseDown(TMouseButton::mbLeft, ssLeft, 2, 2);
    EXPECT_TRUE(button.Pressed());
}

TEST_F(TQNButtonTest, APressedFlatFaceIsBlackUnlessPatternSeven) {
    button.SetBtnStyle(TBtnStyle::fsRectangle);
    button.SetColor(clRed);
    paint();
    EXPECT_EQ(hex(form.at(26, 26)), hex(clRed));
    button.DispatchMouseDown(TMouseButton::mbLeft, ssLeft, 10, 10); // painted at once
    EXPECT_EQ(hex(form.at(26, 26)), hex(clBlack));
    button.DispatchMouseUp(TMouseButton::mbLeft, 0, 10, 10);
    EXPECT_FALSE(button.Pressed());
    EXPECT_EQ(hex(form.at(26, 26)), hex(clRed)); // painted at once again

    button.SetPattern(7);
    button.DispatchMouseDown(TMouseButton::mbLeft, ssLeft, 10, 10);
    EXPECT_NE(hex(form.at(26, 26)), hex(clBlack)); // the tile, not the black fill
}

TEST_F(TQNButtonTest, ReleaseOfAClearOrPatternOneFaceIsLeftToTheParent) {
    for (const auto& setup :
         std::vector<std::function<void()>>{[this] { button.SetBtnStyle(TBtnStyle::fsClear); },
                                            [this] {
                                                button.SetBtnStyle(TBtnStyle::fs3DBorder);
                                                button.SetPattern(1);
                                            }}) {
        setup();
        button.DispatchMouseDown(TMouseButton::mbLeft, ssLeft, 10, 10);
        const int before = button.InvalidateCount();
        button.DispatchMouseUp(TMouseButton::mbLeft, 0, 10, 10);
        EXPECT_EQ(button.InvalidateCount(), before + 1);
    }
}

TEST_F(TQNButtonTest, ReleasedFaceBevelsInLightAndDarkColours) {
    button.SetBtnStyle(TBtnStyle::fs3DBorder);
    paint();
    EXPECT_EQ(hex(form.at(1, 20)), hex(clWhite)); // Border2 on the bevel box (1, 1, 52, 52)
    EXPECT_EQ(hex(form.at(50, 20)), hex(clGray));
    button.DispatchMouseDown(TMouseButton::mbLeft, ssLeft, 10, 10);
    EXPECT_EQ(hex(form.at(1, 20)), hex(clGray)); // pressed: the colours change places
    EXPECT_EQ(hex(form.at(50, 20)), hex(clWhite));
}

// The caption as the button places it: each line drawn with the platform's text output at
// the position computed from the layout rules.
struct CaptionLayout {
    TBtnDirection align;
    QString caption;
    const char* name;
};

TEST_F(TQNButtonTest, CaptionLinesArePlacedByAlignment) {
    const CaptionLayout cases[] = {
        {TBtnDirection::qnCenter, QStringLiteral("Ab~Cdef"), "two centred lines"},
        {TBtnDirection::qnLeft, QStringLiteral("Ab~Cdef"), "two lines on the left"},
        {TBtnDirection::qnRight, QStringLiteral("&Go"), "shortcut prefix on the right"},
        {TBtnDirection::qnCenter, QStringLiteral("a~b~c"), "three centred lines"},
    };
    TFont font;
    font.SetColor(clYellow);
    button.SetFont(font);
    button.SetBtnStyle(TBtnStyle::fsClear); // nothing but the caption
    for (const CaptionLayout& c : cases) {
        form.Surface().fill(ColorToQRgb(Bg));
        button.SetTextAlign(c.align);
        button.SetCaption(c.caption);
        paint();

        QImage expected(100, 100, QImage::Format_RGB32);
        expected.fill(ColorToQRgb(Bg));
        TCanvas ref(&expected);
        ref.Font().Assign(font);
        ref.Brush().SetStyle(TBrushStyle::bsClear);
        // Clear style: no pen, outline (0, 0, 54, 54), bevel box (0, 0, 53, 53); margin 6.
        const int X = 0, Y = 0, R = 53, B = 53, m = 6;
        const QStringList lines = c.caption.split(QLatin1Char('~'));
        const int th = ref.TextHeight(c.caption);
        int y = c.align == TBtnDirection::qnCenter
                    ? (B - Y) / 2 + Y - (th * static_cast<int>(lines.size())) / 2
                    : (B + Y) / 2 - (th * static_cast<int>(lines.size())) / 2;
        for (const QString& line : lines) {
            QString measured = line;
            measured.remove(measured.indexOf(QLatin1Char('&')) >= 0
                                ? measured.indexOf(QLatin1Char('&'))
                                : measured.size(),
                            1);
            const int w = ref.TextWidth(measured);
            const int x = c.align == TBtnDirection::qnCenter  ? (R + X) / 2 - w / 2
                          : c.align == TBtnDirection::qnRight ? R - m - w
                                                              : X + m;
            TRect rect{x, y, x + w, y + ref.TextHeight(line)};
            ref.DrawText(line, rect, DT_LEFT | DT_TOP);
            y += th;
        }
        EXPECT_EQ(form.Surface(), expected) << c.name;
    }
}

TEST_F(TQNButtonTest, SpeedKeyTextPrecedesTheCaption) {
    EXPECT_EQ(ShortCutToText(scCtrl | 'R'), QStringLiteral("Ctrl+R"));
    EXPECT_EQ(ShortCutToText(0), QString());
    button.SetBtnStyle(TBtnStyle::fsClear);
    button.SetCaption(QStringLiteral("Go"));
    button.SetSpeedKey(scCtrl | 'R');
    button.SetSpeedKeyOn(true);
    paint();
    QImage expected(100, 100, QImage::Format_RGB32);
    expected.fill(ColorToQRgb(Bg));
    TCanvas ref(&expected);
    ref.Brush().SetStyle(TBrushStyle::bsClear);
    const QString text = QStringLiteral("Ctrl+R = Go");
    const int th = ref.TextHeight(text);
    TRect rect{6, 53 / 2 - th / 2, 6 + ref.TextWidth(text), 53 / 2 - th / 2 + th};
    ref.DrawText(text, rect, DT_LEFT | DT_TOP);
    EXPECT_EQ(form.Surface(), expected);
}

TEST_F(TQNButtonTest, APressedClearFaceBacksItsWhiteCaptionInBlack) {
    button.SetBtnStyle(TBtnStyle::fsClear);
    button.SetTextAlign(TBtnDirection::qnLeft);
    button.SetCaption(QStringLiteral("MM"));
    button.DispatchMouseDown(TMouseButton::mbLeft, ssLeft, 10, 10);
    TCanvas ref(&form.Surface());
    const int th = ref.TextHeight(QStringLiteral("MM"));
    const int y = 53 / 2 - th / 2;
    EXPECT_EQ(hex(form.at(4, y + 1)), hex(clBlack)); // widened by 2 on the left
    bool white = false;
    for (int x = 6; x < 6 + ref.TextWidth(QStringLiteral("MM")); ++x)
        for (int yy = y; yy < y + th; ++yy)
            white = white || form.at(x, yy) == clWhite;
    EXPECT_TRUE(white);
}

TEST_F(TQNButtonTest, NumGlyphsBelowOneReadsOneAfterAPaint) {
    button.SetNumGlyphs(0);
    EXPECT_EQ(button.NumGlyphs(), 0);
    paint();
    EXPECT_EQ(button.NumGlyphs(), 1);
}

TEST_F(TQNButtonTest, ALineLongerThan255CharactersIsDrawnWhole) {
    button.SetBounds(0, 0, 100, 40);
    button.SetBtnStyle(TBtnStyle::fsClear);
    button.SetCaption(QString(300, QLatin1Char('W')) + QStringLiteral("~x"));
    paint(); // no fault; the first line runs off the face's right edge
    TCanvas ref(&form.Surface());
    EXPECT_GT(ref.TextWidth(QString(300, QLatin1Char('W'))), 100);
}

IconObject icon(int size, QRgb color) {
    IconImage image;
    image.color = QImage(size, size, QImage::Format_ARGB32);
    image.color.fill(color);
    return IconObject{{image}};
}

TEST_F(TQNButtonTest, AniIconKeepsTheIconOnlyForTheExactExtension) {
    std::vector<QString> asked;
    TQNButton::SetIconExtractor([&](const QString& file) {
        asked.push_back(file);
        return icon(16, 0xFF0000FF);
    });
    button.SetIcon(icon(32, 0xFFFF0000));
    button.SetAniIcon(QStringLiteral("C:\\Cursors\\Wait.ANI"));
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(button.Icon().images.front().color.width(), 32);
    button.SetAniIcon(QStringLiteral("C:\\Cursors\\wait.ani"));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(button.Icon().images.front().color.width(), 16);
    EXPECT_TRUE(button.ShowIcon());
    button.SetAniIcon(QStringLiteral("C:\\Cursors\\wait.ani")); // unchanged: nothing
    EXPECT_EQ(asked.size(), 1u);
    TQNButton::SetIconExtractor(nullptr);
}

class RecordingAni : public TAniSource {
public:
    std::vector<QPoint>* at;
    QImage* backdrop;
    RecordingAni(std::vector<QPoint>* a, QImage* b) : at(a), backdrop(b) {}
    void Load(const QString&) override {}
    void DrawNext(const QImage& back, const QString&, std::int32_t& counter, TCanvas&, int x,
                  int y) override {
        at->push_back({x, y});
        *backdrop = back;
        ++counter;
    }
};

TEST_F(TQNButtonTest, AnimationStepsSitWhereA32PixelIconWould) {
    std::vector<QPoint> at;
    QImage backdrop;
    button.SetAniSource(std::make_unique<RecordingAni>(&at, &backdrop));
    QImage black(53, 53, QImage::Format_RGB32);
    black.fill(Qt::black);
    button.SetBitMapDown(black);
    struct Case {
        TBtnDirection align;
        QPoint expected; // bevel box (1, 1, 52, 52), margin 6
    };
    const int th = TCanvas().TextHeight(QString());
    const Case cases[] = {
        {TBtnDirection::qnLeft, {7, 53 / 2 - 16}},
        {TBtnDirection::qnCenter, {53 / 2 - 16, 53 / 2 - (th + 32) / 2}},
        {TBtnDirection::qnRight, {52 - 32 - 6, 53 / 2 - 16}},
    };
    for (const Case& c : cases) {
        button.SetTextAlign(c.align);
        button.StepAnimation();
        ASSERT_FALSE(at.empty());
        EXPECT_EQ(at.back(), c.expected);
    }
    EXPECT_EQ(backdrop.pixel(0, 0), 0xFF000000u);
}

TEST_F(TQNButtonTest, SettersRepaintOnlyOnChange) {
    const int before = button.InvalidateCount();
    button.SetColor(clBlue);
    button.SetCaption(QString());
    button.SetBtnStyle(TBtnStyle::fs3DBorder);
    EXPECT_EQ(button.InvalidateCount(), before);
    button.SetCaption(QStringLiteral("x"));
    button.SetlightColor(clYellow);
    EXPECT_EQ(button.InvalidateCount(), before + 2);
    button.SetShowCursor(true);
    EXPECT_EQ(button.Cursor, 20);
    EXPECT_EQ(button.InvalidateCount(), before + 2);
}

} // namespace
} // namespace kestrom
