#pragma once

#include "platform/TBitmap.h"
#include "platform/TColor.h"

#include <functional>
#include <string>

namespace kestrom::test {

// A picture as text, one letter a pixel and one line a row, so that a failing comparison
// shows where the pixels differ: W white, K black, R red, G lime, B blue, Y yellow, C aqua,
// M fuchsia, S silver, A gray, ? anything else.
char LetterOf(TColor color);
std::string PictureOf(const TBitmap& bitmap);
// The picture expected: letter(x, y) for every pixel of a width x height surface.
std::string PictureFrom(int width, int height, const std::function<char(int x, int y)>& letter);

} // namespace kestrom::test
