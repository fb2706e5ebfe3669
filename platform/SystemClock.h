#pragma once

#include <cstdint>
#include <functional>

namespace kestrom {

// Milliseconds since the host started, wrapping at 2^32 as on Windows.
std::uint32_t GetTickCount();
// Replaces the tick source (tests drive the wrap-around with it); an empty function restores
// the host's clock.
void SetTickCountSource(std::function<std::uint32_t()> source);

// Kept for the callers that set it around listings; critical-error boxes do not exist here.
unsigned SetErrorMode(unsigned mode);
constexpr unsigned SEM_FAILCRITICALERRORS = 0x0001;

} // namespace kestrom
