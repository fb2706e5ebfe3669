#pragma once

namespace kestrom {

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Keys and buttons held during a mouse event; ssDouble marks the second press of a double
// click.
enum TShiftFlag : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64,
};
using TShiftState = unsigned;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

} // namespace kestrom
