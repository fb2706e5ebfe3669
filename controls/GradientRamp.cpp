#include "controls/GradientRamp.h"

namespace kestrom {

namespace {

int channel(std::int64_t base, std::int64_t second, std::int64_t i, std::int64_t length) {
    const std::int64_t diff = second - base;
    const std::int64_t value = base + (length == 0 ? 0 : (i * diff) / length);
    return static_cast<int>(((value % 256) + 256) % 256);
}

} // namespace

TColor RampColor(TColor base, TColor second, std::int64_t i, std::int64_t length) {
    return RGB(channel(GetRValue(base), GetRValue(second), i, length),
               channel(GetGValue(base), GetGValue(second), i, length),
               channel(GetBValue(base), GetBValue(second), i, length));
}

} // namespace kestrom
