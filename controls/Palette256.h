#pragma once

#include "controls/PaletteEntry.h"

#include <array>

namespace kestrom {

// The built-in table of the shared palette: the sixteen standard colours, hand-made ramps,
// six grays and the bright colours again at the top.
const std::array<PaletteEntry, 256>& Palette256();

} // namespace kestrom
