#include "platform/TBitmap.h"
#include "tests/platform/PixelPicture.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

namespace kestrom {
namespace {

using test::PictureOf;

// A surface with the canvas font set to a plain 13-pixel face.
TBitmap surface(int width = 200, int height = 80) {
    TBitmap bitmap(width, height);
    bitmap.Canvas().Font().SetName(QStringLiteral("DejaVu Sans"));
    bitmap.Canvas().Font().SetHeight(-13);
    bitmap.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    return bitmap;
}

TRect measure(TCanvas& canvas, const QString& text, unsigned flags, int width = 1000) {
    TRect box{10, 20, 10 + width, 20};
    canvas.DrawText(text, box, flags | DT_CALCRECT);
    return box;
}

TEST(CanvasText, MeasuringFollowsPrefixesTabsAndLineBreaks) {
    TBitmap bitmap = surface();
    TCanvas& c = bitmap.Canvas();
    const int h = c.TextHeight(QStringLiteral("X"));
    const int tab = 8 * QFontMetrics(c.Font().ToQFont()).averageCharWidth();
    ASSERT_GT(c.TextWidth(QStringLiteral("a")), 0);
    ASSERT_LT(c.TextWidth(QStringLiteral("a")), tab);
    struct Case {
        const char* name;
        QString text;
        unsigned flags;
        int width;
        int height;
    };
    const Case cases[] = {
        {"plain", QStringLiteral("File"), 0, c.TextWidth(QStringLiteral("File")), h},
        {"prefix", QStringLiteral("&File"), 0, c.TextWidth(QStringLiteral("File")), h},
        {"double ampersand", QStringLiteral("A&&B"), 0, c.TextWidth(QStringLiteral("A&B")), h},
        {"no prefix", QStringLiteral("&File"), DT_NOPREFIX, c.TextWidth(QStringLiteral("&File")),
         h},
        {"tab to the next stop", QStringLiteral("a\tb"), DT_EXPANDTABS,
         tab + c.TextWidth(QStringLiteral("b")), h},
        {"two tabs", QStringLiteral("\t\tb"), DT_EXPANDTABS,
         2 * tab + c.TextWidth(QStringLiteral("b")), h},
        {"CR LF, lone CR and lone LF", QStringLiteral("ab\r\nabc\rx\ny"), 0,
         c.TextWidth(QStringLiteral("abc")), 4 * h},
        {"single line keeps breaks out", QStringLiteral("ab\r\nab"), DT_SINGLELINE,
         c.TextWidth(QStringLiteral("abab")), h},
        {"empty text", QString(), 0, 0, 0},
    };
    for (const Case& k : cases) {
        const TRect box = measure(c, k.text, k.flags);
        EXPECT_EQ(box.Left, 10) << k.name;
        EXPECT_EQ(box.Top, 20) << k.name;
        EXPECT_EQ(box.Width(), k.width) << k.name;
        EXPECT_EQ(box.Height(), k.height) << k.name;
    }
}

TEST(CanvasText, WordBreakFitsTheBoxWidth) {
    TBitmap bitmap = surface();
    TCanvas& c = bitmap.Canvas();
    const int h = c.TextHeight(QStringLiteral("X"));
    const int twoWords = c.TextWidth(QStringLiteral("one two"));
    struct Case {
        const char* name;
        QString text;
        int boxWidth;
        int width;
        int lines;
    };
    const Case cases[] = {
        {"fits", QStringLiteral("one two three"), 1000,
         c.TextWidth(QStringLiteral("one two three")), 1},
        {"breaks at the blank", QStringLiteral("one two three"), twoWords, twoWords, 2},
        {"blanks at the break vanish", QStringLiteral("one two   three"), twoWords, twoWords, 2},
        {"a long word stands alone", QStringLiteral("a extraordinarily b"),
         c.TextWidth(QStringLiteral("a b")), c.TextWidth(QStringLiteral("extraordinarily")), 3},
        {"breaks within each line", QStringLiteral("one two three\rfour"), twoWords, twoWords, 3},
    };
    for (const Case& k : cases) {
        const TRect box = measure(c, k.text, DT_WORDBREAK, k.boxWidth);
        EXPECT_EQ(box.Width(), k.width) << k.name;
        EXPECT_EQ(box.Height(), k.lines * h) << k.name;
        TRect drawn{10, 20, 10 + k.boxWidth, 400};
        EXPECT_EQ(c.DrawText(k.text, drawn, DT_WORDBREAK), k.lines * h) << k.name;
    }
}

TEST(CanvasText, AlignmentPlacesEachLineInTheBox) {
    const QString text = QStringLiteral("Mix");
    const auto drawn = [&](unsigned flags, int x, int y) {
        TBitmap bitmap = surface(120, 60);
        TRect box{x, y, x + 100, y + 40};
        bitmap.Canvas().DrawText(text, box, flags);
        return PictureOf(bitmap);
    };
    TBitmap probe = surface();
    const int w = probe.Canvas().TextWidth(text);
    const int h = probe.Canvas().TextHeight(text);
    // Aligned text is the left-aligned text moved by the rule's offset.
    EXPECT_EQ(drawn(DT_CENTER, 5, 5), drawn(DT_LEFT, 5 + (100 - w) / 2, 5));
    EXPECT_EQ(drawn(DT_RIGHT, 5, 5), drawn(DT_LEFT, 5 + 100 - w, 5));
    EXPECT_EQ(drawn(DT_SINGLELINE | DT_VCENTER, 5, 5), drawn(DT_LEFT, 5, 5 + (40 - h) / 2));
    EXPECT_EQ(drawn(DT_SINGLELINE | DT_BOTTOM, 5, 5), drawn(DT_LEFT, 5, 5 + 40 - h));
    EXPECT_NE(drawn(DT_LEFT, 5, 5), drawn(DT_LEFT, 6, 5));
}

TEST(CanvasText, TextIsDrawnWithoutAntialiasingAndClippedToItsBox) {
    TBitmap bitmap = surface(60, 30);
    TCanvas& c = bitmap.Canvas();
    TRect box{0, 0, 12, 30};
    c.DrawText(QStringLiteral("WWWWWW"), box, 0);
    int inked = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x) {
            const TColor p = c.Pixel(x, y);
            EXPECT_TRUE(p == clWhite || p == clBlack) << x << "," << y << " " << std::hex << p;
            if (p == clBlack) {
                ++inked;
                EXPECT_LT(x, 12) << "outside the box";
            }
        }
    EXPECT_GT(inked, 0);

    TBitmap unclipped = surface(60, 30);
    unclipped.Canvas().DrawText(QStringLiteral("WWWWWW"), box, DT_NOCLIP);
    bool beyond = false;
    for (int y = 0; y < 30; ++y)
        for (int x = 12; x < 60; ++x)
            beyond = beyond || unclipped.Canvas().Pixel(x, y) == clBlack;
    EXPECT_TRUE(beyond);
}

TEST(CanvasText, PrefixUnderlinesTheMarkedCharacter) {
    const auto ink = [](const QString& text) {
        TBitmap bitmap = surface(80, 30);
        TRect box{2, 2, 80, 30};
        bitmap.Canvas().DrawText(text, box, 0);
        std::vector<QPoint> points;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 80; ++x)
                if (bitmap.Canvas().Pixel(x, y) == clBlack)
                    points.emplace_back(x, y);
        return points;
    };
    const std::vector<QPoint> plain = ink(QStringLiteral("File"));
    const std::vector<QPoint> marked = ink(QStringLiteral("&File"));
    TBitmap probe = surface();
    const int fWidth = probe.Canvas().TextWidth(QStringLiteral("F"));
    // Everything of the plain text, plus an underline below the F only.
    ASSERT_GT(marked.size(), plain.size());
    for (const QPoint& p : plain)
        EXPECT_NE(std::find(marked.begin(), marked.end(), p), marked.end());
    for (const QPoint& p : marked) {
        if (std::find(plain.begin(), plain.end(), p) == plain.end()) {
            EXPECT_LT(p.x(), 2 + fWidth + 1) << p.x() << "," << p.y();
        }
    }
}

TEST(CanvasText, SolidBrushFillsTheTextCell) {
    TBitmap bitmap = surface(60, 30);
    TCanvas& c = bitmap.Canvas();
    c.Brush().SetColor(clYellow);
    c.Font().SetColor(clRed);
    c.TextOut(3, 4, QStringLiteral("Hi"));
    const QSize extent = c.TextExtent(QStringLiteral("Hi"));
    int red = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x) {
            const bool cell = x >= 3 && x < 3 + extent.width() && y >= 4 && y < 4 + extent.height();
            const TColor p = c.Pixel(x, y);
            if (!cell)
                EXPECT_EQ(p, clWhite) << x << "," << y;
            else
                EXPECT_TRUE(p == clYellow || p == clRed) << x << "," << y;
            red += p == clRed ? 1 : 0;
        }
    EXPECT_GT(red, 0);
    EXPECT_EQ(c.PenPos(), QPoint(3 + extent.width(), 4));
}

TEST(Fonts, HeightAndPointSizeAgreeAt96PixelsPerInch) {
    TFont font;
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Size(), 8);
    font.SetHeight(-13);
    EXPECT_EQ(font.Size(), 10);
    font.SetHeight(-16);
    EXPECT_EQ(font.Size(), 12);
    font.SetSize(9);
    EXPECT_EQ(font.Height(), -12);
    EXPECT_EQ(font.ToQFont().styleStrategy() & QFont::NoAntialias, QFont::NoAntialias);

    // A positive height is the whole cell.
    font.SetName(QStringLiteral("DejaVu Sans"));
    font.SetHeight(20);
    EXPECT_LE(QFontMetrics(font.ToQFont()).height(), 20);
    EXPECT_GE(QFontMetrics(font.ToQFont()).height(), 17);

    int changes = 0;
    font.OnChange = [&changes] { ++changes; };
    font.SetStyle(fsBold | fsItalic);
    font.SetStyle(fsBold | fsItalic);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(font.ToQFont().bold());
}

} // namespace
} // namespace kestrom
