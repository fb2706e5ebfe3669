#pragma once

#include "platform/TColor.h"

#include <QFont>
#include <QString>

#include <functional>

namespace kestrom {

enum TFontStyle : unsigned {
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};

// A font as controls hold it. Height is in pixels: negative is the character height (the
// em), positive the cell height; Size is the same in points at 96 pixels per inch. Text is
// always drawn without antialiasing. Copies take the values, not OnChange.
class TFont {
public:
    TFont() = default;
    TFont(const TFont& other) { copyValues(other); }
    TFont& operator=(const TFont& other);

    const QString& Name() const { return name_; }
    int Height() const { return height_; }
    int Size() const;
    unsigned Style() const { return style_; }
    TColor Color() const { return color_; }

    void SetName(const QString& name);
    // 0 keeps the current height.
    void SetHeight(int height);
    void SetSize(int points);
    void SetStyle(unsigned style);
    void SetColor(TColor color);

    void Assign(const TFont& other);

    // The Qt font that draws it.
    QFont ToQFont() const;

    std::function<void()> OnChange;

private:
    void copyValues(const TFont& other);
    void changed();

    QString name_ = QStringLiteral("MS Sans Serif");
    int height_ = -11;
    unsigned style_ = 0;
    TColor color_ = clBlack;
};

} // namespace kestrom
