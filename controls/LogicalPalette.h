#pragma once

#include "controls/PaletteEntry.h"

#include <array>
#include <cstdint>

namespace kestrom {

// A logical palette of 256 entries.
class LogicalPalette {
public:
    using Entries = std::array<PaletteEntry, 256>;

    LogicalPalette() = default;
    explicit LogicalPalette(const Entries& entries) : entries_(entries) {}

    const Entries& entries() const { return entries_; }
    const PaletteEntry& entry(std::uint8_t index) const { return entries_[index]; }
    void setEntries(const Entries& entries) { entries_ = entries; }

    // The entry closest to an 0x00BBGGRR colour (squared distance, lowest index on a tie).
    std::uint8_t nearestIndex(std::uint32_t color) const;

private:
    Entries entries_{};
};

} // namespace kestrom
