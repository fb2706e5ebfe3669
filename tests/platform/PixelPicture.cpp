#include "tests/platform/PixelPicture.h"

namespace kestrom::test {

char LetterOf(TColor color) {
    switch (color) {
    case clWhite:
        return 'W';
    case clBlack:
        return 'K';
    case clRed:
        return 'R';
    case clLime:
        return 'G';
    case clBlue:
        return 'B';
    case clYellow:
        return 'Y';
    case clAqua:
        return 'C';
    case clFuchsia:
        return 'M';
    case clSilver:
        return 'S';
    case clGray:
        return 'A';
    default:
        return '?';
    }
}

std::string PictureOf(const TBitmap& bitmap) {
    return PictureFrom(bitmap.Width(), bitmap.Height(),
                       [&](int x, int y) { return LetterOf(bitmap.Canvas().Pixel(x, y)); });
}

std::string PictureFrom(int width, int height, const std::function<char(int x, int y)>& letter) {
    std::string text = "\n";
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            text += letter(x, y);
        text += '\n';
    }
    return text;
}

} // namespace kestrom::test
