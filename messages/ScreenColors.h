#pragma once

namespace kestrom {

// Colours the screen shows: 2^bits up to 8 bits per pixel, 16777216 above.
int ScreenColorCount();
// Bits per pixel times planes of the screen (or the value set below).
int ScreenBitsPerPixel();
// Bits per pixel to assume instead of the screen's (tests run the 16- and 256-colour paths
// with it); 0 goes back to the screen.
void SetScreenBitsPerPixel(int bits);

} // namespace kestrom
