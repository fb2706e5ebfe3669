#pragma once

#include "platform/TColor.h"

#include <cstdint>

namespace kestrom {

// The colour at position i of a run of length L from Base by Diff per channel (Diff signed):
// base + (i x diff) div L per channel, the sum taken modulo 256.
TColor RampColor(TColor base, TColor second, std::int64_t i, std::int64_t length);

} // namespace kestrom
