#pragma once

#include <QString>

#include <cstdint>

namespace kestrom {

// Shift bits of a shortcut; the low byte is the key's virtual-key code.
inline constexpr std::uint16_t scShift = 0x2000;
inline constexpr std::uint16_t scCtrl = 0x4000;
inline constexpr std::uint16_t scAlt = 0x8000;

// The platform's text of a shortcut, "Ctrl+R" for Ctrl and the R key; empty for 0 or a key
// without a name.
QString ShortCutToText(std::uint16_t shortCut);

} // namespace kestrom
