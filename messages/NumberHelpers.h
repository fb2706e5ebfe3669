#pragma once

#include <QString>

namespace kestrom {

inline int Max(int a, int b) {
    return a > b ? a : b;
}
inline int Min(int a, int b) {
    return a < b ? a : b;
}

// Text without its blanks, as an integer; 0 when that is not a number.
int BlankFreeToInt(const QString& text);

} // namespace kestrom
