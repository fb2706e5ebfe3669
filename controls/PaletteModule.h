#pragma once

#include "controls/LogicalPalette.h"

#include <cstdint>
#include <memory>

namespace kestrom {

// The one palette of all custom controls; null when it could not be made (or before start).
LogicalPalette* SharedPalette();

// Display colours recorded at start: 256 or 16777216.
int PaletteMode();

// 256 when the screen shows 256 colours or fewer, 16777216 otherwise.
int DisplayColorCount();

// A palette made from the screen's palette entries, flags cleared. The host has no hardware
// palette, so the screen's entries are the built-in table. False when none could be made.
bool CreateSystemPalette(std::unique_ptr<LogicalPalette>& palette);

// Maps Palette onto the screen's palette; true when any screen entry changed. False when
// there is no shared palette.
bool RealizeSharedPalette(const LogicalPalette* palette, bool background);

// Stores Mode; loads the built-in table into the shared palette and realizes it.
void SetPaletteMode(int mode);

// Entry Index of the shared palette as a palette-relative colour (0x02BBGGRR).
std::uint32_t PaletteColor(std::uint8_t index);

// The palette-index colour (0x010000ii) of the shared palette entry nearest to an RGB colour.
std::uint32_t NearestPaletteIndexColor(std::uint32_t color);

// The RGB of a colour that may name a palette index or a palette-relative colour; an empty
// shared palette reads the built-in table instead.
std::uint32_t ResolvePaletteColor(std::uint32_t color);

// Program start and end of the palette module.
void StartPaletteModule();
void EndPaletteModule();

// Starts the palette module for its lifetime (program entry, tests, tools).
class PaletteModuleScope {
public:
    PaletteModuleScope() { StartPaletteModule(); }
    ~PaletteModuleScope() { EndPaletteModule(); }
    PaletteModuleScope(const PaletteModuleScope&) = delete;
    PaletteModuleScope& operator=(const PaletteModuleScope&) = delete;
};

} // namespace kestrom
